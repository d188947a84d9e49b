#!/usr/bin/python3
"""Pointer and keyboard for a headless KWin through its org_kde_kwin_fake_input Wayland
protocol, speaking the Wayland wire protocol itself (no library). KWin offers the protocol only to
clients whose desktop file lists it, or to all when it runs with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1.
In the line protocol of input_lines.py (keys by name, sent as evdev key codes, US layout):
  move X Y | click X Y | key NAME[+NAME...] (Escape, Return, Right, Control_L+c, a) | stop
"ok" on stdout after each line."""
import os, socket, struct, sys, time
from input_lines import serve

BTN_LEFT = 0x110
KEYS = {"Escape": 1, "BackSpace": 14, "Tab": 15, "Return": 28, "Control_L": 29, "Shift_L": 42,
        "Alt_L": 56, "space": 57, "Home": 102, "Up": 103, "Page_Up": 104, "Left": 105,
        "Right": 106, "End": 107, "Down": 108, "Page_Down": 109, "Insert": 110, "Delete": 111,
        "minus": 12, "equal": 13, "comma": 51, "period": 52, "slash": 53, "Shift_R": 54,
        "Control_R": 97, "Super_L": 125}
for i, ch in enumerate("1234567890"):
    KEYS[ch] = 2 + i
for row, first in (("qwertyuiop", 16), ("asdfghjkl", 30), ("zxcvbnm", 44)):
    for i, ch in enumerate(row):
        KEYS[ch] = first + i
for i in range(1, 11):
    KEYS["F%d" % i] = 58 + i
KEYS["F11"], KEYS["F12"] = 87, 88


class Wayland:
    def __init__(self):
        path = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ.get("WAYLAND_DISPLAY", "wayland-0"))
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.next_id = 2
        self.buf = b""
        self.globals = {}

    def new_id(self):
        i = self.next_id
        self.next_id += 1
        return i

    def send(self, obj, opcode, payload=b""):
        self.sock.sendall(struct.pack("<II", obj, ((8 + len(payload)) << 16) | opcode) + payload)

    @staticmethod
    def string(s):
        b = s.encode() + b"\0"
        return struct.pack("<I", len(b)) + b + b"\0" * (-len(b) % 4)

    def read_events(self, until_callback):
        while True:
            while len(self.buf) >= 8:
                obj, word = struct.unpack_from("<II", self.buf)
                size, opcode = word >> 16, word & 0xFFFF
                if len(self.buf) < size:
                    break
                body, self.buf = self.buf[8:size], self.buf[size:]
                if obj == 1 and opcode == 0:  # wl_display.error
                    oid, code, ln = struct.unpack_from("<III", body)
                    raise RuntimeError("wayland error on object %d code %d: %s" % (oid, code, body[12:12 + ln - 1].decode()))
                if obj == self.registry and opcode == 0:  # wl_registry.global
                    name, ln = struct.unpack_from("<II", body)
                    iface = body[8:8 + ln - 1].decode()
                    version = struct.unpack_from("<I", body, 8 + ln + (-ln % 4))[0]
                    self.globals[iface] = (name, version)
                if obj == until_callback and opcode == 0:  # wl_callback.done
                    return
            chunk = self.sock.recv(65536)
            if not chunk:
                raise EOFError("the compositor closed the connection")
            self.buf += chunk

    def roundtrip(self):
        cb = self.new_id()
        self.send(1, 0, struct.pack("<I", cb))  # wl_display.sync
        self.read_events(cb)

    def start(self):
        self.registry = self.new_id()
        self.send(1, 1, struct.pack("<I", self.registry))  # wl_display.get_registry
        self.roundtrip()

    def bind(self, iface, version):
        name, offered = self.globals[iface]
        version = min(version, offered)
        oid = self.new_id()
        self.send(self.registry, 0, struct.pack("<I", name) + self.string(iface) + struct.pack("<II", version, oid))
        return oid, version


def fixed(v):
    return struct.pack("<i", int(round(v * 256)))


wl = Wayland()
wl.start()
if "org_kde_kwin_fake_input" not in wl.globals:
    sys.exit("the compositor offers no org_kde_kwin_fake_input (KWin without "
             "KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 hides it from clients without a desktop file)")
fi, version = wl.bind("org_kde_kwin_fake_input", 4)
wl.send(fi, 0, wl.string("zorna tests") + wl.string("end-to-end tests"))  # authenticate
wl.roundtrip()
print("fake input version %d" % version, file=sys.stderr, flush=True)


def motion(x, y):
    wl.send(fi, 9, fixed(x) + fixed(y))  # pointer_motion_absolute


def button(pressed):
    wl.send(fi, 2, struct.pack("<II", BTN_LEFT, 1 if pressed else 0))


def key(code, pressed):
    wl.send(fi, 10, struct.pack("<II", code, 1 if pressed else 0))  # keyboard_key


def settle(seconds):
    wl.roundtrip()
    time.sleep(seconds)


serve(motion, button, key, KEYS.__getitem__, settle)
