#!/usr/bin/env python3
"""Draws the about box picture, a lake with mountains behind, as a 65x57
24-bit BMP.

Usage: draw_about_picture.py OUT.bmp
"""
import math
import sys

from bmp import bmp_file

WIDTH, HEIGHT = 65, 57
SHORE = 36  # first row of the lake


def mix(a, b, t):
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


def ridge(x, base, peaks):
    """Height of a mountain ridge above row `base` at column x."""
    return base - max(h * max(0.0, 1 - abs(x - c) / w) for c, h, w in peaks)


FAR = [(14, 22, 16), (40, 28, 20), (60, 18, 12)]
NEAR = [(5, 12, 14), (28, 16, 14), (52, 10, 16)]


def land(x, y):
    """Colour above the shore: sky, far snowy range, near green hills."""
    far_top = ridge(x, SHORE, FAR)
    near_top = ridge(x, SHORE, NEAR)
    if y >= near_top:
        return mix((70, 120, 60), (30, 80, 40), (y - near_top) / max(1, SHORE - near_top))
    if y >= far_top:
        if y < far_top + 4 and far_top < SHORE - 16:
            return (240, 244, 250)  # snow on the high peaks
        return mix((110, 120, 150), (80, 90, 120), (y - far_top) / max(1, SHORE - far_top))
    return mix((120, 170, 230), (210, 230, 250), y / SHORE)


def pixel(x, y):
    if y < SHORE:
        return land(x, y)
    # The lake mirrors the land, darker and rippled, deeper towards the front.
    depth = (y - SHORE) / (HEIGHT - SHORE)
    mirror_y = SHORE - 1 - (y - SHORE) - int(1.5 * math.sin(x * 0.7 + y))
    reflected = land(x, max(0, mirror_y))
    return mix(mix(reflected, (40, 90, 140), 0.45), (20, 50, 90), depth * 0.6)


def bitmap_bytes():
    stride = (WIDTH * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(HEIGHT)):
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        pixels += row + b"\0" * (stride - len(row))
    return bmp_file(WIDTH, HEIGHT, 24, pixels)


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as f:
        f.write(bitmap_bytes())
