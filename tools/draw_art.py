#!/usr/bin/env python3
"""Draws Mendo's icons, cursors and hint toolbar strip into res/.

Run from the project root:  python3 tools/draw_art.py
Everything is drawn from shapes and small pixel glyphs, so the output is
the same byte for byte on every run.
"""

import os
import struct

RES_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")

# The sixteen standard Windows colours, as (R, G, B), in palette order.
VGA = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

# ---------------------------------------------------------------------------
# Pixel glyphs ('#' = ink).  Question marks in three weights, and the
# chunky figures of the hint buttons.

QUESTION_BIG = [
    "....######....",
    "..##########..",
    ".####....####.",
    ".###......###.",
    ".###......###.",
    "..........###.",
    ".........####.",
    "........####..",
    ".......####...",
    "......####....",
    "......###.....",
    "......###.....",
    "......###.....",
    "..............",
    "......###.....",
    "......###.....",
    "......###.....",
]

QUESTION_SMALL = [
    ".####.",
    "##..##",
    "....##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
]

QUESTION_THIN = [
    ".####.",
    "#....#",
    ".....#",
    "....#.",
    "...#..",
    "..#...",
    "..#...",
    "......",
    "..#...",
]

QUESTION_BOLD = [
    ".######.",
    "##....##",
    "##....##",
    ".....##.",
    "....##..",
    "...##...",
    "...##...",
    "........",
    "...##...",
    "...##...",
]

FIGURES = {
    "-": [
        "...",
        "...",
        "...",
        "...",
        "###",
        "###",
        "...",
        "...",
        "...",
    ],
    "0": [
        ".####.",
        "##..##",
        "##..##",
        "##..##",
        "##..##",
        "##..##",
        "##..##",
        "##..##",
        ".####.",
    ],
    "1": [
        "..##",
        ".###",
        "####",
        "..##",
        "..##",
        "..##",
        "..##",
        "..##",
        "..##",
    ],
    "5": [
        "######",
        "##....",
        "##....",
        "#####.",
        "....##",
        "....##",
        "....##",
        "##..##",
        ".####.",
    ],
}

# Pointing hand: 'B' outline, 'W' fill.  The fingertip's top is (6, 0).
HAND = [
    ".....BBB..........",
    "....BWWWB.........",
    "....BWWWB.........",
    "....BWWWB.........",
    "....BWWWB.........",
    "....BWWWBBB.......",
    "....BWWWBWWBBB....",
    "....BWWWBWWBWWBB..",
    "....BWWWBWWBWWBWB.",
    ".BB.BWWWBWWBWWBWWB",
    "BWWBBWWWWWWWWWBWWB",
    "BWWWBWWWWWWWWWWWWB",
    ".BWWWWWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWWWB",
    "...BWWWWWWWWWWWWB.",
    "...BWWWWWWWWWWWWB.",
    "....BWWWWWWWWWWB..",
    "....BWWWWWWWWWWB..",
    ".....BWWWWWWWWB...",
    ".....BBBBBBBBBB...",
]

# Arrow pointer: 'B' outline, 'R' fill.  The tip is the top-left pixel.
ARROW = [
    "B..........",
    "BB.........",
    "BRB........",
    "BRRB.......",
    "BRRRB......",
    "BRRRRB.....",
    "BRRRRRB....",
    "BRRRRRRB...",
    "BRRRRRRRB..",
    "BRRRRRRRRB.",
    "BRRRRRBBBBB",
    "BRRBRRB....",
    "BRB.BRRB...",
    "BB..BRRB...",
    "B....BRRB..",
    ".....BRRB..",
    "......BRRB.",
    "......BRRB.",
    ".......BB..",
]


# ---------------------------------------------------------------------------
# Canvas helpers.  A canvas is a list of rows of palette indices; None marks
# a transparent pixel.

def new_canvas(width, height, ground=None):
    return [[ground] * width for _ in range(height)]


def fill_ellipse(canvas, cx, cy, rx, ry, colour):
    """Paints every pixel whose centre lies inside the ellipse."""
    for y, row in enumerate(canvas):
        for x in range(len(row)):
            dx = (x + 0.5 - cx) / rx
            dy = (y + 0.5 - cy) / ry
            if dx * dx + dy * dy <= 1.0:
                row[x] = colour


def fill_polygon(canvas, points, colour):
    """Even-odd fill of the pixels whose centres lie inside the polygon."""
    for y, row in enumerate(canvas):
        py = y + 0.5
        for x in range(len(row)):
            px = x + 0.5
            inside = False
            for i in range(len(points)):
                (ax, ay), (bx, by) = points[i], points[i - 1]
                if (ay > py) != (by > py):
                    cross_x = ax + (py - ay) * (bx - ax) / (by - ay)
                    if px < cross_x:
                        inside = not inside
            if inside:
                row[x] = colour


