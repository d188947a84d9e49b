#!/usr/bin/python3
"""Moves and clicks the pointer of a Wayland desktop through its VNC server (RFB protocol):
a virtual pointer for a compositor that has no input device.

rfb_pointer.py PORT, then lines "move X Y" or "click X Y" (device pixels of the output) on the
standard input; "ok" on the standard output after each. One connection serves them all: the
compositor drops the virtual pointer, and with it the pointer's place over a window, when the
connection ends.
"""
import socket
import struct
import sys
import time


def connect(port):
    deadline = time.time() + 20
    while True:
        try:
            return socket.create_connection(("127.0.0.1", port), timeout=10)
        except OSError:
            if time.time() > deadline:
                raise
            time.sleep(0.1)


def exactly(sock, n):
    data = b""
    while len(data) < n:
        chunk = sock.recv(n - len(data))
        if not chunk:
            raise EOFError("the VNC server closed the connection")
        data += chunk
    return data


def handshake(sock):
    exactly(sock, 12)  # "RFB 003.008\n"
    sock.sendall(b"RFB 003.008\n")
    count = exactly(sock, 1)[0]
    if count == 0:
        length = struct.unpack(">I", exactly(sock, 4))[0]
        raise RuntimeError(exactly(sock, length).decode(errors="replace"))
    types = exactly(sock, count)
    if 1 not in types:
        raise RuntimeError(f"no security type None among {list(types)}")
    sock.sendall(bytes([1]))
    if struct.unpack(">I", exactly(sock, 4))[0] != 0:
        raise RuntimeError("security handshake failed")
    sock.sendall(bytes([1]))  # shared
    header = exactly(sock, 24)
    exactly(sock, struct.unpack(">I", header[20:24])[0])


def pointer(sock, mask, x, y):
    sock.sendall(struct.pack(">BBHH", 5, mask, x, y))


def main():
    sock = connect(int(sys.argv[1]))
    handshake(sock)
    for line in sys.stdin:
        action, x, y = line.split()
        x, y = int(x), int(y)
        pointer(sock, 0, x, y)
        if action == "click":
            time.sleep(0.05)
            pointer(sock, 1, x, y)
            time.sleep(0.05)
            pointer(sock, 0, x, y)
        time.sleep(0.1)  # let the server pass it on
        print("ok", flush=True)
    sock.close()


if __name__ == "__main__":
    main()
