#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command in a Debian system beside this one, Debian 13 ("trixie") or
# Debian testing, on a copy of this checkout at /flockenlinie there, as root.
# The system is made with debootstrap on first use and kept, outside the
# checkout, for the next run: in FLOCKENLINIE_DEBIAN13 or FLOCKENLINIE_TESTING,
# by default /var/lib/flockenlinie/debian13 or .../testing. Its packages are
# brought up to date when it is made and then once a week. The copy keeps its
# own build folders, and files whose contents did not change keep their
# times, so a second run builds only what changed.
#   tools/in_debian.sh debian13|testing command [args...]       (as root)
# Without a command it prints this system's and the release's code name and
# version (the kept system's or, before it is made, the mirror's), and
# succeeds where the release is newer than this one; that needs no root.
# What the command needs there, /dev, /proc, /sys and a fresh /tmp, is
# mounted in a mount namespace of its own: the host never sees these mounts,
# and they end with the command however it ends.
#
# Root runs what is in that system, so nothing in it may come from another
# user: every folder from the system up to / is root's and writable by root
# alone, or the script refuses. It deletes only a folder it made itself (its
# mark inside), and nothing it writes into the system follows a link.
set -euo pipefail
umask 022
# The releases kept beside this one, by the name of their folder, and the
# suite debootstrap fetches for each: named here alone.
declare -A suiten=([debian13]=trixie [testing]=testing)
name=${1:-}
[ -n "${suiten[$name]:-}" ] || { echo "Aufruf: $0 {${!suiten[*]}} [BEFEHL …]" >&2; exit 2; }
shift
release=${suiten[$name]}
variable=FLOCKENLINIE_${name^^}
quelle=$(cd "$(dirname "$0")/.." && pwd)
system=$(realpath -m -- "${!variable:-/var/lib/flockenlinie/$name}")
neu=$system.neu
# Written first into each folder this script makes; the system shows it at /.
marke=.flockenlinie

fehler() { echo "FEHLER: $*" >&2; exit 1; }

