#!/usr/bin/env python3
"""Draws the program icon for the desktop's icon theme and writes it as PNG
files at the theme's sizes and as one SVG file.

Standard library only. Every run writes the same bytes, so the files can be
regenerated at any time and compared with what is in the repository.

    python3 packaging/icons/make_icons.py [output-folder]

The design is the one of the window icon (tools/art/make_art.py): a white
speech balloon with a navy outline, a silver shade along its lower right and a
blue question mark with a navy shadow. The 16 and 32 pixel pictures are the
window icon's own hand-placed pixels; the other sizes are drawn from the same
shapes, scaled, with smooth edges.

Files written, under hicolor/:
  NxN/apps/<id>.png   for N in 16 22 24 32 48 64 128 256
  scalable/apps/<id>.svg
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools", "art"))
import make_art  # noqa: E402  (the window icon's pixels and palette)

ICON_ID = "example.wlk_velde.Woordorakelaar"
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

NAVY = (0, 0, 128)
WHITE = (255, 255, 255)
SILVER = (192, 192, 192)
BLUE = (0, 0, 255)

# The shapes, in the 32-unit grid of the window icon.
BALLOON = (16.0, 13.5, 14.6, 11.6)                  # centre x, y; radii x, y
TAIL = ((5.0, 30.5), (15.0, 23.5), (8.0, 20.0))     # tip first
SHADE_OFFSET = 1.6                                  # how far the shade reaches
QUESTION_ARC = (16.0, 10.2, 3.6, 180.0, 390.0)      # centre, radius, from, to (degrees)
QUESTION_TAIL = ((16.5, 14.2), (16.5, 15.6))        # from the arc's end down the stem
QUESTION_HALF_WIDTH = 1.4
QUESTION_DOT = (16.5, 18.0, 1.5)
SHADOW_OFFSET = 1.0


# ---------------------------------------------------------------------------
# Shapes
# ---------------------------------------------------------------------------

def in_balloon(x, y):
    cx, cy, rx, ry = BALLOON
    if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
        return True
    return make_art._in_triangle(x, y, *TAIL)


def question_polyline():
    cx, cy, r, a0, a1 = QUESTION_ARC
    steps = 28
    pts = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts + list(QUESTION_TAIL)


QUESTION = question_polyline()
QUESTION_BOX = (min(p[0] for p in QUESTION) - 2, min(p[1] for p in QUESTION) - 2,
                max(p[0] for p in QUESTION) + 2, QUESTION_DOT[1] + QUESTION_DOT[2] + 2)


def in_question(x, y):
    x0, y0, x1, y1 = QUESTION_BOX
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    dx, dy, dr = QUESTION_DOT
    if math.hypot(x - dx, y - dy) <= dr:
        return True
    for (ax, ay), (bx, by) in zip(QUESTION, QUESTION[1:]):
        if make_art.dist_to_segment(x, y, ax, ay, bx, by) <= QUESTION_HALF_WIDTH:
            return True
    return False


def scene(x, y, outline):
    """Colour at a point of the 32-unit grid, None outside the balloon."""
    if not in_balloon(x, y):
        return None
    if in_question(x, y):
        return BLUE
    if in_question(x - SHADOW_OFFSET, y - SHADOW_OFFSET):
        return NAVY
    d = outline * 0.7071
    for ox, oy in ((outline, 0), (-outline, 0), (0, outline), (0, -outline),
                   (d, d), (d, -d), (-d, d), (-d, -d)):
        if not in_balloon(x + ox, y + oy):
            return NAVY
    if not in_balloon(x + SHADE_OFFSET, y + SHADE_OFFSET):
        return SILVER
    return WHITE


def draw_smooth(size):
    """RGBA rows, supersampled; the outline is never thinner than a pixel."""
    unit = 32.0 / size
    outline = max(1.0, unit * 0.8) if size > 32 else unit
    ss = 4 if size <= 128 else 3
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(ss):
                for sx in range(ss):
                    c = scene((px + (sx + 0.5) / ss) * unit, (py + (sy + 0.5) / ss) * unit, outline)
                    if c is None:
                        continue
                    covered += 1
                    for i in range(3):
                        acc[i] += c[i]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(round(a / covered)) for a in acc)
                           + (int(round(255 * covered / (ss * ss))),))
        rows.append(row)
    return rows


def draw_pixel_art(size):
    """The window icon's own pixels at 16 or 32."""
    if size == 16:
        pix = make_art.grid_to_vga(make_art.ICON16, 16)
    else:
        pix = make_art.draw_icon32()
    return [[(0, 0, 0, 0) if v is None else make_art.VGA16[v] + (255,) for v in row] for row in pix]


