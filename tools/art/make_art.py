#!/usr/bin/env python3
"""Draws the small pictures of Woordorakelaar and writes them to resources/.

Standard library only. Every run writes the same bytes, so the files can be
regenerated at any time and compared with what is in the repository.

    python3 tools/art/make_art.py [output-folder]

Pictures written:
  tip.gif             the tip picture beside "F3 om te zoeken" (magnifying glass)
  woordorakelaar.ico  the program icon, 32x32 and 16x16 (speech balloon with "?")
  about.bmp           the background of the About window
  link.cur            the pointing-hand cursor shown over links in an entry

and, for high-DPI screens, the same pictures drawn at twice the size:
  tip@2x.gif, woordorakelaar-64.png, about@2x.png, link@2x.png
"""

import math
import os
import struct
import sys
import zlib


# ---------------------------------------------------------------------------
# Small helpers
# ---------------------------------------------------------------------------

def clamp(v, lo, hi):
    return lo if v < lo else hi if v > hi else v


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    """Colour between c1 (t=0) and c2 (t=1)."""
    return tuple(lerp(a, b, t) for a, b in zip(c1, c2))


def dist_to_segment(px, py, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    if length2 == 0:
        return math.hypot(px - x0, py - y0)
    t = clamp(((px - x0) * dx + (py - y0) * dy) / length2, 0.0, 1.0)
    return math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))


def quad_bezier(p0, p1, p2, steps=24):
    pts = []
    for i in range(steps + 1):
        t = i / steps
        a, b, c = (1 - t) * (1 - t), 2 * (1 - t) * t, t * t
        pts.append((a * p0[0] + b * p1[0] + c * p2[0],
                    a * p0[1] + b * p1[1] + c * p2[1]))
    return pts


def parse_grid(rows, width, height):
    """Turns a list of strings into a list of rows of characters, checking size."""
    if len(rows) != height:
        raise ValueError("grid has %d rows, expected %d" % (len(rows), height))
    for i, row in enumerate(rows):
        if len(row) != width:
            raise ValueError("grid row %d has %d columns, expected %d" % (i, len(row), width))
    return [list(row) for row in rows]


# ---------------------------------------------------------------------------
# GIF (the tip picture)
# ---------------------------------------------------------------------------

class _BitWriter:
    """Packs variable-width codes least significant bit first, as GIF wants."""

    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.nbits = 0

    def write(self, code, width):
        self.acc |= code << self.nbits
        self.nbits += width
        while self.nbits >= 8:
            self.out.append(self.acc & 0xFF)
            self.acc >>= 8
            self.nbits -= 8

    def finish(self):
        if self.nbits:
            self.out.append(self.acc & 0xFF)
            self.acc = 0
            self.nbits = 0
        return bytes(self.out)


def lzw_encode(indices, min_code_size):
    """Variable-width LZW as used in GIF image data.

    The code width grows exactly when a decoder's table reaches the next power
    of two; when the table is full (4096 codes) a clear code starts afresh.
    """
    clear = 1 << min_code_size
    end = clear + 1
    writer = _BitWriter()

    def reset():
        return {}, end + 1, min_code_size + 1

    table, next_code, width = reset()
    writer.write(clear, width)
    if not indices:
        writer.write(end, width)
        return writer.finish()

    prefix = indices[0]
    for k in indices[1:]:
        key = (prefix, k)
        found = table.get(key)
        if found is not None:
            prefix = found
            continue
        writer.write(prefix, width)
        # The decoder adds its entry one code later than we do, so the width
        # grows after the code that made the table reach the power of two.
        if next_code >= (1 << width) and width < 12:
            width += 1
        if next_code < 4096:
            table[key] = next_code
            next_code += 1
        else:
            writer.write(clear, width)
            table, next_code, width = reset()
        prefix = k
    writer.write(prefix, width)
    if next_code >= (1 << width) and width < 12:
        width += 1
    writer.write(end, width)
    return writer.finish()


