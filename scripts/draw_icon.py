#!/usr/bin/env python3
"""Draws the program icon, a green pipe with an elbow, as a 32x32 24-bit .ico.

Usage: draw_icon.py OUT.ico
"""
import struct
import sys

SIZE = 32


def pipe_pixel(x, y):
    """Colour of the pipe at (x, y) from the top left, or None for clear."""
    # Horizontal run from the left, then an elbow turning down at the right.
    def shade(t):  # t in 0..1 across the pipe: lit from the top left
        light = 1.0 - abs(t - 0.35) * 1.6
        g = int(90 + 150 * max(0.0, light))
        return (int(g * 0.25), g, int(g * 0.35))

    flange = (0, 90, 30)
    # Flanges: a slightly wider dark ring at the open ends.
    if 1 <= x <= 3 and 9 <= y <= 22:
        return flange
    if 17 <= x <= 30 and 28 <= y <= 30:
        return flange
    if 4 <= x <= 20 and 10 <= y <= 21:
        return shade((y - 10) / 11)
    if 18 <= x <= 29 and 10 <= y <= 27:
        # The bend: shade by distance from the elbow's inner corner.
        if y <= 21 and x <= 20:
            return shade((y - 10) / 11)
        return shade((x - 18) / 11)
    return None


def icon_bytes():
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bottom-up rows
        bits = 0
        for x in range(SIZE):
            c = pipe_pixel(x, y)
            if c is None:
                xor += b"\0\0\0"
                bits = (bits << 1) | 1
            else:
                r, g, b = c
                xor += bytes((b, g, r))
                bits <<= 1
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as f:
        f.write(icon_bytes())
