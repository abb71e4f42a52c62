#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the program's icons from its one drawing, flockenlinie.svg, the file
to edit (rsvg-convert renders it, ImageMagick's stream reads the pixels back):

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
import struct
import subprocess
import sys

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

# The 16 colours of the Windows standard palette, in palette order.
VGA = ["#000000", "#800000", "#008000", "#808000", "#000080", "#800080", "#008080", "#C0C0C0",
       "#808080", "#FF0000", "#00FF00", "#FFFF00", "#0000FF", "#FF00FF", "#00FFFF", "#FFFFFF"]
SCHWARZWEISS = ["#000000", "#FFFFFF"]
# The drawing's colours and what each becomes in the black-and-white and in
# the 16-colour image: the flake, the mountains, their snow, the ridge line.
# In black and white the mountains are white under a black ridge.
REDUKTION = {"#1F5FC8": ("#000000", "#0000FF"),
             "#6B7785": ("#FFFFFF", "#808080"),
             "#FFFFFF": ("#FFFFFF", "#FFFFFF"),
             "#2E3440": ("#000000", "#000000")}
# The old images in the order of the icon group: (size, palette, size whose
# branches they keep). Without smoothing, the full branches close up at 32 px.
ALT = [(32, SCHWARZWEISS, 24), (32, VGA, 24), (16, VGA, 16)]


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


def reduziert(groesse, palette, zweige_wie):
    """The drawing at one size in a palette: rows of "#RRGGBB" or None where it
    is transparent. Each pixel takes the drawing's colour nearest to it, and
    that colour's stand-in in the palette."""
    farben = {f.upper() for f in re.findall(r'"(#[0-9a-fA-F]{6})"', SVG.read_text())}
    assert farben == set(REDUKTION), f"Farben der Zeichnung ohne Entsprechung: {farben ^ set(REDUKTION)}"
    welche = 0 if palette is SCHWARZWEISS else 1
    rgb = {f: (int(f[1:3], 16), int(f[3:5], 16), int(f[5:7], 16)) for f in REDUKTION}

    def naechste(r, g, b):
        return min(rgb, key=lambda f: sum((x - y) ** 2 for x, y in zip(rgb[f], (r, g, b))))
    return [[REDUKTION[naechste(r, g, b)][welche] if a >= 128 else None for r, g, b, a in zeile]
            for zeile in pixel(groesse, zweige_wie)]


def zeilen_bits(werte, bits):
    """One bitmap row, MSB first, padded to 32 bits as BMP rows are."""
    pro_byte = 8 // bits
    daten = bytearray()
    for i in range(0, len(werte), pro_byte):
        byte = 0
        for j, w in enumerate(werte[i:i + pro_byte]):
            byte |= w << (8 - bits * (j + 1))
        daten.append(byte)
    while len(daten) % 4:
        daten.append(0)
    return bytes(daten)


def bmp_kopf(groesse, bits, laenge, farben):
    # The height counts the colour bits and the mask, as icons store them.
    return struct.pack("<IiiHHIIiiII", 40, groesse, 2 * groesse, 1, bits, 0, laenge, 0, 0, farben, 0)


def bild_palette(groesse, palette, zweige_wie):
    """An old image: header, palette, colour indices, mask (1 = transparent)."""
    zeilen = reduziert(groesse, palette, zweige_wie)
    bits = 1 if len(palette) == 2 else 4
    farbe, maske = b"", b""
    for zeile in reversed(zeilen):  # bottom-up
        farbe += zeilen_bits([palette.index(p) if p else 0 for p in zeile], bits)
        maske += zeilen_bits([1 if p is None else 0 for p in zeile], 1)
    tafel = b"".join(bytes([int(f[5:7], 16), int(f[3:5], 16), int(f[1:3], 16), 0]) for f in palette)
    return bmp_kopf(groesse, bits, len(farbe) + len(maske), len(palette)) + tafel + farbe + maske, bits, len(palette)


def bild_32(groesse):
    """A 32-bit image: blue, green, red and alpha per pixel, bottom-up, and the
    mask that Windows still reads alongside; at 256 px the PNG itself."""
    if groesse == 256:
        return png(groesse), 32, 0
    zeilen = pixel(groesse)
    farbe = b"".join(bytes((b, g, r, a)) for zeile in reversed(zeilen) for r, g, b, a in zeile)
    maske = b"".join(zeilen_bits([1 if p[3] == 0 else 0 for p in zeile], 1) for zeile in reversed(zeilen))
    return bmp_kopf(groesse, 32, len(farbe) + len(maske), 0) + farbe + maske, 32, 0


def ico_aus_svg():
    """The Windows icon group: the old images, then the 32-bit ones."""
    bilder = [(g, *bild_palette(g, p, w)) for g, p, w in ALT] + [(g, *bild_32(g)) for g in ICO_GROESSEN]
    eintraege, daten = b"", b""
    versatz = 6 + 16 * len(bilder)
    for groesse, bild, bits, farben in bilder:
        eintraege += struct.pack("<BBBBHHII", groesse % 256, groesse % 256, farben % 256, 0, 1, bits, len(bild),
                                 versatz + len(daten))
        daten += bild
    return struct.pack("<HHH", 0, 1, len(bilder)) + eintraege + daten


if __name__ == "__main__":
    if sys.argv[1:2] == ["--ico"]:
        pathlib.Path(sys.argv[2]).write_bytes(ico_aus_svg())
    else:
        for g in GROESSEN:
            (HIER / f"flockenlinie-{g}.png").write_bytes(png(g))
            print(f"flockenlinie-{g}.png")
