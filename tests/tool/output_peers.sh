#!/usr/bin/env bash
# Icons, button strips and JPEGs written by zornatool are read back by programs nobody here
# wrote: icoutils' icotool, ImageMagick, GdkPixbuf and Pillow. Every icon side from 5 to 128 is
# written with each transparency choice and its pixels are checked against an independent
# model of the conversion (key colour, marker colour #FAF9F8, 16 VGA colours by nearest colour).
# The commands' refusals of bad arguments and files are checked first.
#
# Needs: icoutils, imagemagick, python3-pil, python3-gi, gir1.2-gdkpixbuf-2.0.
set -euo pipefail

source "$(dirname "$0")/peer_readers.bash" icotool:icoutils convert:imagemagick mogrify:imagemagick
mkdir -p "$WORK"/{src,ico,icotool,magick,btn,jpg}

# The independent model and the readers, in one script: "make" writes the source pictures,
# "check" reads what zornatool wrote.
cat >"$WORK/peers.py" <<'PY'
import os, sys
from PIL import Image
import gi
gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf

work, mode = sys.argv[1], sys.argv[2]
SIDES = range(5, 129)
KEYS = ["white", "top-left", "bottom-right", "none"]
BUTTON_SIDES = [5, 8, 16, 20, 32, 64, 128]
JPEG_SIDES = [5, 16, 33, 64, 128]
QUALITIES = [0, 50, 100]

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
WHITE, BLACK, MARKER = (255, 255, 255), (0, 0, 0), (250, 249, 248)
# Colours of the test pictures: all of VGA, the marker, a few off-table colours with a clear
# nearest entry, and extra white.
COLOURS = VGA + [MARKER, (250, 10, 10), (20, 20, 120), (200, 200, 190), WHITE, WHITE]

def picture(s):
    n = len(COLOURS)
    px = [[COLOURS[(x * 7 + y * 3 + x * y) % n] for x in range(s)] for y in range(s)]
    # Across the sides every colour, the marker and black included, lands on both corners.
    px[0][0] = COLOURS[s % n]
    px[s - 1][s - 1] = COLOURS[(s * 5 + 3) % n]
    return px

