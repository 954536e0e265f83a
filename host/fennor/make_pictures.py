#!/usr/bin/env python3
"""Draws the colour-type pictures of Fennor.dll (32 x 32 each) and writes them beside this script.

    python3 make_pictures.py           write every picture
    python3 make_pictures.py --check   compare with the files on disk, write nothing

Standard library only (plus the raster helpers of ostrel/res/make_pictures.py); the output is the
same byte for byte on every run.
"""
import colorsys
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "ostrel", "res"))
from make_pictures import Canvas, bmp24, mix  # noqa: E402

SIZE = 32
FRAME = (64, 64, 64)
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def framed(fn):
    c = Canvas(SIZE, SIZE)
    c.shade(fn, samples=2)
    c.frame(0, 0, SIZE - 1, SIZE - 1, FRAME)
    return bmp24(c)


def rainbow(x, y):
    r, g, b = colorsys.hsv_to_rgb(x / SIZE, 1.0 - 0.6 * y / SIZE, 1.0)
    return (r * 255, g * 255, b * 255)


def alpha(x, y):
    """True colour over a grey checkerboard, fading out to the right."""
    board = (204, 204, 204) if (int(x) // 8 + int(y) // 8) % 2 else (255, 255, 255)
    return mix(rainbow(x, y), board, x / SIZE)


def palette(x, y):
    """Four rows of eight hand-picked colours: an indexed picture."""
    entries = [(176, 48, 48), (224, 144, 48), (240, 216, 80), (96, 168, 64), (48, 128, 160), (64, 72, 168),
               (136, 72, 160), (240, 240, 232)]
    return entries[(int(x) // 8 + 2 * (int(y) // 8)) % 8]


def sixteen(x, y):
    return VGA[int(x) // 8 + 4 * (int(y) // 8)]


def grey(x, y):
    v = 255 * (x + y) / (2 * SIZE)
    return (v, v, v)


def high(x, y):
    """A rainbow banded to 32 levels a channel, as 5 bits hold it."""
    return tuple((int(c) >> 3) << 3 for c in rainbow(x, y))


def cmyk(x, y):
    inks = [(0, 174, 239), (236, 0, 140), (255, 242, 0), (35, 31, 32)]
    return mix(inks[int(x) // 8], (255, 255, 255), 0.5 * y / SIZE)


PICTURES = {
    "alpha.bmp": lambda: framed(alpha),
    "true_colour.bmp": lambda: framed(rainbow),
    "palette.bmp": lambda: framed(palette),
    "sixteen.bmp": lambda: framed(sixteen),
    "grey.bmp": lambda: framed(grey),
    "high_colour.bmp": lambda: framed(high),
    "cmyk.bmp": lambda: framed(cmyk),
}


if __name__ == "__main__":
    import make_pictures as library_pictures
    library_pictures.HERE = HERE
    library_pictures.PICTURES = PICTURES
    sys.exit(library_pictures.main(sys.argv))
