#!/usr/bin/env python3
"""Draws the bitmaps of the host's skin module (TabSkin.dll) and writes them beside this script.

    python3 make_pictures.py           write every picture
    python3 make_pictures.py --check   compare with the files on disk, write nothing

Standard library only (plus the raster helpers of ostrel/res/make_pictures.py); the output is the
same byte for byte on every run.
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "ostrel", "res"))
from make_pictures import Canvas, bmp24, mix, rounded_box_distance  # noqa: E402

PANEL = (236, 233, 224)      # behind the tabs
PAGE = (246, 243, 235)       # the page, and the selected tab's foot
OUTLINE = (128, 122, 110)


# ---- Tab strips (207 x 27): tab 0 at x = 2, tabs 25 high from y = 2 ----------------------------

STRIP_W, STRIP_H = 207, 27
TAB_LEFT, TAB_TOP, BASELINE = 2, 2, 26


def top_rounded_distance(x, y, x0, y0, x1, y1, radius):
    """Signed distance to the box (x0, y0)-(x1, y1) with its top corners rounded; negative inside."""
    if y >= y0 + radius:
        return max(x0 - x, x - x1, y - y1)
    cx = min(max(x, x0 + radius), x1 - radius)
    return math.hypot(x - cx, y - (y0 + radius)) - radius if abs(x - cx) > 0 else (y0 - y)


def draw_tab(c, x0, y0, x1, selected):
    top, bottom = ((255, 255, 252), PAGE) if selected else ((226, 222, 212), (204, 199, 188))

    def colour(x, y, base):
        d = top_rounded_distance(x, y, x0, y0, x1, BASELINE + 1, 4.0)
        if d > 0:
            return base
        if d > -1.0:
            return OUTLINE
        if d > -2.0 and y < y0 + 4:
            return mix(top, (255, 255, 255), 0.7)
        return mix(top, bottom, (y - y0) / max(1, BASELINE - y0))

    old = [row[:] for row in c.px]
    c.shade(lambda x, y: colour(x, y, old[min(int(y), c.h - 1)][min(int(x), c.w - 1)]), samples=3)


def tab_strip(count, selected):
    pitch = (STRIP_W - TAB_LEFT - 1) // count  # 102 for two tabs, 68 for three
    c = Canvas(STRIP_W, STRIP_H, PANEL)
    for i in range(count):
        if i != selected:
            x0 = TAB_LEFT + i * pitch
            draw_tab(c, x0, TAB_TOP + 1, x0 + pitch - 1, False)
    c.fill(0, BASELINE, STRIP_W - 1, BASELINE, OUTLINE)
    x0 = TAB_LEFT + selected * pitch
    draw_tab(c, max(0, x0 - 2), 0, min(STRIP_W - 1, x0 + pitch + 1), True)
    c.fill(max(1, x0 - 1), BASELINE, min(STRIP_W - 2, x0 + pitch), BASELINE, PAGE)  # open into the page
    return bmp24(c)


# ---- Page tile (74 x 74): light paper with a faint diagonal weave -------------------------------

def page_tile():
    n, period = 74, 37

    def colour(x, y):
        a = min((x + y) % period, period - (x + y) % period)
        b = min((x - y) % period, period - (x - y) % period)
        line = max(0.0, 1.0 - min(a, b) / 1.2)
        return mix(PAGE, (226, 221, 208), 0.6 * line)
    c = Canvas(n, n)
    c.shade(colour, samples=3)
    return bmp24(c)


# ---- Bitmap list box strips: four line samples of 112 x 24 --------------------------------------

LINE_CELL_W, LINE_CELL_H = 112, 24
LINE_LOOKS = {  # background, line
    "normal": ((255, 255, 255), (48, 48, 56)),
    "selected": ((49, 106, 197), (255, 255, 255)),
    "hot": ((255, 244, 214), (150, 80, 10)),
}
LINE_STYLES = (  # (width, dash on, dash off)
    (1, 0, 0),
    (3, 0, 0),
    (3, 12, 6),
    (3, 3, 4),
)


def line_strip(look):
    back, ink = LINE_LOOKS[look]
    c = Canvas(LINE_CELL_W * len(LINE_STYLES), LINE_CELL_H, back)
    for i, (width, on, off) in enumerate(LINE_STYLES):
        ox = LINE_CELL_W * i
        y0 = LINE_CELL_H // 2 - width // 2
        length = LINE_CELL_W - 20
        if on:  # whole dashes only
            length = (length + off) // (on + off) * (on + off) - off
        for x in range(10, 10 + length):
            if on and (x - 10) % (on + off) >= on:
                continue
            c.fill(ox + x, y0, ox + x, y0 + width - 1, ink)
    return bmp24(c)


# ---- Icon list strips: six 40 x 40 shape tools --------------------------------------------------

ICON = 40
ICON_LOOKS = {  # face, frame
    "normal": ((244, 242, 236), (206, 202, 192)),
    "focus": ((255, 242, 204), (230, 160, 40)),
    "selected": ((206, 222, 246), (49, 106, 197)),
}
SHAPE_COLOURS = ((204, 52, 40), (40, 96, 200), (40, 150, 60), (230, 140, 20), (130, 60, 170), (20, 140, 150))


def star_inside(x, y):
    r = math.hypot(x, y)
    a = math.atan2(y, x) + math.pi / 2
    k = (a % (2 * math.pi / 5)) / (2 * math.pi / 5)
    edge = 12.0 - 6.5 * (1 - abs(2 * k - 1))
    return r <= edge


SHAPES = (
    lambda x, y: abs(x) <= 11 and abs(y) <= 9,                     # rectangle
    lambda x, y: (x / 12.5) ** 2 + (y / 9.5) ** 2 <= 1,             # ellipse
    lambda x, y: -10 <= y <= 10 and abs(x) <= (y + 10) * 0.6,       # triangle
    lambda x, y: abs(x) + abs(y) <= 12,                             # diamond
    star_inside,                                                     # star
    lambda x, y: (abs(y) <= 3.5 and -12 <= x <= 2) or (x > 2 and abs(y) <= 12 - x and x <= 12),  # arrow
)


def icon_strip(look):
    face, frame = ICON_LOOKS[look]
    c = Canvas(ICON * len(SHAPES), ICON, face)
    for i, inside in enumerate(SHAPES):
        colour = SHAPE_COLOURS[i]
        dark = mix(colour, (0, 0, 0), 0.45)

        def pixel(x, y, inside=inside, colour=colour, dark=dark):
            d = rounded_box_distance(x, y, float(ICON), float(ICON), 5.0)
            if d > -1.0:
                return frame if d <= 0 else face
            px, py = x - ICON / 2, y - ICON / 2
            if inside(px, py):
                rim = not all(inside(px + dx, py + dy) for dx, dy in ((1.2, 0), (-1.2, 0), (0, 1.2), (0, -1.2)))
                return dark if rim else colour
            return face
        c.shade(pixel, ox=ICON * i, w=ICON, h=ICON, samples=3)
    return bmp24(c)


# ---- Output -------------------------------------------------------------------------------------

PICTURES = {
    "tab2_0.bmp": lambda: tab_strip(2, 0),
    "tab2_1.bmp": lambda: tab_strip(2, 1),
    "tab3_0.bmp": lambda: tab_strip(3, 0),
    "tab3_1.bmp": lambda: tab_strip(3, 1),
    "tab3_2.bmp": lambda: tab_strip(3, 2),
    "page_tile.bmp": page_tile,
    "lines_normal.bmp": lambda: line_strip("normal"),
    "lines_selected.bmp": lambda: line_strip("selected"),
    "lines_hot.bmp": lambda: line_strip("hot"),
    "icons_normal.bmp": lambda: icon_strip("normal"),
    "icons_focus.bmp": lambda: icon_strip("focus"),
    "icons_selected.bmp": lambda: icon_strip("selected"),
}


if __name__ == "__main__":
    # The library's picture script writes and checks; it is pointed at this folder's pictures.
    import make_pictures as library_pictures
    library_pictures.HERE = HERE
    library_pictures.PICTURES = PICTURES
    sys.exit(library_pictures.main(sys.argv))
