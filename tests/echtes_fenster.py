# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real window on Xvfb, as a user and a blind user meet
# it. The screen reader Orca listens in a D-Bus session of its own (run under
# dbus-run-session) and writes every utterance to its debug log as a
# "SPEECH OUTPUT:" line, with no speech server. The window is titled
# "Flockenlinie"; a result is spoken with its caption at each press, also the
# same result twice, and a new one, never the one before, while the focus
# stays in the box, as AT-SPI tells; refusals and the
# out-of-range message are read as message boxes titled exactly "Achtung!";
# closing the window ends the process at once with status 0, uncalculated
# texts and all. Then the same program on weston, a Wayland desktop that
# leaves frames to its programs: it says who it is and that its size is
# fixed; no button on the title bar of the window or of a message box but
# close ends it, maximizes or resizes it; and a press through AT-SPI is
# heard, read and labelled as on X11. Last on mutter, GNOME's compositor,
# which must not complain about the window, shown with its own title bar.
# Where a bare Qt window of fixed size is given too, it shows on weston why
# the program's own title bar is still needed.
#     tests/echtes_fenster.py PROGRAM [BARE_WINDOW]     (under tools/mit_xvfb.sh and dbus-run-session)

import gettext
import os
import pty
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

import pyatspi
from gi.repository import Atspi

sys.dont_write_bytecode = True  # nothing of the test's in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tools"))
from weston import Mutter, Weston  # noqa: E402
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


# The words for a role as AT-SPI gives them, one of which a screen reader may
# say before or after what it reads of an object: the program's own, and
# AT-SPI's for the role, from its translation of the role's name (Orca 43 and
# 48) and, where AT-SPI has one, its localized name (Orca 51).
atspi_texte = gettext.translation("at-spi2-core", languages=["de"], fallback=True)
lokalisiert = getattr(Atspi, "role_get_localized_name", Atspi.role_get_name)


def rollen(objekt, rolle=None):
    rolle = objekt.getRole() if rolle is None else rolle
    return {objekt.getLocalizedRoleName(), lokalisiert(rolle), atspi_texte.gettext(Atspi.role_get_name(rolle))}


# An utterance for `objekt`: what AT-SPI says of it (its name, unless
# `text`), alone or with a word for its role, which is all it may say.
def ueber(objekt, text=None, rolle=None):
    text = objekt.name if text is None else text
    return text, frozenset(w for r in rollen(objekt, rolle) for w in (f"{text} {r}", f"{r} {text}")) | {text}


# Whether Orca said `erwartet` (an utterance as ueber makes it) in `gesagt`:
# without the closing full stop, which one Orca adds and the next does not.
def sagt(gesagt, erwartet):
    return gesagt in erwartet[1]


# What Orca said from byte `ab` of its log on, in order, once `erwartet` (in
# this order) is among it; looked at every 50 ms. Nothing expected: what it
# said in 2 s.
def warte_auf(ab, erwartet, sekunden=10):
    for _ in range(sekunden * 20 if erwartet else 40):
        rest = iter(neu := [g.rstrip(". ") for g in GESAGT.findall(protokoll[ab:].decode(errors="replace"))])
        if erwartet and all(any(sagt(n, e) for n in rest) for e in erwartet):
            return neu
        time.sleep(0.05)
    if not erwartet:
        return neu
    raise TimeoutError(f"erwartet {[e[0] for e in erwartet]}, gehört {neu}")


def anwendung():
    """The program as AT-SPI lists it."""
    return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Flockenlinie"), None)


def objekt_mit(bedingung, wurzel=None, sekunden=30):
    """The first object of the program (or under `wurzel`) that meets `bedingung`, once there is one."""
    for _ in range(sekunden * 20):
        if (w := wurzel or anwendung()) and (gefunden := pyatspi.findDescendant(w, bedingung)):
            return gefunden
        time.sleep(0.05)
    raise TimeoutError("nicht bei AT-SPI")


