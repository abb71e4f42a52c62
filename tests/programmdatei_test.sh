#!/usr/bin/env bash
# flockenlinie.exe is one file that runs on any Windows as it is: it imports
# only DLLs that come with Windows, and it stays small.
#   tests/programmdatei_test.sh OBJDUMP flockenlinie.exe
set -euo pipefail
objdump=$1 exe=$2
windows_eigene='^(kernel32|user32|gdi32|comctl32|ole32|oleaut32|oleacc|advapi32|msvcrt)\.dll$'
fehler=0
dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
[ -n "$dlls" ] || { echo "keine Importe gefunden"; exit 1; }
for dll in $dlls; do
    echo "$dll" | tr A-Z a-z | grep -Eq "$windows_eigene" || { echo "fremde DLL: $dll"; fehler=1; }
done
groesse=$(stat -c %s "$exe")
echo "$(basename "$exe"): $groesse Bytes, importiert: $(echo $dlls)"
[ "$groesse" -le 1048576 ] || { echo "größer als 1 MB"; fehler=1; }
exit $fehler
