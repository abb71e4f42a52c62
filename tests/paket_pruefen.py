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

def versionsinfo(tmp):
    windres = shutil.which("x86_64-w64-mingw32-windres")
    if not pruefe(windres, "x86_64-w64-mingw32-windres fehlt (tools/einrichten.sh test)"):
        return
    res = tmp / "flockenlinie.res"
    # No MinGW compiler is needed: the script has no includes, the host
    # preprocessor does. windres then reads its .res back as a script.
    ergebnis = lauf(windres, "--preprocessor=cpp", "-i", str(BAU / "packaging" / "flockenlinie.rc"),
                    "-O", "res", "-o", str(res))
    if not pruefe(ergebnis.returncode == 0, f"windres: {ergebnis.stderr}"):
        return
    rc = lauf(windres, "-i", str(res), "-O", "rc").stdout
    pruefe(re.findall(r"^LANGUAGE (.*)$", rc, re.M) == ["7, 1"], "nicht jede Ressource deutsch (0x0407)")
    pruefe(re.search(r"FILEVERSION 1, 0, 0, 0\s+PRODUCTVERSION 1, 0, 0, 0\s", rc), "Datei- und Produktversion")
    pruefe('BLOCK "040704B0"' in rc and 'VALUE "Translation", 0x407, 1200' in rc, "deutsche Stringtabelle")
    for name, soll in [("FileVersion", "1.00"), ("ProductVersion", "1.00"), ("ProductName", "Flockenlinie"),
                       ("InternalName", "Flockenlinie"),
                       ("LegalCopyright", "Copyright (C) 2026 Die Flockenlinie-Entwickler, GPL-3.0-or-later")]:
        pruefe(f'VALUE "{name}", "{soll}"' in rc, f"{name} nicht {soll!r}")
    # One icon group: 32 x 32 in 2 and 16 colours, 16 x 16 in 16 colours.
    bilder = re.findall(r'"\\(\d+)\\(\d+)\\(\d+)\\000", 1, (\d+),', rc)
    pruefe(rc.count("RT_GROUP_ICON */") == 1 and rc.count("RT_ICON */") == 3 and
           bilder == [("040", "040", "002", "1"), ("040", "040", "020", "4"), ("020", "020", "020", "4")],
           f"Symbolgruppe {bilder}")


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
