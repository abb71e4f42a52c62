#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building (and, with "test", testing) Flockenlinie needs from
# Debian's packages, asking apt only for what is missing.
#   tools/einrichten.sh          packages to build and start the program
#   tools/einrichten.sh test     and those for every test and check
set -euo pipefail

pakete=(cmake make g++ qt6-base-dev qt6-translations-l10n)
if [ "${1:-}" = test ]; then
    pakete+=(reuse lintian librsvg2-bin librsvg2-common icoutils appstream-compose)  # license, icon and package checks
    pakete+=(libgtest-dev libbenchmark-dev clang libclang-rt-dev python3
             xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core locales
             binutils-mingw-w64-x86-64 desktop-file-utils appstream dpkg-dev file
             g++-mingw-w64-x86-64-posix googletest wine wine64 fonts-wine nsis ninja-build)
    pakete+=(orca python3-pyatspi at-spi2-core dbus-daemon)  # the screen reader heard in a test
    pakete+=(weston mutter qt6-wayland)  # the window on Wayland desktops in the same test
    pakete+=(git rsync debootstrap)  # the same tests in a Debian 13 beside this system
fi

als_root=()
[ "$(id -u)" -eq 0 ] || als_root=(sudo)

fehlend=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
    echo "Installiere: ${fehlend[*]}"
    "${als_root[@]}" apt-get update -q
    "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${fehlend[@]}"
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
