#!/usr/bin/env python3
"""Draws the nine 16x16 menu pictures as one strip: a 144x16 32-bit BMP with
premultiplied alpha, the form menus take for item bitmaps.

Index: 0 closed orange book, 1 open book, 2 red push-pin, 3 pointing hand,
4..8 green bullets with the digits 1..5.

Usage: draw_menu_images.py OUT.bmp
"""
import math
import sys

from bmp import bmp_file

SIZE = 16
COUNT = 9
SUB = 4  # supersampling per axis for smooth edges


def coverage(inside, x, y):
    """Share of pixel (x, y) for which inside(px, py) holds."""
    hits = 0
    for i in range(SUB):
        for j in range(SUB):
            if inside(x + (i + 0.5) / SUB, y + (j + 0.5) / SUB):
                hits += 1
    return hits / (SUB * SUB)


def art(rows, palette):
    """Pixels from a 16-row string picture: '.' is clear."""
    assert len(rows) == SIZE and all(len(r) == SIZE for r in rows)
    def pixel(x, y):
        ch = rows[y][x]
        return None if ch == "." else (palette[ch], 1.0)
    return pixel


CLOSED_BOOK = art([
    "................",
    "...############.",
    "..#ooooooooooo#.",
    "..#oOOOOOOOOOo#.",
    "..#oOOyyyyyOOo#.",
    "..#oOOOOOOOOOo#.",
    "..#oOOyyyyOOOo#.",
    "..#oOOOOOOOOOo#.",
    "..#oOOOOOOOOOo#.",
    "..#oOOOOOOOOOo#.",
    "..#oOOOOOOOOOo#.",
    "..#oOOOOOOOOOo#.",
    "..#ooooooooooo#.",
    "..#wwwwwwwwwwww#",
    "...############.",
    "................",
], {"#": (120, 60, 0), "o": (230, 120, 20), "O": (250, 150, 40),
    "y": (255, 230, 120), "w": (250, 250, 240)})

OPEN_BOOK = art([
    "................",
    "................",
    ".###........###.",
    ".#ww###..###ww#.",
    ".#wbbww##wwbbw#.",
    ".#wwwbbw#bbwww#.",
    ".#wbbwww#wwbbw#.",
    ".#wwwbbw#bbwww#.",
    ".#wbbwww#wwbbw#.",
    ".#wwwbbw#bbwww#.",
    ".#wwwwww#wwwww#.",
    ".###wwww#wwww###",
    "....####.####...",
    "..BBBBBBBBBBBB..",
    "................",
    "................",
], {"#": (60, 60, 90), "w": (255, 255, 250), "b": (90, 120, 200), "B": (40, 70, 160)})

HAND = art([
    "................",
    "................",
    "................",
    "....####........",
    "..#ssss#########",
    ".#sssssssssssss#",
    ".#sssss########.",
    ".#ssss#sss#.....",
    ".#sssssss#......",
    ".#ssss#sss#.....",
    ".#sssssss#......",
    ".#ssss#sss#.....",
    "..#ssssss#......",
    "...######.......",
    "................",
    "................",
], {"#": (110, 60, 20), "s": (255, 210, 160)})

DIGITS = {
    1: ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    2: [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    3: [".###.", "#...#", "....#", "..##.", "....#", "#...#", ".###."],
    4: ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    5: ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
}


def push_pin(x, y):
    head = coverage(lambda px, py: (px - 10) ** 2 + (py - 6) ** 2 <= 20, x, y)
    if head:
        light = max(0.0, 1.0 - math.hypot(x - 8.5, y - 4.5) / 6)
        return ((int(200 + 55 * light), int(30 + 120 * light), int(30 + 120 * light)), head)
    # The needle, from under the head towards the bottom left.
    needle = coverage(lambda px, py: abs((px - 7) + (py - 9)) < 1.0 and 2 <= px <= 7, x, y)
    if needle:
        return ((110, 110, 120), needle)
    return None


def bullet(digit):
    glyph = DIGITS[digit]

    def pixel(x, y):
        disc = coverage(lambda px, py: (px - 8) ** 2 + (py - 8) ** 2 <= 56, x, y)
        if not disc:
            return None
        gx, gy = x - 6, y - 4
        if 0 <= gx < 5 and 0 <= gy < 7 and glyph[gy][gx] == "#":
            return ((255, 255, 255), disc)
        light = max(0.0, 1.0 - math.hypot(x - 5.5, y - 5.5) / 10)
        return ((int(20 + 90 * light), int(130 + 110 * light), int(40 + 80 * light)), disc)
    return pixel


PICTURES = [CLOSED_BOOK, OPEN_BOOK, push_pin, HAND] + [bullet(d) for d in range(1, 6)]


def strip_bytes():
    width = SIZE * COUNT
    pixels = bytearray()
    for y in reversed(range(SIZE)):  # bottom-up rows
        for x in range(width):
            found = PICTURES[x // SIZE](x % SIZE, y)
            if found is None:
                pixels += b"\0\0\0\0"
                continue
            (r, g, b), alpha = found
            a = round(255 * alpha)
            pixels += bytes((b * a // 255, g * a // 255, r * a // 255, a))
    return bmp_file(width, SIZE, 32, pixels)


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as f:
        f.write(strip_bytes())
