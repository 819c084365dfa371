#!/usr/bin/env python3
"""Draws the command bars' own pictures. Beside this file:

  menubar_icons.bmp  the images of an MDI child's system commands in four
                     16 x 16 cells on magenta (the mask colour): restore,
                     minimise, maximise, close

In images/, the pictures of customize mode:

  bitmap9322.bmp  the 42 stock button images of "Change Button Image"
                  (16 x 16 cells on magenta, the mask colour, 24-bit)
  bitmap9352.bmp  the 16 buttons of the Button Editor's tool and move bars,
                  4-bit on light grey (0xC0C0C0, the mask colour)
  bitmap9353.bmp  the same 16 buttons, 32-bit with per-pixel alpha
  cursor9301.cur  customize drag: copying onto a bar (arrow, box, plus)
  cursor9302.cur  customize drag: moving onto a bar (arrow, box)
  cursor9303.cur  customize drag: over no bar (arrow, slashed circle)
  cursor9375.cur  Button Editor: line, rectangle and ellipse (cross hair)
  cursor9376.cur  Button Editor: pick colour (pipette)
  cursor9377.cur  Button Editor: fill (bucket)
  cursor9378.cur  Button Editor: pencil
  cursor9972.cur  resizing a control in customize mode (left-right arrow)

Cursors are monochrome 32 x 32 (AND and XOR masks). Run it from this
folder; the files it writes are kept in the repository."""
import math
import struct