def stamp(canvas, x0, y0, rows, inks, shear=0):
    """Copies a pixel glyph onto the canvas.

    inks maps glyph characters to palette indices; other characters are
    left alone.  shear > 0 leans the glyph right by one pixel every `shear`
    rows from the bottom up, which is how the hint figures get their slant.
    """
    height = len(rows)
    for gy, line in enumerate(rows):
        lean = (height - 1 - gy) // shear if shear else 0
        for gx, ch in enumerate(line):
            if ch in inks:
                x, y = x0 + gx + lean, y0 + gy
                if 0 <= y < len(canvas) and 0 <= x < len(canvas[y]):
                    canvas[y][x] = inks[ch]


def outline(canvas, inside, colour):
    """Rings the pixels whose index is in `inside` with `colour`, on the
    transparent pixels that touch them side by side or corner to corner."""
    height, width = len(canvas), len(canvas[0])
    ring = []
    for y in range(height):
        for x in range(width):
            if canvas[y][x] is not None:
                continue
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    ny, nx = y + dy, x + dx
                    if 0 <= ny < height and 0 <= nx < width and canvas[ny][nx] in inside:
                        ring.append((x, y))
                        break
                else:
                    continue
                break
    for x, y in ring:
        canvas[y][x] = colour


def centred(size, extent):
    return (size - extent) // 2


# ---------------------------------------------------------------------------
# File encoders.

def palette_bytes(colours, count):
    colours = list(colours) + [(0, 0, 0)] * (count - len(colours))
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)


def pack_rows(rows, bpp):
    """Packs rows of indices bottom-up, each row padded to four bytes."""
    out = bytearray()
    per_byte = 8 // bpp
    for row in reversed(rows):
        line = bytearray()
        for i in range(0, len(row), per_byte):
            byte = 0
            for j in range(per_byte):
                value = row[i + j] if i + j < len(row) else 0
                byte |= (value & ((1 << bpp) - 1)) << (8 - bpp * (j + 1))
            line.append(byte)
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def icon_image(canvas, bpp):
    """One icon or cursor image: header, palette, colour bits, AND mask.
    Transparent pixels get colour 0 and a set mask bit, so the screen shows
    through unchanged."""
    height, width = len(canvas), len(canvas[0])
    colours = [[0 if p is None else p for p in row] for row in canvas]
    mask = [[1 if p is None else 0 for p in row] for row in canvas]
    xor_bits = pack_rows(colours, bpp)
    and_bits = pack_rows(mask, 1)
    if bpp == 1:
        palette = palette_bytes([VGA[BLACK], VGA[WHITE]], 2)
    else:
        palette = palette_bytes(VGA, 1 << bpp)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bpp, 0,
                         len(xor_bits) + len(and_bits), 0, 0, 0, 0)
    return header + palette + xor_bits + and_bits


