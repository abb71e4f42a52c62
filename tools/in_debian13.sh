#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command in a Debian 13 ("trixie") system beside this one, on a copy
# of this checkout at /flockenlinie there, as root. The system is made with
# debootstrap on first use and kept, outside the checkout, for the next run:
# in FLOCKENLINIE_DEBIAN13, by default /var/tmp/flockenlinie/debian13. The
# copy keeps its own build folders, and files whose contents did not change
# keep their times, so a second run builds only what changed.
#   tools/in_debian13.sh command [args...]       (as root)
# What the command needs there, /dev, /proc, /sys and a fresh /tmp, is
# mounted in a mount namespace of its own: the host never sees these mounts,
# and they end with the command however it ends.
set -euo pipefail
quelle=$(cd "$(dirname "$0")/.." && pwd)
system=${FLOCKENLINIE_DEBIAN13:-/var/tmp/flockenlinie/debian13}

# Nothing is ever deleted under a folder that still has a mount inside.
ohne_einhaengung() {
    local ordner
    ordner=$(realpath -m "$1")
    if awk '{print $5}' /proc/self/mountinfo | grep -qx -e "$ordner" -e "$ordner/.*"; then
        echo "FEHLER: unter $ordner ist noch etwas eingehängt; nichts gelöscht" >&2
        return 1
    fi
}

# Debian's own mirror as this system's apt knows it, or else debootstrap's.
spiegel() {
    sed -nE 's,^URIs: *([^ ]+/debian)/?( .*)?$,\1,p; s,^deb +(\[[^]]*\] +)?([^ ]+/debian)/? .*,\2,p' \
        /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list 2>/dev/null | head -1
}

# One run at a time in it: another waits here, and says so.
mkdir -p "$(dirname "$system")"
exec 9>>"$system.sperre"
flock -n 9 || { echo "== wartet, bis ein anderer Lauf in $system endet" >&2; flock 9; }

if [ ! -f "$system/.fertig" ]; then
    neu="$system.neu"
    echo "== Debian 13 wird angelegt in $system (einmalig, einige Minuten)"
    ohne_einhaengung "$neu"
    rm -rf --one-file-system "$neu"
    # debootstrap mounts /proc and /sys in the new system while it works:
    # in a namespace of its own, those mounts end with it, even when it dies.
    unshare --mount --propagation private -- debootstrap --variant=minbase trixie "$neu" $(spiegel) >"$neu.log" 2>&1 ||
        { tail -20 "$neu.log" >&2; echo "FEHLER: debootstrap trixie scheiterte (ganz in $neu.log)" >&2; exit 1; }
    # Packages installed there start no services.
    printf '#!/bin/sh\nexit 101\n' >"$neu/usr/sbin/policy-rc.d"
    chmod +x "$neu/usr/sbin/policy-rc.d"
    touch "$neu/.fertig"
    ohne_einhaengung "$system"
    rm -rf --one-file-system "$system"
    mv "$neu" "$system"
    rm -f "$neu.log"
fi

cp -L /etc/resolv.conf "$system/etc/resolv.conf" 2>/dev/null || true  # apt's names, where the host has them
# The checkout as it is, uncommitted changes included, without its build
# folders; the Debian 12 package (build/paket) comes along for its own test.
mkdir -p "$system/flockenlinie"
rsync -rlpc --delete --exclude='/build-*/' --include='/build/' --include='/build/paket/' \
    --include='/build/paket/*.deb' --exclude='/build/**' "$quelle/" "$system/flockenlinie/"

unshare --mount --propagation private --pid --fork --kill-child --mount-proc="$system/proc" -- bash -c '
    set -e
    mount --rbind /dev "$1/dev"
    mount --rbind /sys "$1/sys"
    mount -t tmpfs -o mode=1777 tmpfs "$1/tmp"
    exec chroot "$1" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" FUZZ_SEKUNDEN="${FUZZ_SEKUNDEN:-}" \
        bash -c "cd /flockenlinie && exec \"\$@\"" - "${@:2}"
' - "$system" "$@"