MAGENTA = (255, 0, 255)
LIGHT_GREY = (192, 192, 192)
BLACK, WHITE, GREY, DARK_GREY = (0, 0, 0), (255, 255, 255), (128, 128, 128), (64, 64, 64)
RED, GREEN, BLUE, YELLOW = (200, 0, 0), (0, 128, 0), (0, 0, 200), (230, 200, 0)
NAVY, TEAL, ORANGE, BROWN = (0, 0, 128), (0, 128, 128), (240, 130, 20), (128, 64, 0)
# The sixteen colours a 4-bit picture may use (the standard palette).
PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
             (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
             (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


class Cell:
    """A 16 x 16 picture; None is an unpainted (transparent) pixel."""

    def __init__(self, size=16):
        self.size = size
        self.px = [[None] * size for _ in range(size)]

    def put(self, x, y, colour):
        if x in range(self.size) and y in range(self.size):
            self.px[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        for x, y in ((x, y) for y in range(y0, y1) for x in range(x0, x1)):
            self.put(x, y, colour)

    def box(self, x0, y0, x1, y1, colour):
        self.poly([(x0, y0), (x1 - 1, y0), (x1 - 1, y1 - 1), (x0, y1 - 1), (x0, y0)], colour)

    def panel(self, x0, y0, x1, y1, inside, edge):
        self.fill(x0, y0, x1, y1, inside)
        self.box(x0, y0, x1, y1, edge)

    def line(self, x0, y0, x1, y1, colour):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for k in range(n + 1):
            self.put(round(x0 + (x1 - x0) * k / n), round(y0 + (y1 - y0) * k / n), colour)

    def ring(self, cx, cy, r, colour, inner=None):
        for y in range(self.size):
            for x in range(self.size):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if r - 1.1 < d <= r:
                    self.put(x, y, colour)
                elif inner is not None and d <= r - 1.1:
                    self.put(x, y, inner)

    def poly(self, points, colour):
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            self.line(x0, y0, x1, y1, colour)


# ---- The Button Editor's sixteen buttons, in tool-bar order -----------------

def pencil(c):
    c.poly([(3, 12), (11, 4), (13, 6), (5, 14), (3, 14), (3, 12)], BLACK)
    c.line(4, 12, 11, 5, YELLOW)
    c.line(5, 13, 12, 6, ORANGE)
    c.line(10, 5, 12, 7, RED)


def fill_colour(c):
    c.poly([(2, 8), (7, 3), (12, 8), (7, 13), (2, 8)], BLACK)
    c.fill(5, 8, 10, 11, GREY)
    c.line(12, 8, 13, 12, BLUE)
    c.fill(13, 11, 15, 14, BLUE)


def undo(c):
    c.ring(9, 9, 5, BLUE)
    c.fill(9, 9, 16, 16, None)
    c.fill(2, 9, 8, 16, None)
    c.poly([(4, 6), (4, 10), (8, 10)], BLUE)


def redo(c):
    c.ring(7, 9, 5, BLUE)
    c.fill(0, 9, 7, 16, None)
    c.fill(8, 9, 14, 16, None)
    c.poly([(12, 6), (12, 10), (8, 10)], BLUE)


def pick_colour(c):
    c.line(3, 13, 9, 7, BLACK)
    c.line(4, 13, 10, 7, GREY)
    c.fill(10, 3, 13, 6, BLACK)
    c.line(9, 6, 12, 9, BLACK)


def line_tool(c):
    c.line(2, 13, 13, 2, BLACK)


def rectangle_tool(c):
    c.box(2, 3, 14, 13, BLACK)


def ellipse_tool(c):
    c.ring(8, 8, 6.5, BLACK)


def copy(c):
    c.panel(2, 2, 9, 10, WHITE, NAVY)
    c.panel(6, 6, 14, 14, WHITE, NAVY)


def paste(c):
    c.fill(2, 3, 11, 14, BROWN)
    c.fill(5, 2, 8, 4, GREY)
    c.panel(7, 7, 14, 15, WHITE, NAVY)


def clear(c):
    c.panel(3, 3, 13, 13, WHITE, GREY)
    c.line(4, 4, 12, 12, RED)
    c.line(12, 4, 4, 12, RED)


def import_file(c):
    c.panel(1, 5, 14, 14, YELLOW, BROWN)
    c.fill(1, 3, 6, 5, YELLOW)
    c.line(8, 1, 8, 9, GREEN)
    c.poly([(5, 6), (8, 9), (11, 6)], GREEN)


def arrow(dx, dy):
    def draw(c):
        for i in range(5):
            for t in range(-i, i + 1):
                x, y = (8 - dx * (i - 2), 8 + t) if dx else (8 + t, 8 - dy * (i - 2))
                c.put(x, y, BLACK)
    return draw


EDITOR_BUTTONS = [pencil, fill_colour, undo, redo, pick_colour, line_tool, copy, paste,
                  rectangle_tool, ellipse_tool, clear, import_file,
                  arrow(-1, 0), arrow(0, 1), arrow(0, -1), arrow(1, 0)]


# ---- The 42 stock images of "Change Button Image" ---------------------------

def stock_image(i):
    """Image i (0..41): six shapes in seven colours."""
    colours = [RED, GREEN, BLUE, YELLOW, TEAL, ORANGE, NAVY]
    colour = colours[i % 7]
    shape = i // 7

    def draw(c):
        if shape == 0:    # a disc
            c.ring(8, 8, 6.5, BLACK, colour)
        elif shape == 1:  # a square
            c.panel(3, 3, 13, 13, colour, BLACK)
        elif shape == 2:  # a diamond
            for y in range(2, 15):
                half = 6 - abs(y - 8)
                c.fill(8 - half, y, 8 + half + 1, y + 1, colour)
            c.poly([(8, 2), (14, 8), (8, 14), (2, 8), (8, 2)], BLACK)
        elif shape == 3:  # a triangle
            for y in range(3, 14):
                half = (y - 3) // 2 + 1
                c.fill(8 - half, y, 8 + half, y + 1, colour)
            c.poly([(8, 2), (14, 13), (1, 13), (8, 2)], BLACK)
        elif shape == 4:  # a star
            points = []
            for k in range(11):
                r = 7 if k % 2 == 0 else 3
                a = -math.pi / 2 + k * math.pi / 5
                points.append((round(8 + r * math.cos(a)), round(8 + r * math.sin(a))))
            for y in range(16):
                for x in range(16):
                    if inside(points, x, y):
                        c.put(x, y, colour)
            c.poly(points, BLACK)
        else:             # a heart
            for y in range(16):
                for x in range(16):
                    u, v = (x - 7.5) / 6.5, (7 - y) / 6.5
                    if (u * u + v * v - 0.55) ** 3 - u * u * v ** 3 <= 0:
                        c.put(x, y, colour)
    return draw


def inside(points, x, y):
    # Even-odd test of the pixel centre against the closed polygon.
    px, py, hit = x + 0.5, y + 0.5, False
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        if (y0 > py) != (y1 > py) and px < x0 + (py - y0) * (x1 - x0) / (y1 - y0):
            hit = not hit
    return hit


# ---- The MDI child's system commands of the menu bar ------------------------

def window(x, y, left, top, right, bottom):
    """A window frame with a title bar two pixels thick."""
    return left <= x <= right and top <= y <= bottom and (x in (left, right) or y in (top, top + 1, bottom))


def restore(x, y):
    # Two windows, the front one lower left hiding part of the back one.
    in_front = 2 <= x <= 9 and 6 <= y <= 13
    return window(x, y, 2, 6, 9, 13) or (window(x, y, 6, 2, 13, 9) and not in_front)


def minimise(x, y):
    return 4 <= x <= 11 and 11 <= y <= 12


def maximise(x, y):
    return window(x, y, 2, 2, 13, 13)


def close(x, y):
    # Two diagonal strokes, two pixels thick.
    return 3 <= x <= 12 and 3 <= y <= 12 and (x - y in (0, 1) or x + y in (15, 16))


def shape_cell(shape):
    """A cell painted black wherever the shape holds."""
    cell = Cell()
    for y in range(16):
        for x in range(16):
            if shape(x, y):
                cell.put(x, y, BLACK)
    return cell


MENUBAR_SHAPES = [restore, minimise, maximise, close]


# ---- Writers -----------------------------------------------------------------

def strip(cells, background):
    """The cells side by side as rows of pixels, top row first."""
    rows = []
    for y in range(16):
        row = []
        for cell in cells:
            row += [background if p is None else p for p in cell.px[y]]
        rows.append(row)
    return rows


def bitmap_file(width, height, bits, data, palette=b""):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       len(palette) // 4, 0)
    offset = 14 + len(info) + len(palette)
    return struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset) + info + palette + data


def write_bmp24(path, rows):
    width = len(rows[0])
    pad = bytes(((width * 3 + 3) & ~3) - width * 3)
    data = b"".join(bytes(v for r, g, b in row for v in (b, g, r)) + pad for row in reversed(rows))
    with open(path, "wb") as out:
        out.write(bitmap_file(width, len(rows), 24, data))


def write_bmp4(path, rows):
    width = len(rows[0])
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE16)
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, width, 2):
            hi, lo = nearest16(row[x]), nearest16(row[x + 1])
            line.append(hi << 4 | lo)
        data += line + bytes(-len(line) % 4)
    with open(path, "wb") as out:
        out.write(bitmap_file(width, len(rows), 4, bytes(data), palette))