def write_icon_file(name, kind, images):
    """kind 1 = icon, 2 = cursor.  images: (canvas, bpp, hotspot or None)."""
    blobs = [icon_image(canvas, bpp) for canvas, bpp, _ in images]
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    for (canvas, bpp, hotspot), blob in zip(images, blobs):
        height, width = len(canvas), len(canvas[0])
        colour_count = (1 << bpp) if bpp < 8 else 0
        if kind == 2:
            field_a, field_b = hotspot
        else:
            field_a, field_b = 1, bpp
        out += struct.pack("<BBBBHHII", width % 256, height % 256, colour_count, 0,
                           field_a, field_b, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    write_file(name, bytes(out))


def write_bmp_file(name, canvas):
    """A 16-colour bottom-up BMP with the standard palette."""
    height, width = len(canvas), len(canvas[0])
    bits = pack_rows(canvas, 4)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(bits),
                       2835, 2835, 16, 16)
    palette = palette_bytes(VGA, 16)
    offset = 14 + len(info) + len(palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    write_file(name, head + info + palette + bits)


def write_file(name, data):
    path = os.path.join(RES_DIR, name)
    with open(path, "wb") as f:
        f.write(data)
    print(f"{os.path.normpath(path)}: {len(data)} bytes")


# ---------------------------------------------------------------------------
# Pictures.

def main_icon_large():
    c = new_canvas(32, 32)
    fill_ellipse(c, 16, 16, 15.5, 15.5, WHITE)
    fill_ellipse(c, 16, 16, 13.5, 13.5, YELLOW)
    stamp(c, 9, 8, QUESTION_BIG, {"#": RED})
    return c


def main_icon_small():
    c = new_canvas(16, 16)
    def octagon(inset):
        a, b = 4.7 + inset * 0.41, 16 - 4.7 - inset * 0.41
        lo, hi = inset, 16 - inset
        return [(a, lo), (b, lo), (hi, a), (hi, b), (b, hi), (a, hi), (lo, b), (lo, a)]
    fill_polygon(c, octagon(0), BLUE)
    # Hollow out the middle so only a two-pixel frame stays blue.
    inner = new_canvas(16, 16)
    fill_polygon(inner, octagon(2), 1)
    for y in range(16):
        for x in range(16):
            if inner[y][x]:
                c[y][x] = None
    stamp(c, 5, 4, QUESTION_SMALL, {"#": RED})
    return c


# The marker button: a flat oval; its lower edge shows as a thinner
# crescent of a darker shade beneath the top face.
MARK_RX, MARK_RY = 14.3, 8.2


def fill_slab(canvas, top_y, bottom_y, colour):
    """The side of a squat cylinder: the oval swept from top_y down to bottom_y."""
    y = top_y
    while y <= bottom_y:
        fill_ellipse(canvas, 16, y, MARK_RX, MARK_RY, colour)
        y += 0.5


def mark_idle():
    c = new_canvas(32, 32)
    face_y = 13.5
    fill_ellipse(c, 16, face_y + 3, MARK_RX, MARK_RY, MAROON)
    fill_ellipse(c, 16, face_y, MARK_RX, MARK_RY, RED)
    stamp(c, 13, int(face_y) - 4, QUESTION_THIN, {"#": MAROON})
    return c


def mark_hot():
    c = new_canvas(32, 32)
    face_y = 10.5
    base_y = face_y + 7
    # The dark-blue plinth the raised button stands on.
    fill_slab(c, face_y, base_y, NAVY)
    fill_ellipse(c, 16, face_y + 2, MARK_RX, MARK_RY, GREEN)
    fill_ellipse(c, 16, face_y, MARK_RX, MARK_RY, LIME)
    stamp(c, 12, int(face_y) - 5, QUESTION_BOLD, {"#": GREEN})
    return c


def mark_pressed():
    c = new_canvas(32, 32)
    face_y = 16.5
    # Pushed flush: only a hairline of the red rim peeks out below.
    fill_ellipse(c, 16, face_y + 1, MARK_RX, MARK_RY, MAROON)
    fill_ellipse(c, 16, face_y, MARK_RX, MARK_RY, LIME)
    stamp(c, 12, int(face_y) - 5, QUESTION_BOLD, {"#": GREEN})
    return c


def link_cursor():
    c = new_canvas(32, 32)
    stamp(c, 0, 0, HAND, {"B": 0, "W": 1})  # mono palette: 0 black, 1 white
    return c


def game_cursor():
    c = new_canvas(32, 32)
    stamp(c, 6, 7, ARROW, {"B": BLACK, "R": RED})
    mark = new_canvas(32, 32)
    stamp(mark, 19, 17, QUESTION_BOLD, {"#": RED})
    outline(mark, {RED}, BLACK)
    for y in range(32):
        for x in range(32):
            if mark[y][x] is not None:
                c[y][x] = mark[y][x]
    return c


# Each toolbar button image is this many pixels wide.
HINT_CELL = 22


def hint_label(canvas, cell_x, text):
    """Draws one hint label centred in its cell: a lime minus, then yellow
    figures over a green shadow, all leaning right."""
    glyphs = [FIGURES[ch] for ch in "-" + text]
    lefts, x = [], 0
    for glyph in glyphs:
        lefts.append(x)
        x += len(glyph[0]) + 1
    # One pixel less for the last gap, two more for the slant, one for the shadow.
    x0 = cell_x + centred(HINT_CELL, x - 1 + 2 + 1)
    top = 1
    stamp(canvas, x0, top, glyphs[0], {"#": LIME}, shear=3)
    for glyph, left in zip(glyphs[1:], lefts[1:]):
        stamp(canvas, x0 + left + 1, top + 1, glyph, {"#": GREEN}, shear=3)
    for glyph, left in zip(glyphs[1:], lefts[1:]):
        stamp(canvas, x0 + left, top, glyph, {"#": YELLOW}, shear=3)


def hint_toolbar():
    c = new_canvas(2 * HINT_CELL, 12, SILVER)
    hint_label(c, 0, "10")
    hint_label(c, HINT_CELL, "50")
    return c


def main():
    os.makedirs(RES_DIR, exist_ok=True)
    write_icon_file("mainframe.ico", 1, [(main_icon_large(), 4, None),
                                         (main_icon_small(), 4, None)])
    write_icon_file("mark_idle.ico", 1, [(mark_idle(), 4, None)])
    write_icon_file("mark_hot.ico", 1, [(mark_hot(), 4, None)])
    write_icon_file("mark_pressed.ico", 1, [(mark_pressed(), 4, None)])
    write_icon_file("link.cur", 2, [(link_cursor(), 1, (6, 0))])
    write_icon_file("game.cur", 2, [(game_cursor(), 8, (6, 7))])
    write_bmp_file("hint_toolbar.bmp", hint_toolbar())


if __name__ == "__main__":
    main()