# What Orca must say, as AT-SPI tells it at the time: the window; the control
# with the focus; a result (as a number: once AT-SPI shows it), with its
# caption, as a notification; a message box, its title, each text in it and
# its button, in this order.
def zu_sagen(was):
    if was == "fenster":
        return [ueber(anwendung().getChildAtIndex(0))]
    if was == "fokus":
        return [ueber(objekt_mit(lambda t: t.getState().contains(pyatspi.STATE_FOCUSED)))]
    if was[0].isdigit():
        ergebnis = objekt_mit(lambda t: t.getRole() == pyatspi.ROLE_LABEL and t.getRelationSet() and t.name == was)
        beschriftung = ergebnis.getRelationSet()[0].getTarget(0).name
        return [ueber(ergebnis, f"{beschriftung} {ergebnis.name}", pyatspi.ROLE_NOTIFICATION)]
    meldung = objekt_mit(lambda t: t.getRole() == pyatspi.ROLE_ALERT, pyatspi.Registry.getDesktop(0))
    return [ueber(meldung), *(ueber(t) for t in pyatspi.findAllDescendants(
        meldung, lambda t: t.name and t.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON)))]


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, env=env, capture_output=True, text=True).stdout


# A new Orca, once the one before has ended. Orca 48 keeps the objects of a
# program that has ended as dead for a minute, by a hash that objects of the
# next program may happen to take over: a new program gets a new Orca.
# The one before ends as asked: it takes its listeners back from AT-SPI,
# which would otherwise wait on a dead Orca at every key for a while. Run by
# the interpreter, under its name: Orca 43 refuses to start beside any
# process of the user named "orca", also one of another test run elsewhere.
def orca_starten():
    for p in laufend:
        if p.args[1:2] == [orca] and p.poll() is None:
            p.terminate()
            try:
                p.wait(10)
            except subprocess.TimeoutExpired:
                p.kill(), p.wait()
    ab = len(protokoll)
    laufend.append(subprocess.Popen([sys.executable, orca, "-u", os.path.join(ordner.name, "orca"), "--debug-file", "/dev/stdout"],
                                    env=env, stdin=subprocess.DEVNULL, stdout=terminal, stderr=subprocess.STDOUT))
    try:
        warte_auf(ab, [("Bildschirmleser an", {"Bildschirmleser an"})], 40)
    except TimeoutError:
        print("Orca, zuletzt:", *protokoll[ab:].decode(errors="replace").splitlines()[-25:], sep="\n")
        raise


