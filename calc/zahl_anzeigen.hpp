// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "zahlformat.hpp"

namespace flockenlinie {

// Writes a finite number as the window shows it: rounded correctly to 15
// significant digits (ties to even, as printf's %.15g), never in exponent
// notation, without grouping, without trailing zeros after the decimal
// separator and without a trailing separator. Zero shows as "0", and an
// infinity or NaN, which has no digits to show, as the empty text.
std::string zahl_anzeigen(double wert, const Zahlformat& format);

}  // namespace flockenlinie