def nearest16(colour):
    return min(range(16), key=lambda k: sum((a - b) ** 2 for a, b in zip(colour, PALETTE16[k])))


def write_bmp32(path, cells):
    # Painted pixels are opaque, the rest fully transparent (alpha 0, black).
    data = bytearray()
    for y in reversed(range(16)):
        for cell in cells:
            for p in cell.px[y]:
                data += bytes((0, 0, 0, 0)) if p is None else bytes((p[2], p[1], p[0], 255))
    with open(path, "wb") as out:
        out.write(bitmap_file(16 * len(cells), 16, 32, bytes(data)))


# A cursor picture: rows of 32 characters, "#" black, "o" white, "~" inverted,
# anything else transparent; the hot spot is given apart.
def write_cursor(path, rows, hot):
    rows = [row.ljust(32) for row in rows] + [" " * 32] * (32 - len(rows))
    xor, mask = bytearray(), bytearray()
    for row in reversed(rows):
        xbits, abits = 0, 0
        for ch in row:
            xbits = xbits << 1 | (ch in "o~")
            abits = abits << 1 | (ch not in "#o")
        xor += struct.pack(">I", xbits)
        mask += struct.pack(">I", abits)
    image = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    image += bytes((0, 0, 0, 0, 255, 255, 255, 0)) + xor + mask
    header = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", 32, 32, 2, 0, hot[0], hot[1],
                                                        len(image), 22)
    with open(path, "wb") as out:
        out.write(header + image)


