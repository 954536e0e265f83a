#!/usr/bin/env python3
"""Draws the bitmaps of the host's button-bitmap module and writes them beside this script.

    python3 make_pictures.py           write every picture
    python3 make_pictures.py --check   compare with the files on disk, write nothing

Standard library only (plus the raster helpers of ostrel/res/make_pictures.py); the output is the
same byte for byte on every run. Every strip has four state columns: normal, disabled, hot, pressed.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "ostrel", "res"))
from make_pictures import Canvas, bmp24, mix, rounded_box_distance  # noqa: E402

STATES = ("normal", "disabled", "hot", "pressed")
FACE = (236, 233, 224)          # the face behind captions (bitmap 877)

# Rounded key looks: face top, face bottom, outline, text-free accents.
KEY_LOOKS = {
    "grey": {
        "normal": ((252, 250, 245), (214, 209, 198), (104, 98, 88)),
        "disabled": ((226, 224, 220), (210, 207, 202), (160, 156, 150)),
        "hot": ((255, 251, 232), (244, 220, 160), (184, 120, 24)),
        "pressed": ((196, 191, 180), (232, 228, 220), (88, 82, 72)),
    },
    "blue": {
        "normal": ((214, 232, 255), (120, 164, 228), (36, 72, 140)),
        "disabled": ((220, 226, 234), (196, 204, 216), (150, 158, 172)),
        "hot": ((232, 244, 255), (140, 196, 255), (20, 90, 190)),
        "pressed": ((104, 146, 210), (190, 214, 246), (28, 56, 112)),
    },
    "green": {
        "normal": ((222, 248, 212), (120, 196, 110), (40, 110, 36)),
        "disabled": ((224, 232, 222), (200, 212, 198), (150, 164, 148)),
        "hot": ((240, 255, 226), (150, 226, 120), (40, 150, 30)),
        "pressed": ((104, 176, 96), (200, 236, 190), (30, 90, 28)),
    },
}


def key(c, ox, oy, w, h, look, radius=5.0):
    """A rounded key of w x h at (ox, oy), lit from the top, on the face colour."""
    top, bottom, outline = look

    def colour(x, y):
        d = rounded_box_distance(x, y, float(w), float(h), radius)
        if d > 0:
            return FACE
        if d > -1.2:
            return outline
        if d > -2.2:
            return mix((255, 255, 255), top, 0.4) if (x / w + y / h) < 1.0 else mix(bottom, outline, 0.3)
        return mix(top, bottom, (y - 2) / max(1, h - 4))
    c.shade(colour, ox=ox, oy=oy, w=w, h=h, samples=3)


def ink_for(state):
    return {"normal": (40, 40, 40), "disabled": (150, 150, 150),
            "hot": (150, 70, 0), "pressed": (0, 0, 0)}[state]


def key_strip(colour_name, cw, ch):
    c = Canvas(cw * 4, ch, FACE)
    for i, state in enumerate(STATES):
        key(c, cw * i, 0, cw, ch, KEY_LOOKS[colour_name][state])
    return c


# ---- Small glyphs ------------------------------------------------------------------------------

DIGITS = {  # 3 x 5
    "1": ["010", "110", "010", "010", "111"],
    "2": ["111", "001", "111", "100", "111"],
    "3": ["111", "001", "011", "001", "111"],
    "4": ["101", "101", "111", "001", "001"],
    "5": ["111", "100", "111", "001", "111"],
    "6": ["111", "100", "111", "101", "111"],
}


def glyph(c, x0, y0, rows, scale, colour):
    for j, row in enumerate(rows):
        for i, bit in enumerate(row):
            if bit == "1":
                c.fill(x0 + i * scale, y0 + j * scale, x0 + (i + 1) * scale - 1, y0 + (j + 1) * scale - 1, colour)


def triangle(c, cx, cy, size, direction, colour):
    """A filled arrow head pointing left, right or down, centred on (cx, cy)."""
    for k in range(size):
        for t in range(-k, k + 1):
            if direction == "left":
                c.set(cx - size // 2 + k, cy + t, colour)
            elif direction == "right":
                c.set(cx + size // 2 - k, cy + t, colour)
            else:
                c.set(cx + t, cy + size // 2 - k, colour)


# ---- Check boxes and radio buttons (16 x 16 cells) -----------------------------------------------

def box_cell(c, ox, oy, state, mark, round_box):
    frame = ink_for(state) if state != "hot" else (200, 110, 10)
    fill = {"normal": (255, 255, 255), "disabled": (226, 224, 220),
            "hot": (255, 248, 226), "pressed": (214, 210, 200)}[state]

    def colour(x, y):
        if round_box:
            d = ((x - 8) ** 2 + (y - 8) ** 2) ** 0.5 - 6.5
        else:
            d = rounded_box_distance(x - 1.5, y - 1.5, 13.0, 13.0, 2.0)
        if d > 0:
            return FACE
        if d > -1.2:
            return frame
        return fill
    c.shade(colour, ox=ox, oy=oy, w=16, h=16, samples=3)
    ink = ink_for(state)
    if mark == "dot":
        c.shade(lambda x, y: ink if (x + 5 - 8) ** 2 + (y + 5 - 8) ** 2 < 9.0 else fill, ox=ox + 5, oy=oy + 5, w=6, h=6)
    elif mark == "tick":
        for i, (x, y) in enumerate([(4, 8), (5, 9), (6, 10), (7, 9), (8, 8), (9, 7), (10, 6), (11, 5)]):
            c.fill(ox + x, oy + y - 1, ox + x, oy + y + (1 if i < 3 else 0), ink)
    elif mark == "dash":
        c.fill(ox + 4, oy + 7, ox + 11, oy + 8, ink)


def box_strip(marks, round_box):
    c = Canvas(64, 16 * len(marks), FACE)
    for row, mark in enumerate(marks):
        for i, state in enumerate(STATES):
            box_cell(c, 16 * i, 16 * row, state, mark, round_box)
    return bmp24(c)


# ---- Strips ------------------------------------------------------------------------------------

def image_buttons():
    """871: three captionless image buttons (rows): back, forward, confirm."""
    cw, ch = 28, 28
    c = Canvas(cw * 4, ch * 3, FACE)
    for row in range(3):
        for i, state in enumerate(STATES):
            key(c, cw * i, ch * row, cw, ch, KEY_LOOKS["grey"][state])
            ink = ink_for(state)
            dx = 1 if state == "pressed" else 0
            cx, cy = cw * i + 14 + dx, ch * row + 14 + dx
            if row == 0:
                triangle(c, cx, cy, 9, "left", ink)
            elif row == 1:
                triangle(c, cx, cy, 9, "right", ink)
            else:
                for k, (x, y) in enumerate([(-5, 0), (-4, 1), (-3, 2), (-2, 3), (-1, 2), (0, 1),
                                            (1, 0), (2, -1), (3, -2), (4, -3), (5, -4)]):
                    c.fill(cx + x, cy + y - 1, cx + x, cy + y + 1, ink)
    return bmp24(c)


def browse_button():
    """493: the browse button, a small key with an ellipsis."""
    cw, ch = 28, 22
    c = key_strip("grey", cw, ch)
    for i, state in enumerate(STATES):
        dx = 1 if state == "pressed" else 0
        for k in range(3):
            x = cw * i + 8 + k * 5 + dx
            c.fill(x, 13 + dx, x + 1, 14 + dx, ink_for(state))
    return bmp24(c)


def footstep_strip(drop_active):
    """496 (and 498 with the right half lit): six steps, 50 x 20 pitch, each cell 49 x 19."""
    pw, ph = 50, 20
    c = Canvas(pw * 4, ph * 6, FACE)
    for step in range(1, 7):
        for i, state in enumerate(STATES):
            ox, oy = pw * i, ph * (step - 1)
            key(c, ox, oy, pw - 1, ph - 1, KEY_LOOKS["grey"][state], radius=4.0)
            if drop_active and state in ("hot", "pressed"):
                look = KEY_LOOKS["blue"][state]
                c.shade(lambda x, y, lk=look: mix(lk[0], lk[1], y / 16), ox=ox + 33, oy=oy + 2, w=13, h=15)
            ink = ink_for(state)
            triangle(c, ox + 8, oy + 9, 7, "left", ink)
            glyph(c, ox + 19, oy + 5, DIGITS[str(step)], 2, ink)
            c.fill(ox + 31, oy + 3, ox + 31, oy + 15, mix(FACE, ink, 0.5))
            triangle(c, ox + 39, oy + 9, 7, "down", ink)
    return bmp24(c)


def footstep_menu():
    """497: menu pictures of the six steps, 40 x 20 pitch; columns 0 normal, 2 selected."""
    pw, ph = 40, 20
    c = Canvas(pw * 4, ph * 6, (255, 255, 255))
    for step in range(1, 7):
        for i in range(4):
            ox, oy = pw * i, ph * (step - 1)
            selected = i == 2
            bg = (49, 106, 197) if selected else (255, 255, 255)
            ink = (255, 255, 255) if selected else (30, 30, 30)
            c.fill(ox, oy, ox + pw - 2, oy + ph - 2, bg)
            glyph(c, ox + 6, oy + 5, DIGITS[str(step)], 2, ink)
            for k in range(step):
                c.fill(ox + 16 + k * 3, oy + 12, ox + 17 + k * 3, oy + 13, ink)
    return bmp24(c)


def face():
    """877: the face behind every button."""
    return bmp24(Canvas(240, 48, FACE))


# ---- Brush shapes of the picture drop-down -----------------------------------------------------

BRUSHES = ("round", "square", "diamond", "soft")


def brush_cover(shape, dx, dy, r):
    """How much of a brush of radius r covers the offset (dx, dy) from its centre: 0..1."""
    if shape == "round":
        return 1.0 if dx * dx + dy * dy <= r * r else 0.0
    if shape == "square":
        return 1.0 if max(abs(dx), abs(dy)) <= r * 0.85 else 0.0
    if shape == "diamond":
        return 1.0 if abs(dx) + abs(dy) <= r * 1.15 else 0.0
    d = (dx * dx + dy * dy) ** 0.5 / r  # soft: full in the middle, fading out to the rim
    return max(0.0, min(1.0, 1.6 * (1.0 - d)))


def dab(c, shape, cx, cy, r, ink, background):
    size = int(r * 2 + 4)
    ox, oy = int(cx - size / 2), int(cy - size / 2)
    c.shade(lambda x, y: mix(background, ink, brush_cover(shape, ox + x - cx, oy + y - cy, r)),
            ox=ox, oy=oy, w=size, h=size, samples=3)


def brush_button():
    """880: picture drop-down button, one row per brush (40 x 28): the brush and a drop arrow."""
    cw, ch = 40, 28
    c = Canvas(cw * 4, ch * len(BRUSHES), FACE)
    for row, shape in enumerate(BRUSHES):
        for i, state in enumerate(STATES):
            look = KEY_LOOKS["grey"][state]
            key(c, cw * i, ch * row, cw, ch, look)
            ink = ink_for(state)
            dx = 1 if state == "pressed" else 0
            dab(c, shape, cw * i + 15 + dx, ch * row + 14 + dx, 8.0, ink, mix(look[0], look[1], 0.5))
            triangle(c, cw * i + 32 + dx, ch * row + 14 + dx, 5, "down", ink)
    return bmp24(c)


def brush_menu():
    """881: picture drop-down menu, one row per brush (64 x 26): three dabs growing left to right.
    Columns: normal, greyed, selected, checked."""
    cw, ch = 64, 26
    looks = ((255, 255, 255), (30, 30, 30)), ((255, 255, 255), (160, 160, 160)), \
        ((49, 106, 197), (255, 255, 255)), ((214, 228, 248), (20, 40, 90))
    c = Canvas(cw * 4, ch * len(BRUSHES), (255, 255, 255))
    for row, shape in enumerate(BRUSHES):
        for i, (background, ink) in enumerate(looks):
            ox, oy = cw * i, ch * row
            c.fill(ox, oy, ox + cw - 1, oy + ch - 1, background)
            if i == 3:
                c.frame(ox, oy, ox + cw - 1, oy + ch - 1, (49, 106, 197))
            for k, r in enumerate((4.0, 6.5, 9.0)):
                dab(c, shape, ox + 12 + k * 19, oy + ch / 2, r, ink, background)
    return bmp24(c)


# ---- Bitmap check buttons (24 x 24, one whole bitmap per look) ---------------------------------

CHECK_LOOKS = {  # background, border, ink
    "normal": (FACE, (160, 156, 150), (40, 40, 40)),
    "checked": ((196, 214, 240), (36, 72, 140), (20, 40, 90)),
    "hover": ((255, 248, 226), (200, 110, 10), (150, 70, 0)),
}


def check_glyph(c, glyph_name, ink):
    """Text-alignment lines (left, centre, right) or a grid."""
    if glyph_name == "grid":
        for k in (6, 11, 16):
            c.fill(k, 5, k, 18, ink)
            c.fill(5, k, 18, k, ink)
        return
    for j, length in enumerate((14, 9, 14, 9)):
        x0 = {"left": 5, "centre": 12 - length // 2, "right": 19 - length}[glyph_name]
        c.fill(x0, 6 + j * 4, x0 + length - 1, 7 + j * 4, ink)


def check_button(glyph_name, look):
    background, border, ink = CHECK_LOOKS[look]
    c = Canvas(24, 24, background)
    c.frame(0, 0, 23, 23, border)
    if look == "checked":
        c.fill(1, 1, 22, 1, mix(border, background, 0.5))  # sunken: shade along the top
    check_glyph(c, glyph_name, ink)
    return bmp24(c)


PICTURES = {
    "browse.bmp": browse_button,                                          # 493
    "footstep.bmp": lambda: footstep_strip(False),                         # 496
    "footstep_menu.bmp": footstep_menu,                                    # 497
    "footstep_drop.bmp": lambda: footstep_strip(True),                     # 498
    "image_buttons.bmp": image_buttons,                                    # 871
    "radio.bmp": lambda: box_strip(["dot", "none"], True),                 # 872
    "check.bmp": lambda: box_strip(["tick", "none"], False),               # 873
    "push.bmp": lambda: bmp24(key_strip("grey", 96, 28)),                  # 874
    "push_blue.bmp": lambda: bmp24(key_strip("blue", 96, 28)),             # 875
    "push_green.bmp": lambda: bmp24(key_strip("green", 96, 28)),           # 876
    "face.bmp": face,                                                      # 877
    "check3.bmp": lambda: box_strip(["tick", "none", "dash"], False),      # 878
    "brush_button.bmp": brush_button,                                      # 880
    "brush_menu.bmp": brush_menu,                                          # 881
}
# 882..893: normal, checked and hover looks of four bitmap check buttons.
for _glyph in ("left", "centre", "right", "grid"):
    for _look in ("normal", "checked", "hover"):
        PICTURES["check_%s_%s.bmp" % (_glyph, _look)] = (lambda g=_glyph, lk=_look: check_button(g, lk))


if __name__ == "__main__":
    # The library's picture script writes and checks; it is pointed at this folder's pictures.
    import make_pictures as library_pictures
    library_pictures.HERE = HERE
    library_pictures.PICTURES = PICTURES
    sys.exit(library_pictures.main(sys.argv))
