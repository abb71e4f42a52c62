// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "utf.hpp"

#include <windows.h>

namespace flockenlinie {

// Windows' own conversions: without WC_ERR_INVALID_CHARS they put U+FFFD for
// a lone surrogate (and for a broken UTF-8 sequence) instead of failing.

std::string utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int n = static_cast<int>(text.size());
    const int laenge = WideCharToMultiByte(CP_UTF8, 0, text.data(), n, nullptr, 0, nullptr, nullptr);
    std::string aus(static_cast<std::size_t>(laenge), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), n, aus.data(), static_cast<int>(aus.size()), nullptr, nullptr);
    return aus;
}

std::wstring utf16(std::string_view text) {
    if (text.empty()) return {};
    const int n = static_cast<int>(text.size());
    std::wstring aus(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), n, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), n, aus.data(), static_cast<int>(aus.size()));
    return aus;
}

}  // namespace flockenlinie
