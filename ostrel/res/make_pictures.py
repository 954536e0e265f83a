#!/usr/bin/env python3
"""Draws the bitmaps and the cursor of Ostrel.rc and writes them beside this script.

    python3 make_pictures.py           write every picture
    python3 make_pictures.py --check   compare with the files on disk, write nothing

Standard library only; the output is the same byte for byte on every run.
"""
import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SQRT2 = math.sqrt(2.0)

# Light falls from the top left, as everywhere in the Windows look.
def lit(dx, dy, r):
    """+1 where the outward normal faces the light, -1 where it faces away."""
    return -(dx + dy) / (r * SQRT2) if r > 0 else 0.0


def mix(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def clamp_byte(v):
    return max(0, min(255, int(round(v))))


# ---- Raster ---------------------------------------------------------------------

class Canvas:
    """24-bit picture, rows top-down, pixels as (r, g, b)."""

    def __init__(self, w, h, colour=(0, 0, 0)):
        self.w, self.h = w, h
        self.px = [[tuple(colour) for _ in range(w)] for _ in range(h)]

    def set(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = tuple(clamp_byte(c) for c in colour)

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the inclusive rectangle (x0, y0)..(x1, y1)."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.set(x, y0, colour)
            self.set(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.set(x0, y, colour)
            self.set(x1, y, colour)

    def shade(self, fn, ox=0, oy=0, w=None, h=None, samples=4):
        """Paints fn(x, y) -> (r, g, b) averaged over samples x samples points per pixel."""
        w = self.w if w is None else w
        h = self.h if h is None else h
        n2 = samples * samples
        for j in range(h):
            for i in range(w):
                acc = [0.0, 0.0, 0.0]
                for sj in range(samples):
                    for si in range(samples):
                        c = fn(i + (si + 0.5) / samples, j + (sj + 0.5) / samples)
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                self.set(ox + i, oy + j, (acc[0] / n2, acc[1] / n2, acc[2] / n2))

    def stroke(self, x0, y0, x1, y1, half_width, colour):
        """Sets every pixel whose centre lies within half_width of the segment."""
        for y in range(self.h):
            for x in range(self.w):
                if segment_distance(x + 0.5, y + 0.5, x0, y0, x1, y1) <= half_width:
                    self.set(x, y, colour)


def segment_distance(px, py, x0, y0, x1, y1):
    vx, vy = x1 - x0, y1 - y0
    length2 = vx * vx + vy * vy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - x0) * vx + (py - y0) * vy) / length2))
    return math.hypot(px - (x0 + t * vx), py - (y0 + t * vy))


# ---- File formats -------------------------------------------------------------------

def bmp_file(info, bits):
    """BITMAPFILEHEADER + info header (and palette) + pixel bits."""
    offset = 14 + len(info)
    return b"BM" + struct.pack("<IHHI", offset + len(bits), 0, 0, offset) + info + bits


def info_header(w, h, bpp, image_size, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, image_size, 2835, 2835, colours, 0)


def bmp24(canvas):
    stride = (canvas.w * 3 + 3) & ~3
    rows = []
    for y in reversed(range(canvas.h)):
        row = bytearray()
        for r, g, b in canvas.px[y]:
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    bits = b"".join(rows)
    return bmp_file(info_header(canvas.w, canvas.h, 24, len(bits)), bits)


def mono_rows(mask, w, h):
    """1-bit rows, bottom-up, 32-bit aligned; mask[y][x] is 0 or 1."""
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(h)):
        row = bytearray(stride)
        for x in range(w):
            if mask[y][x]:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


BLACK_WHITE = struct.pack("<8B", 0, 0, 0, 0, 255, 255, 255, 0)


def bmp1(mask, w, h):
    bits = mono_rows(mask, w, h)
    return bmp_file(info_header(w, h, 1, len(bits), 2) + BLACK_WHITE, bits)


def cur_file(xor, and_mask, w, h, hot_x, hot_y):
    """One monochrome cursor image: XOR 1 = white, AND 1 = transparent."""
    xor_bits = mono_rows(xor, w, h)
    and_bits = mono_rows(and_mask, w, h)
    image = info_header(w, 2 * h, 1, len(xor_bits) + len(and_bits), 2) + BLACK_WHITE
    image += xor_bits + and_bits
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", w, h, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image


