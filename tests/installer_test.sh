#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows installer, silently, under Wine (where every process has
# administrator rights, so a kind of installation is told by where it lands):
# by default (/S) for the user alone: the program in the user's own programs
# folder, a Start menu shortcut that starts it and shows its window, and an
# entry under the user's installed apps with its version. An older version is
# refused (exit code 3), and so is an uninstall while the program runs.
# Installed page by page, its last page starts the program through Explorer,
# not itself (as the trace of Wine's processes shows). Then
# for all users (/AllUsers) into a folder of the administrator's choosing
# (/D=), where an update goes again: a folder the installer protects with
# icacls, by the commands Wine's trace of processes shows (Wine's icacls does
# nothing; what the access list becomes, only Windows shows). Where icacls
# cannot run, nothing is installed (exit code 5). The program started after
# the uninstaller's question stays, and so does all else, the entry too (exit
# code 2). Each uninstaller takes away its own
# installation only: the one for all as its entry says to run it silently,
# the user's in place (_?=), so that it is done when it returns, but for
# itself; then no file, shortcut or registry value of the program is left.
# The portable ZIP holds the program alone, one file that runs on any Windows
# as it is: it imports only DLLs that come with Windows, carries its icon,
# version record and manifest, and stays within 512 KiB, without the runtime's
# terminate handler, which writes to a console it has not. The program is built for
# ASLR with high entropy and DEP; installer and uninstaller carry what NSIS's
# prebuilt stub and makensis give them: DEP, and ASLR flags that Windows cannot
# act on, as the stub comes without relocations.
#   tests/installer_test.sh WINDOWS_BUILD_DIR VERSION      (on a display: tools/mit_xvfb.sh)
set -euo pipefail
bau=$(cd "$1" && pwd)
version=$2
# A folder and Wine prefix of this run's own, removed with its Wine server at
# the end; the server ends by itself 5 s after the last Wine process, also
# where this script is killed.
arbeit=$(mktemp -d "$bau/installer-test.XXXXXX")
trap 'wineserver -k 2>/dev/null || true; rm -rf "$arbeit"' EXIT
# Wine and its server by these names, wherever this release keeps them.
mkdir "$arbeit/bin"
{ read -r wine && read -r wineserver; } < <("$(dirname "$0")/../tools/wine_einrichten.sh" --programme)
for programm in wine wineserver; do  # the loader runs under its own name only: called, not linked
    printf '#!/bin/sh\nexec "%s" "$@"\n' "${!programm}" >"$arbeit/bin/$programm" && chmod +x "$arbeit/bin/$programm"
