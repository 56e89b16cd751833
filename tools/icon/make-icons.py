#!/usr/bin/env python3
"""Draws the program's icon: a kestrel over a corner of the board (sea, a
coast and a supply centre), as a scalable SVG and as PNG pictures of the
icon theme's usual sizes, all from the one list of shapes below.

    python3 tools/icon/make-icons.py OUTPUT-FOLDER

writes OUTPUT-FOLDER/hicolor/scalable/apps/kestrane.svg and
OUTPUT-FOLDER/hicolor/NxN/apps/kestrane.png. Plain Python, no other
package: the PNG pictures are filled scanline by scanline with 4 x 4
samples a pixel, so their edges are smooth. The output is the same byte for
byte on every run; the build compares it with the committed data/icons.
"""
import math
import os
import struct
import sys
import zlib

CANVAS = 256
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SAMPLES = 4


def rounded_square(x0, y0, x1, y1, r, steps=12):
    """The outline of a square with rounded corners, as a polygon."""
    points = []
    corners = ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180))
    for cx, cy, start in corners:
        for i in range(steps + 1):
            a = math.radians(start + 90 * i / steps)
            points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def circle(cx, cy, r, steps=48):
    return [(cx + r * math.cos(2 * math.pi * i / steps), cy + r * math.sin(2 * math.pi * i / steps))
            for i in range(steps)]


# (name, colour, outline, clipped to the tile). Later shapes lie over earlier ones.
TILE = rounded_square(8, 8, 248, 248, 44)
SHAPES = [
    ("sea", "#1d5a86", TILE, False),
    ("coast", "#c9b27a", [(8, 160), (46, 142), (78, 156), (104, 134), (140, 150), (172, 128), (208, 140),
                          (248, 118), (248, 248), (8, 248)], True),
    ("centre-ring", "#202020", circle(78, 196, 25), True),
    ("centre", "#f4f4f4", circle(78, 196, 17), True),
    ("kestrel", "#b4532a", [(150, 50), (162, 64), (204, 46), (248, 40), (190, 76), (164, 90), (170, 130),
                            (150, 118), (130, 130), (136, 90), (110, 76), (52, 40), (96, 46), (138, 64)], False),
    ("kestrel-head", "#3a2a20", circle(150, 56, 11), False),
]


def svg_text():
    def path(points):
        return "M" + " L".join("%.2f,%.2f" % p for p in points) + " Z"
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (CANVAS, CANVAS, CANVAS, CANVAS),
             '  <title>Kestrane</title>',
             '  <defs><clipPath id="tile"><path d="%s"/></clipPath></defs>' % path(TILE)]
    for name, colour, points, clipped in SHAPES:
        clip = ' clip-path="url(#tile)"' if clipped else ''
        lines.append('  <path id="%s" fill="%s"%s d="%s"/>' % (name, colour, clip, path(points)))
    lines.append('</svg>')
    return "\n".join(lines) + "\n"


def coverage(points, size):
    """The share of each pixel that the polygon covers (even-odd rule)."""
    scale = size / CANVAS
    pts = [(x * scale, y * scale) for x, y in points]
    cover = [0.0] * (size * size)
    weight = 1.0 / SAMPLES
    edges = list(zip(pts, pts[1:] + pts[:1]))
    for sub in range(size * SAMPLES):
        y = (sub + 0.5) / SAMPLES
        xs = []
        for (xa, ya), (xb, yb) in edges:
            if (ya <= y < yb) or (yb <= y < ya):
                xs.append(xa + (y - ya) * (xb - xa) / (yb - ya))
        xs.sort()
        row = int(y) * size
        for left, right in zip(xs[0::2], xs[1::2]):
            left = max(0.0, left)
            right = min(float(size), right)
            if right <= left:
                continue
            first, last = int(left), min(size - 1, int(right))
            if first == last:
                cover[row + first] += (right - left) * weight
                continue
            cover[row + first] += (first + 1 - left) * weight
            for x in range(first + 1, last):
                cover[row + x] += weight
            cover[row + last] += (right - last) * weight
    return [min(1.0, c) for c in cover]


def render(size):
    """RGBA rows of the icon at size x size pixels."""
    red = [0.0] * (size * size)
    green = [0.0] * (size * size)
    blue = [0.0] * (size * size)
    alpha = [0.0] * (size * size)
    tile = coverage(TILE, size)
    for _name, colour, points, clipped in SHAPES:
        cr, cg, cb = (int(colour[i:i + 2], 16) / 255.0 for i in (1, 3, 5))
        cover = coverage(points, size)
        for i, a in enumerate(cover):
            if clipped:
                a *= tile[i]
            if a <= 0.0:
                continue
            # "Over" with premultiplied colours.
            red[i] = cr * a + red[i] * (1 - a)
            green[i] = cg * a + green[i] * (1 - a)
            blue[i] = cb * a + blue[i] * (1 - a)
            alpha[i] = a + alpha[i] * (1 - a)
    rows = []
    for y in range(size):
        row = bytearray([0])  # filter type: none
        for x in range(size):
            i = y * size + x
            a = alpha[i]
            if a <= 0.0:
                row += bytes(4)
                continue
            row += bytes((round(red[i] / a * 255), round(green[i] / a * 255), round(blue[i] / a * 255),
                          round(a * 255)))
        rows.append(bytes(row))
    return rows


def png_bytes(size, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(b"".join(rows), 9))
            + chunk(b"IEND", b""))


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: make-icons.py OUTPUT-FOLDER\n")
        return 2
    out = sys.argv[1]
    write(os.path.join(out, "hicolor", "scalable", "apps", "kestrane.svg"), svg_text().encode("ascii"))
    for size in SIZES:
        write(os.path.join(out, "hicolor", "%dx%d" % (size, size), "apps", "kestrane.png"),
              png_bytes(size, render(size)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
