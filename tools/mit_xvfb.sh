#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command on a virtual X display of its own that ends with it.
#   tools/mit_xvfb.sh command [args...]
set -euo pipefail
nummer_datei=$(mktemp)
# -displayfd: Xvfb takes a free display itself and writes its number once it
# accepts connections, so parallel runs do not race for one.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$nummer_datei" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$nummer_datei"' EXIT
# At most 10 s, less if Xvfb ends (or is missing) before it has a display.
for _ in $(seq 200); do
    [ -s "$nummer_datei" ] && break
    kill -0 $xvfb 2>/dev/null || break
    sleep 0.05
done
nummer=$(head -1 "$nummer_datei")
if [[ ! $nummer =~ ^[0-9]+$ ]]; then
    command -v Xvfb >/dev/null || echo "FEHLER: Xvfb fehlt (Paket xvfb; tools/einrichten.sh test)" >&2
    echo "FEHLER: Xvfb hat keine Anzeige geöffnet; $1 nicht gestartet" >&2
    exit 1
fi
DISPLAY=":$nummer" "$@"
