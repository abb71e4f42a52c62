# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a window manager and a user's eye do, for checks on a bare X display
(Xvfb): see a top-level window appear, and ask it to close as a close box
does. Plain ctypes on libX11, which every X desktop has."""

import ctypes
import ctypes.util
import select
import time

_x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
_x.XOpenDisplay.restype = ctypes.c_void_p
_x.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x.XDefaultRootWindow.restype = ctypes.c_ulong
_x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x.XInternAtom.restype = ctypes.c_ulong
_x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
_x.XPending.argtypes = [ctypes.c_void_p]
_x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
_x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
_x.XFlush.argtypes = [ctypes.c_void_p]
_x.XConnectionNumber.argtypes = [ctypes.c_void_p]
_x.XCloseDisplay.argtypes = [ctypes.c_void_p]

_MAP_NOTIFY = 19
_CLIENT_MESSAGE = 33
_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class _MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("map", _MapEvent), ("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


class Anzeige:
    """One connection to the display named by DISPLAY (or `name`)."""

    def __init__(self, name=None):
        self._d = _x.XOpenDisplay(name.encode() if name else None)
        if not self._d:
            raise RuntimeError("keine X-Anzeige")
        self._root = _x.XDefaultRootWindow(self._d)

    def close(self):
        _x.XCloseDisplay(self._d)

    def beobachten(self):
        """From now on, note every top-level window that is mapped."""
        _x.XSelectInput(self._d, self._root, _SUBSTRUCTURE_NOTIFY_MASK)
        _x.XFlush(self._d)

    def warte_auf_fenster(self, sekunden=20.0):
        """The next top-level window mapped (after beobachten), and when."""
        ende = time.monotonic() + sekunden
        ereignis = _Event()
        while time.monotonic() < ende:
            while _x.XPending(self._d):
                _x.XNextEvent(self._d, ctypes.byref(ereignis))
                if ereignis.type == _MAP_NOTIFY and not ereignis.map.override_redirect:
                    return ereignis.map.window, time.monotonic()
            select.select([_x.XConnectionNumber(self._d)], [], [], 0.05)
        raise TimeoutError("kein Fenster erschienen")

    def schliessen(self, fenster):
        """Asks the window to close, as the close box of a desktop does."""
        nachricht = _Event()
        nachricht.client.type = _CLIENT_MESSAGE
        nachricht.client.window = fenster
        nachricht.client.message_type = _x.XInternAtom(self._d, b"WM_PROTOCOLS", 0)
        nachricht.client.format = 32
        nachricht.client.l[0] = _x.XInternAtom(self._d, b"WM_DELETE_WINDOW", 0)
        _x.XSendEvent(self._d, fenster, 0, 0, ctypes.byref(nachricht))
        _x.XFlush(self._d)