ARROW = ["#", "##", "#o#", "#oo#", "#ooo#", "#oooo#", "#ooooo#", "#oooooo#", "#ooooooo#",
         "#oooooooo#", "#ooooo#####", "#oo#oo#", "#o# #oo#", "##  #oo#", "#    #oo#",
         "      #oo#", "       ##"]


def with_badge(badge, left=12, top=18):
    rows = [r.ljust(32) for r in ARROW] + [" " * 32] * 15
    for dy, text in enumerate(badge):
        row = rows[top + dy]
        rows[top + dy] = row[:left] + text + row[left + len(text):]
    return rows


DRAG_BOX = ["###########", "#ooooooooo#", "#ooooooooo#", "#ooooooooo#", "#ooooooooo#",
            "#ooooooooo#", "###########"]
COPY_BOX = ["###########", "#ooooooooo#", "#oooo#oooo#", "#oo#####oo#", "#oooo#oooo#",
            "#ooooooooo#", "###########"]
def no_drop_badge():
    # A slashed circle, 11 x 11: black outline, white ring.
    rows = []
    for y in range(11):
        row = ""
        for x in range(11):
            d = math.hypot(x - 5, y - 5)
            slash = abs((x - 5) + (y - 5)) <= 1 and d < 4.5
            row += "#" if 4.5 <= d < 5.5 or slash else ("o" if 3.5 <= d < 4.5 else " ")
        rows.append(row)
    return rows


def cross_hair():
    rows = [" " * 32 for _ in range(32)]
    out = []
    for y, row in enumerate(rows):
        row = list(row)
        for x in range(32):
            if (x == 15 and y not in range(13, 18) and 4 <= y <= 26) or \
               (y == 15 and x not in range(13, 18) and 4 <= x <= 26):
                row[x] = "~"
        out.append("".join(row))
    return out


def tool_cursor(cell):
    # A tool picture at double size: outline black, inside white.
    rows = []
    for y in range(32):
        row = ""
        for x in range(32):
            p = cell.px[y // 2][x // 2]
            row += " " if p is None else ("#" if p in (BLACK, BROWN, NAVY) else "o")
        rows.append(row)
    return rows


def resize_cursor():
    rows = []
    for y in range(32):
        row = [" "] * 32
        for x in range(4, 28):
            if y in (15, 16):
                row[x] = "#"
        for k in range(1, 5):
            if y in (15 - k, 16 + k):
                row[4 + k] = "#"
                row[27 - k] = "#"
        for x in (15, 16):
            if 8 <= y <= 23:
                row[x] = "#"
        rows.append("".join(row))
    return rows


def picture(draw):
    cell = Cell()
    draw(cell)
    return cell


if __name__ == "__main__":
    write_bmp24("menubar_icons.bmp", strip([shape_cell(shape) for shape in MENUBAR_SHAPES], MAGENTA))
    buttons = [picture(draw) for draw in EDITOR_BUTTONS]
    write_bmp24("images/bitmap9322.bmp", strip([picture(stock_image(i)) for i in range(42)], MAGENTA))
    write_bmp4("images/bitmap9352.bmp", strip(buttons, LIGHT_GREY))
    write_bmp32("images/bitmap9353.bmp", buttons)
    write_cursor("images/cursor9301.cur", with_badge(COPY_BOX), (0, 0))
    write_cursor("images/cursor9302.cur", with_badge(DRAG_BOX), (0, 0))
    write_cursor("images/cursor9303.cur", with_badge(no_drop_badge(), 11, 16), (0, 0))
    write_cursor("images/cursor9375.cur", cross_hair(), (15, 15))
    write_cursor("images/cursor9376.cur", tool_cursor(picture(pick_colour)), (6, 26))
    write_cursor("images/cursor9377.cur", tool_cursor(picture(fill_colour)), (26, 26))
    write_cursor("images/cursor9378.cur", tool_cursor(picture(pencil)), (6, 28))
    write_cursor("images/cursor9972.cur", resize_cursor(), (15, 15))