def gif_bytes(width, height, palette, indices):
    """A single-image GIF89a with a global colour table and no transparency."""
    if len(indices) != width * height:
        raise ValueError("pixel count does not match the picture size")
    bits = 1
    while (1 << bits) < len(palette):
        bits += 1
    table = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
    if max(indices) >= len(palette):
        raise ValueError("pixel index outside the palette")

    out = bytearray(b"GIF89a")
    # logical screen: global table present, 8-bit colour resolution
    out += struct.pack("<HHBBB", width, height, 0x80 | 0x70 | (bits - 1), 0, 0)
    for r, g, b in table:
        out += bytes((r, g, b))
    # image descriptor: whole screen, no local table, not interlaced
    out += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    min_code_size = max(2, bits)
    out.append(min_code_size)
    data = lzw_encode(indices, min_code_size)
    for i in range(0, len(data), 255):
        block = data[i:i + 255]
        out.append(len(block))
        out += block
    out.append(0)      # end of image data
    out.append(0x3B)   # trailer
    return bytes(out)


def png_bytes(width, height, rows, alpha=False):
    """An 8-bit RGB (or RGBA) PNG; rows holds tuples top to bottom."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = bytearray()
    for row in rows:
        raw.append(0)   # no filter
        for pixel in row:
            raw += bytes(pixel)
    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


TIP_BACKGROUND = (255, 255, 192)  # the yellow of the tip box


def draw_tip_pixels(scale=1):
    """The magnifying glass for the tip box: 19 x 18 indices plus palette
    (times `scale` in each direction).

    Drawn with 4x4 supersampling and then mapped to a small fixed palette, so
    the round lens gets soft edges against the yellow without transparency.
    """
    width, height = 19 * scale, 18 * scale
    outline = (44, 52, 78)
    ring = (92, 106, 138)
    glass_hi = (236, 246, 255)
    glass_lo = (178, 208, 240)
    shine = (255, 255, 255)
    wood = (170, 96, 40)
    wood_dark = (104, 56, 22)
    wood_light = (214, 146, 80)

    cx, cy = 7.3, 7.3        # lens centre
    r_out, r_in = 6.3, 4.7   # frame of the lens
    # handle: from just outside the lens towards the lower right corner
    hx0, hy0, hx1, hy1 = 12.6, 12.6, 16.9, 16.9
    h_radius = 1.75

    def scene(x, y):
        d = math.hypot(x - cx, y - cy)
        if d <= r_in:
            # glass: lighter at the upper left, with a curved shine
            t = clamp(((x - cx) + (y - cy)) / (2 * r_in) + 0.5, 0.0, 1.0)
            colour = mix(glass_hi, glass_lo, t)
            ang = math.degrees(math.atan2(y - cy, x - cx))
            if 2.4 <= d <= 3.5 and -170 <= ang <= -105:
                colour = shine
            return colour
        if d <= r_out:
            # the frame: dark edge outside, a lighter band inside
            return ring if d <= r_out - 1.0 and d >= r_in + 0.5 else outline
        hd = dist_to_segment(x, y, hx0, hy0, hx1, hy1)
        if hd <= h_radius:
            if hd > h_radius - 0.8:
                return wood_dark
            # light streak along the upper-left side of the handle
            side = (x - hx0) * 0.7071 - (y - hy0) * 0.7071
            return wood_light if side < -0.35 else wood
        # short neck between lens and handle
        if dist_to_segment(x, y, cx + 4.6, cy + 4.6, hx0, hy0) <= 1.1:
            return outline
        return TIP_BACKGROUND

    base = [TIP_BACKGROUND, outline, ring, glass_hi, glass_lo, shine,
            wood, wood_dark, wood_light]
    blends = [mix(TIP_BACKGROUND, outline, 0.3), mix(TIP_BACKGROUND, outline, 0.6),
              mix(TIP_BACKGROUND, wood_dark, 0.5), mix(outline, glass_lo, 0.5),
              mix(ring, glass_hi, 0.5), mix(glass_lo, shine, 0.5),
              mix(outline, wood_dark, 0.5)]
    palette = [tuple(int(round(c)) for c in col) for col in base + blends]
    assert len(palette) <= 16

    ss = 4
    indices = []
    for py in range(height):
        for px in range(width):
            acc = [0.0, 0.0, 0.0]
            for sy in range(ss):
                for sx in range(ss):
                    c = scene((px + (sx + 0.5) / ss) / scale, (py + (sy + 0.5) / ss) / scale)
                    for i in range(3):
                        acc[i] += c[i]
            avg = [a / (ss * ss) for a in acc]
            best = min(range(len(palette)),
                       key=lambda i: sum((palette[i][k] - avg[k]) ** 2 for k in range(3)))
            indices.append(best)
    return width, height, palette, indices


# ---------------------------------------------------------------------------
# ICO / CUR (program icon and link cursor)
# ---------------------------------------------------------------------------

# The standard 16-colour VGA palette in the order Windows uses for 4-bit DIBs.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# Letters used in the hand-drawn grids below; '.' is transparent.
VGA_LETTERS = {
    "K": 0,    # black
    "M": 1,    # maroon
    "O": 3,    # olive
    "N": 4,    # navy
    "T": 6,    # teal
    "S": 7,    # silver
    "G": 8,    # grey
    "R": 9,    # red
    "Y": 11,   # yellow
    "B": 12,   # blue
    "C": 14,   # cyan
    "W": 15,   # white
}


def dib_entry(width, height, bpp, palette, pixels):
    """One icon/cursor image: BITMAPINFOHEADER, palette, XOR bits, AND mask.

    pixels holds rows top to bottom; None means transparent. Transparent
    pixels get AND=1 and XOR=0 so the screen shows through unchanged.
    """
    def row_bytes(bits_per_row):
        return ((bits_per_row + 31) // 32) * 4

    xor_stride = row_bytes(width * bpp)
    and_stride = row_bytes(width)
    xor = bytearray()
    mask = bytearray()
    for y in range(height - 1, -1, -1):   # bottom-up
        row = pixels[y]
        xbits = bytearray(xor_stride)
        mbits = bytearray(and_stride)
        for x, value in enumerate(row):
            index = 0 if value is None else value
            if value is None:
                mbits[x // 8] |= 0x80 >> (x % 8)
            bit = x * bpp
            shift = 8 - bpp - (bit % 8)
            xbits[bit // 8] |= index << shift
        xor += xbits
        mask += mbits
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bpp, 0,
                         len(xor) + len(mask), 0, 0, len(palette), 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + pal + bytes(xor) + bytes(mask)


def icon_file(kind, images):
    """kind 1 = icon, 2 = cursor. images: (width, height, ncolours, a, b, data)
    where a/b are planes/bit count for an icon or the hot spot for a cursor."""
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    for w, h, ncol, a, b, data in images:
        out += struct.pack("<BBBBHHII", w & 0xFF, h & 0xFF, ncol & 0xFF, 0,
                           a, b, len(data), offset)
        offset += len(data)
    for image in images:
        out += image[5]
    return bytes(out)


def grid_to_vga(rows, size):
    grid = parse_grid(rows, size, size)
    return [[None if ch == "." else VGA_LETTERS[ch] for ch in row] for row in grid]


# The bold question mark of the 32 x 32 icon, also drawn twice as large.
QUESTION_MARK = [
    "...####...",
    ".########.",
    ".###..###.",
    "###....###",
    ".......###",
    "......###.",
    ".....###..",
    "....###...",
    "....###...",
    "....###...",
    "..........",
    "....###...",
    "....###...",
]


# 16 x 16: a speech balloon with a question mark, drawn pixel by pixel so it
# stays crisp at the size of a title bar or a task bar button.
ICON16 = [
    "................",
    "...NNNNNNNNNN...",
    "..NWWWWWWWWWWN..",
    ".NWWWWBBBBWWWWN.",
    ".NWWWBBWWBBWWWN.",
    ".NWWWWWWWBBWWSN.",
    ".NWWWWWWBBWWWSN.",
    ".NWWWWWBBWWWWSN.",
    ".NWWWWWBBWWWWSN.",
    ".NWWWWWWWWWWWSN.",
    ".NWWWWWBBWWWSSN.",
    "..NWWWWBBWWSSN..",
    "...NNWWNNNNNN...",
    "....NWWN........",
    "....NWN.........",
    "....NN..........",
]


def draw_icon32():
    """32 x 32: the same balloon, shaded, with a bold question mark."""
    size = 32
    cx, cy, rx, ry = 16.0, 13.5, 14.6, 11.6

    def inside(x, y):
        px, py = x + 0.5, y + 0.5
        if ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0:
            return True
        # the tail of the balloon, pointing to the lower left
        return _in_triangle(px, py, (8.0, 20.0), (15.0, 23.5), (5.0, 30.5))

    shape = [[inside(x, y) for x in range(size)] for y in range(size)]

    def filled(x, y):
        return 0 <= x < size and 0 <= y < size and shape[y][x]

    pix = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if not shape[y][x]:
                continue
            edge = not (filled(x - 1, y) and filled(x + 1, y)
                        and filled(x, y - 1) and filled(x, y + 1))
            if edge:
                pix[y][x] = VGA_LETTERS["N"]
            elif not (filled(x + 2, y + 1) and filled(x + 1, y + 2)
                      and filled(x + 2, y + 2)):
                pix[y][x] = VGA_LETTERS["S"]   # shade along the lower right
            else:
                pix[y][x] = VGA_LETTERS["W"]

    question = QUESTION_MARK
    ox, oy = 11, 6
    # a navy shadow one pixel to the lower right, then the blue glyph
    for layer, (dx, dy) in (("N", (1, 1)), ("B", (0, 0))):
        for j, row in enumerate(question):
            for i, ch in enumerate(row):
                if ch == "#":
                    pix[oy + j + dy][ox + i + dx] = VGA_LETTERS[layer]
    return pix


def _in_triangle(px, py, a, b, c):
    def side(p, q, r):
        return (p[0] - r[0]) * (q[1] - r[1]) - (q[0] - r[0]) * (p[1] - r[1])
    p = (px, py)
    d1, d2, d3 = side(p, a, b), side(p, b, c), side(p, c, a)
    neg = d1 < 0 or d2 < 0 or d3 < 0
    pos = d1 > 0 or d2 > 0 or d3 > 0
    return not (neg and pos)


def icon64_png():
    """64 x 64: the balloon of the 32 x 32 image drawn at twice the size,
    with a one-pixel outline and soft shading, for high-DPI title bars."""
    size, s = 64, 2.0
    cx, cy, rx, ry = 16.0 * s, 13.5 * s, 14.6 * s, 11.6 * s
    tail = ((8.0 * s, 20.0 * s), (15.0 * s, 23.5 * s), (5.0 * s, 30.5 * s))

    def inside(px, py):
        if ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0:
            return True
        return _in_triangle(px, py, *tail)

    ss = 4
    cover = [[0.0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            n = sum(inside(x + (i + 0.5) / ss, y + (j + 0.5) / ss)
                    for j in range(ss) for i in range(ss))
            cover[y][x] = n / (ss * ss)

    def covered(x, y):
        return 0 <= x < size and 0 <= y < size and cover[y][x] > 0.5

    navy, blue = VGA16[4], VGA16[12]
    silver, white = VGA16[7], VGA16[15]
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            a = cover[y][x]
            if a == 0:
                row.append((0, 0, 0, 0))
                continue
            edge = not (covered(x - 1, y) and covered(x + 1, y)
                        and covered(x, y - 1) and covered(x, y + 1))
            if edge:
                colour = navy
            elif not (covered(x + 4, y + 2) and covered(x + 2, y + 4)
                      and covered(x + 4, y + 4)):
                colour = silver
            else:
                colour = white
            row.append(tuple(int(round(c)) for c in colour) + (int(round(255 * a)),))
        rows.append(row)

    question = QUESTION_MARK
    ox, oy = 22, 12
    for colour, (dx, dy) in ((navy, (2, 2)), (blue, (0, 0))):
        for j, line in enumerate(question):
            for i, ch in enumerate(line):
                if ch == "#":
                    for v in range(2):
                        for u in range(2):
                            rows[oy + 2 * j + v + dy][ox + 2 * i + u + dx] = colour + (255,)
    return png_bytes(size, size, rows, alpha=True)


def icon_bytes():
    big = draw_icon32()
    small = grid_to_vga(ICON16, 16)
    images = []
    for size, pix in ((32, big), (16, small)):
        data = dib_entry(size, size, 4, VGA16, pix)
        images.append((size, size, 16, 1, 4, data))
    return icon_file(1, images)


# The link cursor: a white pointing hand with a black outline. The tip of the
# index finger is the hot spot.
CURSOR_HOTSPOT = (13, 5)
CURSOR_HAND = [
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "............KKK.................",
    "...........KWWWK................",
    "...........KWWWK................",
    "...........KWWWK................",
    "...........KWWWK................",
    "...........KWWWKKK..............",
    "...........KWWWKWWKKK...........",
    "...........KWWWKWWKWWKKK........",
    "...........KWWWKWWKWWKWWK.......",
    ".......KK..KWWWKWWKWWKWWK.......",
    "......KWWK.KWWWWWWWWWWWWK.......",
    "......KWWWKKWWWWWWWWWWWWK.......",
    ".......KWWWKWWWWWWWWWWWWK.......",
    "........KWWWWWWWWWWWWWWWK.......",
    ".........KWWWWWWWWWWWWWWK.......",
    "..........KWWWWWWWWWWWWWK.......",
    "..........KWWWWWWWWWWWWK........",
    "...........KWWWWWWWWWWWK........",
    "...........KWWWWWWWWWWWK........",
    "............KWWWWWWWWWK.........",
    "............KWWWWWWWWWK.........",
    "............KKKKKKKKKKK.........",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
]


def cursor_bytes():
    grid = parse_grid(CURSOR_HAND, 32, 32)
    pix = [[None if ch == "." else (1 if ch == "W" else 0) for ch in row] for row in grid]
    data = dib_entry(32, 32, 1, [(0, 0, 0), (255, 255, 255)], pix)
    hx, hy = CURSOR_HOTSPOT
    return icon_file(2, [(32, 32, 2, hx, hy, data)])


def cursor2x_png():
    """The hand at twice the size, its outline one pixel thin, as a 64 x 64
    picture with transparency; the hot spot doubles to (26, 10)."""
    grid = parse_grid(CURSOR_HAND, 32, 32)

    def at(x, y):
        return grid[y][x] if 0 <= x < 32 and 0 <= y < 32 else "."

    rows = []
    for y in range(64):
        row = []
        for x in range(64):
            ch = at(x // 2, y // 2)
            if ch == ".":
                row.append((0, 0, 0, 0))
                continue
            if ch == "K":
                # An outline cell at the edge of the hand keeps its outer half.
                gx, gy = x // 2, y // 2
                ox = -1 if x % 2 == 0 else 1
                oy = -1 if y % 2 == 0 else 1
                outer = at(gx + ox, gy) == "." or at(gx, gy + oy) == "." or at(gx + ox, gy + oy) == "."
                inner = "W" in (at(gx - ox, gy), at(gx, gy - oy))
                if inner and not outer and any(at(gx + dx, gy + dy) == "."
                                               for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                    row.append((255, 255, 255, 255))
                    continue
                row.append((0, 0, 0, 255))
            else:
                row.append((255, 255, 255, 255))
        rows.append(row)
    return png_bytes(64, 64, rows, alpha=True)


# ---------------------------------------------------------------------------
# BMP (About window background)
# ---------------------------------------------------------------------------

BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


class Canvas:
    """Floating point RGB canvas with simple alpha painting."""

    def __init__(self, width, height):
        self.w = width
        self.h = height
        self.px = [[0.0, 0.0, 0.0] for _ in range(width * height)]

    def paint(self, x, y, colour, alpha):
        if alpha <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        p = self.px[y * self.w + x]
        for i in range(3):
            p[i] += (colour[i] - p[i]) * alpha

    def paint_coverage(self, coverage, colour, alpha):
        for (x, y), a in coverage.items():
            self.paint(x, y, colour, a * alpha)

    def dithered(self, x, y):
        r, g, b = self.px[y * self.w + x]
        d = (BAYER4[y & 3][x & 3] + 0.5) / 16.0   # ordered dither, no banding
        return (int(clamp(r + d, 0, 255)), int(clamp(g + d, 0, 255)), int(clamp(b + d, 0, 255)))

    def png_bytes(self):
        return png_bytes(self.w, self.h,
                         [[self.dithered(x, y) for x in range(self.w)] for y in range(self.h)])

    def bmp_bytes(self):
        stride = (self.w * 3 + 3) & ~3
        rows = bytearray()
        for y in range(self.h - 1, -1, -1):   # bottom-up
            row = bytearray()
            for x in range(self.w):
                r, g, b = self.px[y * self.w + x]
                d = (BAYER4[y & 3][x & 3] + 0.5) / 16.0   # ordered dither, no banding
                row += bytes((int(clamp(b + d, 0, 255)),
                              int(clamp(g + d, 0, 255)),
                              int(clamp(r + d, 0, 255))))
            row += bytes(stride - len(row))
            rows += row
        header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(rows), 0, 0, 14 + 40)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0,
                           len(rows), 2835, 2835, 0, 0)
        return header + info + bytes(rows)


def stroke(width, height, polylines, line_width):
    """Anti-aliased coverage of thick polylines; overlaps do not add up."""
    hw = line_width / 2.0
    cov = {}
    for pts in polylines:
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            xa = max(0, int(math.floor(min(x0, x1) - hw - 1)))
            xb = min(width - 1, int(math.ceil(max(x0, x1) + hw + 1)))
            ya = max(0, int(math.floor(min(y0, y1) - hw - 1)))
            yb = min(height - 1, int(math.ceil(max(y0, y1) + hw + 1)))
            for y in range(ya, yb + 1):
                for x in range(xa, xb + 1):
                    d = dist_to_segment(x + 0.5, y + 0.5, x0, y0, x1, y1)
                    a = clamp(hw + 0.5 - d, 0.0, 1.0)
                    if a > cov.get((x, y), 0.0):
                        cov[(x, y)] = a
    return cov


def ring_coverage(width, height, cx, cy, radius, line_width, x_from=0, y_from=0):
    hw = line_width / 2.0
    cov = {}
    for y in range(y_from, height):
        for x in range(x_from, width):
            d = abs(math.hypot(x + 0.5 - cx, y + 0.5 - cy) - radius)
            a = hw + 0.5 - d
            if a > 0:
                cov[(x, y)] = min(a, 1.0)
    return cov


def disc_coverage(width, height, cx, cy, radius):
    cov = {}
    for y in range(max(0, int(cy - radius - 1)), min(height, int(cy + radius + 2))):
        for x in range(max(0, int(cx - radius - 1)), min(width, int(cx + radius + 2))):
            a = radius + 0.5 - math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if a > 0:
                cov[(x, y)] = min(a, 1.0)
    return cov


def draw_about(s=1):
    """The About picture; at s = 2 every place, size and line is doubled."""
    W, H = 540 * s, 360 * s
    cv = Canvas(W, H)
    top = (243, 246, 251)
    bottom = (208, 220, 237)
    for y in range(H):
        for x in range(W):
            # mostly vertical, leaning a little towards the lower right
            t = clamp(0.78 * (y / (H - 1)) + 0.22 * (x / (W - 1)), 0.0, 1.0)
            t = t * t * (3 - 2 * t) * 0.6 + t * 0.4
            cv.px[y * W + x] = list(mix(top, bottom, t))

    # large soft disc and thin rings around a point beyond the lower right corner
    ccx, ccy = 575.0 * s, 415.0 * s
    cv.paint_coverage(disc_coverage(W, H, ccx, ccy, 165.0 * s), (180, 199, 226), 0.22)
    for radius in (120.0, 182.0, 244.0, 306.0):
        cv.paint_coverage(ring_coverage(W, H, ccx + 1.0 * s, ccy + 1.0 * s, radius * s, 1.4 * s,
                                        200 * s, 80 * s),
                          (150, 172, 206), 0.18)
        cv.paint_coverage(ring_coverage(W, H, ccx, ccy, radius * s, 1.4 * s, 200 * s, 80 * s),
                          (255, 255, 255), 0.55)

    # a stylised open book in the lower right, drawn in units of the small
    # picture and scaled when stroked
    sx, top_y, bot_y = 452.0, 262.0, 326.0
    half = 68.0
    polylines = []
    for side in (-1, 1):
        outer = sx + side * half
        polylines.append(quad_bezier((sx, top_y + 8), (sx + side * half * 0.45, top_y - 10),
                                     (outer, top_y + 2)))
        polylines.append([(outer, top_y + 2), (outer, bot_y - 6)])
        polylines.append(quad_bezier((outer, bot_y - 6), (sx + side * half * 0.45, bot_y - 18),
                                     (sx, bot_y)))
        # lines of text on the pages
        for k in range(4):
            off = 14 + k * 10
            inner_x = sx + side * 10
            outer_x = sx + side * (half - 12)
            lift = 6 if k < 3 else 5
            length = 1.0 if k != 3 else 0.6
            end_x = inner_x + (outer_x - inner_x) * length
            polylines.append(quad_bezier((inner_x, top_y + off + 4),
                                         ((inner_x + end_x) / 2, top_y + off - lift),
                                         (end_x, top_y + off)))
    polylines.append([(sx, top_y + 8), (sx, bot_y)])
    polylines = [[(x * s, y * s) for x, y in line] for line in polylines]
    book = stroke(W, H, polylines, 1.7 * s)
    cv.paint_coverage(book, (118, 142, 184), 0.42)

    # a few small sparkles above the book
    for (x, y, r) in ((420.0, 236.0, 2.2), (452.0, 222.0, 2.8), (486.0, 238.0, 1.8),
                      (437.0, 209.0, 1.4), (470.0, 204.0, 1.6)):
        cv.paint_coverage(disc_coverage(W, H, x * s, y * s, (r + 1.6) * s), (255, 255, 255), 0.35)
        cv.paint_coverage(disc_coverage(W, H, x * s, y * s, r * s), (255, 255, 255), 0.85)
    return cv


# ---------------------------------------------------------------------------

def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = argv[1] if len(argv) > 1 else os.path.join(here, "..", "..", "resources")
    out_dir = os.path.normpath(out_dir)
    os.makedirs(out_dir, exist_ok=True)

    w, h, palette, indices = draw_tip_pixels()
    w2, h2, palette2, indices2 = draw_tip_pixels(2)
    files = {
        "tip.gif": gif_bytes(w, h, palette, indices),
        "woordorakelaar.ico": icon_bytes(),
        "link.cur": cursor_bytes(),
        "about.bmp": draw_about().bmp_bytes(),
        "tip@2x.gif": gif_bytes(w2, h2, palette2, indices2),
        "woordorakelaar-64.png": icon64_png(),
        "link@2x.png": cursor2x_png(),
        "about@2x.png": draw_about(2).png_bytes(),
    }
    for name, data in files.items():
        path = os.path.join(out_dir, name)
        with open(path, "wb") as f:
            f.write(data)
        print("%-20s %7d bytes" % (path, len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