# Each folder from $1 up to / that exists is a folder, root's, and writable by
# no one else: another user could otherwise have put there, or could swap,
# what root then runs, writes or deletes.
sicher() {
    local ordner=$1 uid rechte art
    while :; do
        if [ -e "$ordner" ] || [ -L "$ordner" ]; then
            read -r uid rechte art < <(stat -c '%u %a %F' -- "$ordner")
            [ "$art" = directory ] && [ "$uid" = 0 ] && (((8#$rechte & 8#022) == 0)) ||
                fehler "$ordner ($(stat -c '%A %U' -- "$ordner")) ist kein Ordner, der root gehört und nur für root" \
                    "beschreibbar ist; $system dort nicht benutzt ($variable=… wählt einen anderen Ort)"
        fi
        [ "$ordner" != / ] || return 0
        ordner=$(dirname "$ordner")
    done
}

# A path in the system reached without a link: one there could lead out of it.
im_system() {
    [ "$(realpath -m -- "$1")" = "$1" ] || fehler "$1 ist oder liegt hinter einem Link; nichts dorthin geschrieben"
}

# Nothing is deleted under a folder with something still mounted inside:
# every mount point (field 5 of mountinfo, its octal escapes of space, tab,
# newline and backslash decoded) compared as text.
ohne_einhaengung() {
    local ziel
    while read -r _ _ _ _ ziel _; do
        printf -v ziel '%b' "$ziel"
        [ "$ziel" != "$1" ] && [[ $ziel != "$1"/* ]] ||
            fehler "unter $1 ist noch $ziel eingehängt; nichts gelöscht"
    done </proc/self/mountinfo
}

# Deletes a folder that this script made, and nothing else.
loeschen() {
    [ -e "$1" ] || [ -L "$1" ] || return 0
    [ -f "$1/$marke" ] || fehler "$1 gibt es schon, nicht von $0 angelegt; nichts gelöscht, bitte selbst prüfen"
    ohne_einhaengung "$1"
    rm -rf --one-file-system -- "$1"
}

# Debian's own mirror as this system's apt knows it, or else debootstrap's.
spiegel() {
    local url
    url=$(sed -nE 's,^URIs: *([^ ]+/debian)/?( .*)?$,\1,p; s,^deb +(\[[^]]*\] +)?([^ ]+/debian)/? .*,\2,p' \
        /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list 2>/dev/null | head -1) || true
    echo "${url:-http://deb.debian.org/debian}"
}

# The release's "code name version" from a Release file or an os-release
# (no version for testing and unstable).
ausgabe() {
    sed -nE 's/^(Codename|VERSION_CODENAME)[:=] *"?([^"]*)"?$/c \2/p; s/^(Version|VERSION_ID)[:=] *"?([^"]*)"?$/v \2/p' |
        sort | cut -c3- | paste -sd' '
}

# Whether release "$1" is newer than "$2": another code name, and a higher
# version or none (testing, unstable) where the other has a number.
neuer() {
    local a=($1) b=($2)
    [ "${a[0]}" != "${b[0]}" ] && [ -n "${b[1]:-}" ] &&
        { [ -z "${a[1]:-}" ] || dpkg --compare-versions "${a[1]}" gt "${b[1]}"; }
}

if [ $# -eq 0 ]; then
    if [ -f "$system/.fertig" ]; then
        dort=$(ausgabe <"$system/etc/os-release")
    else
        release_datei=$(mktemp)
        trap 'rm -f "$release_datei"' EXIT
        /usr/lib/apt/apt-helper download-file "$(spiegel)/dists/$release/Release" "$release_datei" >/dev/null ||
            fehler "die Release-Datei von $release war nicht zu holen"
        dort=$(ausgabe <"$release_datei")
    fi
    hier=$(ausgabe </etc/os-release)
    echo "dieses System: $hier, $name: $dort"
    neuer "$dort" "$hier"
    exit
fi

sicher "$neu"
if [ ! -d "$(dirname "$system")" ]; then
    (umask 077 && mkdir -p -- "$(dirname "$system")")
    sicher "$neu"
fi
sicher "$system"

# One run at a time in it: another waits here, and says so.
exec 9>>"$system.sperre"
flock -n 9 || { echo "== wartet, bis ein anderer Lauf in $system endet" >&2; flock 9; }

if [ ! -f "$system/.fertig" ]; then
    [ ! -e "$system" ] && [ ! -L "$system" ] ||
        fehler "$system gibt es schon, nicht von $0 fertig angelegt; nichts gelöscht, bitte selbst prüfen"
    echo "== $name ($release) wird angelegt in $system (einmalig, einige Minuten)"
    loeschen "$neu"
    mkdir -- "$neu"
    echo "angelegt von tools/in_debian.sh" >"$neu/$marke"
    # debootstrap mounts /proc and /sys in the new system while it works:
    # in a namespace of its own, those mounts end with it, even when it dies.
    unshare --mount --propagation private -- debootstrap --variant=minbase "$release" "$neu" "$(spiegel)" \
        >"$neu/.debootstrap.log" 2>&1 || {
        tail -20 "$neu/.debootstrap.log" >&2
        fehler "debootstrap $release scheiterte (ganz in $neu/.debootstrap.log)"
    }
    rm "$neu/.debootstrap.log"
    # Packages installed there start no services.
    printf '#!/bin/sh\nexit 101\n' >"$neu/usr/sbin/policy-rc.d"
    chmod +x "$neu/usr/sbin/policy-rc.d"
    touch "$neu/.fertig"
    mv -T -- "$neu" "$system"
fi
[ -f "$system/$marke" ] || fehler "$system ist nicht von $0 angelegt; nicht benutzt"
for ordner in etc dev proc sys tmp flockenlinie; do
    im_system "$system/$ordner"
done

# A system for tests alone: dpkg need not wait for each file to reach the
# disk, nor install manual pages, which saves minutes on every install (a
# system that a crash left broken is deleted by hand and made anew).
schnell=$system/etc/dpkg/dpkg.cfg.d/flockenlinie-tests
im_system "$schnell"
[ -e "$schnell" ] || printf '%s\n' force-unsafe-io 'path-exclude=/usr/share/man/*' >"$schnell"

# apt's names, where the host has them, as a file of the system's own in
# place of whatever was there.
cp -L --remove-destination /etc/resolv.conf "$system/etc/resolv.conf" 2>/dev/null || true
# The checkout as it is, uncommitted changes included, without its build
# folders; the Debian 12 package (build/paket) comes along for its own test.
# (rsync replaces a link inside the copy rather than write through it.)
mkdir -p "$system/flockenlinie"
# A worktree's .git is a file naming a folder outside the checkout: there the
# copy gets an empty repository of its own, for what git ignores (the license
# check skips the build folders by it).
git_datei=()
if [ -f "$quelle/.git" ]; then
    git_datei=(--exclude=/.git)
    im_system "$system/flockenlinie/.git"
    [ -d "$system/flockenlinie/.git" ] || { rm -f -- "$system/flockenlinie/.git" && git init -q -- "$system/flockenlinie"; }
fi
rsync -rlpc --delete "${git_datei[@]}" --exclude='/build-*/' --include='/build/' --include='/build/paket/' \
    --include='/build/paket/*.deb' --exclude='/build/**' "$quelle/" "$system/flockenlinie/"

# Runs a command in the system, in /flockenlinie, with what it needs mounted.
drinnen() {
    unshare --mount --propagation private --pid --fork --kill-child --mount-proc="$system/proc" -- bash -c '
        set -e
        mount --rbind /dev "$1/dev"
        mount --rbind /sys "$1/sys"
        mount -t tmpfs -o mode=1777 tmpfs "$1/tmp"
        exec chroot "$1" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" FUZZ_SEKUNDEN="${FUZZ_SEKUNDEN:-}" \
            DEBIAN_FRONTEND=noninteractive bash -c "cd /flockenlinie && exec \"\$@\"" - "${@:2}"
    ' - "$system" "$@"
}

# A mirror that is a copy frozen in time (as some networks reach Debian)
# serves a testing whose Release file is past its Valid-Until date, and apt
# refuses it though its signature is good. Only then, and only in this
# system, apt is told to let that date pass; signatures are still checked.
# Every update tries without it first: the setting goes the day the mirror
# is current again, and comes back the day it is not.
gueltig=$system/etc/apt/apt.conf.d/99flockenlinie-valid-until
apt_listen() {
    local protokoll=$protokolle/apt-update
    im_system "$gueltig"
    if drinnen apt-get -q -o Acquire::Check-Valid-Until=true update >"$protokoll" 2>&1 &&
        ! grep -q '^[WE]: .*is expired' "$protokoll"; then
        [ ! -e "$gueltig" ] || { rm -- "$gueltig" && echo "== $name: Release-Dateien wieder gültig, apt prüft Valid-Until"; }
    elif grep -q '^[WE]: .*is expired' "$protokoll"; then
        [ -e "$gueltig" ] || echo "== $name: $(grep -m1 '^[WE]: .*is expired' "$protokoll" | cut -c4- | sed 's/)\. .*/)/');" \
            "apt prüft dort Valid-Until nicht mehr, die Signaturen weiter"
        echo 'Acquire::Check-Valid-Until "false";' >"$gueltig"
        drinnen apt-get -q update >"$protokoll" 2>&1 || { cat "$protokoll" >&2; fehler "apt-get update in $name scheiterte"; }
    else
        cat "$protokoll" >&2
        fehler "apt-get update in $name scheiterte"
    fi
}

# The system follows its release: when it is made, and then once a week.
stempel=$system/.aktualisiert
if [ -z "$(find "$stempel" -mtime -7 2>/dev/null)" ]; then
    echo "== $name ($release): Pakete werden aktualisiert (einmal die Woche)"
    protokolle=$(mktemp -d)
    trap 'rm -rf "$protokolle"' EXIT
    apt_listen
    drinnen apt-get -q -y -o Dpkg::Options::=--force-confold full-upgrade >"$protokolle/upgrade" 2>&1 || {
        tail -20 "$protokolle/upgrade" >&2
        fehler "apt-get full-upgrade in $name scheiterte"
    }
    touch "$stempel"
fi

drinnen "$@"
