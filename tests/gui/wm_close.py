#!/usr/bin/env python3
"""Asks a window to close the way a window manager's close button does: a
WM_DELETE_WINDOW client message. Under a bare X server there is no window
manager to send it, and xdotool's windowclose would destroy the window instead.
With a status log, a line number and a text it first waits until the log
shows the text after that line: started beforehand, it sends the request as
soon as the program has written the text.
Usage: wm_close.py WINDOW_ID [STATUS_LOG LINE TEXT]"""
import ctypes
import ctypes.util
import sys
import time

POLL_SECONDS = 0.005
WAIT_SECONDS = 60


def wait_for_line(log, after, text):
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        with open(log, encoding="utf-8", errors="replace") as lines:
            if text in [line.rstrip("\n") for line in lines][after:]:
                return
        time.sleep(POLL_SECONDS)
    sys.exit("wm_close.py: no '%s' in %s" % (text, log))


CLIENT_MESSAGE = 33


class ClientMessage(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class Event(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]


def main():
    window = int(sys.argv[1], 0)
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(Event)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("wm_close.py: cannot open the display")
    if len(sys.argv) == 5:
        wait_for_line(sys.argv[2], int(sys.argv[3]), sys.argv[4])
    event = Event()
    event.client.type = CLIENT_MESSAGE
    event.client.window = window
    event.client.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.client.format = 32
    event.client.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    event.client.data[1] = 0  # CurrentTime
    ok = x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