orca = shutil.which("orca")
threading.Thread(target=mitlesen, daemon=True).start()
anzeige = Anzeige()
laufend = []
try:
    orca_starten()
    anzeige.beobachten()
    laufend.append(prozess := subprocess.Popen([sys.argv[1]], env=env))
    fenster, _ = anzeige.warte_auf_fenster()
    pruefe((titel := xdotool("getwindowname", fenster)) == "Flockenlinie\n", f"Titel: {titel!r}")

    # Keys ("=" types a text; "fenster" focuses the window, as a desktop does,
    # also after a message box, and Xvfb alone does not), what Orca must say
    # after them, and which box has the focus then (None: a message box is
    # open).
    temperatur, geo = "Temp. auf 850 hPa °C:", "Geopot. 850 hPa m:"
    for keys, zu_hoeren, fokus in [
        (["fenster"], ["fenster", "fokus"], temperatur),
        (["=2,5", "Tab", "=1500", "alt+e"], ["1575"], geo),
        (["alt+e"], ["1575"], geo),
        (["ctrl+a", "=1600", "alt+e"], ["1675"], geo),
        (["shift+Tab", "=abc", "alt+e"], ["meldung"], None),
        (["Return", "fenster"], ["fokus"], temperatur),
        (["=-10", "alt+e"], ["meldung"], None),
        (["Return", "fenster", "=noch nicht gerechnet"], [], temperatur),
    ]:
        ab = len(protokoll)
        for w in keys:
            xdotool(*(["windowfocus", "--sync", fenster] if w == "fenster" else
                      ["type", "--delay", 30, "--", w[1:]] if w[0] == "=" else ["key", "--delay", 30, w]))
        erwartet = [e for was in zu_hoeren for e in zu_sagen(was)]
        print(keys, "→", neu := warte_auf(ab, erwartet))
        # No result is said but the new one, and the focus stays where the
        # user types.
        pruefe(not any("Schneefall" in n and not any(sagt(n, e) for e in erwartet) for n in neu),
               f"nach {keys}: Altes gesagt: {neu}")
        if fokus:
            hat = pyatspi.findDescendant(anwendung(), lambda t: t.getState().contains(pyatspi.STATE_FOCUSED))
            pruefe(hat and hat.name == fokus, f"nach {keys}: Fokus bei {hat and hat.name!r}")
        else:
            pruefe((titel := xdotool("getwindowname", anzeige.warte_auf_fenster(5)[0])) == "Achtung!\n",
                   f"Titel der Meldung: {titel!r}")

    anzeige.schliessen(fenster)
    pruefe(prozess.wait(timeout=2) == 0, f"Status {prozess.returncode} nach dem Schließen")

    # ---- The same program on weston, where xdotool's pointer is real. What
    # the program asks of the desktop is in its Wayland log.
    orca_starten()
    laufend.append((weston := Weston()).prozess)
    protokoll_wl = os.path.join(ordner.name, "wayland.log")
    laufend.append(prozess := subprocess.Popen([sys.argv[1]], stderr=open(protokoll_wl, "w"), env=dict(
        env, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=weston.anzeige, WAYLAND_DEBUG="1")))

    # Every button on the title bar but the rightmost (close), right to left,
    # then the title and the icon, until the window changes: where it was,
    # where it is then, and what its program asked of weston.
    def titelleiste_durchklicken(titel, protokoll):
        vorher = weston.fenster(titel)
        for x in [*range(vorher[2] - 30, vorher[2] - 90, -7), (vorher[0] + vorher[2]) // 2, vorher[0] + 10]:
            weston.klicken(x, vorher[1] + 10)
            if weston.fenster(titel, 0.3) != vorher:
                break
        return vorher, weston.fenster(titel, 1), open(protokoll).read()

    # A window of fixed size never asks to be maximized, and stays at its
    # size or is minimized where it may be.
    def titelleiste_druecken(titel, minimieren):
        vorher, jetzt, gesehen = titelleiste_durchklicken(titel, protokoll_wl)
        pruefe(prozess.poll() is None and "set_maximized" not in gesehen and
               (jetzt == vorher or minimieren and not jetzt and "set_minimized" in gesehen),
               f"{titel} nach der Titelleiste: Status {prozess.poll()}, {jetzt}, vorher {vorher}")
        return vorher

    weston.fenster("Flockenlinie")
    gesehen = open(protokoll_wl).read()
    # (libwayland writes a request as object@id, from 1.23 on as object#id.)
    groessen = re.findall(r"xdg_toplevel[@#]\d+\.set_(?:min|max)_size\((\d+, \d+)\)", gesehen)
    pruefe('set_app_id("flockenlinie")' in gesehen and 'set_title("Flockenlinie")' in gesehen and
           groessen[-2] == groessen[-1] != "0, 0", f"app_id, Titel, feste Größe: {groessen}")
    # One surface a window: no control is a window of its own, also not once
    # a message box has shown.
    unterflaechen = lambda: re.findall(r"get_subsurface\(.*", open(protokoll_wl).read())
    # A press through AT-SPI: heard, and read whole, labelled by its caption.
    app = anwendung()
    teil = {(t.getRole(), t.name): t for t in pyatspi.findAllDescendants(app, lambda t: True)}
    boxen = [teil[pyatspi.ROLE_TEXT, n].queryEditableText() for n in ("Temp. auf 850 hPa °C:", "Geopot. 850 hPa m:")]
    ab = len(protokoll)
    boxen[0].setTextContents("2,5"), boxen[1].setTextContents("1500")
    teil[pyatspi.ROLE_PUSH_BUTTON, "Berechnen"].queryAction().doAction(0)
    print("Wayland →", warte_auf(ab, zu_sagen("1575")))
    ergebnis = pyatspi.findDescendant(app, lambda t: t.getRole() == pyatspi.ROLE_LABEL and t.name == "1575")
    pruefe(ergebnis and [z.getTarget(0).name for z in ergebnis.getRelationSet()] == ["Schneefall m:"],
           "Ergebnis ohne Beschriftung")
    # A message box, modal also for screen readers; its close button acts as OK.
    ab = len(protokoll)
    boxen[0].setTextContents("abc"), teil[pyatspi.ROLE_PUSH_BUTTON, "Berechnen"].queryAction().doAction(0)
    warte_auf(ab, zu_sagen("meldung"))
    meldung = pyatspi.findDescendant(pyatspi.Registry.getDesktop(0), lambda t: t.getRole() == pyatspi.ROLE_ALERT)
    pruefe(meldung.getState().contains(pyatspi.STATE_MODAL), "Meldung nicht modal")
    _, oben, rechts, _ = titelleiste_druecken("Achtung!", False)
    weston.klicken(rechts - 12, oben + 10)
    pruefe((z := (weston.fenster("Achtung!", 1), boxen[0].getText(0, -1))) == (None, ""), f"Meldung offen: {z}")
    titelleiste_druecken("Flockenlinie", True)
    pruefe(not unterflaechen(), f"Steuerelemente als eigene Fenster: {unterflaechen()[:3]}")

    # Why the program puts its own title bar on: Qt's own frame offers a bare
    # window of fixed size to be maximized, and then ends it (Qt 6.4) or
    # stretches it (Qt 6.8, 6.11). Red on the day it no longer does.
    if nackt := sys.argv[2:] and sys.argv[2]:
        protokoll_nackt = os.path.join(ordner.name, "nackt.log")
        laufend.append(bar := subprocess.Popen([nackt], stderr=open(protokoll_nackt, "w"), env=dict(
            env, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=weston.anzeige, WAYLAND_DEBUG="1")))
        vorher, jetzt, gesehen = titelleiste_durchklicken("Nackt", protokoll_nackt)
        pruefe(bar.poll() is not None or "set_maximized" in gesehen and jetzt != vorher,
               f"Qts eigener Rahmen maximiert kein festes Fenster mehr: {vorher} → {jetzt}; rahmen.cpp kann gehen")

    # ---- On GNOME's compositor: not a word from it about the window, which
    # shows with its own title bar, the style's highlight right above its
    # light body and as wide (Qt's Fusion colours), where the screen can be
    # seen; a headless mutter is heard only.
    weston.beenden()
    laufend.append((mutter := Mutter()).prozess)
    laufend.append(prozess := subprocess.Popen([sys.argv[1]], env=dict(env, QT_QPA_PLATFORM="wayland",
                                                                       WAYLAND_DISPLAY=mutter.anzeige)))
    for _ in range(50 if mutter.sichtbar else 0):  # until the screen shows it so, while the window comes up
        leiste, koerper = mutter.band((48, 140, 198), 250), mutter.band((239, 239, 239), 300)
        if zu_sehen := (leiste and koerper and 0 <= leiste[0] - koerper[0] < 40 and 0 < koerper[1] - leiste[1] < 40):
            break
        time.sleep(0.2)
    else:
        leiste = koerper = zu_sehen = objekt_mit(lambda t: t.getRole() == pyatspi.ROLE_FRAME)  # up, at least
    warnungen = [z for z in open(mutter.protokoll) if re.search(r"invalid|xdg_|client", z, re.I)]
    pruefe(zu_sehen and not warnungen and prozess.poll() is None,
           f"mutter: Titelleiste {leiste}, Fenster {koerper}, {warnungen}")
finally:
    # Nothing left for the end of the D-Bus session to wait for, and no Orca
    # listed, not even a dead one, when the next run's Orca looks for another.
    for p in reversed(laufend):
        p.kill()
        p.wait()
sys.exit(1 if fehler else 0)
