#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes a Wine prefix for running the Windows build, and with a command, runs
# it there with one Wine server kept up for its whole length. No server
# outlives a run: a server left by an earlier run for the prefix is ended
# first, and this run's ends by itself once idle, also after a SIGKILL that
# leaves no one to stop it.
#   tools/wine_einrichten.sh PREFIX [command [args...]]
set -euo pipefail
export WINEPREFIX=$(realpath -m "$1")
shift
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
[ ! -d "$WINEPREFIX" ] || wineserver -k </dev/null >/dev/null 2>&1 || true

if [ ! -f "$WINEPREFIX/.eingerichtet" ]; then
    mkdir -p "$WINEPREFIX"
    # Bounded: a Wine that cannot start (no display, a broken install) ends
    # with a message, not with a run that waits for ever.
    timeout 300 "$wine" wineboot -i >/dev/null 2>&1 || {
        wineserver -k >/dev/null 2>&1 || true
        echo "FEHLER: wineboot richtete $WINEPREFIX nicht ein (Wine fehlt, scheiterte oder brauchte über 5 min)" >&2
        exit 1
    }
    # Debian keeps Wine's fonts (MS Sans Serif among them) outside the prefix.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    einstellungen=$(mktemp --suffix=.reg)
    # Windows unmanaged by the (absent) window manager, no 2 s stalls; a crash
    # ends the program instead of waiting on a dialog.
    cat >"$einstellungen" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
    "$wine" regedit /S "$(winepath() { echo "Z:${1//\//\\}"; }; winepath "$einstellungen")" >/dev/null 2>&1
    rm -f "$einstellungen"
    timeout 120 wineserver -w || { echo "FEHLER: Wine in $WINEPREFIX endete nicht binnen 2 min" >&2; exit 1; }
    touch "$WINEPREFIX/.eingerichtet"
fi

[ $# -gt 0 ] || exit 0
# One server for every test, started and warmed up before them, its output
# kept away from the command's; it ends 10 s after its last program (no
# test waits that long for the next). Every Wine process writes its locale's
# number format into the registry as it starts; the services (COM among
# them) start now, in the tests' own German, not in the middle of a test.
wineserver -p10 </dev/null >/dev/null 2>&1
trap 'wineserver -k </dev/null >/dev/null 2>&1 || true' EXIT
LC_ALL=de_DE.UTF-8 "$wine" net start RpcSs </dev/null >/dev/null 2>&1
"$@"
