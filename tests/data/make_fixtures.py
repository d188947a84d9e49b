#!/usr/bin/python3
"""Writes the reader test files under tests/data/: bmp, jpeg, png, pack (.mk), iko and ini, each in
valid/ and invalid/, named after what they carry, and tree files (.trv). Needs python3 with
Pillow (python3-pil).

    /usr/bin/python3 tests/data/make_fixtures.py

Sidecars beside the valid files say what a reader must make of them:
  NAME.ppm      the picture (written by Pillow), for .bmp, .jpg, .png and .iko files; a PNG's
                transparency is flattened over white;
  NAME.entries  one line per pack entry, "stored name = bytes"; for an invalid pack, the
                entries that stay written before the damage is met (no file: none);
  NAME.nodes    tree files: one line per node, "number<TAB>depth<TAB>caption" in UTF-8; for an
                invalid tree, the text that its error message holds;
  NAME.expect   settings reads: "text | section | key | value", "number | section | key | n"
                ("default" when the read falls back to its default), "missing | section | key".
Bytes are written as hex pairs, "HH*N" for N copies. The files are committed; run this again
only to change them. Packs and gallery pictures are encoded here by a deliberately simple coder
of our own, so the program's decoder is checked against an encoder other than its own.
"""
import io
import os
import random
import shutil
import struct
import zlib

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
BLOCK = 255 * 255


def le16(v):
    return struct.pack('<H', v)


def le32(v):
    return struct.pack('<I', v & 0xFFFFFFFF)


