"""The executable is hardened as Debian's own packages are: a position-
independent executable, full RELRO (read-only relocations, bound at start),
the stack protector, and its sources compiled with _FORTIFY_SOURCE=2 and
optimisation (fortification needs both)."""

import json
import re
import subprocess
import sys

programm, befehle = sys.argv[1], sys.argv[2]
fehler = []


def readelf(*args):
    return subprocess.run(["readelf", "-W", *args, programm], capture_output=True, text=True, check=True).stdout


if "DYN" not in readelf("-h"):
    fehler.append("kein positionsunabhängiges Programm")
dynamisch = readelf("-d")
if not re.search(r"FLAGS_1\).*\bPIE\b", dynamisch):
    fehler.append("FLAGS_1 ohne PIE")
if "BIND_NOW" not in dynamisch and not re.search(r"FLAGS_1\).*\bNOW\b", dynamisch):
    fehler.append("kein BIND_NOW")
if "GNU_RELRO" not in readelf("-l"):
    fehler.append("kein GNU_RELRO")
if "__stack_chk_fail" not in readelf("--dyn-syms"):
    fehler.append("kein Stackschutz")

quellen = [b for b in json.load(open(befehle)) if re.search(r"/(calc|ui)/[^/]+\.cpp$", b["file"])]
if not quellen:
    fehler.append("keine Übersetzungsbefehle")
for b in quellen:
    befehl = b.get("command") or " ".join(b["arguments"])
    for flagge in ("-D_FORTIFY_SOURCE=2", "-fstack-protector-strong"):
        if flagge not in befehl:
            fehler.append(f"{b['file']} ohne {flagge}")
    if not re.search(r"\s-O[123s]\b", befehl):
        fehler.append(f"{b['file']} ohne Optimierung")

for f in fehler:
    print("FEHLER:", f)
print(f"{programm}: PIE, RELRO, BIND_NOW, Stackschutz; {len(quellen)} Quellen mit _FORTIFY_SOURCE=2")
sys.exit(1 if fehler else 0)