# ---- Angle dial: face (84 x 84) and marker (8 x 8) ----------------------------------

BEZEL_DARK, BEZEL_LIGHT = (112, 106, 96), (252, 250, 244)
GROOVE_DARK, GROOVE_LIGHT = (138, 133, 124), (190, 185, 176)
PLATE_DARK, PLATE_LIGHT = (210, 206, 198), (248, 246, 242)
TICK = (62, 58, 52)
FACE_R = 42.0


def dial_tick_hit(dx, dy):
    """Ticks every 30 degrees, long ones at the quarters, dots every 15 degrees."""
    for step in range(24):
        a = math.radians(step * 15)
        ux, uy = math.cos(a), -math.sin(a)
        along = dx * ux + dy * uy
        across = abs(dx * uy - dy * ux)
        if step % 6 == 0:
            inner, outer, half = 21.0, 31.0, 1.0
        elif step % 2 == 0:
            inner, outer, half = 25.5, 31.0, 0.6
        else:
            inner, outer, half = 29.0, 31.0, 0.5
        if inner <= along <= outer and across <= half:
            return True
    return False


def dial_face_colour(x, y):
    dx, dy = x - FACE_R, y - FACE_R
    r = math.hypot(dx, dy)
    s = lit(dx, dy, r)
    if r >= 41.3:                      # outer edge (and the corners outside it)
        return (124, 118, 108)
    if r >= 39.8:                      # raised bezel
        return mix(BEZEL_DARK, BEZEL_LIGHT, (s + 1) / 2)
    if r >= 33.8:                      # sunken groove the marker runs in
        return mix(GROOVE_DARK, GROOVE_LIGHT, (1 - s) / 2)
    if r >= 32.5:                      # lip of the plate
        return mix((150, 144, 134), (255, 255, 252), (s + 1) / 2)
    if dial_tick_hit(dx, dy):
        return TICK
    if r >= 4.0 and r < 5.0:           # hub ring around the pivot
        return mix((150, 144, 134), (255, 255, 252), (1 - s) / 2)
    diagonal = -(dx + dy) / (32.5 * SQRT2)
    plate = mix(PLATE_DARK, PLATE_LIGHT, 0.5 + 0.5 * diagonal)
    if r < 4.0:
        return mix(plate, (196, 192, 184), 0.6)
    return plate


def circle_face():
    c = Canvas(84, 84)
    c.shade(dial_face_colour)
    return bmp24(c)


def marker_colour(x, y):
    dx, dy = x - 4.0, y - 4.0
    r = math.hypot(dx, dy)
    if r > 4.0:
        return mix(GROOVE_DARK, GROOVE_LIGHT, 0.5)
    nz = math.sqrt(max(0.0, 16.0 - r * r)) / 4.0
    nx, ny = dx / 4.0, dy / 4.0
    lx, ly, lz = -0.5, -0.5, 0.707
    diffuse = max(0.0, nx * lx + ny * ly + nz * lz)
    hx, hy, hz = lx, ly, lz + 1.0
    hl = math.sqrt(hx * hx + hy * hy + hz * hz)
    specular = max(0.0, (nx * hx + ny * hy + nz * hz) / hl) ** 24
    base = (214, 34, 22)
    body = tuple(c * (0.35 + 0.8 * diffuse) for c in base)
    return mix(body, (255, 255, 255), specular)


def circle_marker():
    c = Canvas(8, 8)
    c.shade(marker_colour)
    return bmp24(c)


# ---- Angle dial cursor (32 x 32): a curved double-headed arrow ------------------------