done
export PATH=$arbeit/bin:$PATH WINESERVER=$wineserver
export WINEPREFIX=$arbeit/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
c=$WINEPREFIX/drive_c
ich="$c/users/$(id -un)"
eigen="$ich/AppData/Local/Programs/Flockenlinie"
eigen_lnk="$ich/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Flockenlinie.lnk"
alle="$c/Werkzeuge/Flockenlinie"
alle_lnk="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Flockenlinie.lnk"
apps='Software\Microsoft\Windows\CurrentVersion\Uninstall\Flockenlinie'
installer=$arbeit/paket/flockenlinie-$version-win64.exe
fehler=0
fehlt() { echo "FEHLER: $*"; fehler=1; }
# Waits up to 20 seconds for a condition (a loaded machine starts Wine slowly).
bis() { local ende=$((SECONDS + 20)); until "$@"; do [ "$SECONDS" -lt "$ende" ] || return 1; sleep 0.1; done; }
nicht() { ! "$@"; }
fenster() { xdotool search --onlyvisible --name '^Flockenlinie$' >/dev/null 2>&1; }
# The installer's window; Enter takes it on to its next page, while there is one.
seite() { xdotool search --onlyvisible --name '^Installation von Flockenlinie' >/dev/null 2>&1; }
# The uninstaller's windows: its page, and a message box over it.
deinstallation() { [ "$(xdotool search --onlyvisible --name '^Deinstallation von Flockenlinie' 2>/dev/null | wc -l)" -ge "${1:-1}" ]; }
weiter() { seite && xdotool search --onlyvisible --name '^Installation von' windowfocus --sync key Return && sleep 1; }
# A value of the entry under installed apps of the user (HKCU) or all (HKLM).
wert() { wine reg query "$1\\$apps" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"; }
eingetragen() { [ -n "$(wert "$1" DisplayName)" ]; }
# Runs an entry's command line as Windows would, unchanged (no quotes added).
ausfuehren() { local befehl; befehl=$(wert "$1" "$2"); eval "wine ${befehl//\\/\\\\}"; }
# The uninstaller in place, as a script that waits for it runs it.
in_place() { local ort; ort=$(wert "$1" InstallLocation); wine "$ort\\Uninstall.exe" /S "_?=$ort"; }
# Installed where expected: program, shortcut, entry of the version; or nothing of it.
da() { [ -f "$2/flockenlinie.exe" ] && [ -f "$3" ] && [ "$(wert "$1" DisplayVersion)" = "${4:-$version}" ]; }
weg() { [ ! -e "$2" ] && [ ! -e "$3" ] && ! eingetragen "$1"; }
# Files and folders of the Windows drive, without the temporary ones; what the
# registry holds of Flockenlinie, without times (read while no Wine server runs).
laufwerk() { (cd "$c" && find . -ipath './windows/temp' -prune -o -ipath './users/*/temp' -prune -o -print | sort); }
registrierung() { cat "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" | grep -i flockenlinie | sed 's/\] [0-9]*$/]/' || true; }
# The hardening Windows reads from a program's headers: the flags of its
# DllCharacteristics, and whether relocations were stripped (then Windows
# cannot move it, whatever its ASLR flags say).
haertung() {
    x86_64-w64-mingw32-objdump -p "$1" | awk '/relocations stripped/ { print "RELOCS_STRIPPED" }
        /^DllCharacteristics/ { d = 1; next } d && /^\t+[A-Z_]+$/ { print $1; next } { d = 0 }' | sort | paste -sd ' '
}
# Every flag expected is there (NSIS adds others in later releases, NO_SEH).
gehaertet() {
    ! fehlend=$(comm -13 <(haertung "$1" | tr ' ' '\n') <(tr ' ' '\n' <<<"$2") | grep .) || fehlt "${1##*/}: $(haertung "$1"), ohne" $fehlend
}
nsis_stub="DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT RELOCS_STRIPPED TERMINAL_SERVICE_AWARE"

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
[ "$(stat -c %s "$exe")" -le 524288 ] || fehlt "flockenlinie.exe größer als 512 KiB: $(stat -c %s "$exe") Bytes"
! grep -q "terminate called after throwing" "$exe" || fehlt "flockenlinie.exe mit dem Terminate-Handler der Laufzeit"
gehaertet "$exe" "DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT"
gehaertet "$installer" "$nsis_stub"

# A copy of the other Windows tests' prefix (BUILD_DIR/wine) if they made it:
# a new one takes 20 seconds.
[ ! -f "$bau/wine/.eingerichtet" ] || cp -a "$bau/wine" "$WINEPREFIX"
"$(dirname "$0")/../tools/wine_einrichten.sh" "$WINEPREFIX"
# Folders an uninstaller leaves alone: the user's programs folder, and the one chosen below.
mkdir -p "$c/Werkzeuge" "$ich/AppData/Local/Programs"
laufwerk >"$arbeit/vorher.txt"
registrierung >"$arbeit/vorher.reg"
wineserver -p5 </dev/null >/dev/null 2>&1  # its output away from the caller's pipes

wine "$installer" /S || fehlt "Installation meldet einen Fehler"
da HKCU "$eigen" "$eigen_lnk" || { fehlt "nicht für den Benutzer installiert: $(find "$c" -iname 'flockenlinie*')"; exit 1; }
weg HKLM "$alle" "$alle_lnk" || fehlt "für alle Benutzer installiert"

# Installed again as a person does, page by page, its finish page starts the
# program: not itself (elevated as it is for an administrator, on Windows) but
# through Explorer, whose thread starts it, as Wine's trace of processes shows.
WINEDEBUG=-all,trace+process wine "$installer" 2>"$arbeit/prozesse.txt" &
installer_pid=$!
bis seite && bis nicht weiter || fehlt "Installer bleibt auf einer Seite stehen"
wait "$installer_pid" && bis fenster || fehlt "kein Fenster „Flockenlinie“ nach dem Start von der letzten Seite"
starter=$(awk '{ split($0, t, ":") }
    /CreateProcessInternalW app/ { ueber = /explorer\.exe\\" .*flockenlinie\.exe/ }
    /CreateProcessInternalW started/ && ueber { n = split($0, w, " "); explorer = w[n]; ueber = 0 }
    /CreateProcessInternalW app .*cmdline L"\\"[^"]*flockenlinie\.exe/ { print (t[1] == explorer ? "Explorer" : "Thread " t[1]) }' \
    "$arbeit/prozesse.txt")
[ "$starter" = Explorer ] || fehlt "Programm nicht über Explorer gestartet, sondern: ${starter:-gar nicht}"
! grep -q 'icacls' "$arbeit/prozesse.txt" || fehlt "Rechte im eigenen Ordner des Benutzers gesetzt"
wine taskkill /im flockenlinie.exe >/dev/null 2>&1 || true
bis nicht fenster || fehlt "Fenster bleibt nach WM_CLOSE offen"

# The shortcut starts the installed program, which shows its window; closing
# the window (WM_CLOSE, as the close box sends it) ends it.
# (Wine's start waits on a message box for a shortcut that is not there.)
wine start /unix "$eigen_lnk" || fehlt "Verknüpfung startet nichts"
bis fenster || fehlt "kein Fenster „Flockenlinie“ nach dem Start über die Verknüpfung"
in_place HKCU && fehlt "Deinstallation trotz laufendem Programm meldet Erfolg"
da HKCU "$eigen" "$eigen_lnk" || fehlt "trotz laufendem Programm deinstalliert"
wine taskkill /im flockenlinie.exe >/dev/null 2>&1 || true
bis nicht fenster || fehlt "Fenster bleibt nach WM_CLOSE offen"
# Over a newer version (as its entry says), this one is refused.
wine reg add "HKCU\\$apps" /v DisplayVersion /d 99.0 /f >/dev/null 2>&1
code=0; wine "$installer" /S || code=$?; [ "$code" = 3 ] || fehlt "ältere Version nicht mit Code 3 abgelehnt"
da HKCU "$eigen" "$eigen_lnk" 99.0 || fehlt "ältere Version über neuere installiert"

# For all users, into a folder of one's own, which icacls could not protect:
# nothing installed. Then with icacls, and an update goes there again.
code=0; WINEDLLOVERRIDES="$WINEDLLOVERRIDES;icacls.exe=d" wine "$installer" /S /AllUsers '/D=C:\Werkzeuge\Flockenlinie' ||
    code=$?
[ "$code" = 5 ] && [ ! -e "$alle" ] && weg HKLM "$alle" "$alle_lnk" || fehlt "ohne icacls installiert (Code $code)"
WINEDEBUG=-all,trace+process wine "$installer" /S /AllUsers '/D=C:\Werkzeuge\Flockenlinie' 2>"$arbeit/alle.txt" &&
    wine "$installer" /S /AllUsers || fehlt "Installation für alle meldet einen Fehler"
icacls=$(sed -n 's/.*CreateProcessInternalW app .*cmdline L"\\"[^"]*\\\\icacls\.exe\\" \(.*\)"$/\1/p' "$arbeit/alle.txt")
ordner='\"C:\\Werkzeuge\\Flockenlinie\"'
[ "$icacls" = "$ordner /setowner *S-1-5-32-544 /T /Q
$ordner /reset /T /Q
$ordner /inheritance:r /grant:r *S-1-5-32-544:(OI)(CI)F *S-1-5-18:(OI)(CI)F *S-1-5-32-545:(OI)(CI)RX /Q" ] ||
    fehlt "icacls für alle: ${icacls:-nicht gestartet}"
gehaertet "$alle/Uninstall.exe" "$nsis_stub"
# The program started once the uninstaller asked (its button clicked, as the
# window will not take the keyboard from the program's): it stays, and so
# does all else; the uninstaller says why over its page.
wine "$alle/Uninstall.exe" '_?=C:\Werkzeuge\Flockenlinie' >/dev/null 2>&1 &
deinstaller=$!
bis deinstallation && { wine "$alle/flockenlinie.exe" >/dev/null 2>&1 & bis fenster; } || fehlt "Deinstallation fragt nicht"
eval "$(xdotool search --onlyvisible --name '^Deinstallation von' getwindowgeometry --shell)"
xdotool mousemove --window "$WINDOW" $((WIDTH - 138)) $((HEIGHT - 25)) click 1
# Each window given the keyboard before its Enter: on a display without a
# window manager, Wine gives it to none when the message box closes. The
# page's Enter again until the uninstaller ends: its button takes a moment.
beendet() { ! kill -0 "$deinstaller" 2>/dev/null || { xdotool windowfocus --sync "$WINDOW" key Return; sleep 1; false; }; }
bis deinstallation 2 && meldung=$(xdotool search --onlyvisible --name '^Deinstallation von' | grep -vx "$WINDOW") &&
    xdotool windowfocus --sync "$meldung" key Return && bis nicht deinstallation 2 ||
    fehlt "keine Meldung, warum Flockenlinie bleibt"
bis beendet 2>/dev/null || { fehlt "Deinstallation endet nicht nach ihrer Meldung"; kill "$deinstaller"; }
code=0; wait "$deinstaller" || code=$?
[ "$code" = 2 ] && da HKLM "$alle" "$alle_lnk" || fehlt "trotz laufendem Programm deinstalliert (Code $code)"
wine taskkill /im flockenlinie.exe >/dev/null 2>&1 || true
bis nicht fenster || fehlt "Fenster bleibt nach WM_CLOSE offen"
da HKLM "$alle" "$alle_lnk" && [ ! -e "$c/Program Files/Flockenlinie" ] || fehlt "nicht für alle nach C:\\Werkzeuge"
[ "$(find "$c" -iname 'flockenlinie*.lnk' | wc -l)" = 2 ] || fehlt "Verknüpfungen: $(find "$c" -iname 'flockenlinie*.lnk')"
ausfuehren HKLM QuietUninstallString || fehlt "Deinstallation für alle meldet einen Fehler"
bis weg HKLM "$alle" "$alle_lnk" || fehlt "Installation für alle bleibt"
da HKCU "$eigen" "$eigen_lnk" 99.0 || fehlt "die eigene Installation mit der für alle entfernt"
in_place HKCU || fehlt "Deinstallation für den Benutzer meldet einen Fehler"
weg HKCU "$eigen/flockenlinie.exe" "$eigen_lnk" && rm "$eigen/Uninstall.exe" && rmdir "$eigen" || fehlt "eigene Installation bleibt"
wineserver -k  # writes the registry out
laufwerk | diff "$arbeit/vorher.txt" - >"$arbeit/rest.txt" || fehlt "Reste auf C: $(cat "$arbeit/rest.txt")"
registrierung | diff "$arbeit/vorher.reg" - >"$arbeit/rest.reg" || fehlt "Reste in der Registrierung: $(cat "$arbeit/rest.reg")"
exit "$fehler"
