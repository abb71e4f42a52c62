// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

#include "zahlformat.hpp"

namespace flockenlinie {

// Reads a number as the user types it in their number format. One rule
// decides both whether a text is a number and what it is worth. The whole
// text must be
//
//     blanks? sign? mantissa exponent? blanks?
//
//   blank     U+0020, U+0009, U+00A0 or U+202F
//   sign      one of + - or U+2212, directly before the mantissa
//   mantissa  ASCII digits with at most one decimal separator and at least
//             one digit; the integer part may be grouped (1 to 3 digits, then
//             groups of exactly 3) by the format's grouping separator or by
//             any of U+0020, U+00A0, U+202F, whatever the format; U+2019
//             accepts U+0027 as well.
//   exponent  E or e, a sign or none, one or more digits
//
// The value is the decimal value rounded correctly to the nearest double.
// A value beyond the double range is not a number; one too small for it
// becomes zero or a subnormal. Runs in linear time on texts of any length,
// and allocates only for texts longer than a couple of hundred bytes.
std::optional<double> zahl_lesen(std::string_view text, const Zahlformat& format);

}  // namespace flockenlinie
