# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later
"""What ships, checked as a Debian packager and a software centre would:

- the icons are what their drawings make;
- the Windows resource script compiles to a German version record with
  LegalCopyright and the one icon group of three images;
- the executable is hardened as Debian's own packages are;
- `cmake --install` puts program, desktop entry, AppStream record, icons at
  every size, manual page, changelog and copyright where a desktop and
  Debian find them, all valid; `appstreamcli compose` lists the program in
  the catalogue, and the installed program starts;
- `cpack -G DEB` makes a package of exactly that tree, lintian finds no
  error or warning in it even when pedantic.

    tests/paket_pruefen.py BUILD_DIR PROGRAM
"""

import json
import os
import pathlib
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time

QUELLE = pathlib.Path(__file__).resolve().parent.parent
BAU, PROGRAMM = (pathlib.Path(a).resolve() for a in sys.argv[1:3])
sys.dont_write_bytecode = True  # nothing of the test's in the source tree
sys.path.insert(0, str(QUELLE / "packaging" / "symbol"))
import bauen  # noqa: E402

ID = "de.flockenlinie.flockenlinie"
fehler = []


def pruefe(bedingung, was):
    if not bedingung:
        fehler.append(was)
    return bedingung


def lauf(*befehl, **args):
    return subprocess.run(befehl, capture_output=True, text=True, **args)


# ---- Icons -------------------------------------------------------------

def symbole(tmp):
    pruefe((bauen.HIER / "flockenlinie.ico").read_bytes() == bauen.ico_aus_xpm(),
           "flockenlinie.ico ist nicht, was die XPM-Zeichnungen ergeben: packaging/symbol/bauen.py ausführen")
    # rsvg-convert may round a pixel differently from one librsvg to the
    # next, so the PNGs are compared by their pixels, not their bytes.
    for g in bauen.GROESSEN:
        frisch = tmp / f"{g}.png"
        bauen.png_aus_svg(g, frisch)
        vergleich = lauf("compare", "-metric", "AE", "-fuzz", "3%", str(bauen.HIER / f"flockenlinie-{g}.png"),
                         str(frisch), "null:")
        pruefe(vergleich.returncode == 0,
               f"flockenlinie-{g}.png ist nicht, was flockenlinie.svg ergibt ({vergleich.stderr.strip()} Pixel): "
               "packaging/symbol/bauen.py ausführen")


# ---- The Windows version record ---------------------------------------

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
DEUTSCH = 0x0407


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
        if groesse:
            yield art, name, sprache, daten[pos + kopf:pos + kopf + groesse]
        pos = (pos + kopf + groesse + 3) & ~3


def versionsinfo(tmp):
    windres = shutil.which("x86_64-w64-mingw32-windres")
    if not pruefe(windres, "x86_64-w64-mingw32-windres fehlt (tools/einrichten.sh test)"):
        return
    res = tmp / "flockenlinie.res"
    # No MinGW compiler is needed: the script has no includes, the host
    # preprocessor does.
    ergebnis = lauf(windres, "--preprocessor=cpp", "-i", str(BAU / "packaging" / "flockenlinie.rc"),
                    "-O", "res", "-o", str(res))
    if not pruefe(ergebnis.returncode == 0, f"windres: {ergebnis.stderr}"):
        return
    eintraege = list(ressourcen(res.read_bytes()))
    for art, name, sprache, _ in eintraege:
        pruefe(sprache == DEUTSCH, f"Ressource {art}/{name} in Sprache {sprache:#06x} statt 0x0407")

    versionen = [d for a, _, _, d in eintraege if a == RT_VERSION]
    if not pruefe(len(versionen) == 1, "genau ein Versionseintrag"):
        return
    version = versionen[0]
    fest = version.find(struct.pack("<I", 0xFEEF04BD))  # VS_FIXEDFILEINFO
    nummern = struct.unpack_from("<IIII", version, fest + 8)
    pruefe(nummern == (0x10000, 0, 0x10000, 0), f"Datei- und Produktversion {[hex(n) for n in nummern]}")
    # The strings: UTF-16 key, NULs up to the next 32-bit boundary, UTF-16 value.
    text = version.decode("utf-16-le", errors="replace")
    pruefe("040704B0" in text.upper(), "Stringtabelle 040704B0")
    pruefe(struct.pack("<HH", DEUTSCH, 1200) in version[version.find("Translation".encode("utf-16-le")):],
           "Übersetzung 0x0407/1200")
    for name, soll in [("FileVersion", "1.00"), ("ProductVersion", "1.00"), ("ProductName", "Flockenlinie"),
                       ("InternalName", "Flockenlinie"),
                       ("LegalCopyright", "Copyright (C) 2026 Die Flockenlinie-Entwickler, GPL-3.0-or-later")]:
        gefunden = re.search(name + r"\0+([^\0]*)\0", text)
        wert = gefunden and gefunden.group(1)
        pruefe(wert == soll, f"{name} = {wert!r} statt {soll!r}")

    gruppen = [d for a, _, _, d in eintraege if a == RT_GROUP_ICON]
    if pruefe(len(gruppen) == 1, "genau eine Symbolgruppe"):
        anzahl = struct.unpack_from("<HHH", gruppen[0])[2]
        bilder = [struct.unpack_from("<BBBBHHIH", gruppen[0], 6 + 14 * i) for i in range(anzahl)]
        pruefe([(b[0], b[1], b[5]) for b in bilder] == [(32, 32, 1), (32, 32, 4), (16, 16, 4)],
               f"Symbolbilder {[(b[0], b[1], b[5]) for b in bilder]}")
    pruefe(len([a for a, *_ in eintraege if a == RT_ICON]) == 3, "drei Bilder")


