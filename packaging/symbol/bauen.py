#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the program's icons from their two sources, which are the files to
edit:

- flockenlinie.svg, the drawing for the desktop: the PNGs at every size in
  GROESSEN, which the desktop and the window itself show (rsvg-convert).
- the three XPM drawings, pixel by pixel in the Windows palette: the Windows
  icon group flockenlinie.ico (32 x 32 in 2 and in 16 colours, 16 x 16 in
  16 colours).

    bauen.py            writes the icon files next to this script

The packaging check (tests/paket_pruefen.py) tells when the files here are
not what the drawings make.
"""

import pathlib
import struct
import subprocess

HIER = pathlib.Path(__file__).resolve().parent

# The 16 colours of the Windows standard palette, in palette order.
VGA = ["#000000", "#800000", "#008000", "#808000", "#000080", "#800080", "#008080", "#C0C0C0",
       "#808080", "#FF0000", "#00FF00", "#FFFF00", "#0000FF", "#FF00FF", "#00FFFF", "#FFFFFF"]
SCHWARZWEISS = ["#000000", "#FFFFFF"]

# (drawing, palette) in the order of the icon group.
BILDER = [("flockenlinie-32-2farben.xpm", SCHWARZWEISS),
          ("flockenlinie-32-16farben.xpm", VGA),
          ("flockenlinie-16-16farben.xpm", VGA)]
# The desktop's icon sizes (hicolor NxN), each a PNG rendered from the SVG.
GROESSEN = [16, 24, 32, 48, 64, 128, 256]
SVG = HIER / "flockenlinie.svg"


def xpm_lesen(pfad):
    """The pixels of an XPM drawing as rows of "#RRGGBB" or None (transparent)."""
    zeilen = [z.split('"')[1] for z in pfad.read_text().splitlines() if z.startswith('"')]
    breite, hoehe, farben, zeichen = map(int, zeilen[0].split())
    tabelle = {}
    for z in zeilen[1:1 + farben]:
        schluessel, rest = z[:zeichen], z[zeichen:].split()
        wert = rest[rest.index("c") + 1]
        tabelle[schluessel] = None if wert.lower() == "none" else wert.upper()
    pixel = [[tabelle[z[i:i + zeichen]] for i in range(0, breite * zeichen, zeichen)]
             for z in zeilen[1 + farben:1 + farben + hoehe]]
    assert len(pixel) == hoehe and all(len(r) == breite for r in pixel), pfad
    return pixel


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


def ico_bild(pixel, palette):
    """One image of an icon group: BITMAPINFOHEADER, palette, colour bits, mask."""
    groesse = len(pixel)
    bits = 1 if len(palette) == 2 else 4
    farbe, maske = b"", b""
    for zeile in reversed(pixel):  # bottom-up
        farbe += zeilen_bits([palette.index(p) if p else 0 for p in zeile], bits)
        maske += zeilen_bits([1 if p is None else 0 for p in zeile], 1)
    kopf = struct.pack("<IiiHHIIiiII", 40, groesse, 2 * groesse, 1, bits, 0, len(farbe) + len(maske), 0, 0,
                       len(palette), 0)
    tafel = b"".join(bytes([int(f[5:7], 16), int(f[3:5], 16), int(f[1:3], 16), 0]) for f in palette)
    return kopf + tafel + farbe + maske, bits


def ico(bilder):
    eintraege, daten = b"", b""
    versatz = 6 + 16 * len(bilder)
    for pixel, palette in bilder:
        bild, bits = ico_bild(pixel, palette)
        groesse = len(pixel)
        eintraege += struct.pack("<BBBBHHII", groesse, groesse, len(palette) % 256, 0, 1, bits, len(bild),
                                 versatz + len(daten))
        daten += bild
    return struct.pack("<HHH", 0, 1, len(bilder)) + eintraege + daten


def png_aus_svg(groesse, ziel):
    subprocess.run(["rsvg-convert", "-w", str(groesse), "-h", str(groesse), "-o", str(ziel), str(SVG)], check=True)


def ico_aus_xpm():
    """The Windows icon group, made from the three drawings."""
    bilder = []
    for name, palette in BILDER:
        pixel = xpm_lesen(HIER / name)
        fremd = {p for z in pixel for p in z if p and p not in palette}
        assert not fremd, f"{name}: Farben außerhalb der Palette: {sorted(fremd)}"
        bilder.append((pixel, palette))
    return ico(bilder)


if __name__ == "__main__":
    (HIER / "flockenlinie.ico").write_bytes(ico_aus_xpm())
    print("flockenlinie.ico")
    for g in GROESSEN:
        png_aus_svg(g, HIER / f"flockenlinie-{g}.png")
        print(f"flockenlinie-{g}.png")
