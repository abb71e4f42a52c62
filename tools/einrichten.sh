#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building (and, with "test", testing) Flockenlinie needs from
# Debian's packages, asking apt only for what is missing.
#   tools/einrichten.sh          packages to build and start the program
#   tools/einrichten.sh test     and those for every test and check
#   tools/einrichten.sh hat-wine succeeds where this release has Wine
# Wine is taken where the release has it, and is then required; a release
# without it (as testing has been at times) builds the Windows program
# without running it.
set -euo pipefail
export LC_ALL=C

# Wine as this release packages it: the package "wine", whose dependencies
# bring the loader and server in whatever packages the release splits them
# into, and the fonts Wine's source builds (the dialogs' MS Sans Serif).
hat_wine() { [[ $(apt-cache policy wine 2>/dev/null) =~ Candidate:\ [^\(] ]]; }
wine_pakete() {
    hat_wine || return 0
    echo wine
    apt list '?and(?source-package(^wine$),?section(fonts))' 2>/dev/null | sed -n 's,/.*,,p'
}
[ "${1:-}" != hat-wine ] || { hat_wine; exit; }

pakete=(cmake make g++ qt6-base-dev qt6-translations-l10n)
if [ "${1:-}" = test ]; then
    pakete+=(reuse lintian librsvg2-bin librsvg2-common icoutils appstream-compose)  # license, icon and package checks
    pakete+=(libgtest-dev libbenchmark-dev clang libclang-rt-dev python3
             xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core locales
             binutils-mingw-w64-x86-64 desktop-file-utils appstream dpkg-dev file
             g++-mingw-w64-x86-64-posix googletest nsis ninja-build)
    pakete+=(orca python3-pyatspi at-spi2-core dbus-daemon)  # the screen reader heard in a test
    pakete+=(weston mutter qt6-wayland)  # the window on Wayland desktops in the same test
    pakete+=(git rsync debootstrap)  # the same tests in Debian 13 and testing beside this system
fi

als_root=()
[ "$(id -u)" -eq 0 ] || als_root=(sudo)

# apt's lists are read again once a run, before the first package it lacks.
gelesen=
installieren() {
    local p fehlend=()
    for p; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
    done
    [ ${#fehlend[@]} -gt 0 ] || return 0
    echo "Installiere: ${fehlend[*]}"
    # Lists that cannot be read again (no network, or a Release past its
    # Valid-Until date) still serve: apt then fails only on what they lack.
    [ -n "$gelesen" ] || "${als_root[@]}" apt-get update -q ||
        echo "WARNUNG: apt-get update scheiterte; apt installiert nach den Listen, die es hat" >&2
    gelesen=1
    "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${fehlend[@]}"
}
installieren "${pakete[@]}"
if [ "${1:-}" = test ]; then
    installieren $(wine_pakete)
    hat_wine || echo "Wine: dieses System kennt kein Paket wine; die Windows-Tests werden übersprungen"
fi

# The window tests and checks run in these locales; the program needs none of
# them. Enabled in locale.gen, they survive locale-gen, which every upgrade of
# Debian's locales runs and which rebuilds the archive from that list alone.
if [ "${1:-}" = test ]; then
    neu=0
    for l in de_DE de_CH en_US fr_FR; do
        if ! grep -q "^${l}\.UTF-8 UTF-8" /etc/locale.gen; then
            "${als_root[@]}" sed -i "s/^# *\(${l}\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
            grep -q "^${l}\.UTF-8 UTF-8" /etc/locale.gen || echo "${l}.UTF-8 UTF-8" | "${als_root[@]}" tee -a /etc/locale.gen >/dev/null
            neu=1
        fi
        locale -a 2>/dev/null | grep -qi "^${l}\.utf-\?8$" || neu=1
    done
    [ "$neu" = 0 ] || "${als_root[@]}" locale-gen
fi