# ---- Hardening ---------------------------------------------------------

def haertung(programm):
    def readelf(*args):
        return lauf("readelf", "-W", *args, str(programm), check=True).stdout

    dynamisch = readelf("-d")
    pruefe("DYN" in readelf("-h") and re.search(r"FLAGS_1\).*\bPIE\b", dynamisch), "kein PIE")
    pruefe("BIND_NOW" in dynamisch or re.search(r"FLAGS_1\).*\bNOW\b", dynamisch), "kein BIND_NOW")
    pruefe("GNU_RELRO" in readelf("-l"), "kein GNU_RELRO")
    pruefe("__stack_chk_fail" in readelf("--dyn-syms"), "kein Stackschutz")

    # Fortification needs both the macro and optimisation.
    quellen = [b for b in json.loads((BAU / "compile_commands.json").read_text())
               if re.search(r"/(calc|ui)/(.+/)?[^/]+\.cpp$", b["file"])]
    pruefe(quellen, "keine Übersetzungsbefehle")
    for b in quellen:
        befehl = b.get("command") or " ".join(b["arguments"])
        for flagge in ("-D_FORTIFY_SOURCE=2", "-fstack-protector-strong"):
            pruefe(flagge in befehl, f"{b['file']} ohne {flagge}")
        pruefe(re.search(r"\s-O[123s]\b", befehl), f"{b['file']} ohne Optimierung")


# ---- Installation, catalogue and package -------------------------------

SYMBOLE = [f"usr/share/icons/hicolor/{g}x{g}/apps/flockenlinie.png" for g in bauen.GROESSEN]
INSTALLIERT = ["usr/bin/flockenlinie", "usr/share/applications/flockenlinie.desktop",
               f"usr/share/metainfo/{ID}.metainfo.xml", "usr/share/icons/hicolor/scalable/apps/flockenlinie.svg",
               "usr/share/man/man1/flockenlinie.1.gz", "usr/share/doc/flockenlinie/changelog.gz",
               "usr/share/doc/flockenlinie/copyright", *SYMBOLE]


