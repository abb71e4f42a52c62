"""The Windows resource script compiles with MinGW's windres, and the .res it
makes holds what Explorer shows: a German (0x0407) version record 1.0.0.0
that reads "1.00", product and internal name "Flockenlinie", and one icon
group of 32 x 32 in 2 and in 16 colours and 16 x 16 in 16 colours."""

import re
import struct
import subprocess
import sys
import tempfile

windres, skript = sys.argv[1], sys.argv[2]
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
DEUTSCH = 0x0407
fehler = []


def pruefe(bedingung, was):
    if not bedingung:
        fehler.append(was)


def ressourcen(daten):
    """(type, name, language, data) of each entry of a .res file."""
    def kennung(pos):
        if struct.unpack_from("<H", daten, pos)[0] == 0xFFFF:
            return struct.unpack_from("<H", daten, pos + 2)[0], pos + 4
        ende = pos
        while struct.unpack_from("<H", daten, ende)[0]:
            ende += 2
        return daten[pos:ende].decode("utf-16-le"), ende + 2

    pos = 0
    while pos < len(daten):
        groesse, kopf = struct.unpack_from("<II", daten, pos)
        art, p = kennung(pos + 8)
        name, p = kennung(p)
        p = (p + 3) & ~3
        _, _, sprache = struct.unpack_from("<IHH", daten, p)
        inhalt = daten[pos + kopf:pos + kopf + groesse]
        if groesse:
            yield art, name, sprache, inhalt
        pos = (pos + kopf + groesse + 3) & ~3


with tempfile.TemporaryDirectory() as tmp:
    res = f"{tmp}/flockenlinie.res"
    # No MinGW compiler is needed: the script has no includes, the host
    # preprocessor does.
    subprocess.run([windres, "--preprocessor=cpp", "-i", skript, "-O", "res", "-o", res], check=True)
    eintraege = list(ressourcen(open(res, "rb").read()))

for art, name, sprache, _ in eintraege:
    pruefe(sprache == DEUTSCH, f"Ressource {art}/{name} in Sprache {sprache:#06x} statt 0x0407")

versionen = [d for a, _, _, d in eintraege if a == RT_VERSION]
pruefe(len(versionen) == 1, "genau ein Versionseintrag")
version = versionen[0]
fest = version.find(struct.pack("<I", 0xFEEF04BD))  # VS_FIXEDFILEINFO
datei_hoch, datei_tief, produkt_hoch, produkt_tief = struct.unpack_from("<IIII", version, fest + 8)
pruefe((datei_hoch, datei_tief, produkt_hoch, produkt_tief) == (0x10000, 0, 0x10000, 0),
       f"Datei- und Produktversion {datei_hoch:#x}.{datei_tief:#x} {produkt_hoch:#x}.{produkt_tief:#x}")
# The strings: UTF-16 key, NULs up to the next 32-bit boundary, UTF-16 value.
text = version.decode("utf-16-le", errors="replace")
pruefe("040704B0" in text.upper(), "Stringtabelle 040704B0")
pruefe(struct.pack("<HH", DEUTSCH, 1200) in version[version.find("Translation".encode("utf-16-le")):],
       "Übersetzung 0x0407/1200")
texte = {}
for name, soll in [("FileVersion", "1.00"), ("ProductVersion", "1.00"), ("ProductName", "Flockenlinie"),
                   ("InternalName", "Flockenlinie")]:
    gefunden = re.search(name + r"\0+([^\0]*)\0", text)
    texte[name] = gefunden and gefunden.group(1)
    pruefe(texte[name] == soll, f"{name} = {texte[name]!r} statt {soll!r}")

gruppen = [d for a, _, _, d in eintraege if a == RT_GROUP_ICON]
pruefe(len(gruppen) == 1, "genau eine Symbolgruppe")
_, _, anzahl = struct.unpack_from("<HHH", gruppen[0])
bilder = [struct.unpack_from("<BBBBHHIH", gruppen[0], 6 + 14 * i) for i in range(anzahl)]
pruefe([(b[0], b[1], b[5]) for b in bilder] == [(32, 32, 1), (32, 32, 4), (16, 16, 4)],
       f"Symbolbilder {[(b[0], b[1], b[5]) for b in bilder]}")
pruefe(len([a for a, *_ in eintraege if a == RT_ICON]) == 3, "drei Bilder")

for f in fehler:
    print("FEHLER:", f)
print(f"{len(eintraege)} Ressourcen geprüft: {texte}")
sys.exit(1 if fehler else 0)
