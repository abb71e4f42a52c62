#!/bin/sh

# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# makensis for a 64-bit installer. Its default stub is 32-bit, and a 32-bit
# installer does nothing at all on a Windows without 32-bit support (a 64-bit
# Wine, say); cpack runs this in makensis' place.
exec makensis "-XTarget amd64-unicode" "$@"