# ---------------------------------------------------------------------------
# Files
# ---------------------------------------------------------------------------

def png_bytes(rows):
    """An 8-bit RGBA PNG of rows, top to bottom."""
    return make_art.png_bytes(len(rows[0]), len(rows), rows, alpha=True)

def balloon_outline_path():
    """The balloon and its tail as one closed path: from the tail's tip along
    one side to the ellipse, the long way round the ellipse, back to the tip."""
    cx, cy, rx, ry = BALLOON
    tip = TAIL[0]

    def leave_point(towards):
        # where the side from the tip towards an inner point meets the ellipse
        lo, hi = 0.0, 1.0
        for _ in range(60):
            mid = (lo + hi) / 2
            x = tip[0] + (towards[0] - tip[0]) * mid
            y = tip[1] + (towards[1] - tip[1]) * mid
            if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                hi = mid
            else:
                lo = mid
        return (tip[0] + (towards[0] - tip[0]) * hi, tip[1] + (towards[1] - tip[1]) * hi)

    b = leave_point(TAIL[1])
    a = leave_point(TAIL[2])
    return ("M%.3f %.3f L%.3f %.3f A%.3f %.3f 0 1 0 %.3f %.3f Z"
            % (tip[0], tip[1], b[0], b[1], rx, ry, a[0], a[1]))


def svg_text():
    shape = balloon_outline_path()
    cx, cy, r, a0, a1 = QUESTION_ARC
    start = (cx + r * math.cos(math.radians(a0)), cy + r * math.sin(math.radians(a0)))
    end = (cx + r * math.cos(math.radians(a1)), cy + r * math.sin(math.radians(a1)))
    large = 1 if (a1 - a0) % 360 > 180 else 0
    question = ("M%.3f %.3f A%.3f %.3f 0 %d 1 %.3f %.3f L%.3f %.3f L%.3f %.3f"
                % (start[0], start[1], r, r, large, end[0], end[1],
                   QUESTION_TAIL[0][0], QUESTION_TAIL[0][1], QUESTION_TAIL[1][0], QUESTION_TAIL[1][1]))
    dx, dy, dr = QUESTION_DOT

    def glyph(colour, offset):
        return ('    <g transform="translate(%g %g)" fill="%s" stroke="%s">\n'
                '      <path d="%s" fill="none" stroke-width="%g" stroke-linecap="round" stroke-linejoin="round"/>\n'
                '      <circle cx="%g" cy="%g" r="%g" stroke="none"/>\n'
                '    </g>\n' % (offset, offset, colour, colour, question, 2 * QUESTION_HALF_WIDTH, dx, dy, dr))

    def hexcolour(c):
        return "#%02x%02x%02x" % c

    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32">\n'
            '  <title>Woordorakelaar</title>\n'
            '  <defs>\n'
            '    <clipPath id="balloon"><path d="%s"/></clipPath>\n'
            '  </defs>\n'
            '  <g clip-path="url(#balloon)">\n'
            '    <path d="%s" fill="%s"/>\n'
            '    <path d="%s" fill="%s" transform="translate(%g %g)"/>\n'
            '    <path d="%s" fill="none" stroke="%s" stroke-width="2"/>\n'
            '%s%s'
            '  </g>\n'
            '</svg>\n'
            % (shape, shape, hexcolour(SILVER), shape, hexcolour(WHITE), -SHADE_OFFSET, -SHADE_OFFSET,
               shape, hexcolour(NAVY),
               glyph(hexcolour(NAVY), SHADOW_OFFSET), glyph(hexcolour(BLUE), 0)))


def main(argv):
    out_dir = argv[1] if len(argv) > 1 else os.path.join(HERE, "hicolor")
    out_dir = os.path.normpath(out_dir)
    files = {}
    for size in SIZES:
        rows = draw_pixel_art(size) if size in (16, 32) else draw_smooth(size)
        files["%dx%d/apps/%s.png" % (size, size, ICON_ID)] = png_bytes(rows)
    files["scalable/apps/%s.svg" % ICON_ID] = svg_text().encode("utf-8")
    for name, data in files.items():
        path = os.path.join(out_dir, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        print("%-60s %7d bytes" % (path, len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
