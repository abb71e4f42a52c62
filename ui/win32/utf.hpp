// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// Windows keeps text in UTF-16, the calculation reads UTF-8.

namespace flockenlinie {

// Every character kept. A surrogate without its partner is no character at
// all: it becomes U+FFFD, which no number contains.
std::string utf8(std::wstring_view text);

// The inverse for valid UTF-8, as the calculation writes it.
std::wstring utf16(std::string_view text);

}  // namespace flockenlinie