def circle_drag_cursor():
    """The hot spot sits on the top of the arc; the heads point both ways along it."""
    size, hot = 32, 15
    cx, cy, radius = hot + 0.5, hot + 0.5 + 10.0, 10.0
    first, last = 22.0, 158.0

    def end_point(a_deg):
        a = math.radians(a_deg)
        return cx + radius * math.cos(a), cy - radius * math.sin(a)

    def in_head(px, py, a_deg, towards_larger_angle):
        a = math.radians(a_deg)
        if towards_larger_angle:
            tx, ty = -math.sin(a), -math.cos(a)
        else:
            tx, ty = math.sin(a), math.cos(a)
        bx, by = end_point(a_deg)
        along = (px - bx) * tx + (py - by) * ty
        across = abs((px - bx) * ty - (py - by) * tx)
        return 0.0 <= along <= 6.0 and across <= 4.5 * (6.0 - along) / 6.0

    def ink(px, py):
        r = math.hypot(px - cx, py - cy)
        a = math.degrees(math.atan2(-(py - cy), px - cx))
        if abs(r - radius) <= 1.0 and first <= a <= last:
            return True
        return in_head(px, py, first, False) or in_head(px, py, last, True)

    black = [[ink(x + 0.5, y + 0.5) for x in range(size)] for y in range(size)]
    white = [[not black[y][x] and any(
        0 <= x + i < size and 0 <= y + j < size and black[y + j][x + i]
        for i in (-1, 0, 1) for j in (-1, 0, 1)) for x in range(size)] for y in range(size)]
    xor = [[1 if white[y][x] else 0 for x in range(size)] for y in range(size)]
    and_mask = [[0 if black[y][x] or white[y][x] else 1 for x in range(size)]
                for y in range(size)]
    return cur_file(xor, and_mask, size, size, hot, hot)


# ---- Icon-button cells of the gradient dialog (9 cells of 16 x 16) --------------------

ICON_BACK = (192, 192, 192)          # maps to the button face with LR_LOADMAP3DCOLORS
SWATCH_FRAME = (48, 48, 56)
GRAD_START, GRAD_END = (16, 40, 150), (255, 236, 150)


def swatch(c, ox, x0, y0, x1, y1, t_of):
    """Framed gradient square; t_of(u, v) gives the blend at u, v in 0..1."""
    c.frame(ox + x0, y0, ox + x1, y1, SWATCH_FRAME)
    w, h = x1 - x0 - 2, y1 - y0 - 2
    for y in range(y0 + 1, y1):
        for x in range(x0 + 1, x1):
            u, v = (x - x0 - 1) / max(1, w), (y - y0 - 1) / max(1, h)
            c.set(ox + x, y, mix(GRAD_START, GRAD_END, t_of(u, v)))


def thumbnail(c, ox):
    swatch(c, ox, 1, 1, 11, 9, lambda u, v: u)


def outlined_stroke(c, ox, segments, half, colour, outline):
    for x0, y0, x1, y1 in segments:
        c.stroke(ox + x0, y0, ox + x1, y1, half + 0.9, outline)
    for x0, y0, x1, y1 in segments:
        c.stroke(ox + x0, y0, ox + x1, y1, half, colour)


def arrow(c, ox, y, x0, x1, right, colour):
    """Horizontal arrow from x0 to x1 with its head at x1 (right) or x0."""
    for x in range(x0, x1 + 1):
        c.set(ox + x, y, colour)
    tip, back = (x1, -1) if right else (x0, 1)
    for k in (1, 2):
        c.set(ox + tip + back * k, y - k, colour)
        c.set(ox + tip + back * k, y + k, colour)


