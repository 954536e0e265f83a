#!/usr/bin/env python3
"""Draws the images page's photograph, a lakeside at dusk (200 x 130, 24-bit PNG), beside this script.
The build copies it into the data folder as Tarvik.dat/Lakeside.png, where the page opens it.

    python3 ImagesPage_photo.py           write ImagesPage_photo.png
    python3 ImagesPage_photo.py --check   compare with the file on disk, write nothing

Standard library only (plus the raster helpers of ostrel/res/make_pictures.py); the output is the
same byte for byte on every run.
"""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "ostrel", "res"))
from make_pictures import Canvas, mix, write_or_check  # noqa: E402

W, H = 200, 130
HORIZON = 78
SUN = (138.0, 46.0, 13.0)


def ridge(x, base, amp, freq, phase):
    return base - amp * (0.6 * math.sin(x * freq + phase) + 0.4 * math.sin(x * freq * 2.7 + phase * 1.9))


def land_or_sky(x, y):
    """Colour of the scene above the water line."""
    if math.hypot(x - SUN[0], y - SUN[1]) < SUN[2]:
        return (255, 236, 170)
    sky = mix((58, 66, 128), (250, 168, 96), y / HORIZON)
    glow = max(0.0, 1.0 - math.hypot(x - SUN[0], y - SUN[1]) / 60.0)
    sky = mix(sky, (255, 214, 150), 0.6 * glow)
    if y > ridge(x, 60, 14, 0.045, 0.3):
        sky = mix((92, 84, 124), (70, 66, 100), (y - 40) / 40)
    if y > ridge(x, 72, 6, 0.11, 1.7):
        sky = (38, 52, 46)
    return sky


def pixel(x, y):
    if y < HORIZON:
        return land_or_sky(x, y)
    # The lake mirrors what is above it, darker and rippled; a shore at the bottom.
    if y > ridge(x, 122, 3, 0.07, 0.8):
        return mix((96, 78, 52), (62, 50, 34), (y - 116) / 14)
    ripple = 1.5 * math.sin(y * 1.3 + x * 0.05)
    mirrored = land_or_sky(x + ripple, 2 * HORIZON - y)
    return mix(mirrored, (24, 40, 60), 0.35 + 0.3 * (y - HORIZON) / (H - HORIZON))


def png(canvas):
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in canvas.px)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", canvas.w, canvas.h, 8, 2, 0, 0, 0)
    dpi = struct.pack(">IIB", 3780, 3780, 1)  # 96 dots per inch
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"pHYs", dpi) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def photo():
    c = Canvas(W, H)
    c.shade(pixel, samples=3)
    return png(c)


if __name__ == "__main__":
    sys.exit(write_or_check({"ImagesPage_photo.png": photo}, HERE, sys.argv))
