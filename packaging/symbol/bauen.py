#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the program's icons from its one drawing, flockenlinie.svg, the file
to edit (rsvg-convert renders it, ImageMagick's stream reads the pixels back,
icoutils' icotool puts the Windows icon group together):

- the PNGs at every size in GROESSEN, which the desktop and the Qt window
  show; they are checked in, and the packaging check (tests/paket_pruefen.py)
  tells when they are not what the drawing makes;
- the Windows icon group flockenlinie.ico, which the build makes: the three
  images older Windows versions look for (32 x 32 in 2 and in 16 colours,
  16 x 16 in 16 colours), the drawing reduced to their palettes, and the
  drawing at every size of ICO_GROESSEN in 32 bits with transparency, the
  256 x 256 one PNG-compressed as Windows expects.

    bauen.py              writes the PNGs next to this script
    bauen.py --ico DATEI  writes the Windows icon group to DATEI
"""

import pathlib
import re
import subprocess
import sys
import tempfile

HIER = pathlib.Path(__file__).resolve().parent
SVG = HIER / "flockenlinie.svg"

# The desktop's icon sizes (hicolor NxN).
GROESSEN = [16, 24, 32, 48, 64, 128, 256]
# The sizes Windows shows today: lists, Start, the taskbar, Explorer, each at
# 100 to 200 % scaling.
ICO_GROESSEN = [16, 20, 24, 32, 40, 48, 64, 256]
# Up to the given size, branches that would blur into a blot are left out:
# at 16 px the flake is six bold arms, up to 24 px they keep their tips.
VEREINFACHT = [(16, ".zweig, .spitze { display: none } #flocke { stroke-width: 18px }"),
               (24, ".zweig { display: none }")]

# The drawing's colours and what each becomes in the black-and-white and in
# the 16-colour image, colours of the Windows standard palette: the flake, the
# mountains, their snow, the ridge line. In black and white the mountains are
# white under a black ridge.
REDUKTION = {"#1F5FC8": ("#000000", "#0000FF"),
             "#6B7785": ("#FFFFFF", "#808080"),
             "#FFFFFF": ("#FFFFFF", "#FFFFFF"),
             "#2E3440": ("#000000", "#000000")}
# The old images in the order of the icon group: (size, bits per pixel, size
# whose branches they keep). Without smoothing, the full branches close up at
# 32 px.
ALT = [(32, 1, 24), (32, 4, 24), (16, 4, 16)]


def png(groesse, zweige_wie=None):
    """The drawing at one size, as the bytes of a PNG with transparency, its
    branches as at the size zweige_wie (by default its own)."""
    stil = next((css for bis, css in VEREINFACHT if (zweige_wie or groesse) <= bis), "")
    return subprocess.run(["rsvg-convert", "-s", "/dev/stdin", "-w", str(groesse), "-h", str(groesse), str(SVG)],
                          input=stil.encode(), capture_output=True, check=True).stdout


def pixel(groesse, zweige_wie=None):
    """The drawing at one size as rows of (r, g, b, a), top row first."""
    roh = subprocess.run(["stream", "-map", "rgba", "-storage-type", "char", "png:-", "-"],
                         input=png(groesse, zweige_wie), capture_output=True, check=True).stdout
    assert len(roh) == 4 * groesse * groesse, (groesse, len(roh))
    return [[tuple(roh[i:i + 4]) for i in range(z, z + 4 * groesse, 4)]
            for z in range(0, len(roh), 4 * groesse)]


def reduziert(groesse, bits, zweige_wie):
    """The drawing at one size in the colours of a 1- or 4-bit image, as RGBA
    bytes, transparent where its alpha is under half. Each pixel takes the
    drawing's colour nearest to it, and that colour's stand-in."""
    farben = {f.upper() for f in re.findall(r'"(#[0-9a-fA-F]{6})"', SVG.read_text())}
    assert farben == set(REDUKTION), f"Farben der Zeichnung ohne Entsprechung: {farben ^ set(REDUKTION)}"
    rgb = {f: bytes.fromhex(f[1:]) for f in REDUKTION}

    def naechste(r, g, b):
        return min(rgb, key=lambda f: sum((x - y) ** 2 for x, y in zip(rgb[f], (r, g, b))))
    return b"".join(bytes.fromhex(REDUKTION[naechste(r, g, b)][bits == 4][1:] + "FF") if a >= 128 else bytes(4)
                    for zeile in pixel(groesse, zweige_wie) for r, g, b, a in zeile)


def ico_aus_svg(datei):
    """Writes the Windows icon group to datei with icoutils' icotool: the old
    images at their bit depths, then the 32-bit ones, the 256 px one stored as
    its PNG. In the masks, only what has alpha 0 is transparent."""
    with tempfile.TemporaryDirectory() as ordner:
        aufruf = ["icotool", "-c", "-t", "0", "-o", str(datei)]
        for groesse, bits, zweige_wie in ALT:
            bild = f"{ordner}/{bits}-{groesse}.png"
            subprocess.run(["convert", "-size", f"{groesse}x{groesse}", "-depth", "8", "rgba:-", f"png:{bild}"],
                           input=reduziert(groesse, bits, zweige_wie), check=True)
            aufruf += ["-b", str(bits), bild]
        for groesse in ICO_GROESSEN:
            bild = f"{ordner}/{groesse}.png"
            pathlib.Path(bild).write_bytes(png(groesse))
            aufruf += (["-r"] if groesse == 256 else ["-b", "32"]) + [bild]
        subprocess.run(aufruf, check=True)


if __name__ == "__main__":
    if sys.argv[1:2] == ["--ico"]:
        ico_aus_svg(sys.argv[2])
    else:
        for g in GROESSEN:
            (HIER / f"flockenlinie-{g}.png").write_bytes(png(g))
            print(f"flockenlinie-{g}.png")