def icon_buttons():
    c = Canvas(16 * 9, 16, ICON_BACK)
    box = (2, 2, 13, 13)
    swatch(c, 0, *box, lambda u, v: v)                        # vertical
    swatch(c, 16, *box, lambda u, v: u)                       # horizontal
    swatch(c, 32, *box, lambda u, v: (u + v) / 2)             # diagonal down
    swatch(c, 48, *box, lambda u, v: (u + 1 - v) / 2)         # diagonal up
    swatch(c, 64, *box, lambda u, v: 1 - abs(2 * v - 1))      # sandwich
    # swap: two swatches with arrows both ways
    c.frame(80 + 1, 5, 80 + 6, 10, SWATCH_FRAME)
    c.fill(80 + 2, 6, 80 + 5, 9, GRAD_START)
    c.frame(80 + 9, 5, 80 + 14, 10, SWATCH_FRAME)
    c.fill(80 + 10, 6, 80 + 13, 9, GRAD_END)
    arrow(c, 80, 2, 3, 12, True, (0, 0, 0))
    arrow(c, 80, 13, 3, 12, False, (0, 0, 0))
    # add preset: thumbnail and a green plus
    thumbnail(c, 96)
    outlined_stroke(c, 96, [(11.5, 7.5, 11.5, 14.5), (8.0, 11.0, 15.0, 11.0)],
                    0.9, (40, 180, 40), (0, 84, 0))
    # update preset: thumbnail and a pencil
    thumbnail(c, 112)
    c.stroke(112 + 14.6, 5.6, 112 + 7.0, 13.2, 2.0, (92, 64, 16))
    c.stroke(112 + 14.0, 6.2, 112 + 8.0, 12.2, 1.0, (246, 200, 48))
    c.stroke(112 + 14.6, 5.6, 112 + 13.6, 6.6, 1.1, (230, 120, 130))
    c.stroke(112 + 7.6, 12.6, 112 + 6.6, 13.6, 0.8, (40, 40, 40))
    # delete preset: thumbnail and a red cross
    thumbnail(c, 128)
    outlined_stroke(c, 128, [(8.0, 8.0, 14.0, 14.0), (14.0, 8.0, 8.0, 14.0)],
                    0.8, (220, 36, 28), (112, 0, 0))
    return bmp24(c)


# ---- Progress window artwork --------------------------------------------------------

def panel_colour(y):
    """The progress panel's band, 44 rows; also behind the cells and the Cancel button."""
    if y <= 0:
        return (255, 255, 255)
    if y >= 43:
        return (158, 154, 146)
    return mix((244, 242, 236), (212, 208, 199), (y - 1) / 41)


CELL_TOP = 12                              # the bar draws its cells 12 rows down


def progress_back():
    c = Canvas(8, 44)
    for y in range(44):
        for x in range(8):
            c.set(x, y, panel_colour(y))
    return bmp24(c)


def progress_cell(filled):
    c = Canvas(8, 23)
    for y in range(23):
        for x in range(8):
            c.set(x, y, panel_colour(CELL_TOP + y))
    if filled:
        for y in range(1, 22):
            t = y / 21
            if t < 0.35:
                colour = mix((176, 238, 164), (70, 200, 70), t / 0.35)
            else:
                colour = mix((70, 200, 70), (28, 132, 40), (t - 0.35) / 0.65)
            for x in range(1, 5):
                edge = 18 if x == 1 else (-14 if x == 4 else 0)
                c.set(x, y, tuple(v + edge for v in colour))
        c.frame(0, 0, 5, 22, (22, 100, 32))
    else:
        c.fill(1, 1, 4, 21, (204, 200, 192))
        c.fill(1, 1, 4, 1, (182, 178, 170))
        for y in range(23):
            c.set(0, y, (150, 146, 138))
            c.set(5, y, (255, 255, 255))
        for x in range(6):
            c.set(x, 0, (150, 146, 138))
            c.set(x, 22, (255, 255, 255))
    return bmp24(c)


def rounded_box_distance(x, y, w, h, radius):
    """Signed distance to a rounded rectangle (0, 0, w, h); negative inside."""
    qx = abs(x - w / 2) - (w / 2 - radius)
    qy = abs(y - h / 2) - (h / 2 - radius)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


CANCEL_LOOKS = {
    # face top, face bottom, outline, bevel top-left, bevel bottom-right
    "normal":   ((252, 250, 245), (218, 213, 202), (104, 98, 88), (255, 255, 255), (188, 182, 170)),
    "disabled": ((178, 174, 166), (164, 160, 152), (136, 132, 124), (196, 192, 184), (150, 146, 138)),
    "hot":      ((255, 251, 232), (244, 220, 160), (184, 120, 24), (255, 255, 255), (222, 186, 110)),
    "pressed":  ((200, 195, 184), (232, 228, 220), (88, 82, 72), (160, 154, 142), (244, 242, 236)),
}