def gradient(s):
    return [[(x * 255 // s, y * 255 // s, (x + y) * 127 // s) for x in range(s)] for y in range(s)]

def save(px, path):
    s = len(px)
    im = Image.new("RGB", (s, s))
    im.putdata([c for row in px for c in row])
    im.save(path)

def nearest(c):
    return min(VGA, key=lambda v: sum((a - b) ** 2 for a, b in zip(c, v)))

def expected_icon(px, key):
    s = len(px)
    k = {"white": WHITE, "top-left": px[0][0], "bottom-right": px[s - 1][s - 1]}.get(key)
    out = []
    for row in px:
        for c in row:
            if k is not None and (c == k or (k == MARKER and c == BLACK)):
                out.append(None)  # transparent
            else:
                out.append(BLACK if c == MARKER else nearest(c))
    return out

def expected_strip(px):
    s = len(px)
    rows = []
    for row in px:
        left = [(128, 128, 0) if c == WHITE else c for c in row]
        right = [(128, 128, 0) if c == WHITE else (128, 128, 128) if c == BLACK
                 else (160, 160, 164) if c == (128, 128, 128) else (192, 192, 192) for c in row]
        rows.extend(left + right)
    return rows

def rgba_pixels(data, width, height, stride, channels):
    out = []
    for y in range(height):
        base = y * stride
        for x in range(width):
            p = data[base + x * channels: base + x * channels + channels]
            a = p[3] if channels == 4 else 255
            out.append(None if a == 0 else (p[0], p[1], p[2]) if a == 255 else ("alpha", a))
    return out

def pil_pixels(path, size=None):
    im = Image.open(path)
    if size is not None and im.size != size:
        return "size %s" % (im.size,)
    im = im.convert("RGBA")
    return [None if a == 0 else (r, g, b) if a == 255 else ("alpha", a)
            for r, g, b, a in im.getdata()]

def gdk_pixels(path):
    pb = GdkPixbuf.Pixbuf.new_from_file(path)
    return pb.get_width(), pb.get_height(), rgba_pixels(
        pb.get_pixels(), pb.get_width(), pb.get_height(), pb.get_rowstride(), pb.get_n_channels())

def raw_pixels(path, s, channels):
    data = open(path, "rb").read()
    if len(data) != s * s * channels:
        return "raw size %d" % len(data)
    return rgba_pixels(data, s, s, s * channels, channels)

failures = []

def compare(what, got, want, s):
    if isinstance(got, str):
        failures.append("%s: %s" % (what, got))
        return
    if got == want:
        return
    if len(got) != len(want):
        failures.append("%s: %d pixels, expected %d" % (what, len(got), len(want)))
        return
    i = next(i for i, (g, w) in enumerate(zip(got, want)) if g != w)
    failures.append("%s: pixel (%d,%d) is %s, expected %s (transparent = None)"
                    % (what, i % s, i // s, got[i], want[i]))

def mean_error(got, want):
    flat_g = [v for c in got for v in c]
    flat_w = [v for c in want for v in c]
    return sum(abs(a - b) for a, b in zip(flat_g, flat_w)) / len(flat_w)

if mode == "make":
    for s in SIDES:
        save(picture(s), os.path.join(work, "src", "p%d.bmp" % s))
    for s in JPEG_SIDES:
        save(gradient(s), os.path.join(work, "src", "g%d.bmp" % s))
    sys.exit(0)

checked = 0
for s in SIDES:
    px = picture(s)
    for key in KEYS:
        want = expected_icon(px, key)
        name = "%s_%d" % (key, s)
        ico = os.path.join(work, "ico", name + ".ico")
        expected_size = 22 + 40 + 64 + ((4 * s + 31) // 32 * 4 + (s + 31) // 32 * 4) * s
        if os.path.getsize(ico) != expected_size:
            failures.append("%s: %d bytes, expected %d" % (name, os.path.getsize(ico), expected_size))
        compare("icotool %s" % name,
                pil_pixels(os.path.join(work, "icotool", "%s_1_%dx%dx4.png" % (name, s, s)), (s, s)),
                want, s)
        compare("ImageMagick %s" % name, raw_pixels(os.path.join(work, "magick", name + ".rgba"), s, 4),
                want, s)
        w, h, got = gdk_pixels(ico)
        compare("GdkPixbuf %s" % name, got if (w, h) == (s, s) else "size %dx%d" % (w, h), want, s)
        compare("Pillow %s" % name, pil_pixels(ico, (s, s)), want, s)
        checked += 1

for s in BUTTON_SIDES:
    want = expected_strip(picture(s))
    path = os.path.join(work, "btn", "b%d.bmp" % s)
    got = pil_pixels(path, (2 * s, s))
    compare("Pillow strip %d" % s, got, want, 2 * s)
    data = open(os.path.join(work, "btn", "b%d.rgb" % s), "rb").read()
    compare("ImageMagick strip %d" % s,
            rgba_pixels(data, 2 * s, s, 6 * s, 3) if len(data) == 6 * s * s else "raw size %d" % len(data),
            want, 2 * s)

for s in JPEG_SIDES:
    source = [c for row in gradient(s) for c in row]
    sizes = []
    for q in QUALITIES:
        path = os.path.join(work, "jpg", "g%d_q%d.jpg" % (s, q))
        sizes.append(os.path.getsize(path))
        im = Image.open(path)
        if im.format != "JPEG" or im.size != (s, s) or im.mode != "RGB":
            failures.append("Pillow %s: %s %s %s" % (path, im.format, im.size, im.mode))
            continue
        by_pillow = list(im.getdata())
        data = open(path[:-4] + ".rgb", "rb").read()
        by_magick = [tuple(data[i:i + 3]) for i in range(0, len(data), 3)]
        if len(by_magick) != s * s:
            failures.append("ImageMagick %s: %d pixels" % (path, len(by_magick)))
            continue
        if mean_error(by_pillow, by_magick) > 1.0:
            failures.append("%s: Pillow and ImageMagick disagree" % path)
        limit = {0: 40.0, 50: 15.0, 100: 8.0}[q]  # tiny steep pictures suffer most from chroma subsampling
        error = mean_error(by_pillow, source)
        if error > limit:
            failures.append("%s: mean error %.2f above %.1f" % (path, error, limit))
    if not sizes[0] < sizes[1] < sizes[2]:
        failures.append("side %d: JPEG sizes %s do not grow with the quality" % (s, sizes))

for f in failures[:40]:
    print(f)
print("%d icons checked by 4 readers, %d strips, %d JPEGs; %d failures"
      % (checked, len(BUTTON_SIDES), len(JPEG_SIDES) * len(QUALITIES), len(failures)))
sys.exit(1 if failures else 0)
PY

"$PYTHON" "$WORK/peers.py" "$WORK" make

# The commands' refusals: one line on stderr, exit 2 for bad arguments, 1 for files, and no
# output file left behind.
"$PYTHON" -c "from PIL import Image; Image.new('RGB', (40, 30), 'white').save('$WORK/src/wide.bmp'); Image.new('RGB', (130, 130), 'white').save('$WORK/src/big.bmp')"
expect_refusal 2 "must be square" icon "$WORK/src/wide.bmp" -o "$WORK/refused.ico"
expect_refusal 2 "must be square" button "$WORK/src/wide.bmp" -o "$WORK/refused.bmp"
expect_refusal 2 "must be square" jpeg "$WORK/src/wide.bmp" -o "$WORK/refused.jpg"
expect_refusal 2 "5 to 128" icon "$WORK/src/big.bmp" -o "$WORK/refused.ico"
expect_refusal 2 "--key" icon "$WORK/src/p16.bmp" -o "$WORK/refused.ico" --key black
expect_refusal 2 "--quality" jpeg "$WORK/src/p16.bmp" -o "$WORK/refused.jpg" --quality 101
expect_refusal 2 "--quality" jpeg "$WORK/src/p16.bmp" -o "$WORK/refused.jpg" --quality -1
expect_refusal 1 "Cannot open file" icon "$WORK/src/none.bmp" -o "$WORK/refused.ico"
expect_refusal 1 "Cannot create file" icon "$WORK/src/p16.bmp" -o "$WORK/none/refused.ico"
expect_refusal 1 "Cannot create file" button "$WORK/src/p16.bmp" -o "$WORK/src"
if ls "$WORK"/refused.* >/dev/null 2>&1; then echo "a refused command wrote a file"; exit 1; fi
# The default key is white, as the icon dialog starts.
"$TOOL" icon "$WORK/src/p16.bmp" -o "$WORK/default.ico"
"$TOOL" icon "$WORK/src/p16.bmp" -o "$WORK/white.ico" --key white
cmp -s "$WORK/default.ico" "$WORK/white.ico" || { echo "the default key is not white"; exit 1; }
"$TOOL" jpeg "$WORK/src/p16.bmp" -o "$WORK/default.jpg"
"$TOOL" jpeg "$WORK/src/p16.bmp" -o "$WORK/best.jpg" --quality 100
cmp -s "$WORK/default.jpg" "$WORK/best.jpg" || { echo "the default quality is not 100"; exit 1; }

listing_failures=0
for s in $(seq 5 128); do
  for key in white top-left bottom-right none; do
    "$TOOL" icon "$WORK/src/p$s.bmp" -o "$WORK/ico/${key}_$s.ico" --key "$key"
    listing="$(icotool -l "$WORK/ico/${key}_$s.ico")"
    if [[ "$listing" != "--icon --index=1 --width=$s --height=$s --bit-depth=4 --palette-size=16" ]]; then
      echo "icotool lists ${key}_$s.ico as: $listing"
      listing_failures=$((listing_failures + 1))
    fi
  done
done
icotool -x -o "$WORK/icotool" "$WORK"/ico/*.ico
mogrify -path "$WORK/magick" -format rgba -depth 8 "$WORK"/ico/*.ico

for s in 5 8 16 20 32 64 128; do
  "$TOOL" button "$WORK/src/p$s.bmp" -o "$WORK/btn/b$s.bmp"
  convert "$WORK/btn/b$s.bmp" -depth 8 "RGB:$WORK/btn/b$s.rgb"
done
for s in 5 16 33 64 128; do
  for q in 0 50 100; do
    "$TOOL" jpeg "$WORK/src/g$s.bmp" -o "$WORK/jpg/g${s}_q$q.jpg" --quality "$q"
    convert "$WORK/jpg/g${s}_q$q.jpg" -depth 8 "RGB:$WORK/jpg/g${s}_q$q.rgb"
  done
done

"$PYTHON" "$WORK/peers.py" "$WORK" check
[[ $listing_failures -eq 0 ]] || { echo "$listing_failures icons listed wrongly by icotool"; exit 1; }
