# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

"""Start-up of Flockenlinie against a bare Qt window with the same eight
widgets, in one run on one virtual display, the two taking turns: the time
from launch until the window is mapped, and the peak memory (VmHWM) once it
is. Prints the medians and their ratios. Run under tools/mit_xvfb.sh:

    tools/mit_xvfb.sh python3 bench/start_vergleich.py build/ui/qt/flockenlinie build/bench/nacktes_fenster
"""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tools"))
from x11 import Anzeige  # noqa: E402


def spitze_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for zeile in status:
            if zeile.startswith("VmHWM:"):
                return int(zeile.split()[1])
    raise RuntimeError("kein VmHWM")


def einmal(anzeige, programm):
    env = dict(os.environ, LANG="de_DE.UTF-8", QT_QPA_PLATFORM="xcb")
    anzeige.beobachten()
    beginn = time.monotonic()
    prozess = subprocess.Popen([programm], env=env, stderr=subprocess.DEVNULL)
    try:
        _, erschienen = anzeige.warte_auf_fenster()
        time.sleep(0.3)  # let it draw and settle
        return erschienen - beginn, spitze_kib(prozess.pid)
    finally:
        prozess.kill()
        prozess.wait()


def main():
    programm, nackt = sys.argv[1], sys.argv[2]
    runden = int(os.environ.get("RUNDEN", "15"))
    anzeige = Anzeige()
    messung = {programm: [], nackt: []}
    einmal(anzeige, programm)  # warm the file cache for both
    einmal(anzeige, nackt)
    for _ in range(runden):
        for p in (programm, nackt):
            messung[p].append(einmal(anzeige, p))
    zeit = {p: statistics.median(m[0] for m in werte) for p, werte in messung.items()}
    speicher = {p: statistics.median(m[1] for m in werte) for p, werte in messung.items()}
    for p in (programm, nackt):
        print(f"{os.path.basename(p):20s} {zeit[p] * 1000:7.1f} ms bis sichtbar, {speicher[p] / 1024:6.1f} MiB Spitze")
    print(f"Verhältnis Zeit {zeit[programm] / zeit[nackt]:.2f}, Speicher {speicher[programm] / speicher[nackt]:.2f}")


main()