def cancel_cell_colour(look, top_y):
    face_top, face_bottom, outline, bevel_lit, bevel_shadow = CANCEL_LOOKS[look]

    def colour(x, y):
        d = rounded_box_distance(x, y, 82.0, 36.0, 6.0)
        if d > 0:
            return panel_colour(int(y) + top_y)
        if d > -1.2:
            return outline
        if d > -2.2:
            return bevel_lit if (x / 82.0 + y / 36.0) < 1.0 else bevel_shadow
        return mix(face_top, face_bottom, (y - 2) / 32)
    return colour


def progress_cancel():
    c = Canvas(82 * 4, 36)
    holder_top = 5                          # the holder sits 5 rows below the panel top
    for i, look in enumerate(("normal", "disabled", "hot", "pressed")):
        c.shade(cancel_cell_colour(look, holder_top), ox=82 * i, w=82, h=36)
    return bmp24(c)


# ---- List scroll bar texture (30 x 30) and text list caret (2 x 16) -----------------------

def scroll_texture():
    """Brushed metal that tiles seamlessly in both directions."""
    state = [20250101]

    def noise(span):
        state[0] = (state[0] * 1103515245 + 12345) & 0x7FFFFFFF
        return (state[0] / 0x7FFFFFFF * 2 - 1) * span

    n = 30
    rows = [noise(7) for _ in range(n)]
    grain = [[noise(9) for _ in range(n)] for _ in range(n)]
    c = Canvas(n, n)
    for y in range(n):
        for x in range(n):
            streak = sum(grain[y][(x + k) % n] for k in range(-2, 3)) / 5
            soft_row = (rows[(y - 1) % n] + 2 * rows[y] + rows[(y + 1) % n]) / 4
            v = 160 + soft_row + streak
            c.set(x, y, (v, v - 1, v - 5))
    return bmp24(c)


def text_caret():
    """White bits: the caret inverts what lies under it."""
    return bmp1([[1, 1] for _ in range(16)], 2, 16)


# ---- Text list line textures (32 x 16): a host may bring its own 1025 and 1026 -----------

def line_texture(top, bottom, grain_span, seed):
    """One row of the text list: a soft vertical shade with fibres; tiles in both directions."""
    state = [seed]

    def noise():
        state[0] = (state[0] * 1103515245 + 12345) & 0x7FFFFFFF
        return state[0] / 0x7FFFFFFF * 2 - 1

    w, h = 32, 16
    fibres = [noise() * grain_span for _ in range(w)]
    c = Canvas(w, h)
    for y in range(h):
        base = mix(top, bottom, y / (h - 1))
        for x in range(w):
            soft = (fibres[(x - 1) % w] + 2 * fibres[x] + fibres[(x + 1) % w]) / 4
            c.set(x, y, tuple(v + soft for v in base))
    return bmp24(c)


def text_line():
    """Plain rows: warm paper under the red text."""
    return line_texture((252, 250, 242), (240, 236, 224), 3.0, 1025)


def text_line_selected():
    """The selected row: cool steel blue under the blue text."""
    return line_texture((222, 232, 250), (184, 204, 238), 4.0, 1026)


# ---- Output -----------------------------------------------------------------------

PICTURES = {
    "icon_buttons.bmp": icon_buttons,
    "circle_face.bmp": circle_face,
    "circle_marker.bmp": circle_marker,
    "circle_drag.cur": circle_drag_cursor,
    "scroll_texture.bmp": scroll_texture,
    "text_caret.bmp": text_caret,
    "text_line.bmp": text_line,
    "text_line_selected.bmp": text_line_selected,
    "progress_empty.bmp": lambda: progress_cell(False),
    "progress_full.bmp": lambda: progress_cell(True),
    "progress_cancel.bmp": progress_cancel,
    "progress_back.bmp": progress_back,
}


def write_or_check(pictures, folder, argv):
    """Writes every picture of {file name: maker} into folder; with --check only compares."""
    check = "--check" in argv[1:]
    stale = []
    for name, make in pictures.items():
        data = make()
        path = os.path.join(folder, name)
        if check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                stale.append(name)
        else:
            with open(path, "wb") as f:
                f.write(data)
    if stale:
        print("out of date: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


def main(argv):
    return write_or_check(PICTURES, HERE, argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
