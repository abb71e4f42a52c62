#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the real program on a virtual X display in a German locale, types
# 2,5 and 1500 as a user would, presses Alt+E and saves a picture of the
# window (default docs/fenster.png). Needs xvfb, xdotool and imagemagick.
# The Windows program (a .exe) runs under Wine in the Windows build's prefix.
#   tools/screenshot.sh [program] [picture]
#   tools/screenshot.sh build-windows/ui/win32/flockenlinie.exe docs/fenster-windows.png
# SPRACHE, TEMPERATUR and GEO choose another locale and other inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
programm=${1:-build/ui/qt/flockenlinie}
bild=${2:-docs/fenster.png}
# On a virtual display of its own.
if [ -z "${FLOCKENLINIE_XVFB:-}" ]; then
    FLOCKENLINIE_XVFB=1 exec tools/mit_xvfb.sh "$PWD/tools/screenshot.sh" "$programm" "$bild"
fi

for werkzeug in xdotool import; do
    command -v "$werkzeug" >/dev/null || { echo "FEHLER: $werkzeug fehlt (tools/einrichten.sh test)" >&2; exit 1; }
done
sprache=${SPRACHE:-de_DE.UTF-8}
starter=()
[[ $programm == *.exe ]] && starter=(tools/unter_wine.sh build-windows/wine)
LANG=$sprache LC_ALL=$sprache QT_QPA_PLATFORM=xcb "${starter[@]}" "$programm" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
# Its window within a minute (a first start under Wine makes the prefix
# first), and no more waiting once the program has ended.
fenster=
ende=$((SECONDS + 60))
while [ "$SECONDS" -lt "$ende" ]; do
    fenster=$(xdotool search --onlyvisible --name '^Flockenlinie$' | head -1) || true
    [ -n "$fenster" ] && break
    if ! kill -0 "$pid" 2>/dev/null; then
        status=0
        wait "$pid" || status=$?
        echo "FEHLER: $programm endete mit Status $status, ohne ein Fenster zu zeigen" >&2
        exit 1
    fi
    sleep 0.1
done
[ -n "$fenster" ] || { echo "FEHLER: $programm zeigte nach 60 s kein Fenster „Flockenlinie“" >&2; exit 1; }
timeout 10 xdotool windowfocus --sync "$fenster"
sleep 0.3
xdotool type --delay 40 -- "${TEMPERATUR:-2,5}"
xdotool key Tab
xdotool type --delay 40 -- "${GEO:-1500}"
xdotool key alt+e
sleep 0.5
import -window "$fenster" "$bild"
kill "$pid"
wait "$pid" || true
echo "$bild"
