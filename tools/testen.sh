#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Flockenlinie and runs every test: the suite
# as built, the Windows build's suite under Wine, the suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzzer for a
# bounded time (FUZZ_SEKUNDEN, 60 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/einrichten.sh test
jobs=$(nproc)

echo "== Tests"
cmake -S . -B build -DFLOCKENLINIE_UI=ON -DFLOCKENLINIE_TESTS=ON -DFLOCKENLINIE_BENCH=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Windows"
cmake --preset windows
cmake --build --preset windows -j"$jobs"
tools/mit_xvfb.sh tools/wine_einrichten.sh build-windows/wine ctest --preset windows -j"$jobs"

echo "== Tests unter AddressSanitizer und UndefinedBehaviorSanitizer"
cmake -S . -B build-san -DFLOCKENLINIE_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-san -j"$jobs"
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" ctest --test-dir build-san --output-on-failure -j"$jobs"

echo "== Fuzzing"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DFLOCKENLINIE_UI=OFF -DFLOCKENLINIE_TESTS=OFF \
    -DFLOCKENLINIE_BENCH=OFF -DFLOCKENLINIE_FUZZ=ON -DFLOCKENLINIE_FUZZ_SEKUNDEN="${FUZZ_SEKUNDEN:-60}"
cmake --build build-fuzz -j"$jobs"
ctest --test-dir build-fuzz --output-on-failure
