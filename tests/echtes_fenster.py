# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program in a real window on Xvfb, as a user and a blind user
meet it. The screen reader Orca listens in a D-Bus session of its own (run
under dbus-run-session) and writes every utterance to its debug log as a
"SPEECH OUTPUT:" line, with no speech server. The window is titled
"Flockenlinie" and has a fixed size; a result is spoken with its caption at
each press, also the same result twice, while the focus stays in the box;
refusals and the out-of-range message are read as message boxes titled
exactly "Achtung!"; closing the window ends the process at once with
status 0, uncalculated texts and all."""

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

programm = sys.argv[1]
ordner = tempfile.TemporaryDirectory()
laufzeit = os.path.join(ordner.name, "laufzeit")
os.mkdir(laufzeit, 0o700)
env = dict(os.environ, LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8", HOME=ordner.name, XDG_RUNTIME_DIR=laufzeit,
           GSETTINGS_BACKEND="memory", SPEECHD_CMD="/bin/false", QT_QPA_PLATFORM="xcb")

# Orca's debug log goes to a terminal, which Python writes line by line (a
# file would be written in blocks, only now and then).
leser, terminal = pty.openpty()
protokoll = bytearray()


def mitlesen():
    try:
        while block := os.read(leser, 65536):
            protokoll.extend(block)
    except OSError:  # Orca has ended
        pass


def gesagt():
    """Every utterance so far, in order."""
    text = bytes(protokoll).decode("utf-8", errors="replace")
    return re.findall(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|\r?$)", text, re.M)


def warte_auf(ab, erwartet, sekunden=10.0):
    """The utterances from index `ab` on, once `erwartet` (in this order) is among them."""
    ende = time.monotonic() + sekunden
    while True:
        neu = gesagt()[ab:]
        rest = iter(neu)
        if all(any(e == n for n in rest) for e in erwartet):
            return neu
        if time.monotonic() > ende:
            raise TimeoutError(f"erwartet {erwartet}, gehört {neu}")
        time.sleep(0.05)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, env=env, capture_output=True, text=True).stdout


def tasten(*was):
    for w in was:
        if w == "fenster":  # a desktop focuses it, and again after a message box; Xvfb alone does not
            xdotool("windowfocus", "--sync", fenster)
        elif w.startswith("="):
            xdotool("type", "--delay", 30, "--", w[1:])
        else:
            xdotool("key", "--delay", 30, w)


orca = subprocess.Popen(["orca", "-u", os.path.join(ordner.name, "orca"), "--debug-file", "/dev/stdout"],
                        env=env, stdin=subprocess.DEVNULL, stdout=terminal, stderr=subprocess.DEVNULL)
threading.Thread(target=mitlesen, daemon=True).start()
anzeige = Anzeige()
prozess = None
fehler = []
try:
    warte_auf(0, ["Bildschirmleser an."], 20)
    anzeige.beobachten()
    prozess = subprocess.Popen([programm], env=env)
    fenster, _ = anzeige.warte_auf_fenster()
    if (titel := xdotool("getwindowname", fenster).rstrip("\n")) != "Flockenlinie":
        fehler.append("Titel: " + titel)
    groessen = re.findall(r"(?:minimum|maximum) size: (.*)", subprocess.run(
        ["xprop", "-id", str(fenster), "WM_NORMAL_HINTS"], capture_output=True, text=True, env=env).stdout)
    if len(groessen) != 2 or groessen[0] != groessen[1]:
        fehler.append(f"keine feste Größe: {groessen}")

    ergebnis = "Benachrichtigung Schneefall m: 1575."
    schritte = [  # keys, what Orca must say after them, whether a message box opens
        (["fenster"], ["Flockenlinie Rahmen.", "Temp. auf 850 hPa °C: Text."], False),
        (["=2,5", "Tab", "=1500", "alt+e"], [ergebnis], False),
        (["alt+e"], [ergebnis], False),
        (["shift+Tab", "=abc", "alt+e"], ["Alarm Achtung!", "Bitte geben Sie eine Zahl ein!", "OK Druckknopf."], True),
        (["Return", "fenster"], ["Temp. auf 850 hPa °C: Text."], False),
        (["=-10", "alt+e"], ["Alarm Achtung!", "Berechnung nicht möglich!", "OK Druckknopf."], True),
        (["Return", "fenster", "=noch nicht gerechnet"], [], False),
    ]
    for keys, erwartet, meldung in schritte:
        ab = len(gesagt())
        tasten(*keys)
        neu = warte_auf(ab, erwartet)
        print(keys, "→", neu)
        # From the press on, only what was expected: above all, the focus
        # does not move to another control.
        druck = len(neu) - 1 - neu[::-1].index("Alt links ") if "Alt links " in neu else len(neu)
        if any(n.endswith(("Text.", "Rahmen.")) for n in neu[druck:]):
            fehler.append(f"nach {keys}: Fokus gewandert: {neu}")
        if meldung and (titel := xdotool("getwindowname", anzeige.warte_auf_fenster(5)[0]).rstrip("\n")) != "Achtung!":
            fehler.append("Titel der Meldung: " + titel)

    beginn = time.monotonic()
    anzeige.schliessen(fenster)
    if (status := prozess.wait(timeout=5)) != 0 or time.monotonic() - beginn > 2:
        fehler.append(f"Status {status} nach {time.monotonic() - beginn:.1f} s")
except (TimeoutError, subprocess.CalledProcessError, subprocess.TimeoutExpired) as e:
    fehler.append(str(e))
finally:
    for p in (prozess, orca):
        if p and p.poll() is None:
            p.terminate()
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                p.kill()
    anzeige.close()

for f in fehler:
    print("FEHLER:", f)
sys.exit(1 if fehler else 0)
