#!/usr/bin/env bash
# PNG files and icons with alpha written by zornatool, read back by programs nobody here wrote:
# Pillow and ImageMagick for PNG; icotool (which must list every size at 32 bits), Pillow,
# GdkPixbuf and ImageMagick for the icon, every size of it. Their pixels and alpha are checked
# against an independent model: the key colour transparent at the picture's own side, each
# smaller side the exact area average weighted by alpha. Then PNG as the source of every
# command, and the commands' refusals.
#
# Needs: icoutils, imagemagick, python3-pil, python3-gi, gir1.2-gdkpixbuf-2.0.
set -euo pipefail

TOOL="${ZORNA_PROGRAM_DIR:?}/zornatool"
[[ -x "$TOOL" ]] || { echo "zornatool not built at $TOOL"; exit 1; }
for program in icotool:icoutils convert:imagemagick; do
  command -v "${program%%:*}" >/dev/null || { echo "missing ${program%%:*} (apt package ${program##*:})"; exit 1; }
done
PYTHON=""
for candidate in python3 /usr/bin/python3; do
  if "$candidate" -c "import PIL, gi; gi.require_version('GdkPixbuf', '2.0')" 2>/dev/null; then
    PYTHON="$candidate"
    break
  fi
done
[[ -n "$PYTHON" ]] || { echo "missing python3 with Pillow and GdkPixbuf (python3-pil, python3-gi, gir1.2-gdkpixbuf-2.0)"; exit 1; }

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK"/{src,png,ico,magick}

SIDES="5 16 20 33 100 128 200"
KEYS="white top-left none"

cat >"$WORK/peers.py" <<'PY'
import os, sys
from fractions import Fraction
from PIL import Image
import gi
gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf

work, mode = sys.argv[1], sys.argv[2]
SIDES = [int(s) for s in sys.argv[3].split()]
KEYS = sys.argv[4].split()
WHITE = (255, 255, 255)

def picture(s):
    """White with a figure: black, grey, colours, and the stand-in colour FAF9F8 of the
    classic icon, which must keep its colour here."""
    colours = [(0, 0, 0), (200, 30, 30), (30, 160, 60), (20, 40, 220), (128, 128, 128),
               (250, 249, 248), (255, 255, 0)]
    px = [[WHITE] * s for _ in range(s)]
    for y in range(s):
        for x in range(s):
            if s // 5 <= x < s - s // 5 and s // 4 <= y < s - s // 6:
                px[y][x] = colours[(x * 3 + y * 5 + x * y) % len(colours)]
    px[0][0] = (20, 40, 220)
    return px

def key_of(px, key):
    s = len(px)
    return {"white": WHITE, "top-left": px[0][0], "bottom-right": px[s - 1][s - 1]}.get(key)

def full(px, key):
    k = key_of(px, key)
    return [[(0, 0, 0, 0) if c == k else c + (255,) for c in row] for row in px]

def shares(source, target):
    """For each new pixel, (old pixel, fraction of it covered)."""
    out = []
    for t in range(target):
        lo, hi = Fraction(t * source, target), Fraction((t + 1) * source, target)
        out.append([(s, min(hi, s + 1) - max(lo, s)) for s in range(int(lo), source)
                    if min(hi, s + 1) > max(lo, s)])
    return out

def half_up(v):
    return int(v + Fraction(1, 2))

def reduced(rgba, t):
    s = len(rgba)
    if t == s:
        return rgba
    sh = shares(s, t)
    out = []
    for ty in range(t):
        row = []
        for tx in range(t):
            a = r = g = b = Fraction(0)
            for sy, wy in sh[ty]:
                for sx, wx in sh[tx]:
                    pr, pg, pb, pa = rgba[sy][sx]
                    w = wy * wx * pa
                    a += w; r += w * pr; g += w * pg; b += w * pb
            area = Fraction(s * s, t * t)
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((half_up(r / a), half_up(g / a), half_up(b / a), half_up(a / area)))
        out.append(row)
    return out

def sides_of(s):
    return [s] + [t for t in (128, 64, 48, 32, 24, 16) if t < s]

failures = []

def compare(what, got, want, tolerance):
    """got and want: lists of (r, g, b, a) rows. The colour of a transparent pixel does not
    count, only that it is transparent."""
    if len(got) != len(want) or len(got[0]) != len(want[0]):
        failures.append("%s: %dx%d, expected %dx%d" % (what, len(got[0]), len(got), len(want[0]), len(want)))
        return
    for y, (grow, wrow) in enumerate(zip(got, want)):
        for x, (g, w) in enumerate(zip(grow, wrow)):
            if w[3] == 0 and g[3] == 0:
                continue
            if any(abs(p - q) > tolerance for p, q in zip(g, w)):
                failures.append("%s: pixel (%d,%d) is %s, expected %s" % (what, x, y, g, w))
                return

def rows_of(flat, width):
    return [flat[i:i + width] for i in range(0, len(flat), width)]

