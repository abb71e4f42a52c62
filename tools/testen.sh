#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Flockenlinie and runs every test, stage by
# stage: the suite as built ("linux"), the Windows build's suite under Wine
# ("windows"), the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer ("sanitizer"), the fuzzer for a bounded time
# (FUZZ_SEKUNDEN, 60 by default; "fuzzing"), and last the first two again in
# a Debian 13 and in a Debian testing beside this system, with this system's
# Debian package installed there and heard by its screen reader ("debian13",
# "testing"; as root, and only where that release is newer than this system).
# A release without Wine builds the Windows program and installer, and skips
# their suite, saying so; where the release has Wine, it must run.
#   tools/testen.sh [stage...]       (all stages by default)
set -euo pipefail
cd "$(dirname "$0")/.."
alle=(linux windows sanitizer fuzzing debian13 testing)
stufen=("$@")
[ $# -gt 0 ] || stufen=("${alle[@]}")
# A stage is one of those, or, only in a system that tools/in_debian.sh
# made (its mark at /), one that installs there what this system built.
stufe() {
    local s
    for s in "${alle[@]}"; do [ "$s" != "$1" ] || return 0; done
    [ "$1" = paket_von_debian12 ] && [ -f /.flockenlinie ]
}
for s in "${stufen[@]}"; do
    stufe "$s" || { echo "FEHLER: keine Stufe „$s“ (Stufen: ${alle[*]})" >&2; exit 2; }
done
# One run at a time in a checkout, whose build folders and Wine prefixes it
# uses: a second one waits, and says so. The lock is on the checkout's own
# folder; every process of the run holds it, a Wine server that idles out
# its last seconds too.
exec 9<.
flock -n 9 || { echo "== wartet, bis der andere Lauf in $PWD endet" >&2; flock 9; }
tools/einrichten.sh test
jobs=$(nproc)
# Make reads a colon in a path as a rule's separator and cannot build in a
# checkout whose path has one; Ninja can. New build folders get Ninja, unless
# the user chose another generator; those made before keep theirs.
export CMAKE_GENERATOR=${CMAKE_GENERATOR:-Ninja}
# Files of this run (a path without the checkout's colons); it ends when
# every job it started has, also when a stage failed.
arbeit=$(mktemp -d -p /tmp)
trap '[ -z "$(jobs -p)" ] || echo "== wartet, bis die Systeme daneben eingerichtet sind" >&2; wait; rm -rf "$arbeit"' EXIT

# The systems beside this one whose stage will run (as root, where newer)
# are made and set up while this system's stages compile: that is mostly
# downloads and disk. Their stages wait for it.
declare -A einrichtung=()
for s in "${stufen[@]}"; do
    if [[ $s =~ ^(debian13|testing)$ ]] && [ "$(id -u)" -eq 0 ] && tools/in_debian.sh "$s" >/dev/null 2>&1; then
        tools/in_debian.sh "$s" tools/einrichten.sh test >"$arbeit/$s.log" 2>&1 &
        einrichtung[$s]=$!
    fi
done

bauen() {
    cmake -S . -B build -DFLOCKENLINIE_UI=ON -DFLOCKENLINIE_TESTS=ON -DFLOCKENLINIE_BENCH=ON
    cmake --build build -j"$jobs"
}

linux() {
    echo "== Tests"
    # The tests' display lets in the holder of its cookie, and no one else.
    tools/mit_xvfb.sh sh -c 'xdpyinfo >/dev/null && ! XAUTHORITY=/dev/null xdpyinfo >/dev/null 2>&1' ||
        { echo "FEHLER: die Anzeige der Tests ist ohne Cookie offen" >&2; return 1; }
    bauen
    ctest --test-dir build --output-on-failure -j"$jobs"
}

windows() {
    echo "== Windows"
    cmake --preset windows
    if ! tools/einrichten.sh hat-wine; then
        cmake --build --preset windows -j"$jobs" --target package
        echo "== Windows-Tests übersprungen: $(. /etc/os-release && echo "$PRETTY_NAME") hat kein Wine" \
            "(apt kennt kein Paket wine); Programm und Installer sind gebaut"
        return
    fi
    cmake --build --preset windows -j"$jobs"
    tools/mit_xvfb.sh tools/wine_einrichten.sh build-windows/wine ctest --preset windows -j"$jobs"
}

sanitizer() {
    echo "== Tests unter AddressSanitizer und UndefinedBehaviorSanitizer"
    cmake -S . -B build-san -DFLOCKENLINIE_BENCH=OFF \
        -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cmake --build build-san -j"$jobs"
    # The sanitizers split their options at spaces, commas and colons, which
    # the checkout's path may hold: the suppressions go by a path of mktemp's.
    cp tests/lsan.supp "$arbeit/"
    LSAN_OPTIONS="suppressions=$arbeit/lsan.supp" ctest --test-dir build-san --output-on-failure -j"$jobs"
}

fuzzing() {
    echo "== Fuzzing"
    cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DFLOCKENLINIE_UI=OFF -DFLOCKENLINIE_TESTS=OFF \
        -DFLOCKENLINIE_BENCH=OFF -DFLOCKENLINIE_FUZZ=ON -DFLOCKENLINIE_FUZZ_SEKUNDEN="${FUZZ_SEKUNDEN:-60}"
    cmake --build build-fuzz -j"$jobs"
    ctest --test-dir build-fuzz --output-on-failure
}

# This system's package, as users of a newer release get it from us, there on
# X11 and Wayland with Orca; then that system's own build and tests. Only in
# a release newer than this one: this package needs this release or newer,
# and where this system is testing or unstable, no release is newer.
daneben() {
    local titel=$1 name=$2 vergleich
    if ! vergleich=$(tools/in_debian.sh "$name"); then
        echo "== $titel übersprungen: nicht neuer als dieses System ($vergleich)"
        return
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "== $titel übersprungen: ein System daneben einzurichten (chroot, mount) braucht root"
        return
    fi
    echo "== $titel"
    if [ -n "${einrichtung[$name]:-}" ]; then
        wait "${einrichtung[$name]}" || {
            tail -25 "$arbeit/$name.log" >&2
            echo "FEHLER: $titel ließ sich nicht anlegen oder einrichten" >&2
            return 1
        }
        grep -E '^(==|Wine|WARNUNG)' "$arbeit/$name.log" || true
    fi
    bauen >/dev/null
    cpack -G DEB --config build/CPackConfig.cmake -B build/paket >/dev/null
    tools/in_debian.sh "$name" tools/testen.sh linux windows paket_von_debian12
}

debian13() { daneben "Debian 13" debian13; }
testing() { daneben "Debian testing" testing; }

# It installs the package only where none is, and takes away only its own,
# also one a run that ended half-way left (its note tells).
paket_von_debian12() {
    echo "== Das mitgebrachte Debian-Paket, hier installiert, mit Orca"
    local notiz=/var/lib/flockenlinie-paket-test status=0
    [ ! -f "$notiz" ] || { dpkg --purge flockenlinie >/dev/null && rm "$notiz"; }
    case $(dpkg-query -W -f='${db:Status-Status}' flockenlinie 2>/dev/null) in
        "" | not-installed) ;;
        *) echo "FEHLER: flockenlinie ist hier schon installiert, nicht von diesem Test; nichts geändert" >&2; return 1 ;;
    esac
    touch "$notiz"
    apt-get install -y -q --no-install-recommends ./build/paket/flockenlinie_*.deb >/dev/null
    tools/mit_xvfb.sh dbus-run-session -- /usr/bin/python3 tests/echtes_fenster.py /usr/bin/flockenlinie || status=$?
    dpkg --purge flockenlinie >/dev/null
    rm "$notiz"
    return "$status"
}

for s in "${stufen[@]}"; do
    "$s"
done
