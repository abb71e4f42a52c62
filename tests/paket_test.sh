#!/usr/bin/env bash
# What a user installs: `cmake --install` into a staging root puts the program,
# its desktop entry, AppStream record and icons where a desktop finds them, all
# valid, and the installed program starts from there; `cpack -G DEB` makes a
# Debian package that holds the same and depends on the Qt 6 runtime.
#   tests/paket_test.sh BUILD_DIR
set -euo pipefail
bau=$(cd "$1" && pwd)
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
fehler=0
fehlt() { echo "FEHLER: $*"; fehler=1; }

ziel=$arbeit/ziel
DESTDIR=$ziel cmake --install "$bau" --prefix /usr >/dev/null
for f in usr/bin/flockenlinie usr/share/applications/flockenlinie.desktop \
         usr/share/metainfo/de.flockenlinie.flockenlinie.metainfo.xml \
         usr/share/icons/hicolor/16x16/apps/flockenlinie.png usr/share/icons/hicolor/32x32/apps/flockenlinie.png; do
    [ -f "$ziel/$f" ] || fehlt "nicht installiert: /$f"
done
desktop-file-validate "$ziel/usr/share/applications/flockenlinie.desktop" || fehlt "desktop-file-validate"
appstreamcli validate --no-net "$ziel/usr/share/metainfo/de.flockenlinie.flockenlinie.metainfo.xml" >/dev/null ||
    fehlt "appstreamcli validate"
identify "$ziel/usr/share/icons/hicolor/16x16/apps/flockenlinie.png" | grep -q ' 16x16 ' || fehlt "Symbol 16x16"
identify "$ziel/usr/share/icons/hicolor/32x32/apps/flockenlinie.png" | grep -q ' 32x32 ' || fehlt "Symbol 32x32"

# It runs from there: still up after three seconds, waiting for its user.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$ziel/usr/bin/flockenlinie" 2>"$arbeit/start.log" || status=$?
[ "$status" -eq 124 ] || { fehlt "installiertes Programm endete mit $status"; cat "$arbeit/start.log"; }

(cd "$arbeit" && cpack -G DEB --config "$bau/CPackConfig.cmake" -B "$arbeit/paket" >/dev/null)
deb=$arbeit/paket/flockenlinie_1.00_amd64.deb
if [ -f "$deb" ]; then
    abhaengig=$(dpkg-deb -f "$deb" Depends)
    for p in libqt6widgets6 libqt6gui6 libqt6core6 qt6-translations-l10n; do
        grep -q "\b$p\b" <<<"$abhaengig" || fehlt "Depends ohne $p: $abhaengig"
    done
    [ "$(dpkg-deb -f "$deb" Version)" = 1.00 ] || fehlt "Paketversion"
    inhalt=$(dpkg-deb -c "$deb")
    for f in ./usr/bin/flockenlinie ./usr/share/applications/flockenlinie.desktop; do
        grep -q " $f$" <<<"$inhalt" || fehlt "nicht im Paket: $f"
    done
else
    fehlt "kein $(basename "$deb"): $(ls "$arbeit/paket")"
fi
[ "$fehler" -eq 0 ] && echo "Installation und Paket in Ordnung: $(basename "$deb")"
exit "$fehler"