def pillow_rgba(im):
    im = im.convert("RGBA")
    return rows_of(list(im.getdata()), im.size[0])

def raw_rgba(path, s):
    data = open(path, "rb").read()
    if len(data) != s * s * 4:
        failures.append("%s: %d bytes of RGBA, expected %d" % (path, len(data), s * s * 4))
        return [[(0, 0, 0, 0)]]
    return rows_of([tuple(data[i:i + 4]) for i in range(0, len(data), 4)], s)

def gdk_rgba(path):
    pb = GdkPixbuf.Pixbuf.new_from_file(path)
    w, h, stride, n = pb.get_width(), pb.get_height(), pb.get_rowstride(), pb.get_n_channels()
    data = pb.get_pixels()
    return [[tuple(data[y * stride + x * n: y * stride + x * n + 4]) if n == 4
             else tuple(data[y * stride + x * n: y * stride + x * n + 3]) + (255,)
             for x in range(w)] for y in range(h)]

def save(px, path):
    s = len(px)
    im = Image.new("RGB", (s, s))
    im.putdata([c for row in px for c in row])
    im.save(path)

if mode == "make":
    for s in SIDES:
        save(picture(s), os.path.join(work, "src", "p%d.bmp" % s))
    # A PNG with transparency and the bitmap of it flattened over white: red, clear, blue at
    # a fifth (255 over white at 51 is 204).
    im = Image.new("RGBA", (16, 16), (10, 20, 30, 0))
    im.paste((200, 30, 30, 255), (2, 2, 10, 10))
    im.paste((0, 0, 255, 51), (10, 10, 14, 14))
    im.save(os.path.join(work, "src", "source.png"))
    flat = Image.new("RGB", (16, 16), WHITE)
    flat.paste((200, 30, 30), (2, 2, 10, 10))
    flat.paste((204, 204, 255), (10, 10, 14, 14))
    flat.save(os.path.join(work, "src", "source.bmp"))
    sys.exit(0)

checked = 0
for s in SIDES:
    for key in KEYS:
        name = "%s_%d" % (key, s)
        want_full = full(picture(s), key)
        # PNG: 8-bit RGBA, exact.
        path = os.path.join(work, "png", name + ".png")
        im = Image.open(path)
        if im.format != "PNG" or im.mode != "RGBA":
            failures.append("Pillow %s: %s %s, expected a PNG in RGBA" % (name, im.format, im.mode))
        compare("Pillow %s.png" % name, pillow_rgba(im), want_full, 0)
        compare("ImageMagick %s.png" % name, raw_rgba(os.path.join(work, "magick", name + ".png.rgba"), s),
                want_full, 0)
        # The icon: every side, from each reader. Reduced sides may differ from the model by the
        # rounding of one step.
        ico = os.path.join(work, "ico", name + ".ico")
        want = {t: reduced(want_full, t) for t in sides_of(s)}
        pil = Image.open(ico)
        if sorted(pil.info.get("sizes", set())) != sorted((t, t) for t in sides_of(s)):
            failures.append("Pillow %s.ico: sizes %s" % (name, sorted(pil.info.get("sizes", []))))
        for t in sides_of(s):
            pil.size = (t, t)
            pil.load()
            compare("Pillow %s.ico at %d" % (name, t), pillow_rgba(pil), want[t], 1)
            compare("ImageMagick %s.ico at %d" % (name, t),
                    raw_rgba(os.path.join(work, "magick", "%s.ico.%d.rgba" % (name, t)), t), want[t], 1)
        got = gdk_rgba(ico)
        compare("GdkPixbuf %s.ico (at %d)" % (name, len(got)), got, want.get(len(got), [[]]), 1)
        checked += 1

for f in failures[:40]:
    print(f)
print("%d PNG files and %d icons checked; %d failures" % (checked, checked, len(failures)))
sys.exit(1 if failures else 0)
PY

"$PYTHON" "$WORK/peers.py" "$WORK" make "$SIDES" "$KEYS"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for s in $SIDES; do
  for key in $KEYS; do
    name="${key}_$s"
    "$TOOL" png "$WORK/src/p$s.bmp" -o "$WORK/png/$name.png" --key "$key"
    convert "$WORK/png/$name.png" -depth 8 "RGBA:$WORK/magick/$name.png.rgba"
    "$TOOL" icon "$WORK/src/p$s.bmp" -o "$WORK/ico/$name.ico" --alpha --key "$key"
    # icotool lists each side at 32 bits, largest first.
    want="" index=1
    for t in $s 128 64 48 32 24 16; do
      if [[ $t -lt $s || ( $t -eq $s && $index -eq 1 ) ]]; then
        want+="--icon --index=$index --width=$t --height=$t --bit-depth=32 --palette-size=0"$'\n'
        index=$((index + 1))
      fi
    done
    listing="$(icotool -l "$WORK/ico/$name.ico")"
    [[ "$listing"$'\n' == "$want" ]] || fail "icotool lists $name.ico as:"$'\n'"$listing"
    # ImageMagick reads every entry as a frame, in the file's order.
    frame=0
    for t in $(icotool -l "$WORK/ico/$name.ico" | sed 's/.*--width=\([0-9]*\).*/\1/'); do
      convert "$WORK/ico/$name.ico[$frame]" -depth 8 "RGBA:$WORK/magick/$name.ico.$t.rgba"
      frame=$((frame + 1))
    done
  done
