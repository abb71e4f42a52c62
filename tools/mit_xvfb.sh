#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command on a virtual X display of its own that ends with it. The
# display is open to the command alone: it holds the display's random cookie
# (XAUTHORITY, in a folder only its user can read), other users do not.
#   tools/mit_xvfb.sh command [args...]
set -euo pipefail
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
export XAUTHORITY=$ordner/xauthority
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
# Xvfb takes every cookie in its file, whatever display an entry names;
# clients look theirs up by the display's number, known once Xvfb chose it.
: >"$XAUTHORITY"
xauth -q add :0 MIT-MAGIC-COOKIE-1 "$cookie"
# -displayfd: Xvfb takes a free display itself and writes its number once it
# accepts connections, so parallel runs do not race for one. Killed with
# this script, even by SIGKILL, it ends too.
setpriv --pdeathsig KILL Xvfb -displayfd 3 -auth "$XAUTHORITY" -screen 0 800x600x24 -nolisten tcp \
    3>"$ordner/nummer" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$ordner"' EXIT
# At most 10 s, less if Xvfb ends (or is missing) before it has a display.
for _ in $(seq 200); do
    [ -s "$ordner/nummer" ] && break
    kill -0 $xvfb 2>/dev/null || break
    sleep 0.05
done
nummer=$(head -1 "$ordner/nummer")
if [[ ! $nummer =~ ^[0-9]+$ ]]; then
    command -v Xvfb >/dev/null || echo "FEHLER: Xvfb fehlt (Paket xvfb; tools/einrichten.sh test)" >&2
    echo "FEHLER: Xvfb hat keine Anzeige geöffnet; $1 nicht gestartet" >&2
    exit 1
fi
xauth -q add ":$nummer" MIT-MAGIC-COOKIE-1 "$cookie"
DISPLAY=":$nummer" "$@"
