// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rule of thumb for the snowfall level, from the air temperature at the
// 850 hPa level and the geopotential height of that level:
//
//     level = height + (temperature - 2) * 150        (metres)
//
// At 2 °C the snow falls down to the 850 hPa level itself; every degree warmer
// lifts the level by 150 m, every degree colder lowers it by as much.

namespace flockenlinie::formel {

inline constexpr double bezugstemperatur = 2.0;  // °C
inline constexpr double meter_pro_grad = 150.0;  // m per °C

// Levels the program shows: from 0 m inclusive up to 10000 m exclusive.
inline constexpr double untergrenze = 0;
inline constexpr double obergrenze = 10000;

// Subtract first, then multiply; each step rounded as a double on its own.
constexpr double temperaturterm(double temperatur) {
    return (temperatur - bezugstemperatur) * meter_pro_grad;
}

constexpr double schneefallgrenze(double geo, double term) { return geo + term; }

constexpr bool im_bereich(double grenze) { return grenze >= untergrenze && grenze < obergrenze; }

}  // namespace flockenlinie::formel
