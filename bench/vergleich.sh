#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the calculation benchmark against its baseline in one process, the two
# interleaved, and prints how many times the baseline one press costs. The
# fastest of the repetitions counts: on a busy machine the others measure
# the neighbours.
set -euo pipefail
bench=${1:-build/bench/berechnung_bench}
"$bench" --benchmark_repetitions=${WIEDERHOLUNGEN:-20} --benchmark_enable_random_interleaving=true \
    --benchmark_format=json 2>/dev/null | python3 -c '
import json, sys
laeufe = [b for b in json.load(sys.stdin)["benchmarks"] if b.get("run_type") == "iteration"]
best = {}
for b in laeufe:
    best[b["run_name"]] = min(best.get(b["run_name"], float("inf")), b["real_time"])
g, e = best["Grundlinie"], best["ErgebnisBerechnen"]
print(f"Grundlinie {g:.1f} ns, ergebnis_berechnen {e:.1f} ns, Verhältnis {e / g:.2f}")
'
