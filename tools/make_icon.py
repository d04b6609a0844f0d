#!/usr/bin/env python3
"""Writes res/tarnvik.ico: one 32x32 8-bit palette image, a blue speech
bubble with three dots on a transparent background.

Usage: make_icon.py [OUTPUT]   (default: res/tarnvik.ico beside tools/)
The output is byte-for-byte the same on every run.
"""
import os
import struct
import sys

SIZE = 32

# Palette index -> (R, G, B). Index 0 sits under the transparent pixels.
COLOURS = {
    0: (0x00, 0x00, 0x00),
    1: (0x1A, 0x33, 0x80),  # outline
    2: (0x3C, 0x82, 0xDC),  # fill
    3: (0x7E, 0xB8, 0xF0),  # upper highlight
    4: (0xFF, 0xFF, 0xFF),  # dots
    5: (0x12, 0x24, 0x5C),  # shading under the dots
}
TRANSPARENT, OUTLINE, FILL, LIGHT, DOT, DOT_SHADE = range(6)


def in_round_rect(x, y, left, top, right, bottom, r):
    """Pixel centre (x+.5, y+.5) inside the rounded rectangle?"""
    cx, cy = x + 0.5, y + 0.5
    if not (left <= cx <= right and top <= cy <= bottom):
        return False
    nx = min(max(cx, left + r), right - r)
    ny = min(max(cy, top + r), bottom - r)
    return (cx - nx) ** 2 + (cy - ny) ** 2 <= r * r


def in_triangle(x, y, a, b, c):
    px, py = x + 0.5, y + 0.5

    def side(p, q):
        return (q[0] - p[0]) * (py - p[1]) - (q[1] - p[1]) * (px - p[0])

    d1, d2, d3 = side(a, b), side(b, c), side(c, a)
    neg = d1 < 0 or d2 < 0 or d3 < 0
    pos = d1 > 0 or d2 > 0 or d3 > 0
    return not (neg and pos)


def in_bubble(x, y):
    if not (0 <= x < SIZE and 0 <= y < SIZE):
        return False
    return (in_round_rect(x, y, 1.5, 3.0, 30.5, 22.5, 7.0)
            or in_triangle(x, y, (7.0, 20.0), (15.0, 20.0), (4.5, 29.5)))


def in_dot(x, y, cx, cy, r=2.6):
    return (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r


def draw():
    """Returns rows top to bottom of palette indices."""
    dots = [(9.0, 13.0), (16.0, 13.0), (23.0, 13.0)]
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if not in_bubble(x, y):
                row.append(TRANSPARENT)
            elif not all(in_bubble(x + dx, y + dy)
                         for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                row.append(OUTLINE)
            elif any(in_dot(x, y, cx, cy) for cx, cy in dots):
                row.append(DOT)
            elif any(in_dot(x, y, cx, cy + 1.0) for cx, cy in dots):
                row.append(DOT_SHADE)
            elif y <= 7:
                row.append(LIGHT)
            else:
                row.append(FILL)
        rows.append(row)
    return rows


def build_ico(rows):
    palette = b"".join(
        struct.pack("<BBBB", b, g, r, 0)
        for r, g, b in (COLOURS.get(i, (0, 0, 0)) for i in range(256)))
    # Bitmaps are stored bottom-up.
    xor = b"".join(bytes(row) for row in reversed(rows))
    mask = bytearray()
    for row in reversed(rows):
        bits = 0
        for x, idx in enumerate(row):
            if idx == TRANSPARENT:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    # biHeight covers the colour bitmap plus the mask.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 256, 0)
    image = header + palette + xor + bytes(mask)
    icondir = struct.pack("<HHH", 0, 1, 1)
    # Colour count 0 means 256 colours.
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return icondir + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "res", "tarnvik.ico")
    data = build_ico(draw())
    assert len(data) == 2238, len(data)
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
