# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real window on Xvfb, as a user and a blind user meet
# it. The screen reader Orca listens in a D-Bus session of its own (run under
# dbus-run-session) and writes every utterance to its debug log as a
# "SPEECH OUTPUT:" line, with no speech server. The window is titled
# "Flockenlinie"; a result is spoken with its caption at each press, also the
# same result twice, while the focus stays in the box; refusals and the
# out-of-range message are read as message boxes titled exactly "Achtung!";
# closing the window ends the process at once with status 0, uncalculated
# texts and all.
#     tests/echtes_fenster.py PROGRAM      (under tools/mit_xvfb.sh and dbus-run-session)

import os
import pty
import re
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tools"))
from x11 import Anzeige  # noqa: E402

ordner = tempfile.TemporaryDirectory()  # made for its owner alone, as a runtime folder must be
env = dict(os.environ, LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8", HOME=ordner.name, XDG_RUNTIME_DIR=ordner.name,
           GSETTINGS_BACKEND="memory", SPEECHD_CMD="/bin/false", QT_QPA_PLATFORM="xcb")
# Orca's debug log goes to a terminal, which Python writes line by line (a
# file would be written in blocks, only now and then). The test holds the
# terminal's other end open, so reading it only ends with the test.
leser, terminal = pty.openpty()
GESAGT = re.compile(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|\r?$)", re.M)
protokoll = bytearray()
fehler = []


def mitlesen():
    while True:
        protokoll.extend(os.read(leser, 65536))


def pruefe(bedingung, was):
    if not bedingung:
        print("FEHLER:", was)
        fehler.append(was)


# What Orca said from byte `ab` of its log on, in order, once `erwartet` (in
# this order) is among it; looked at every 50 ms.
def warte_auf(ab, erwartet, sekunden=10):
    for _ in range(sekunden * 20):
        rest = iter(neu := GESAGT.findall(protokoll[ab:].decode(errors="replace")))
        if all(e in rest for e in erwartet):
            return neu
        time.sleep(0.05)
    raise TimeoutError(f"erwartet {erwartet}, gehört {neu}")


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, env=env, capture_output=True, text=True).stdout


orca = subprocess.Popen(["orca", "-u", os.path.join(ordner.name, "orca"), "--debug-file", "/dev/stdout"],
                        env=env, stdin=subprocess.DEVNULL, stdout=terminal, stderr=subprocess.DEVNULL)
threading.Thread(target=mitlesen, daemon=True).start()
anzeige = Anzeige()
prozess = orca
try:
    warte_auf(0, ["Bildschirmleser an."], 20)
    anzeige.beobachten()
    prozess = subprocess.Popen([sys.argv[1]], env=env)
    fenster, _ = anzeige.warte_auf_fenster()
    pruefe((titel := xdotool("getwindowname", fenster)) == "Flockenlinie\n", f"Titel: {titel!r}")

    # Keys ("=" types a text; "fenster" focuses the window, as a desktop does,
    # also after a message box, and Xvfb alone does not), what Orca must say
    # after them, whether a message box opens.
    for keys, erwartet, meldung in [
        (["fenster"], ["Flockenlinie Rahmen.", "Temp. auf 850 hPa °C: Text."], False),
        (["=2,5", "Tab", "=1500", "alt+e"], ["Benachrichtigung Schneefall m: 1575."], False),
        (["alt+e"], ["Benachrichtigung Schneefall m: 1575."], False),
        (["shift+Tab", "=abc", "alt+e"], ["Alarm Achtung!", "Bitte geben Sie eine Zahl ein!", "OK Druckknopf."], True),
        (["Return", "fenster"], ["Temp. auf 850 hPa °C: Text."], False),
        (["=-10", "alt+e"], ["Alarm Achtung!", "Berechnung nicht möglich!", "OK Druckknopf."], True),
        (["Return", "fenster", "=noch nicht gerechnet"], [], False),
    ]:
        ab = len(protokoll)
        for w in keys:
            xdotool(*(["windowfocus", "--sync", fenster] if w == "fenster" else
                      ["type", "--delay", 30, "--", w[1:]] if w[0] == "=" else ["key", "--delay", 30, w]))
        print(keys, "→", neu := warte_auf(ab, erwartet))
        # From the press on, only what was expected: above all, the focus
        # does not move to another control.
        druck = len(neu) - 1 - neu[::-1].index("Alt links ") if "Alt links " in neu else len(neu)
        pruefe(not any(n.endswith(("Text.", "Rahmen.")) for n in neu[druck:]), f"nach {keys}: Fokus gewandert: {neu}")
        if meldung:
            pruefe((titel := xdotool("getwindowname", anzeige.warte_auf_fenster(5)[0])) == "Achtung!\n",
                   f"Titel der Meldung: {titel!r}")

    anzeige.schliessen(fenster)
    pruefe(prozess.wait(timeout=2) == 0, f"Status {prozess.returncode} nach dem Schließen")
finally:
    # Nothing left for the end of the D-Bus session to wait for, and no Orca
    # listed, not even a dead one, when the next run's Orca looks for another.
    for p in {prozess, orca}:
        p.kill()
        p.wait()
sys.exit(1 if fehler else 0)