def base255(n):
    return bytes((n % 255, n // 255))


def hex_text(data):
    """Bytes as the sidecars write them: runs of four or more as HH*N."""
    out, i = [], 0
    while i < len(data):
        j = i
        while j < len(data) and data[j] == data[i]:
            j += 1
        out.append('%02X*%d' % (data[i], j - i) if j - i >= 4 else ' '.join(['%02X' % data[i]] * (j - i)))
        i = j
    return ' '.join(out)


class Folder:
    def __init__(self, fmt):
        self.fmt = fmt
        for kind in ('valid', 'invalid'):
            path = os.path.join(HERE, fmt, kind)
            shutil.rmtree(path, ignore_errors=True)
            os.makedirs(path)

    def path(self, kind, name):
        return os.path.join(HERE, self.fmt, kind, name)

    def write(self, kind, name, data):
        with open(self.path(kind, name), 'wb') as f:
            f.write(data)

    def write_text(self, kind, name, text):
        with open(self.path(kind, name), 'w', encoding='utf-8', newline='\n') as f:
            f.write(text)

    def picture(self, kind, name, image):
        image.convert('RGB').save(self.path(kind, os.path.splitext(name)[0] + '.ppm'))


def image_of(rows):
    """A Pillow picture from rows (top row first) of (r, g, b)."""
    im = Image.new('RGB', (len(rows[0]), len(rows)))
    im.putdata([p for row in rows for p in row])
    return im


# ---------------------------------------------------------------------------------------- BMP

def bmp(width, height, bits, pixels, compression=0, palette=(), colours_used=0, info_size=40,
        extra=b'', offset=None, image_size=None):
    """A BMP file: file header, info header (cut or padded to info_size), palette, extra bytes
    (masks), pixels."""
    between = b''.join(bytes((b, g, r, 0)) for (r, g, b) in palette) + extra
    pixel_offset = 14 + info_size + len(between) if offset is None else offset
    info = struct.pack('<IiiHHIIiiII', info_size, width, height, 1, bits, compression,
                       len(pixels) if image_size is None else image_size, 0, 0, colours_used, 0)
    info = info[:info_size].ljust(info_size, b'\0')
    body = info + between + pixels
    return b'BM' + le32(14 + len(body)) + le32(0) + le32(pixel_offset) + body


def rows_of(values, width, bits, top_down=False):
    """Packs rows (top row first) of palette indices, or of ints for 16 and 32 bits, or of
    (r, g, b) for 24 bits, with each row padded to four bytes; bottom row first unless
    top_down."""
    out = []
    for row in values:
        if bits in (1, 4, 8):
            bitstring = ''.join(format(v, '0%db' % bits) for v in row)
            bitstring += '0' * (-len(bitstring) % 8)
            data = int(bitstring, 2).to_bytes(len(bitstring) // 8, 'big') if bitstring else b''
        elif bits == 16:
            data = b''.join(le16(v) for v in row)
        elif bits == 24:
            data = b''.join(bytes((b, g, r)) for (r, g, b) in row)
        else:
            data = b''.join(le32(v) for v in row)
        out.append(data.ljust((len(data) + 3) // 4 * 4, b'\0'))
    return b''.join(out if top_down else reversed(out))


def lookup(palette, rows):
    return [[palette[i] if i < len(palette) else (0, 0, 0) for i in row] for row in rows]


def make_bmp():
    f = Folder('bmp')
    A, B, C, D = (0x33, 0x22, 0x11), (0xC0, 0xB0, 0xA0), (0, 255, 0), (255, 0, 0)
    valid = []  # (name, bytes, intended rows, whether Pillow reads it the same)

    idx = [[1, 0, 1, 0, 0, 0, 0, 0, 0, 1], [1] * 10]
    valid.append(('1bit-10-wide-rows-padded.bmp',
                  bmp(10, 2, 1, rows_of(idx, 10, 1), palette=[A, B]), lookup([A, B], idx), True))
    idx = [[0, 1, 2], [2, 2, 1]]
    valid.append(('4bit-top-down-three-colours.bmp',
                  bmp(3, -2, 4, rows_of(idx, 3, 4, top_down=True), palette=[A, B, C],
                      colours_used=3), lookup([A, B, C], idx), True))
    idx = [[1, 200]]
    valid.append(('8bit-index-past-short-palette-reads-black.bmp',
                  bmp(2, 1, 8, rows_of(idx, 2, 8), palette=[A, B], colours_used=2),
                  lookup([A, B], idx), False))
    valid.append(('16bit-plain-is-5-5-5.bmp', bmp(2, 1, 16, rows_of([[0x7FFF, 0x4210]], 2, 16)),
                  [[(255, 255, 255), (0x84, 0x84, 0x84)]], False))  # Pillow rounds 5 bits down
    masks = le32(0xF800) + le32(0x07E0) + le32(0x001F)
    valid.append(('16bit-bitfields-5-6-5.bmp',
                  bmp(3, 1, 16, rows_of([[0x07E0, 0xF800, 0xFFFF]], 3, 16), compression=3,
                      extra=masks), [[(0, 255, 0), (255, 0, 0), (255, 255, 255)]], True))
    valid.append(('32bit-fourth-byte-ignored.bmp', bmp(1, 1, 32, le32(0x99030201)),
                  [[(3, 2, 1)]], True))
    # Masks inside a 108-byte header: red in the low byte, green in the high byte, blue next.
    v4 = bytearray(bmp(1, 1, 32, bytes((0x11, 0x22, 0x33, 0x44)), compression=3, info_size=108))
    v4[54:66] = le32(0x000000FF) + le32(0xFF000000) + le32(0x0000FF00)
    valid.append(('32bit-v4-header-masks-in-odd-order.bmp', bytes(v4), [[(0x11, 0x44, 0x22)]],
                  False))  # Pillow knows a few usual mask layouts only
    rgb = [[(250, 10, 10), (10, 250, 10), (10, 10, 250)], [(0, 0, 0), (128, 128, 128), (255, 255, 255)]]
    valid.append(('24bit-v5-header-124-bytes.bmp',
                  bmp(3, 2, 24, rows_of(rgb, 3, 24), info_size=124), rgb, True))
    core = (b'BM' + le32(0) + le32(0) + le32(14 + 12 + 6) + le32(12) + le16(2) + le16(1) +
            le16(1) + le16(1) + bytes((0x30, 0x20, 0x10, 0xFF, 0xEE, 0xDD)) + bytes((0x40, 0, 0, 0)))
    valid.append(('core-header-three-byte-palette.bmp', core, [[(0x10, 0x20, 0x30), (0xDD, 0xEE, 0xFF)]], True))
    pal = [(0, 0, 255), (0, 255, 0), (255, 0, 0)]
    bg, a, b = pal
    rle = bytes((3, 1,  0, 3, 2, 1, 2, 0,  0, 0,  0, 2, 2, 1,  2, 2,  0, 1))
    valid.append(('rle8-runs-absolute-delta-end-of-line.bmp',
                  bmp(6, 3, 8, rle, compression=1, palette=pal, colours_used=3),
                  [[bg, bg, b, b, bg, bg], [bg] * 6, [a, a, a, b, a, b]], False))
    valid.append(('rle4-runs-and-absolute.bmp',
                  bmp(6, 1, 4, bytes((3, 0x12, 0, 3, 0x21, 0x20, 0, 1)), compression=2,
                      palette=pal, colours_used=3), [[a, b, a, b, a, b]], False))
    # Two of a, then a delta five to the right (past the edge): the run there is dropped; the
    # second row is all b, then a delta three rows up (past the top) and a dropped run.
    rle = bytes((2, 1,  0, 2, 5, 0,  3, 2,  0, 0,  4, 2,  0, 2, 0, 3,  2, 1,  0, 1))
    valid.append(('rle8-delta-past-end.bmp',
                  bmp(4, 2, 8, rle, compression=1, palette=pal, colours_used=3),
                  [[b, b, b, b], [a, a, bg, bg]], False))
    valid.append(('rle4-run-past-right-edge-dropped.bmp',
                  bmp(6, 1, 4, bytes((40, 0x11, 0, 0, 0, 0, 200, 0x22, 0, 1)), compression=2,
                      palette=pal, colours_used=3), [[a] * 6], False))
    valid.append(('rle8-end-mark-missing-after-last-row.bmp',
                  bmp(2, 1, 8, bytes((2, 2, 0, 0)), compression=1, palette=pal, colours_used=3),
                  [[b, b]], False))
    idx = [[0, 1, 0], [1, 1, 0]]
    whole = bmp(3, 2, 8, rows_of(idx, 3, 8), palette=[A, B], colours_used=2)
    valid.append(('8bit-last-row-padding-missing.bmp', whole[:-1], lookup([A, B], idx), False))
    whole = bytearray(bmp(3, 2, 8, rows_of(idx, 3, 8), palette=[A, B], colours_used=2))
    whole[10:14] = le32(0)
    valid.append(('pixel-offset-zero-means-after-palette.bmp', bytes(whole),
                  lookup([A, B], idx), False))
    pic = Image.new('RGB', (5, 3), (200, 100, 50))
    ImageDraw.Draw(pic).line((0, 0, 4, 2), fill=(10, 20, 30))
    buf = io.BytesIO()
    pic.save(buf, 'BMP')
    valid.append(('24bit-odd-width-written-by-pillow.bmp', buf.getvalue(),
                  [[pic.getpixel((x, y)) for x in range(5)] for y in range(3)], True))

    for name, data, rows, pillow_agrees in valid:
        f.write('valid', name, data)
        f.picture('valid', name, image_of(rows))
        # Our reading of the layout, confirmed by a reader we did not write where it can read
        # the case (Pillow leaves out run-length deltas and unusual masks).
        if pillow_agrees:
            got = Image.open(f.path('valid', name)).convert('RGB')
            assert list(got.getdata()) == list(image_of(rows).getdata()), name

    one = [(0, 0, 0)]
    invalid = {
        'empty-file.bmp': b'',
        'signature-not-bm.bmp': b'PK' + bmp(1, 1, 24, b'\0' * 4)[2:],
        'no-info-header.bmp': b'BM\x01\x02\x03',
        'info-header-size-20.bmp': bmp(1, 1, 24, b'\0' * 4, info_size=20),
        'header-width-negative.bmp': bmp(-5, 5, 24, b'\0' * 40),
        'header-width-32769.bmp': bmp(32769, 1, 1, b'\0' * 4100, palette=one * 2),
        'header-height-negative-huge.bmp': bmp(1, -2 ** 31, 24, b'\0' * 4),
        'header-height-top-down-40000.bmp': bmp(1, -40000, 24, b'\0' * 4),
        'header-claims-far-more-pixels-than-file.bmp': bmp(30000, 30000, 24, b'\1\2\3'),
        'rle8-far-larger-than-its-runs.bmp': bmp(30000, 30000, 8, b'\0\1', compression=1,
                                                 palette=one),
        'depth-7-bits.bmp': bmp(1, 1, 7, b'\0' * 4),
        'rle8-on-4-bit-picture.bmp': bmp(1, 1, 4, b'\0\1', compression=1, palette=one),
        'rle8-top-down.bmp': bmp(1, -1, 8, b'\0\1', compression=1, palette=one),
        'bitfields-on-24-bit-picture.bmp': bmp(1, 1, 24, b'\0' * 4, compression=3,
                                               extra=b'\0' * 12),
        'compression-embedded-jpeg.bmp': bmp(1, 1, 24, b'\1\2\3\4', compression=4),
        'cut-inside-palette.bmp': bmp(2, 1, 8, b'\0\1\0\0', palette=[A, B],
                                      colours_used=2)[:14 + 40 + 5],
        'cut-inside-pixel-rows.bmp': bmp(3, 2, 24, rows_of(rgb, 3, 24))[:-8],
        'rle8-data-ends-before-last-row.bmp': bmp(4, 2, 8, b'\4\0\0\0\2\0', compression=1,
                                                  palette=one),
        'rle8-absolute-run-past-data.bmp': bmp(8, 1, 8, b'\0\6\1\1', compression=1, palette=one),
        'rle8-delta-cut-short.bmp': bmp(4, 2, 8, b'\0\2\1', compression=1, palette=one),
        'pixel-offset-inside-header.bmp': bmp(1, 1, 24, b'\0' * 4, offset=20),
        'pixel-offset-past-end.bmp': bmp(1, 1, 24, b'\0' * 4, offset=5000),
    }
    for name, data in invalid.items():
        f.write('invalid', name, data)


# --------------------------------------------------------------------------------------- JPEG

def scene(w, h):
    im = Image.new('RGB', (w, h))
    im.putdata([(x * 255 // max(w - 1, 1), y * 255 // max(h - 1, 1), 128)
                for y in range(h) for x in range(w)])
    ImageDraw.Draw(im).ellipse((w // 4, h // 4, w * 3 // 4, h * 3 // 4), fill=(250, 240, 20))
    return im


def jpeg_bytes(im, **options):
    buf = io.BytesIO()
    im.save(buf, 'JPEG', **options)
    return buf.getvalue()


def with_frame_size(data, width, height):
    data = bytearray(data)
    for marker in (b'\xff\xc0', b'\xff\xc2'):
        at = data.find(marker)
        if at > 0:
            data[at + 5:at + 9] = struct.pack('>HH', height, width)
            return bytes(data)
    raise ValueError('no frame')


def make_jpeg():
    f = Folder('jpeg')
    valid = {
        'baseline-4-2-0-24x16.jpg': jpeg_bytes(scene(24, 16), quality=90),
        'baseline-4-4-4-odd-size-17x9.jpg': jpeg_bytes(scene(17, 9), quality=95, subsampling=0),
        'progressive-32x16.jpg': jpeg_bytes(scene(32, 16), quality=90, progressive=True),
        'greyscale-16x16.jpg': jpeg_bytes(scene(16, 16).convert('L'), quality=90),
        'cmyk-adobe-inverted-16x8.jpg': jpeg_bytes(Image.new('CMYK', (16, 8), (0, 255, 0, 0)),
                                                   quality=95),
        'one-pixel.jpg': jpeg_bytes(Image.new('RGB', (1, 1), (32, 128, 240)), quality=100),
        'exif-and-comment-segments.jpg': jpeg_bytes(scene(16, 16), quality=85,
                                                    exif=b'Exif\0\0MM\0*\0\0\0\x08\0\0\0\0\0\0',
                                                    comment='Zorna'),
    }
    for name, data in valid.items():
        f.write('valid', name, data)
        f.picture('valid', name, Image.open(io.BytesIO(data)))
    plain = jpeg_bytes(scene(24, 24), quality=80)
    invalid = {
        'empty-file.jpg': b'',
        'bitmap-not-jpeg.jpg': b'BM\0\0',
        'only-start-of-image.jpg': b'\xff\xd8',
        'cut-at-three-quarters.jpg': plain[:len(plain) * 3 // 4],
        'cut-before-end-marker.jpg': plain[:-2],
        'frame-width-40000.jpg': with_frame_size(jpeg_bytes(scene(16, 16)), 40000, 16),
        'frame-30000x30000-over-few-bytes.jpg': with_frame_size(jpeg_bytes(scene(16, 16)),
                                                                30000, 30000),
        'progressive-frame-30000x30000.jpg': with_frame_size(
            jpeg_bytes(scene(16, 16), progressive=True), 30000, 30000),
    }
    for name, data in invalid.items():
        f.write('invalid', name, data)


# ---------------------------------------------------------------------------------------- PNG

ADAM7 = ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2),
         (0, 1, 1, 2))


def chunk(kind, data, crc=None):
    crc = zlib.crc32(kind + data) if crc is None else crc
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', crc & 0xFFFFFFFF)


def ihdr(width, height, depth, colour, interlace=0, compression=0, filtering=0):
    return chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, depth, colour, compression,
                                      filtering, interlace))


def scanlines(samples, depth):
    """Rows of sample tuples packed at the bit depth, each behind filter byte 0."""
    out = bytearray()
    for row in samples:
        values = [v for pixel in row for v in pixel]
        if depth == 16:
            data = b''.join(struct.pack('>H', v) for v in values)
        elif depth == 8:
            data = bytes(values)
        else:
            bits = ''.join(format(v, '0%db' % depth) for v in values)
            bits += '0' * (-len(bits) % 8)
            data = int(bits, 2).to_bytes(len(bits) // 8, 'big') if bits else b''
        out += b'\0' + data
    return bytes(out)


def png(samples, depth, colour, interlace=False, before_idat=(), idat_parts=1, after_idat=()):
    """A PNG file of rows (top first) of sample tuples; Adam7-interlaced when asked, the
    compressed data split over idat_parts chunks."""
    height, width = len(samples), len(samples[0])
    if interlace:
        raw = b''
        for x0, y0, dx, dy in ADAM7:
            sub = [row[x0::dx] for row in samples[y0::dy]]
            if sub and sub[0]:
                raw += scanlines(sub, depth)
    else:
        raw = scanlines(samples, depth)
    data = zlib.compress(raw, 9)
    step = -(-len(data) // idat_parts)
    idats = b''.join(chunk(b'IDAT', data[i:i + step]) for i in range(0, len(data), step))
    return (bytes((0x89,)) + b'PNG\r\n\x1a\n' + ihdr(width, height, depth, colour, int(interlace)) +
            b''.join(before_idat) + idats + b''.join(after_idat) + chunk(b'IEND', b''))


def plte(colours):
    return chunk(b'PLTE', b''.join(bytes(c) for c in colours))


def over_white(rgba):
    r, g, b, a = rgba
    return tuple((c * a + 255 * (255 - a) + 127) // 255 for c in (r, g, b))


def pillow_flattened(path):
    """Pillow's reading of the file, flattened over white as the program does."""
    im = Image.open(path)
    if im.mode in ('I', 'I;16', 'I;16B'):  # 16-bit grey: Pillow keeps all 16 bits
        grey = Image.new('L', im.size)
        grey.putdata([v >> 8 for v in im.getdata()])
        im = grey
    rgba = im.convert('RGBA')
    return [over_white(p) for p in rgba.getdata()], rgba.size


def make_png():
    f = Folder('png')
    w, h = 13, 11
    rgba = [[((x * 19) % 256, (y * 23) % 256, (x * y * 7) % 256, (x * 40 + y * 9) % 256)
             for x in range(w)] for y in range(h)]
    rgb = [[p[:3] for p in row] for row in rgba]
    grey = [[((x * 20 + y * 3) % 256,) for x in range(w)] for y in range(h)]
    grey_alpha = [[(g, (x * 31 + y * 17) % 256) for (g,), x in zip(row, range(w))]
                  for row, y in zip(grey, range(h))]
    colours = [(255, 0, 0), (0, 128, 0), (10, 20, 250), (255, 255, 0), (0, 0, 0), (90, 60, 30)]
    index = [[((x + 2 * y) % len(colours),) for x in range(w)] for y in range(h)]
    wide16 = [[tuple(c * 256 + 255 - x % 3 for c in p) for x, p in enumerate(row)] for row in rgb]
    # (name, bytes, intended picture as rows of (r, g, b, a))
    valid = [
        ('rgb-8bit.png', png(rgb, 8, 2), [[p + (255,) for p in row] for row in rgb]),
        ('rgba-8bit-alpha-flattened-over-white.png', png(rgba, 8, 6), rgba),
        ('grey-8bit.png', png(grey, 8, 0), [[(g, g, g, 255) for (g,) in row] for row in grey]),
        ('grey-with-alpha-8bit.png', png(grey_alpha, 8, 4),
         [[(g, g, g, a) for (g, a) in row] for row in grey_alpha]),
        ('grey-1bit.png', png([[(x % 2 ^ y % 2,) for x in range(w)] for y in range(h)], 1, 0),
         [[(255,) * 3 + (255,) if x % 2 ^ y % 2 else (0, 0, 0, 255) for x in range(w)]
          for y in range(h)]),
        ('grey-4bit-scaled-to-8.png', png([[((x + y) % 16,) for x in range(w)] for y in range(h)],
                                          4, 0),
         [[((x + y) % 16 * 17,) * 3 + (255,) for x in range(w)] for y in range(h)]),
        ('grey-16bit-high-byte-kept.png',
         png([[(g * 256 + 255,) for (g,) in row] for row in grey], 16, 0),
         [[(g, g, g, 255) for (g,) in row] for row in grey]),
        ('rgb-16bit-high-byte-kept.png', png(wide16, 16, 2),
         [[p + (255,) for p in row] for row in rgb]),
        ('rgba-16bit.png', png([[tuple(c * 257 for c in p) for p in row] for row in rgba], 16, 6),
         rgba),
        ('palette-8bit.png', png(index, 8, 3, before_idat=[plte(colours)]),
         [[colours[i] + (255,) for (i,) in row] for row in index]),
        ('palette-4bit-with-trns.png',
         png(index, 4, 3, before_idat=[plte(colours), chunk(b'tRNS', bytes((0, 128)))]),
         [[colours[i] + ((0, 128)[i] if i < 2 else 255,) for (i,) in row] for row in index]),
        ('palette-2bit.png', png([[((x + y) % 4,) for x in range(w)] for y in range(h)], 2, 3,
                                 before_idat=[plte(colours[:4])]),
         [[colours[(x + y) % 4] + (255,) for x in range(w)] for y in range(h)]),
        ('rgb-with-trns-colour-key.png',
         png(rgb, 8, 2, before_idat=[chunk(b'tRNS', struct.pack('>HHH', *rgb[1][1]))]),
         [[p + (0 if p == rgb[1][1] else 255,) for p in row] for row in rgb]),
        ('grey-with-trns-key.png',
         png(grey, 8, 0, before_idat=[chunk(b'tRNS', struct.pack('>H', grey[0][0][0]))]),
         [[(g, g, g, 0 if g == grey[0][0][0] else 255) for (g,) in row] for row in grey]),
        ('interlaced-rgba-13x11.png', png(rgba, 8, 6, interlace=True), rgba),
        ('interlaced-palette-1x1.png',
         png([[(2,)]], 8, 3, interlace=True, before_idat=[plte(colours)]), [[(10, 20, 250, 255)]]),
        ('interlaced-grey-16bit-3x9.png', png([[(v * 4000,)] * 3 for v in range(9)], 16, 0,
                                              interlace=True),
         [[((v * 4000) >> 8,) * 3 + (255,)] * 3 for v in range(9)]),
        ('idat-split-in-many-chunks.png', png(rgb, 8, 2, idat_parts=7),
         [[p + (255,) for p in row] for row in rgb]),
        ('text-icc-and-gamma-chunks-ignored.png',
         png(rgb, 8, 2, before_idat=[chunk(b'gAMA', struct.pack('>I', 100000)),
                                     chunk(b'iCCP', b'x\0\0' + zlib.compress(b'\0' * 64)),
                                     chunk(b'tEXt', b'Comment\0Zorna')],
             after_idat=[chunk(b'zTXt', b'Title\0\0' + zlib.compress(b'ako'))]),
         [[p + (255,) for p in row] for row in rgb]),
        ('unknown-private-chunk-skipped.png',
         png(rgb, 8, 2, before_idat=[chunk(b'prIv', b'\1\2\3')]),
         [[p + (255,) for p in row] for row in rgb]),
    ]
    pic = Image.new('RGBA', (9, 7), (200, 100, 50, 255))
    ImageDraw.Draw(pic).line((0, 0, 8, 6), fill=(10, 20, 30, 90))
    buf = io.BytesIO()
    pic.save(buf, 'PNG', optimize=True)
    valid.append(('rgba-written-by-pillow-adaptive-filters.png', buf.getvalue(),
                  [[pic.getpixel((x, y)) for x in range(9)] for y in range(7)]))
    for name, data, rows in valid:
        f.write('valid', name, data)
        flat = [over_white(p) for row in rows for p in row]
        f.picture('valid', name, image_of([flat[i:i + len(rows[0])]
                                           for i in range(0, len(flat), len(rows[0]))]))
        # Our reading of each kind, confirmed by a reader we did not write.
        got, size = pillow_flattened(f.path('valid', name))
        assert size == (len(rows[0]), len(rows)) and got == flat, name

    # An ancillary chunk with a wrong checksum is dropped with a warning; Pillow refuses the
    # whole file, so the picture is the one without the chunk.
    f.write('valid', 'ancillary-chunk-bad-crc-dropped.png',
            png(rgb, 8, 2, before_idat=[chunk(b'tEXt', b'a\0b', crc=0x12345678)]))
    f.picture('valid', 'ancillary-chunk-bad-crc-dropped.png', image_of(rgb))

    plain = png(rgb, 8, 2)
    idat = plain.find(b'IDAT') - 4
    idat_crc = idat + 8 + struct.unpack('>I', plain[idat:idat + 4])[0]
    invalid = {
        'empty-file.png': b'',
        'signature-only.png': plain[:8],
        'signature-line-ends-converted.png': plain[:4] + b'\n' + plain[6:],
        'ihdr-bad-crc.png': plain[:29] + bytes((plain[29] ^ 1,)) + plain[30:],
        'idat-bad-crc.png': plain[:idat_crc] + bytes((plain[idat_crc] ^ 0x10,)) +
            plain[idat_crc + 1:],
        'cut-inside-idat.png': plain[:idat + 20],
        'cut-before-iend.png': plain[:-12],
        'first-chunk-not-ihdr.png': plain[:8] + chunk(b'tEXt', b'a\0b') + plain[8:],
        'ihdr-width-zero.png': plain[:8] + ihdr(0, h, 8, 2) + plain[33:],
        'ihdr-bit-depth-3.png': plain[:8] + ihdr(w, h, 3, 0) + plain[33:],
        'ihdr-colour-type-5.png': plain[:8] + ihdr(w, h, 8, 5) + plain[33:],
        'ihdr-palette-with-16bit.png': plain[:8] + ihdr(w, h, 16, 3) + plain[33:],
        'ihdr-interlace-method-2.png': plain[:8] + ihdr(w, h, 8, 2, interlace=2) + plain[33:],
        'ihdr-compression-method-1.png': plain[:8] + ihdr(w, h, 8, 2, compression=1) + plain[33:],
        'ihdr-cut-short.png': plain[:8] + chunk(b'IHDR', plain[16:26]) + plain[33:],
        'header-100000x100000-over-few-bytes.png':
            plain[:8] + ihdr(100000, 100000, 8, 6) + plain[33:],
        'header-30000x30000-over-few-bytes.png':
            plain[:8] + ihdr(30000, 30000, 1, 0) + plain[33:],
        'palette-picture-without-plte.png': png(index, 8, 3),
        'palette-plte-after-idat.png': png(index, 8, 3, after_idat=[plte(colours)]),
        'idat-not-zlib-data.png': plain[:idat] + chunk(b'IDAT', b'\x12\x34\x56\x78' * 8) +
            plain[-12:],
        'idat-too-little-data.png': plain[:idat] + chunk(b'IDAT', zlib.compress(b'\0' * 20)) +
            plain[-12:],
        'no-idat.png': plain[:33] + plain[-12:],
        'interlaced-cut-in-last-pass.png': png(rgba, 8, 6, interlace=True)[:-40],
        'filter-type-9.png': plain[:idat] + chunk(b'IDAT', zlib.compress(
            b''.join(b'\x09' + bytes(w * 3) for _ in range(h)))) + plain[-12:],
    }
    for name, data in invalid.items():
        f.write('invalid', name, data)


# ------------------------------------------------------------ a simple coder for the block codec

def unused_bytes(data, count):
    seen = set(data)
    free = [v for v in range(256) if v not in seen]
    assert len(free) >= count, 'no free byte values'
    return free[:count]


def run_pack(data, pair):
    """Runs of six or more become E0 E1 n-low n-high X. The pair's bytes must not occur in
    data and must differ, so nothing else reads as a record."""
    out, i = bytearray(), 0
    while i < len(data):
        j = i
        while j < len(data) and data[j] == data[i]:
            j += 1
        if j - i >= 6:
            out += bytes(pair) + base255(j - i) + bytes((data[i],))
        else:
            out += data[i:j]
        i = j
    return bytes(out)


def pattern_pack(data, pair):
    """Stretches of period 1, 2 or 3 and at least 12 bytes become E0 E1 n-low n-high k P1..Pk."""
    out, i = bytearray(), 0
    while i < len(data):
        best = None
        for k in (1, 2, 3):
            j = i + k
            while j < len(data) and data[j] == data[j - k]:
                j += 1
            if j - i >= 12 and (best is None or j - i > best[1]):
                best = (k, j - i)
        if best:
            k, n = best
            out += bytes(pair) + base255(n) + bytes((k,)) + data[i:i + k]
            i += n
        else:
            out.append(data[i])
            i += 1
    return bytes(out)


def frequent_strings(data, count, length=6):
    """The count most frequent stretches of the given length, for the dictionary."""
    seen = {}
    for i in range(len(data) - length + 1):
        seen[data[i:i + length]] = seen.get(data[i:i + length], 0) + 1
    return sorted(seen, key=lambda s: -seen[s])[:count]


def dictionary_pack(data, count):
    """The most frequent stretches are replaced by codes of two bytes that occur nowhere in
    data; the table of entries (code, base-255 length, string) goes in front."""
    strings = frequent_strings(data, count)
    codes = unused_bytes(data, 2 * len(strings))
    table, body = bytearray(), data
    for n, s in enumerate(strings):
        code = bytes(codes[2 * n:2 * n + 2])
        table += code + base255(len(s)) + s
        body = body.replace(s, code)
    return bytes(table + body), len(strings)


def encode(method, block, entries=0):
    """(method, escape pair, entry count, payload) of the block, made by the simple coder."""
    first = tuple(unused_bytes(block, 2))
    if method in (0, 3):
        payload = block
    elif method in (1, 4):
        payload = run_pack(block, first)
    elif method in (2, 5):
        payload = pattern_pack(block, first)
    else:  # 6, 7: runs, then a pattern pass with its own pair stored in front
        runs = run_pack(block, first)
        second = tuple(unused_bytes(runs, 2))
        payload = bytes(second) + pattern_pack(runs, second)
    count = None
    if method in (3, 4, 5, 7):
        payload, count = dictionary_pack(payload, entries)
    return method, (first if method not in (0, 3) else None), count, payload


def block_file(method, pair, count, payload):
    """A block stored alone, as a gallery picture stores it."""
    return bytes((method,)) + (bytes(pair) if pair else b'') + (bytes((count,)) if count is not None else b'') + payload


def pack_block(method, pair, count, payload):
    """A block inside a pack: the method, the payload length, then the parameters."""
    return bytes((method,)) + base255(len(payload)) + (bytes(pair) if pair else b'') + (bytes((count,)) if count is not None else b'') + payload


def pack_entry(stored_name, blocks):
    return stored_name + b'\0' + base255(len(blocks)) + b''.join(blocks)


# ---------------------------------------------------------------------------------------- iko

def gallery_picture(side, seed):
    """A picture like the gallery's: a few flat colours and shapes on white."""
    rng = random.Random(seed)
    im = Image.new('RGB', (side, side), (255, 255, 255))
    d = ImageDraw.Draw(im)
    d.rectangle((side // 8, side // 2, side * 7 // 8, side - 3), fill=(180, 40, 30))
    d.ellipse((side // 4, side // 8, side * 3 // 4, side * 5 // 8), fill=(250, 210, 0),
              outline=(0, 0, 0))
    for _ in range(side // 4):
        d.point((rng.randrange(side), rng.randrange(side)), fill=(0, 90, 200))
    return im


def bitmap_file(im):
    buf = io.BytesIO()
    im.save(buf, 'BMP')
    data = buf.getvalue()
    assert data[:3] == b'BM6', 'gallery bitmaps start with BM6'
    return data


def make_iko():
    f = Folder('iko')
    small, large = gallery_picture(32, 1), gallery_picture(64, 2)
    white = Image.new('RGB', (32, 32), (255, 255, 255))
    halves = Image.new('RGB', (32, 32), (0, 0, 200))
    ImageDraw.Draw(halves).rectangle((0, 16, 31, 31), fill=(200, 0, 0))
    valid = [
        ('iko-method0-stored.iko', small, 0, 0),
        ('iko-method1-run-white-32.iko', white, 1, 0),
        ('iko-method2-pattern-two-halves.iko', halves, 2, 0),
        ('iko-method6-escape-pair.iko', small, 6, 0),
        ('iko-method6-large-64.iko', large, 6, 0),
        ('iko-method3-dictionary.iko', small, 3, 4),
        ('iko-method4-dictionary-then-run.iko', small, 4, 2),
        ('iko-method5-dictionary-then-pattern.iko', halves, 5, 1),
        ('iko-method7-dictionary-pattern-run.iko', large, 7, 20),
    ]
    for name, im, method, entries in valid:
        block = bitmap_file(im)[3:]
        f.write('valid', name, block_file(*encode(method, block, entries)))
        f.picture('valid', name, im)
    entries21 = b''.join(bytes((i, 0xEE)) + base255(1) + b'q' for i in range(21))
    invalid = {
        'iko-empty-file.iko': b'',
        'iko-cut-in-escape-pair.iko': b'\x06\x01',
        'iko-method4-without-entry-count.iko': b'\x04\x01\x02',
        'iko-unknown-method-8.iko': b'\x08\x01\x02\x03',
        'iko-run-grows-past-65025.iko': b'\x01\x05\x06' + b'a\x05\x06\x00\xffxb',
        'iko-run-record-cut-short.iko': b'\x01\x05\x06' + b'abc\x05\x06\x03',
        'iko-pattern-period-4.iko': b'\x02\x05\x06' + b'a\x05\x06\x09\x00\x04wxyz',
        'iko-method6-without-pattern-pair.iko': b'\x06\x05\x06' + b'z',
        'iko-dictionary-21-entries.iko': b'\x03\x15' + entries21 + b'\x00\xee',
        'iko-dictionary-string-101-bytes.iko': b'\x03\x01' + b'ab' + base255(101) + b'x' * 101 + b'ab',
        'iko-dictionary-table-cut-short.iko': b'\x03\x02' + b'ab\x01\x00xc',
    }
    for name, data in invalid.items():
        f.write('invalid', name, data)


# --------------------------------------------------------------------------------------- pack

def cp1250(text):
    return text.encode('cp1250')


def stored_blocks(content, method=0, entries=0):
    """The blocks of a file, each coded with the given method."""
    pieces = [content[i:i + BLOCK] for i in range(0, len(content), BLOCK)]
    return [pack_block(*encode(method, piece, entries)) for piece in pieces]


def entries_text(entries):
    return ''.join('%s = %s\n' % (name, hex_text(content)) for name, content in entries)


def make_pack():
    f = Folder('pack')
    rng = random.Random(7)
    noise = bytes(rng.randrange(256) for _ in range(300))
    picture = bitmap_file(gallery_picture(32, 3))
    method_blocks, method_content = [], b''
    for method in range(8):
        part = picture[:1000 + 37 * method]
        method_blocks += stored_blocks(part, method, 3)
        method_content += part
    valid = {
        'pack-empty-entry.mk': [('prázdny.txt', b'', [])],
        'pack-stored-block.mk': [('noise.bin', noise, stored_blocks(noise))],
        'pack-run-block.mk': [('zeros.bin', b'\0' * 100 + b'!', stored_blocks(b'\0' * 100 + b'!', 1))],
        'pack-exactly-65025-bytes-one-block.mk': [('full.bin', b'z' * BLOCK, stored_blocks(b'z' * BLOCK, 1))],
        'pack-65026-bytes-two-blocks.mk': [('over.bin', b'z' * BLOCK + b'q', stored_blocks(b'z' * BLOCK + b'q', 1))],
        'pack-every-method-0-to-7.mk': [('methods.bmp', method_content, method_blocks)],
        'pack-gallery-update-with-tree.mk': [
            ('12000.iko', picture, stored_blocks(picture, 6)),
            ('12001.iko', b'', []),
            ('..\\strom.trv', cp1250('ZVIERATÁ\r\n\tMAČKY\r\n'), stored_blocks(cp1250('ZVIERATÁ\r\n\tMAČKY\r\n')))],
        'pack-skin-names-in-code-page-1250.mk': [
            ('..\\Skin\\Modrý\\okno.bmp', picture, stored_blocks(picture, 1)),
            ('..\\Skin\\Modrý\\rozmiestnenie.ini', b'[Okno]\r\nx=1\r\n', stored_blocks(b'[Okno]\r\nx=1\r\n'))],
        'pack-absolute-name-through-skin-folder.mk': [
            ('C:\\Program Files\\Zorna\\Skin\\Zelený\\pozadie.bmp', b'BM', stored_blocks(b'BM'))],
    }
    for name, entries in valid.items():
        f.write('valid', name, b''.join(pack_entry(cp1250(n), blocks) for n, _, blocks in entries))
        f.write_text('valid', name[:-3] + '.entries', entries_text((n, c) for n, c, _ in entries))

    first = pack_entry(b'first.txt', stored_blocks(b'one'))
    second = pack_entry(b'second.bin', stored_blocks(noise[:50]))
    invalid = {
        'pack-empty-file.mk': (b'', []),
        'pack-cut-in-name.mk': (first + b'seco', [('first.txt', b'one')]),
        'pack-name-longer-than-4096-bytes.mk': (b'a' * 5000 + b'\0\0\0', []),
        'pack-cut-in-block-count.mk': (b'x\0\1', []),
        'pack-cut-in-block-header.mk': (b'x\0\1\0\1\5\0\1', []),
        'pack-cut-in-block-data.mk': (first + second[:-10], [('first.txt', b'one')]),
        'pack-blocks-counted-but-missing.mk': (b'x\0\2\0', []),
        'pack-unknown-method-9.mk': (b'x\0\1\0\x09\5\0\1\2\3\4\5', []),
        'pack-block-longer-than-65025.mk': (b'x\0\1\0\0\xfe\xff\1\2', []),
        'pack-first-entry-without-name.mk': (b'\0\1\0', []),
        'pack-empty-name-after-first-entry.mk': (b'x\0\0\0\0', [('x', b'')]),
        'pack-random-bytes.mk': (bytes(random.Random(8).randrange(256) for _ in range(5000)), []),
        # Whole in its layout, but the run record of damaged.bin would grow its block past
        # 65 025 bytes: it is written as far as it decodes, and the entries around it stay.
        'pack-block-of-second-entry-does-not-decode.mk': (
            first + pack_entry(b'damaged.bin', [pack_block(1, (5, 6), None, b'a\x05\x06\x00\xffx')])
            + pack_entry(b'third.txt', stored_blocks(b'three')),
            [('first.txt', b'one'), ('damaged.bin', b'a'), ('third.txt', b'three')]),
    }
    for name, (data, stays) in invalid.items():
        f.write('invalid', name, data)
        if stays:
            f.write_text('invalid', name[:-3] + '.entries', entries_text(stays))


# ---------------------------------------------------------------------------------------- ini

def make_ini():
    f = Folder('ini')

    def case(kind, name, text, expect, encoding='cp1250'):
        f.write(kind, name, text.encode(encoding) if isinstance(text, str) else text)
        f.write_text(kind, name[:-4] + '.expect', ''.join(' | '.join(e) + '\n' for e in expect))

    case('valid', 'zorna-ini-as-the-program-writes-it.ini',
         '[Obrázok]\r\nVstup=2\r\nVýstup=3\r\nZámok=1\r\nUložiť ako=ico\r\n\r\n'
         '[Veľkosti okien]\r\nVstup=120\r\n\r\n[Skin]\r\nMeno=Modrý\r\n',
         [('number', 'Obrázok', 'Výstup', '3'), ('text', 'Obrázok', 'Uložiť ako', 'ico'),
          ('number', 'Veľkosti okien', 'Vstup', '120'), ('text', 'Skin', 'Meno', 'Modrý'),
          ('missing', 'Lupa', 'Veľkosť')])
    case('valid', 'names-in-any-case.ini', '[OBRÁZOK]\r\nuložiť AKO=bmp\r\n[veľkosti OKIEN]\r\nVSTUP=7\r\n',
         [('text', 'Obrázok', 'Uložiť ako', 'bmp'), ('number', 'Veľkosti okien', 'Vstup', '7')])
    case('valid', 'line-feeds-only-and-no-final-break.ini', '[Lupa]\nVeľkosť=4\n[Pozadie]\nČíslo=2',
         [('number', 'Lupa', 'Veľkosť', '4'), ('number', 'Pozadie', 'Číslo', '2')])
    case('valid', 'values-trimmed-and-quotes-dropped.ini',
         '[A]\r\n  x =  42  \r\n\tname\t=\t"Modrý skin"\r\nq=\'a\'\r\n',
         [('number', 'A', 'x', '42'), ('text', 'A', 'name', 'Modrý skin'), ('text', 'A', 'q', 'a')])
    case('valid', 'numbers-hex-dollar-sign-and-junk.ini',
         '[A]\r\nhex=0x1F\r\ndollar=$10\r\nneg=-7\r\nall=0xFFFFFFFF\r\nbad=12abc\r\nempty=\r\n'
         'big=99999999999\r\n',
         [('number', 'A', 'hex', '31'), ('number', 'A', 'dollar', '16'), ('number', 'A', 'neg', '-7'),
          ('number', 'A', 'all', '-1'), ('number', 'A', 'bad', 'default'),
          ('number', 'A', 'empty', 'default'), ('number', 'A', 'big', 'default')])
    case('valid', 'first-of-duplicate-sections-and-keys-wins.ini',
         '[A]\r\nk=1\r\nk=2\r\n[B]\r\nj=5\r\n[a]\r\nk=3\r\nm=4\r\n',
         [('number', 'A', 'k', '1'), ('number', 'B', 'j', '5'), ('missing', 'A', 'm')])
    case('valid', 'comments-and-lines-without-equals-ignored.ini',
         '; poznámka\r\n[A]\r\n;k=9\r\njust text\r\nk=1\r\n',
         [('number', 'A', 'k', '1'), ('missing', 'A', ';k')])
    rng = random.Random(3)
    case('invalid', 'binary-garbage.ini', bytes(rng.randrange(256) for _ in range(3000)),
         [('missing', 'Obrázok', 'Výstup'), ('number', 'Lupa', 'Veľkosť', 'default')])
    case('invalid', 'utf-16-with-byte-order-mark.ini', '\ufeff[Obrázok]\r\nVýstup=2\r\n',
         [('missing', 'Obrázok', 'Výstup')], encoding='utf-16-le')
    case('invalid', 'utf-8-names-do-not-match.ini', '[Obrázok]\r\nVýstup=2\r\n',
         [('missing', 'Obrázok', 'Výstup')], encoding='utf-8')
    case('invalid', 'keys-before-any-section.ini', 'Výstup=2\r\nZámok=0\r\n',
         [('missing', 'Obrázok', 'Výstup'), ('missing', '', 'Výstup')])
    case('invalid', 'section-header-never-closed.ini', '[Obrázok\r\nVýstup=2\r\n',
         [('missing', 'Obrázok', 'Výstup')])
    case('invalid', 'nul-bytes-inside-names.ini', b'[Obr\0\xe1zok]\r\nV\0\xfdstup=2\r\n',
         [('missing', 'Obrázok', 'Výstup')])


# ---------------------------------------------------------------------------------------- tree

def make_tree():
    f = Folder('tree')

    def case(kind, name, data, nodes=None, error=None):
        data = data.encode('cp1250') if isinstance(data, str) else data
        f.write(kind, name, data)
        if error is not None:
            text = error + '\n'
        else:
            text = ''.join('%d\t%d\t%s\n' % (i, depth, caption)
                           for i, (depth, caption) in enumerate(nodes))
        f.write_text(kind, os.path.splitext(name)[0] + '.nodes', text)

    case('valid', 'tree-tabs-crlf-and-diacritics.trv',
         'GALÉRIA\r\n\tZARIADENIA\r\n\t\tPEVNÝ DISK\r\n\t\tĎALŠIE ZARIADENIA\r\n'
         '\tTELEFÓN\r\n',
         [(0, 'GALÉRIA'), (1, 'ZARIADENIA'), (2, 'PEVNÝ DISK'), (2, 'ĎALŠIE ZARIADENIA'),
          (1, 'TELEFÓN')])
    case('valid', 'tree-leading-spaces-count-as-tabs.trv', 'A\r\n B\r\n \tC\r\n\t D\r\n',
         [(0, 'A'), (1, 'B'), (2, 'C'), (2, 'D')])
    case('valid', 'tree-climbs-back-three-levels.trv', 'A\n\tB\n\t\tC\n\t\t\tD\nE\n\tF',
         [(0, 'A'), (1, 'B'), (2, 'C'), (3, 'D'), (0, 'E'), (1, 'F')])
    case('valid', 'tree-lone-carriage-returns-end-lines.trv', 'A\r\tB\r\r\tC\r',
         [(0, 'A'), (1, 'B'), (0, ''), (1, 'C')])
    case('valid', 'tree-empty-line-is-a-node.trv', 'A\r\n\r\n\tB\r\n',
         [(0, 'A'), (0, ''), (1, 'B')])
    case('valid', 'tree-caption-keeps-inner-tabs-and-spaces.trv', 'A\r\n\tB C\tD \r\n',
         [(0, 'A'), (1, 'B C\tD ')])
    case('valid', 'tree-unassigned-byte-becomes-replacement-character.trv',
         b'A\r\n\tZL\x81\xc9\r\n', [(0, 'A'), (1, 'ZL\ufffdÉ')])
    case('valid', 'tree-empty-file.trv', b'', [])
    case('invalid', 'tree-jump-two-levels.trv', 'A\r\n\tB\r\n\t\t\tC\r\n',
         error='line 3: it is 2 levels deeper than the line before it')
    case('invalid', 'tree-first-line-indented.trv', '\tA\r\nB\r\n',
         error='line 1: the first line is indented 1 level')
    case('invalid', 'tree-spaces-jump-after-top-line.trv', 'A\r\n  B\r\n',
         error='line 2: it is 2 levels deeper')
    case('invalid', 'tree-binary-with-nul-bytes.trv',
         bytes(random.Random(5).randrange(256) for _ in range(600)) + b'\0' * 16,
         error='holds a NUL byte')
    case('invalid', 'tree-deeper-than-100-levels.trv',
         ''.join('\t' * d + 'L%d\r\n' % d for d in range(102)),
         error='line 102: it is 101 levels deep')


if __name__ == '__main__':
    make_bmp()
    make_jpeg()
    make_png()
    make_iko()
    make_pack()
    make_ini()
    make_tree()