def installation(tmp):
    ziel = tmp / "ziel"
    lauf("cmake", "--install", str(BAU), "--prefix", "/usr", env=os.environ | {"DESTDIR": str(ziel)}, check=True)
    fehlend = [f for f in INSTALLIERT if not (ziel / f).is_file()]
    if not pruefe(not fehlend, f"nicht installiert: {fehlend}"):
        return ziel, None
    # It runs from there: still up after two seconds, waiting for its user.
    # Looked at once the package is made, so that no one waits for it.
    start = subprocess.Popen([ziel / "usr/bin/flockenlinie"], env=os.environ | {"QT_QPA_PLATFORM": "offscreen"},
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    start.seit = time.monotonic()

    for befehl in (["desktop-file-validate", ziel / INSTALLIERT[1]],
                   ["appstreamcli", "validate", "--no-net", "--pedantic", ziel / INSTALLIERT[2]]):
        ergebnis = lauf(*befehl)
        pruefe(ergebnis.returncode == 0, f"{befehl[0]}: {ergebnis.stdout}{ergebnis.stderr}")
    groessen = lauf("identify", "-format", "%w ", *[ziel / s for s in SYMBOLE]).stdout.split()
    pruefe(groessen == [str(g) for g in bauen.GROESSEN], f"Symbolgrößen {groessen}")

    # A software centre lists only what compose puts in its catalogue, and
    # only with an icon of at least 64 pixels.
    katalog = tmp / "katalog"
    ergebnis = lauf("appstreamcli", "compose", "--no-net", "--prefix=/usr", "--origin=flockenlinie",
                    f"--result-root={katalog}", ziel)
    xml = katalog / "usr/share/swcatalog/xml/flockenlinie.xml.gz"
    inhalt = lauf("zcat", xml).stdout if xml.exists() else ""
    pruefe(f"<id>{ID}</id>" in inhalt and re.search(r'<icon type="cached" width="(64|128)"', inhalt),
           f"appstreamcli compose nimmt das Programm nicht auf: {ergebnis.stdout}{ergebnis.stderr}")
    return ziel, start


def paket(tmp, ziel):
    ausgabe = tmp / "paket"
    ergebnis = lauf("cpack", "-G", "DEB", "--config", str(BAU / "CPackConfig.cmake"), "-B", str(ausgabe), cwd=tmp)
    deb = ausgabe / "flockenlinie_1.00_amd64.deb"
    if not pruefe(deb.exists(), f"kein {deb.name}: {ergebnis.stdout}{ergebnis.stderr}"):
        return

    def feld(name):
        return lauf("dpkg-deb", "-f", deb, name).stdout.strip()

    pruefe("data.tar.xz" in lauf("ar", "t", deb).stdout, "Paketinhalt nicht mit xz gepackt")
    pruefe(feld("Version") == "1.00", f"Paketversion {feld('Version')}")
    for p in ("libqt6widgets6", "libqt6gui6", "libqt6core6"):
        pruefe(re.search(rf"\b{p}\b", feld("Depends")), f"Depends ohne {p}: {feld('Depends')}")
    # Without Qt's translations its own dialogs speak English, but it runs.
    pruefe("qt6-translations-l10n" not in feld("Depends") and feld("Recommends") == "qt6-translations-l10n",
           f"qt6-translations-l10n gehört zu Recommends: {feld('Depends')} / {feld('Recommends')}")
    # Only the addresses its builder gave: the web pages configured, the
    # maintainer from DEBEMAIL, else one that cannot be delivered.
    cache = (BAU / "CMakeCache.txt").read_text()
    erlaubt = set(re.findall(r"^FLOCKENLINIE_(?:HOMEPAGE|SCREENSHOT):STRING=(\S+)$", cache, re.M))
    texte = lauf("dpkg-deb", "-I", deb).stdout + (ziel / INSTALLIERT[2]).read_text() + (ziel / INSTALLIERT[1]).read_text()
    fremd = set(re.findall(r"https?://[^\s<>\"]+", texte)) - erlaubt
    pruefe(not fremd, f"Adressen, die niemand angegeben hat: {sorted(fremd)}")
    pflege = feld("Maintainer")
    pruefe(pflege.endswith(".invalid>") or (os.environ.get("DEBEMAIL") or "\0") in pflege, f"Maintainer {pflege}")
    im_paket = {z.split()[-1].removeprefix("./") for z in lauf("dpkg-deb", "-c", deb).stdout.splitlines()
                if not z.startswith("d")}
    installiert = {str(p.relative_to(ziel)) for p in ziel.rglob("*") if not p.is_dir()}
    pruefe(im_paket == installiert, f"Paket und Installation verschieden: {sorted(im_paket ^ installiert)}")

    befund = lauf("lintian", "-I", "-E", "--pedantic", "--no-tag-display-limit", deb).stdout.splitlines()
    for z in befund:
        print("lintian:", z)
        pruefe(not z.startswith(("E:", "W:")), f"lintian: {z}")


def main():
    with tempfile.TemporaryDirectory() as t:
        tmp = pathlib.Path(t)
        symbole(tmp)
        versionsinfo(tmp)
        haertung(PROGRAMM)
        ziel, start = installation(tmp)
        if start:
            paket(tmp, ziel)
            try:
                start.wait(timeout=max(0.0, 2.0 - (time.monotonic() - start.seit)))
                pruefe(False, f"installiertes Programm endete mit {start.returncode}: {start.stderr.read().decode()}")
            except subprocess.TimeoutExpired:
                start.kill()
                start.wait()
    for f in fehler:
        print("FEHLER:", f)
    if not fehler:
        print("Symbole, Versionsinfo, Härtung, Installation, Katalog und Paket in Ordnung")
    return 1 if fehler else 0


sys.exit(main())
