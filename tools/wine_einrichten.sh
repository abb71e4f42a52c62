#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes a Wine prefix for running the Windows build, and with a command, runs
# it there with one Wine server kept up for its whole length. No server
# outlives a run: a server left by an earlier run for the prefix is ended
# first, and this run's ends by itself once idle, also after a SIGKILL that
# leaves no one to stop it. With --programme alone, it names the Wine and
# Wine server it uses, a line each (read by tools/unter_wine.sh and the
# installer test).
#   tools/wine_einrichten.sh PREFIX [command [args...]]
#   tools/wine_einrichten.sh --programme
set -euo pipefail

# Where this Debian release put Wine: each program by the PATH, else among
# the files of the installed Wine packages (a release may keep the server
# off the PATH). The 64-bit loader first, where it has a name of its own.
installiert() { dpkg-query -W -f '${db:Status-Status} ${Package}\n' '*wine*' 2>/dev/null | awk '$1 == "installed" { print $2 }'; }
finden() {
    local name datei
    for name; do
        command -v "$name" && return
        while read -r datei; do
            [ -f "$datei" ] && [ -x "$datei" ] && echo "$datei" && return
        done < <(installiert | xargs -r dpkg -L | grep "/$name\$")
    done
    echo "FEHLER: kein $1 (Paket wine; tools/einrichten.sh test)" >&2
    return 1
}
if [ "${1:-}" = --programme ]; then
    finden wine64 wine
    finden wineserver
    exit
fi
wine=$(finden wine64 wine)
# Every Wine program started from here takes this server (Wine reads WINESERVER).
WINESERVER=$(finden wineserver)
export WINESERVER
wineserver() { "$WINESERVER" "$@"; }

export WINEPREFIX=$(realpath -m "$1")
shift
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
[ ! -d "$WINEPREFIX" ] || wineserver -k </dev/null >/dev/null 2>&1 || true

# The prefix's settings. The window's test opens its windows on a desktop of
# Wine's own, a window of 800 x 600 on the display, where activation and
# focus go as on Windows: a window whose message box closes is active again
# (on a bare X display Wine may hand the activation to no window at all).
# Other programs keep to the display, where xdotool finds their windows (the
# installer test, the screenshot), unmanaged by the absent window manager: no
# 2 s stalls. A crash ends the program instead of waiting on a dialog. A
# prefix made with other settings gets these.
einstellungen=$(cat <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"=-

[HKEY_CURRENT_USER\Software\Wine\AppDefaults\fenster_win32_tests.exe\Explorer]
"Desktop"="Tests"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Tests"="800x600"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
)

if [ ! -f "$WINEPREFIX/.eingerichtet" ]; then
    mkdir -p "$WINEPREFIX"
    # Bounded: a Wine that cannot start (no display, a broken install) ends
    # with a message, not with a run that waits for ever.
    timeout 300 "$wine" wineboot -i >/dev/null 2>&1 || {
        wineserver -k >/dev/null 2>&1 || true
        echo "FEHLER: wineboot richtete $WINEPREFIX nicht ein (Wine fehlt, scheiterte oder brauchte über 5 min)" >&2
        exit 1
    }
    # Wine's fonts (MS Sans Serif among them), where the release's packages
    # keep them outside the prefix; none there, none copied.
    installiert | xargs -r dpkg -L | grep '/fonts/[^/]*\.\(ttf\|ttc\|otf\|fon\)$' |
        while read -r schrift; do [ ! -f "$schrift" ] || cp "$schrift" "$WINEPREFIX/drive_c/windows/Fonts/"; done
    : >"$WINEPREFIX/.eingerichtet"
fi
if [ "$(cat "$WINEPREFIX/.eingerichtet")" != "$einstellungen" ]; then
    datei=$(mktemp --suffix=.reg)
    printf '%s\n' "$einstellungen" >"$datei"
    "$wine" regedit /S "Z:${datei//\//\\}" >/dev/null 2>&1
    rm -f "$datei"
    timeout 120 "$WINESERVER" -w || { echo "FEHLER: Wine in $WINEPREFIX endete nicht binnen 2 min" >&2; exit 1; }
    printf '%s\n' "$einstellungen" >"$WINEPREFIX/.eingerichtet"
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
