#!/usr/bin/env python3
"""Draws the program icon (a flanged waveguide bend on a navy plate) as a 64 x 64
PNG: app/resources/MAINICON.png. Standard library only."""

import math
import os
import struct
import zlib

SIZE = 64
SAMPLES = 4  # per axis and pixel
DESIGN = SIZE * SAMPLES  # drawing coordinates: 0..256

NAVY_TOP = (0x24, 0x34, 0x96)
NAVY_BOTTOM = (0x08, 0x10, 0x50)
COPPER = (0xC8, 0x7A, 0x2E)
COPPER_LIGHT = (0xF0, 0xB8, 0x68)
FLANGE = (0xE8, 0xC0, 0x78)
EDGE = (0x40, 0x24, 0x08)

CX, CY = 64.0, 192.0  # centre of the bend
R_IN, R_OUT = 72.0, 140.0


def in_rounded_rect(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def in_rect(x, y, left, top, right, bottom):
    return left <= x <= right and top <= y <= bottom


def colour_at(x, y):
    """RGBA of one sample point, or None outside the plate."""
    if not in_rounded_rect(x, y, 6, 6, 250, 250, 44):
        return None
    t = y / DESIGN
    colour = tuple(round(a + (b - a) * t) for a, b in zip(NAVY_TOP, NAVY_BOTTOM))
    # The bend: a quarter ring to the upper right of its centre.
    dx, dy = x - CX, CY - y
    r = math.hypot(dx, dy)
    if dx >= 0 and dy >= 0 and R_IN <= r <= R_OUT:
        if r < R_IN + 5 or r > R_OUT - 5:
            colour = EDGE
        else:
            shine = 1 - abs((r - (R_IN + R_OUT) / 2) / ((R_OUT - R_IN) / 2))
            colour = tuple(round(a + (b - a) * shine) for a, b in zip(COPPER, COPPER_LIGHT))
    # The two flanges across the ends of the ring.
    for left, top, right, bottom in ((CX - 22, CY - R_OUT - 14, CX + 2, CY - R_IN + 14),
                                     (CX + R_IN - 14, CY - 2, CX + R_OUT + 14, CY + 22)):
        if in_rect(x, y, left, top, right, bottom):
            inner = in_rect(x, y, left + 5, top + 5, right - 5, bottom - 5)
            colour = FLANGE if inner else EDGE
    return colour + (255,)


def render():
    rows = []
    for py in range(SIZE):
        row = bytearray()
        for px in range(SIZE):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at(px * SAMPLES + sx + 0.5, py * SAMPLES + sy + 0.5)
                    if c is None:
                        continue
                    for i in range(3):
                        acc[i] += c[i] * c[3]
                    acc[3] += c[3]
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if acc[3]:
                rgb = [round(acc[i] / acc[3]) for i in range(3)]
            else:
                rgb = [0, 0, 0]
            row += bytes(rgb + [round(alpha)])
        rows.append(bytes(row))
    return rows


def write_png(path, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    target = os.path.join(root, "app", "resources", "MAINICON.png")
    write_png(target, render())
    print(target)
