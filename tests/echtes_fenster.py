"""The real program in a real window on Xvfb: it appears with its title and
a fixed size, takes typing and Alt+E, its message box is titled "Achtung!"
alone, and closing it by its close box ends the process at once with status
0, uncalculated texts and all."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tools"))
from x11 import Anzeige  # noqa: E402


def titel(fenster):
    """The title a window manager shows (the window's own, in UTF-8)."""
    return subprocess.run(["xdotool", "getwindowname", str(fenster)],
                          capture_output=True, text=True, check=True).stdout.rstrip("\n")


programm = sys.argv[1]
env = dict(os.environ, LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8", QT_QPA_PLATFORM="xcb")
anzeige = Anzeige()
anzeige.beobachten()
prozess = subprocess.Popen([programm], env=env)
fehler = []
try:
    fenster, _ = anzeige.warte_auf_fenster()
    xprop = subprocess.run(["xprop", "-id", str(fenster), "WM_NORMAL_HINTS"],
                           capture_output=True, text=True, check=True).stdout
    if titel(fenster) != "Flockenlinie":
        fehler.append("Titel: " + titel(fenster))
    mindest = [z for z in xprop.splitlines() if "minimum size" in z]
    hoechst = [z for z in xprop.splitlines() if "maximum size" in z]
    if not mindest or not hoechst or mindest[0].split(":")[1] != hoechst[0].split(":")[1]:
        fehler.append("keine feste Größe: " + xprop)

    time.sleep(0.3)
    subprocess.run(["xdotool", "windowfocus", "--sync", str(fenster)], check=True)
    subprocess.run(["xdotool", "type", "--delay", "20", "2,5"], check=True)
    subprocess.run(["xdotool", "key", "Tab", "alt+e"], check=True)
    meldung, _ = anzeige.warte_auf_fenster(5)  # no height: "Bitte geben Sie eine Zahl ein!"
    if titel(meldung) != "Achtung!":
        fehler.append("Titel der Meldung: " + titel(meldung))
    subprocess.run(["xdotool", "key", "Return"], check=True)
    subprocess.run(["xdotool", "windowfocus", "--sync", str(fenster)], check=True)
    subprocess.run(["xdotool", "type", "--delay", "20", "noch nicht gerechnet"], check=True)
    time.sleep(0.3)
    if prozess.poll() is not None:
        fehler.append(f"vorzeitig beendet mit {prozess.returncode}")

    beginn = time.monotonic()
    anzeige.schliessen(fenster)
    status = prozess.wait(timeout=5)
    dauer = time.monotonic() - beginn
    if status != 0:
        fehler.append(f"Status {status} statt 0")
    if dauer > 2:
        fehler.append(f"Schließen dauerte {dauer:.1f} s")
finally:
    if prozess.poll() is None:
        prozess.kill()
    anzeige.close()

for f in fehler:
    print("FEHLER:", f)
if not fehler:
    print(f"Fenster {fenster:#x} erschien, nahm Eingaben an und endete {dauer:.2f} s nach dem Schließen mit Status 0")
sys.exit(1 if fehler else 0)
