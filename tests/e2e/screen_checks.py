#!/usr/bin/python3
"""Compares screenshots with the desktop picture they should show (device pixels).

screen_checks.py picture PICTURE W H
    writes the desktop picture: every pixel a colour of its own, so a picture of any part
    says where it came from
screen_checks.py same PICTURE SHOT LEFT TOP RIGHT BOTTOM
    every pixel of the box (right and bottom excluded) is the picture's
screen_checks.py differs PICTURE SHOT LEFT TOP RIGHT BOTTOM
    some pixel of the box is not the picture's
screen_checks.py square PICTURE SHOT PX PY SCALE LEFT TOP RIGHT BOTTOM
    the picture's 64 x 64 square at (PX, PY), each pixel shown as SCALE x SCALE, appears at
    least twice (the preview and the result) with its corner inside the box
screen_checks.py copied PICTURE FILE PX PY     FILE is the picture's 64 x 64 square at (PX, PY)
screen_checks.py marker PICTURE SHOT X Y SIDE
    a frame covers exactly the outline of the SIDE x SIDE square at (X, Y): the outline
    differs from the picture, the pixels around it and two inside it do not
"""
import sys

from PIL import Image


def load(path):
    return Image.open(path).convert("RGB")


def box(args, size):
    left, top, right, bottom = (int(a) for a in args)
    return max(left, 0), max(top, 0), min(right, size[0]), min(bottom, size[1])


def differing(picture, shot, area):
    a, b = picture.load(), shot.load()
    left, top, right, bottom = area
    return [(x, y) for y in range(top, bottom) for x in range(left, right) if a[x, y] != b[x, y]]


def square_places(picture, shot, px, py, scale, area):
    p, s = picture.load(), shot.load()
    w, h = shot.size
    side = 64 * scale
    left, top, right, bottom = area
    first = p[px, py]

    def matches(x, y):
        return all(s[x + i * scale + a, y + j * scale + b] == p[px + i, py + j]
                   for j in range(64) for i in range(64) for a in range(scale) for b in range(scale))

    return [(x, y) for y in range(top, min(bottom, h - side + 1))
            for x in range(left, min(right, w - side + 1))
            if s[x, y] == first and matches(x, y)]


def desktop_picture(path, w, h):
    im = Image.new("RGB", (w, h))
    im.putdata([(x & 255, y & 255, ((x >> 8) | ((y >> 8) << 3)) * 8)
                for y in range(h) for x in range(w)])
    im.save(path)


def main():
    if sys.argv[1] == "picture":
        desktop_picture(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]))
        return
    what, picture, shot = sys.argv[1], load(sys.argv[2]), load(sys.argv[3])
    if what in ("same", "differs"):
        found = differing(picture, shot, box(sys.argv[4:8], shot.size))
        if what == "same" and found:
            sys.exit(f"{len(found)} pixels differ from the picture, first {found[:5]}")
        if what == "differs" and not found:
            sys.exit("the box shows the picture unchanged")
    elif what == "square":
        px, py, scale = (int(a) for a in sys.argv[4:7])
        found = square_places(picture, shot, px, py, scale, box(sys.argv[7:11], shot.size))
        if len(found) < 2:
            sys.exit(f"the square at ({px}, {py}) appears at {found}")
    elif what == "copied":
        px, py = (int(a) for a in sys.argv[4:6])
        if shot.tobytes() != picture.crop((px, py, px + 64, py + 64)).tobytes():
            sys.exit(f"the copy is not the square at ({px}, {py})")
    elif what == "marker":
        x, y, side = (int(a) for a in sys.argv[4:7])
        a, b = picture.load(), shot.load()
        outline = [(x + i, y) for i in range(side)] + [(x + i, y + side - 1) for i in range(side)]
        outline += [(x, y + j) for j in range(side)] + [(x + side - 1, y + j) for j in range(side)]
        ring = lambda d: ([(x - d + i, y - d) for i in range(side + 2 * d)] +
                          [(x - d, y - d + j) for j in range(side + 2 * d)] +
                          [(x - d + i, y + side - 1 + d) for i in range(side + 2 * d)] +
                          [(x + side - 1 + d, y - d + j) for j in range(side + 2 * d)])
        if any(a[p] == b[p] for p in outline):
            sys.exit(f"the frame does not cover the outline of ({x}, {y}) side {side}")
        if any(a[p] != b[p] for p in ring(1) + ring(-2)):
            sys.exit(f"the frame at ({x}, {y}) side {side} reaches beyond its outline")
    else:
        sys.exit(f"unknown check {what}")


if __name__ == "__main__":
    main()
