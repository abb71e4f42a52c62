#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows installer as an administrator rolls it out, under Wine: a silent
# install (/S) puts the program into Program Files, a Start menu shortcut that
# starts it and shows its window, and an entry under installed apps with its
# version and the uninstall commands that work; a silent uninstall while the
# program runs touches nothing, and once it is closed leaves no file, shortcut
# or registry value of it behind.
# The portable ZIP holds the program alone, one file that runs on any Windows
# as it is: it imports only DLLs that come with Windows, carries its icon,
# version record and manifest, and stays under 1 MB.
# Wine's exit codes say nothing about an installer: every check looks at files,
# the registry and the X display.
#   tests/installer_test.sh WINDOWS_BUILD_DIR VERSION      (on a display: tools/mit_xvfb.sh)
set -euo pipefail
bau=$(cd "$1" && pwd)
version=$2
arbeit=$bau/installer-test
# A Wine prefix of the test's own, kept between runs.
export WINEPREFIX=$arbeit/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
c=$WINEPREFIX/drive_c
ziel='C:\Program Files\Flockenlinie'
ziel_unix="$c/Program Files/Flockenlinie"
verknuepfung="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Flockenlinie.lnk"
apps='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Flockenlinie'
fehler=0
fehlt() { echo "FEHLER: $*"; fehler=1; }
# Waits up to 20 seconds for a condition (a loaded machine starts Wine slowly).
bis() { local ende=$((SECONDS + 20)); until "$@"; do [ "$SECONDS" -lt "$ende" ] || return 1; sleep 0.1; done; }
nicht() { ! "$@"; }
fenster() { xdotool search --onlyvisible --name '^Flockenlinie$' >/dev/null 2>&1; }
# A value of the entry under installed apps, as `reg query` shows it.
wert() { wine reg query "$apps" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"; }
eingetragen() { [ -n "$(wert DisplayName)" ]; }
# Files and folders of the Windows drive, without the temporary ones; what the
# registry holds of Flockenlinie, without times (read while no Wine server runs).
laufwerk() { (cd "$c" && find . -ipath './windows/temp' -prune -o -ipath './users/*/temp' -prune -o -print | sort); }
registrierung() { cat "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" | grep -i flockenlinie | sed 's/\] [0-9]*$/]/' || true; }

rm -rf "$arbeit/paket"
cpack -G "NSIS;ZIP" --config "$bau/CPackConfig.cmake" -B "$arbeit/paket" >/dev/null
inhalt=$(cd "$arbeit/paket" && cmake -E tar xf "flockenlinie-$version-win64.zip" && find "flockenlinie-$version-win64" -type f)
[ "$inhalt" = "flockenlinie-$version-win64/flockenlinie.exe" ] || fehlt "ZIP enthält: $inhalt"
exe=$arbeit/paket/flockenlinie-$version-win64/flockenlinie.exe
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr A-Z a-z)
grep -qx kernel32.dll <<<"$dlls" || fehlt "keine Importe gefunden"
! fremd=$(grep -Evx '(kernel32|user32|gdi32|comctl32|ole32|oleaut32|oleacc|advapi32|msvcrt)\.dll' <<<"$dlls") ||
    fehlt "fremde DLLs: $fremd"
# The resource types at the top of its resource tree (three spaces in): icon
# group 0xe, version record 0x10, manifest 0x18.
typen=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[0-9a-f]*   Entry: ID: 0x0*\([0-9a-f]*\),.*/\1/p')
for typ in e 10 18; do grep -qx "$typ" <<<"$typen" || fehlt "flockenlinie.exe ohne Ressource vom Typ 0x$typ"; done
[ "$(stat -c %s "$exe")" -le 1048576 ] || fehlt "flockenlinie.exe größer als 1 MB: $(stat -c %s "$exe") Bytes"

# A run that stopped half-way left the program behind: start from a new prefix, a
# copy of the other Windows tests' one (BUILD_DIR/wine) if they made it: a new one
# takes 20 seconds.
{ [ -e "$ziel_unix" ] || grep -qs 'Uninstall\\\\Flockenlinie\]' "$WINEPREFIX/system.reg"; } && rm -rf "$WINEPREFIX"
[ -e "$WINEPREFIX" ] || [ ! -f "$bau/wine/.eingerichtet" ] || cp -a "$bau/wine" "$WINEPREFIX"
"$(dirname "$0")/../tools/wine_einrichten.sh" "$WINEPREFIX"
laufwerk >"$arbeit/vorher.txt"
registrierung >"$arbeit/vorher.reg"
trap 'wineserver -k 2>/dev/null || true' EXIT
wineserver -p </dev/null >/dev/null 2>&1  # its output away from the caller's pipes

wine "$arbeit/paket/flockenlinie-$version-win64.exe" /S || true
bis test -f "$ziel_unix/Uninstall.exe" || { fehlt "nicht installiert: $(ls "$c/Program Files")"; exit 1; }
eingetragen || fehlt "kein Eintrag unter den installierten Apps: $apps"
[ "$(wert DisplayVersion)" = "$version" ] || fehlt "DisplayVersion $(wert DisplayVersion), nicht $version"
# Both uninstall commands name the one uninstaller, which each step below runs
# as the registry says.
[ "$(wert QuietUninstallString)" = "$(wert UninstallString) /S" ] || fehlt "UninstallString ≠ QuietUninstallString ohne /S"

# The shortcut starts the installed program, which shows its window; closing
# the window (WM_CLOSE, as the close box sends it) ends it.
# (Wine's start waits on a message box for a shortcut that is not there.)
[ -f "$verknuepfung" ] && wine start /unix "$verknuepfung" || fehlt "keine Verknüpfung im Startmenü: $verknuepfung"
bis fenster || fehlt "kein Fenster „Flockenlinie“ nach dem Start über die Verknüpfung"
# Uninstalling the running program (in place, _?=, so that Wine waits for it) changes nothing.
eval "wine $(wert QuietUninstallString) '_?=$ziel'" || true
[ -f "$ziel_unix/flockenlinie.exe" ] && [ -f "$verknuepfung" ] && eingetragen || fehlt "trotz laufendem Programm deinstalliert"
wine taskkill /im flockenlinie.exe >/dev/null 2>&1 || true
bis nicht fenster || fehlt "Fenster bleibt nach WM_CLOSE offen"

# The uninstaller runs on as a copy of itself in the temporary folder: wait for
# its last step, the entry under installed apps.
eval "wine $(wert QuietUninstallString)" || true
bis nicht eingetragen || fehlt "Eintrag unter den installierten Apps bleibt"
wineserver -k  # writes the registry out
laufwerk | diff "$arbeit/vorher.txt" - >"$arbeit/rest.txt" || fehlt "Reste auf C: $(cat "$arbeit/rest.txt")"
registrierung | diff "$arbeit/vorher.reg" - >"$arbeit/rest.reg" || fehlt "Reste in der Registrierung: $(cat "$arbeit/rest.reg")"
exit "$fehler"
