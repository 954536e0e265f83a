#!/usr/bin/env python3
"""Draws the lists page's strip of brush tips (eight 30 x 30 cells, 240 x 30) beside this script.

    python3 ListsPage_brushes.py           write ListsPage_brushes.bmp
    python3 ListsPage_brushes.py --check   compare with the file on disk, write nothing

Standard library only (plus the raster helpers of ostrel/res/make_pictures.py); the output is the
same byte for byte on every run. Each tip is dark ink on white and keeps the cell's corners white,
which the bitmap list shades when the cell is selected.
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "ostrel", "res"))
from make_pictures import Canvas, bmp24, mix, write_or_check  # noqa: E402

CELL = 30
INK = (44, 48, 58)
PAPER = (255, 255, 255)


def lcg(seed):
    state = [seed]

    def next_value():
        state[0] = (state[0] * 1103515245 + 12345) & 0x7FFFFFFF
        return state[0] / 0x7FFFFFFF
    return next_value


def hard_round(dx, dy):
    return 1.0 if math.hypot(dx, dy) <= 9.0 else 0.0


def soft_round(dx, dy):
    r = math.hypot(dx, dy)
    return 0.0 if r > 12.0 else math.exp(-(r * r) / 40.0)


def square(dx, dy):
    return 1.0 if abs(dx) <= 8.0 and abs(dy) <= 8.0 else 0.0


def flat(dx, dy):
    """A calligraphy nib: a thin ellipse at 45 degrees."""
    u, v = (dx + dy) / math.sqrt(2.0), (dx - dy) / math.sqrt(2.0)
    return 1.0 if (u / 11.5) ** 2 + (v / 3.2) ** 2 <= 1.0 else 0.0


SPRAY = [(lambda r, a: (r * math.cos(a), r * math.sin(a)))(11.0 * math.sqrt(n()), 2 * math.pi * n())
         for n in [lcg(7)] for _ in range(70)]


def spray(dx, dy):
    return 1.0 if any(math.hypot(dx - x, dy - y) <= 0.9 for x, y in SPRAY) else 0.0


def star(dx, dy):
    a = math.atan2(dy, dx) + math.pi / 2
    r = math.hypot(dx, dy)
    k = (a % (2 * math.pi / 5)) / (2 * math.pi / 5)
    edge = 4.5 + 6.5 * abs(1 - 2 * k)
    return 1.0 if r <= edge else 0.0


CHALK = lcg(11)
CHALK_HOLES = [(CHALK() * 18 - 9, CHALK() * 18 - 9) for _ in range(26)]


def chalk(dx, dy):
    a = math.atan2(dy, dx)
    rim = 9.5 + 1.3 * math.sin(7 * a) + 0.8 * math.sin(13 * a + 1.0)
    if math.hypot(dx, dy) > rim:
        return 0.0
    return 0.0 if any(math.hypot(dx - x, dy - y) <= 1.1 for x, y in CHALK_HOLES) else 1.0


def leaf(dx, dy):
    u, v = (dx - dy) / math.sqrt(2.0), (dx + dy) / math.sqrt(2.0)
    if abs(u) > 11.0:
        return 0.0
    half = 5.0 * math.cos(u / 11.0 * math.pi / 2)
    if abs(v) > half:
        return 0.0
    return 0.35 if abs(v) < 0.5 and abs(u) < 9.0 else 1.0  # the vein


TIPS = [hard_round, soft_round, square, flat, spray, star, chalk, leaf]


def strip():
    c = Canvas(CELL * len(TIPS), CELL, PAPER)
    for i, tip in enumerate(TIPS):
        c.shade(lambda x, y, tip=tip: mix(PAPER, INK, tip(x - 15.0, y - 15.0)), ox=CELL * i, w=CELL, h=CELL)
    return bmp24(c)


if __name__ == "__main__":
    sys.exit(write_or_check({"ListsPage_brushes.bmp": strip}, HERE, sys.argv))
