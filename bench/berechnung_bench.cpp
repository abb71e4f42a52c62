// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// What one press of the button costs, against the bare conversions it cannot
// do without: two texts to doubles and one double to text.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string_view>

#include "berechnung.hpp"

namespace {

struct Eingabe {
    std::string_view temperatur, geo;    // as a German user types them
    std::string_view temperatur_c, geo_c;  // the same values for std::from_chars
};

constexpr std::array<Eingabe, 4> eingaben{{
    {"-7,9", "1500,3", "-7.9", "1500.3"},
    {"2,5", "1.500", "2.5", "1500"},
    {"0", "1400", "0", "1400"},
    {"-3,25", "1523,7", "-3.25", "1523.7"},
}};

void Grundlinie(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Eingabe& e = eingaben[i++ % eingaben.size()];
        double t = 0, g = 0;
        std::from_chars(e.temperatur_c.data(), e.temperatur_c.data() + e.temperatur_c.size(), t);
        std::from_chars(e.geo_c.data(), e.geo_c.data() + e.geo_c.size(), g);
        const double grenze = g + (t - 2.0) * 150.0;
        std::array<char, 32> text;
        auto r = std::to_chars(text.data(), text.data() + text.size(), grenze, std::chars_format::general, 15);
        benchmark::DoNotOptimize(r.ptr);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(Grundlinie);

void ErgebnisBerechnen(benchmark::State& state) {
    const flockenlinie::Zahlformat deutsch{",", "."};
    std::size_t i = 0;
    for (auto _ : state) {
        const Eingabe& e = eingaben[i++ % eingaben.size()];
        auto ausgang = flockenlinie::ergebnis_berechnen(e.temperatur, e.geo, deutsch);
        benchmark::DoNotOptimize(ausgang);
    }
}
BENCHMARK(ErgebnisBerechnen);

}  // namespace

BENCHMARK_MAIN();
