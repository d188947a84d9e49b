#!/usr/bin/python3
"""Pointer and keyboard for a headless GNOME Shell / mutter through org.gnome.Mutter.RemoteDesktop
(no /dev/uinput, no VNC), in the line protocol of input_lines.py:
  move X Y | click X Y | key KEYSYM[+KEYSYM...] (e.g. Escape, Return, Control_L+c) | stop
"ok" on stdout after each line. One remote-desktop session (with a screen-cast stream of the
monitor, which absolute pointer motion needs) serves them all.
Needs pipewire running (the screen-cast stream is a pipewire node)."""
import ctypes, ctypes.util, sys, time
import gi
from input_lines import serve
gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib

BTN_LEFT = 0x110
connector = sys.argv[1] if len(sys.argv) > 1 else None
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
xkb = ctypes.CDLL(ctypes.util.find_library("xkbcommon") or "libxkbcommon.so.0")
xkb.xkb_keysym_from_name.restype = ctypes.c_uint32
xkb.xkb_keysym_from_name.argtypes = [ctypes.c_char_p, ctypes.c_int]


def call(dest, path, iface, method, args=None, rtype=None):
    return bus.call_sync(dest, path, iface, method, args,
                         GLib.VariantType(rtype) if rtype else None,
                         Gio.DBusCallFlags.NONE, 10000, None)


def prop(dest, path, iface, name):
    return call(dest, path, "org.freedesktop.DBus.Properties", "Get",
                GLib.Variant("(ss)", (iface, name)), "(v)").unpack()[0]


RD = "org.gnome.Mutter.RemoteDesktop"
SC = "org.gnome.Mutter.ScreenCast"
if connector is None:  # the first monitor mutter knows
    state = call("org.gnome.Mutter.DisplayConfig", "/org/gnome/Mutter/DisplayConfig",
                 "org.gnome.Mutter.DisplayConfig", "GetCurrentState", None, "(ua((ssss)a(siiddada{sv})a{sv})a(iiduba(ssss)a{sv})a{sv})")
    connector = state.unpack()[1][0][0][0]
rd = call(RD, "/org/gnome/Mutter/RemoteDesktop", RD, "CreateSession", None, "(o)").unpack()[0]
sid = prop(RD, rd, RD + ".Session", "SessionId")
sc = call(SC, "/org/gnome/Mutter/ScreenCast", SC, "CreateSession",
          GLib.Variant("(a{sv})", ({"remote-desktop-session-id": GLib.Variant("s", sid)},)), "(o)").unpack()[0]
stream = call(SC, sc, SC + ".Session", "RecordMonitor",
              GLib.Variant("(sa{sv})", (connector, {})), "(o)").unpack()[0]
call(RD, rd, RD + ".Session", "Start")
# mutter 43 drops the first key event of a new session's virtual keyboard: spend it on a lone Shift.
call(RD, rd, RD + ".Session", "NotifyKeyboardKeysym", GLib.Variant("(ub)", (0xffe1, True)))
call(RD, rd, RD + ".Session", "NotifyKeyboardKeysym", GLib.Variant("(ub)", (0xffe1, False)))
print("session %s stream %s on %s" % (rd, stream, connector), file=sys.stderr, flush=True)


def motion(x, y):
    call(RD, rd, RD + ".Session", "NotifyPointerMotionAbsolute", GLib.Variant("(sdd)", (stream, x, y)))


def button(pressed):
    call(RD, rd, RD + ".Session", "NotifyPointerButton", GLib.Variant("(ib)", (BTN_LEFT, pressed)))


def keysym(sym, pressed):
    call(RD, rd, RD + ".Session", "NotifyKeyboardKeysym", GLib.Variant("(ub)", (sym, pressed)))


def pump(seconds):  # lets GLib deliver signals (not needed for the calls, kept for tidiness)
    end = time.time() + seconds
    ctx = GLib.MainContext.default()
    while time.time() < end:
        ctx.iteration(False)
        time.sleep(0.01)


def keysym_of(name):
    sym = xkb.xkb_keysym_from_name(name.encode(), 0)
    if not sym:
        raise ValueError("unknown keysym " + name)
    return sym


serve(motion, button, keysym, keysym_of, pump)
try:
    call(RD, rd, RD + ".Session", "Stop")
except Exception:
    pass