done
"$PYTHON" "$WORK/peers.py" "$WORK" check "$SIDES" "$KEYS" || failures=$((failures + 1))

# --sizes names the sides instead, each once, largest first.
"$TOOL" icon "$WORK/src/p100.bmp" -o "$WORK/sizes.ico" --alpha --sizes 16,100,32,16
[[ "$(icotool -l "$WORK/sizes.ico" | sed 's/.*--width=\([0-9]*\).*--bit-depth=\([0-9]*\).*/\1@\2/' | tr '\n' ' ')" == "100@32 32@32 16@32 " ]] ||
  fail "--sizes 16,100,32,16 lists as: $(icotool -l "$WORK/sizes.ico")"
# Without --alpha the classic icon stays as it was.
"$TOOL" icon "$WORK/src/p16.bmp" -o "$WORK/classic.ico"
[[ "$(icotool -l "$WORK/classic.ico")" == "--icon --index=1 --width=16 --height=16 --bit-depth=4 --palette-size=16" ]] ||
  fail "the classic icon lists as: $(icotool -l "$WORK/classic.ico")"

# A PNG as the source of every command gives what the same picture as a bitmap gives: its
# transparency flattened over white.
for command in "icon" "icon --alpha" "png" "button" "jpeg" "compose --at 0,0 --input 16 --output 16"; do
  # shellcheck disable=SC2086
  "$TOOL" $command "$WORK/src/source.png" -o "$WORK/from-png.out"
  # shellcheck disable=SC2086
  "$TOOL" $command "$WORK/src/source.bmp" -o "$WORK/from-bmp.out"
  cmp -s "$WORK/from-png.out" "$WORK/from-bmp.out" || fail "zornatool $command: a PNG source differs from its bitmap"
done
# The gallery keeps a bitmap: a PNG is stored as its 24-bit bitmap.
"$TOOL" iko-encode "$WORK/src/source.png" -o "$WORK/from-png.iko"
"$TOOL" iko-decode "$WORK/from-png.iko" -o "$WORK/from-png.bmp"
[[ "$(compare -metric AE "$WORK/from-png.bmp" "$WORK/src/source.bmp" null: 2>&1)" == 0 ]] ||
  fail "iko-encode of a PNG does not keep its picture"

# Refusals: one line on stderr, exit 2 for bad arguments, 1 for files, no output left behind.
expect_refusal() {
  local want="$1" pattern="$2"
  shift 2
  local status=0
  "$TOOL" "$@" 2>"$WORK/stderr" >/dev/null || status=$?
  if [[ $status -ne $want ]] || [[ $(wc -l <"$WORK/stderr") -ne 1 ]] || ! grep -q -- "$pattern" "$WORK/stderr"; then
    fail "zornatool $*: exit $status, expected $want with '$pattern'; stderr: $(cat "$WORK/stderr")"
  fi
}
convert -size 40x30 xc:white "$WORK/src/wide.png"
convert -size 300x300 xc:white "$WORK/src/huge.png"
head -c 60 "$WORK/src/source.png" >"$WORK/src/cut.png"
expect_refusal 2 "must be square" png "$WORK/src/wide.png" -o "$WORK/refused.png"
expect_refusal 2 "--key" png "$WORK/src/p16.bmp" -o "$WORK/refused.png" --key black
expect_refusal 2 "--alpha" icon "$WORK/src/p16.bmp" -o "$WORK/refused.ico" --sizes 16
expect_refusal 2 "only reduced" icon "$WORK/src/p16.bmp" -o "$WORK/refused.ico" --alpha --sizes 16,32
expect_refusal 2 "1 to 256" icon "$WORK/src/huge.png" -o "$WORK/refused.ico" --alpha
expect_refusal 2 "--sizes" icon "$WORK/src/p16.bmp" -o "$WORK/refused.ico" --alpha --sizes 0
expect_refusal 1 "PNG image is not valid" png "$WORK/src/cut.png" -o "$WORK/refused.png"
expect_refusal 1 "PNG image is not valid" icon "$WORK/src/cut.png" -o "$WORK/refused.ico" --alpha
expect_refusal 1 "Cannot create file" png "$WORK/src/p16.bmp" -o "$WORK/none/refused.png"
if ls "$WORK"/refused.* >/dev/null 2>&1; then fail "a refused command wrote a file"; fi

[[ $failures -eq 0 ]] || { echo "$failures failures"; exit 1; }
echo "PNG and icons with alpha read alike by icotool, Pillow, GdkPixbuf and ImageMagick"
