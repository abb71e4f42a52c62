#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program under Wine in the given prefix, made on first use.
#   tools/unter_wine.sh PREFIX program.exe [args...]
set -euo pipefail
export WINEPREFIX=$(realpath -m "$1")
shift
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
[ -f "$WINEPREFIX/.eingerichtet" ] || "$(dirname "$0")/wine_einrichten.sh" "$WINEPREFIX"
# Windows need an X display. Without one (ctest run by hand), the program
# gets a virtual display and a Wine server of its own, both ended with it.
if [ -z "${DISPLAY:-}" ]; then
    exec "$(dirname "$0")/mit_xvfb.sh" "$(dirname "$0")/wine_einrichten.sh" "$WINEPREFIX" "$0" "$WINEPREFIX" "$@"
fi
# The Wine and Wine server this release has, as the prefix was made with.
{ read -r wine && read -r WINESERVER; } < <("$(dirname "$0")/wine_einrichten.sh" --programme)
export WINESERVER
# The program's output goes through a file: Wine's desktop process, started
# by the first window, inherits it and lingers a second after the program
# ends, and a caller that reads a pipe (ctest) would wait for it. Killed
# with this script (ctest's timeout sends SIGKILL), the program ends too,
# and with it the last reason for the Wine server to stay.
ausgabe=$(mktemp)
trap 'cat "$ausgabe"; rm -f "$ausgabe"' EXIT
setpriv --pdeathsig KILL "$wine" "$@" >"$ausgabe" 2>&1 &
programm=$!
trap 'kill "$programm" 2>/dev/null' TERM INT
wait "$programm"
