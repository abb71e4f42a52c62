# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

"""Wayland desktops that leave frames to their programs, for checks on an X
display (Xvfb), each drawn into a window of that display, with a runtime
folder of its own and its log in a file. weston: where it shows a window (its
scene graph, which weston's debug protocol gives), and clicks of the
display's real pointer. mutter, GNOME's compositor: what the screen shows."""

import os
import re
import subprocess
import tempfile
import time


class Desktop:
    def __init__(self, befehl):
        """Starts the desktop (`befehl`) on the display named by DISPLAY."""
        self._ordner = tempfile.TemporaryDirectory()  # made for its owner alone, as a runtime folder must be
        self._env = dict(os.environ, XDG_RUNTIME_DIR=self._ordner.name, WAYLAND_DISPLAY="wayland-1")
        self.anzeige = os.path.join(self._ordner.name, "wayland-1")  # a program's WAYLAND_DISPLAY
        self.protokoll = os.path.join(self._ordner.name, "protokoll")  # what the desktop logs
        self.prozess = subprocess.Popen(befehl, env=self._env, stdout=subprocess.DEVNULL,
                                        stderr=open(self.protokoll, "w"))
        # Up within 10 s, or given up at once when it ends (or cannot start),
        # ended and with what it logged.
        for _ in range(200):
            if os.path.exists(self.anzeige):
                return
            if self.prozess.poll() is not None:
                break
            time.sleep(0.05)
        self.beenden()
        with open(self.protokoll) as protokoll:
            raise TimeoutError(f"{befehl[0]} startet nicht (Status {self.prozess.returncode}): "
                               f"{protokoll.read()[-2000:]}")

    def beenden(self):
        self.prozess.kill()
        self.prozess.wait()


class Mutter(Desktop):
    def __init__(self):
        """Starts mutter (it needs a D-Bus session) in a window as large as the
        display, where it can still be nested (mutter 43 and 48); else (from
        mutter 49 on) headless, with a screen of its own that no one sees."""
        hilfe = subprocess.run(["mutter", "--help"], capture_output=True, text=True).stdout
        self.sichtbar = "--nested" in hilfe
        super().__init__(["mutter", "--nested" if self.sichtbar else "--headless", "--wayland", "--no-x11",
                          "--wayland-display=wayland-1", *([] if self.sichtbar else ["--virtual-monitor", "800x600"])])

    def band(self, farbe, laenge, abweichung=30):
        """Where the screen shows `laenge` pixels side by side in about the
        colour `farbe` (red, green, blue), the topmost first: x, y; or None.
        Only where mutter is nested."""
        bild = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], capture_output=True,
                              check=True).stdout
        breite = int(subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True, text=True).stdout.split()[0])
        pixel = b"".join(b"[%s-%s]" % (re.escape(bytes([max(0, f - abweichung)])),
                                        re.escape(bytes([min(255, f + abweichung)]))) for f in farbe)
        muster, ab = re.compile(b"(?:%s){%d}" % (pixel, laenge), re.S), 0
        while m := muster.search(bild, ab):
            x, y = m.start() // 3 % breite, m.start() // 3 // breite
            if m.start() % 3 == 0 and x + laenge <= breite:
                return x, y
            ab = m.start() + 1
        return None


class Weston(Desktop):
    def __init__(self, breite=780, hoehe=580):
        """Starts weston in a window of the display, smaller than the
        display, so that the pointer can enter it from outside."""
        self._aussen = [breite + 10, hoehe + 10]
        super().__init__(["weston", "--backend=x11-backend.so", "--use-pixman", f"--width={breite}",
                          f"--height={hoehe}", "--socket=wayland-1", "--debug", "--no-config", "--idle-time=0"])

    def fenster(self, titel, sekunden=10.0):
        """Where weston shows the window titled `titel` once it stays there:
        left, top, right, bottom; None if it shows none so long."""
        vorher = None
        for _ in range(max(1, int(sekunden * 10))):
            szene = subprocess.run(["weston-debug", "scene-graph"], env=self._env, capture_output=True, text=True,
                                   timeout=10)
            lage = re.search(rf"window '{re.escape(titel)}' .*\n\s*position: \((\d+), (\d+)\) -> \((\d+), (\d+)\)",
                             szene.stdout)
            if (jetzt := lage and [int(z) for z in lage.groups()]) and jetzt == vorher:
                return jetzt
            vorher = jetzt
            time.sleep(0.1)
        return None

    def klicken(self, x, y):
        """Clicks at x, y as a hand does. Weston takes where the pointer is
        when it enters its window and then follows it by steps: so the
        pointer comes from outside each time, and rests before it presses
        (weston 16 may crash at a press in the instant the pointer enters a
        dialog's surface, as no hand presses)."""
        befehl = ["mousemove", *self._aussen, "mousemove", x, y, "sleep", 0.3, "mousedown", 1, "sleep", 0.1,
                  "mouseup", 1]
        subprocess.run(["xdotool", *map(str, befehl)], check=True)


if __name__ == "__main__":
    # tools/weston.py PROGRAM [ARGUMENT...]: the program on a Wayland desktop
    # in a window of this X display, to look at and try by hand; it ends with
    # the program.
    import sys
    desktop = Weston()
    try:
        sys.exit(subprocess.call(sys.argv[1:], env=dict(desktop._env, QT_QPA_PLATFORM="wayland")))
    finally:
        desktop.beenden()
