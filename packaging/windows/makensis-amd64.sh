#!/bin/sh

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# makensis for a 64-bit installer. Its default stub is 32-bit, and a 32-bit
# installer does nothing at all on a Windows without 32-bit support (a 64-bit
# Wine, say); cpack runs this in makensis' place, the script last.
# The installer stores each file's time. With SOURCE_DATE_EPOCH set, as
# distributions build, that time is SOURCE_DATE_EPOCH, as in the ZIP, rather
# than the build's: two builds of one commit give the same installer.
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    for skript; do :; done
    find "$(dirname "$skript")" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
fi
exec makensis "-XTarget amd64-unicode" "$@"
