#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Flockenlinie and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/einrichten.sh
cmake -S . -B build -DFLOCKENLINIE_UI=ON -DFLOCKENLINIE_TESTS=OFF -DFLOCKENLINIE_BENCH=OFF
cmake --build build -j"$(nproc)" --target flockenlinie
exec build/ui/qt/flockenlinie "$@"
