#!/usr/bin/env python3
"""Draws the program's pictures and its alarm sound: the toolbar strips
(16 x 15 cells on magenta, the mask colour), bitmap 146 (14-pixel list
images), bitmap 168 (the Edit Keyword image), the icons (16 x 16 and 32 x 32,
32-bit with mask) and sound/alarm.wav. Run it from this folder; the files it
writes are kept in the repository."""
import math
import struct
import wave

MAGENTA = (255, 0, 255)
BLACK, WHITE, GREY = (0, 0, 0), (255, 255, 255), (128, 128, 128)
RED, GREEN, BLUE = (200, 30, 30), (30, 150, 40), (40, 90, 200)
YELLOW, ORANGE, NAVY = (250, 210, 60), (240, 140, 30), (20, 40, 120)


class Canvas:
    def __init__(self, width, height, back):
        self.width, self.height = width, height
        self.pixels = [[back] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1):
            self.put(x, y0, colour)
            self.put(x, y1 - 1, colour)
        for y in range(y0, y1):
            self.put(x0, y, colour)
            self.put(x1 - 1, y, colour)

    def line(self, x0, y0, x1, y1, colour, thick=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            for d in range(thick):
                self.put(x + d, y, colour)

    def disc(self, cx, cy, r, colour, ring=None):
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d <= r:
                    self.put(x, y, ring if ring and d > r - 1.2 else colour)


# Pictograms drawn into a cell at (x0, y0) scaled from a 16-pixel design.
def page(c, x0, y0, s=1):
    c.rect(x0 + 3 * s, y0 + 1 * s, x0 + 12 * s, y0 + 14 * s, WHITE)
    c.frame(x0 + 3 * s, y0 + 1 * s, x0 + 12 * s, y0 + 14 * s, GREY)
    for row in range(3, 12, 2):
        c.line(x0 + 5 * s, y0 + row * s, x0 + 10 * s, y0 + row * s, BLUE, s)


def plus(c, x0, y0, colour=GREEN):
    c.rect(x0 + 9, y0 + 5, x0 + 11, y0 + 14, colour)
    c.rect(x0 + 6, y0 + 8, x0 + 14, y0 + 10, colour)


def cross(c, x0, y0, colour=RED):
    c.line(x0 + 7, y0 + 6, x0 + 13, y0 + 12, colour, 2)
    c.line(x0 + 13, y0 + 6, x0 + 7, y0 + 12, colour, 2)


def lens(c, x0, y0, dx=0):
    for y in range(16):
        for x in range(16):
            d = math.hypot(x + 0.5 - 6.5 - dx, y + 0.5 - 6.5)
            if 2.6 < d <= 4.2:
                c.put(x0 + x, y0 + y, NAVY)
            elif d <= 2.6:
                c.put(x0 + x, y0 + y, (190, 220, 250))
    c.line(x0 + 9 + dx, y0 + 9, x0 + 13 + dx, y0 + 13, ORANGE, 2)


def tick(c, x0, y0):
    c.line(x0 + 3, y0 + 8, x0 + 6, y0 + 11, GREEN, 2)
    c.line(x0 + 6, y0 + 11, x0 + 12, y0 + 4, GREEN, 2)


def globe(c, x0, y0):
    for y in range(15):
        for x in range(16):
            d = math.hypot(x + 0.5 - 8, y + 0.5 - 7.5)
            if d <= 6.5:
                land = (x * 7 + y * 3) % 11 < 4
                c.put(x0 + x, y0 + y, GREEN if land else BLUE)
    c.line(x0 + 9, y0 + 9, x0 + 14, y0 + 14, BLACK)
    c.line(x0 + 14, y0 + 14, x0 + 14, y0 + 11, BLACK)
    c.line(x0 + 14, y0 + 14, x0 + 11, y0 + 14, BLACK)


def question(c, x0, y0, colour=NAVY):
    c.disc(x0 + 8, y0 + 7.5, 7, (220, 230, 250), colour)
    c.line(x0 + 6, y0 + 4, x0 + 9, y0 + 4, colour, 1)
    c.line(x0 + 10, y0 + 5, x0 + 10, y0 + 7, colour, 1)
    c.line(x0 + 9, y0 + 8, x0 + 8, y0 + 9, colour, 1)
    c.put(x0 + 8, y0 + 11, colour)


def pencil(c, x0, y0):
    c.line(x0 + 3, y0 + 12, x0 + 12, y0 + 3, ORANGE, 3)
    c.line(x0 + 2, y0 + 13, x0 + 3, y0 + 12, BLACK, 1)


def arrow(c, x0, y0, left):
    page(c, x0 - 1, y0)
    if left:
        c.line(x0 + 1, y0 + 8, x0 + 8, y0 + 8, GREEN, 2)
        c.line(x0 + 1, y0 + 8, x0 + 4, y0 + 5, GREEN, 2)
        c.line(x0 + 1, y0 + 8, x0 + 4, y0 + 11, GREEN, 2)
    else:
        c.line(x0 + 7, y0 + 8, x0 + 14, y0 + 8, RED, 2)
        c.line(x0 + 14, y0 + 8, x0 + 11, y0 + 5, RED, 2)
        c.line(x0 + 14, y0 + 8, x0 + 11, y0 + 11, RED, 2)


def door(c, x0, y0):
    c.rect(x0 + 3, y0 + 1, x0 + 11, y0 + 14, (150, 100, 50))
    c.put(x0 + 9, y0 + 8, YELLOW)
    c.line(x0 + 11, y0 + 7, x0 + 15, y0 + 7, RED, 1)


def bars(c, x0, y0, bottom):
    c.rect(x0 + 1, y0 + 2, x0 + 15, y0 + 13, WHITE)
    c.frame(x0 + 1, y0 + 2, x0 + 15, y0 + 13, GREY)
    y = y0 + 10 if bottom else y0 + 3
    c.rect(x0 + 2, y, x0 + 14, y + 2, BLUE)


def gear(c, x0, y0):
    c.disc(x0 + 8, y0 + 7.5, 6, GREY)
    for dx, dy in ((0, -6), (0, 6), (-6, 0), (6, 0)):
        c.rect(x0 + 7 + dx, y0 + 7 + dy, x0 + 9 + dx, y0 + 9 + dy, GREY)
    c.disc(x0 + 8, y0 + 7.5, 2.5, WHITE)


def upgrade(c, x0, y0):
    c.line(x0 + 8, y0 + 2, x0 + 8, y0 + 13, GREEN, 2)
    c.line(x0 + 8, y0 + 2, x0 + 3, y0 + 7, GREEN, 2)
    c.line(x0 + 9, y0 + 2, x0 + 14, y0 + 7, GREEN, 2)


def book(c, x0, y0, mark):
    c.rect(x0 + 2, y0 + 2, x0 + 14, y0 + 14, (60, 110, 180))
    c.rect(x0 + 4, y0 + 3, x0 + 13, y0 + 13, WHITE)
    mark(c, x0, y0)


def index_mark(c, x0, y0):
    for row in (5, 8, 11):
        c.line(x0 + 5, y0 + row, x0 + 11, y0 + row, GREY)


def search_mark(c, x0, y0):
    c.disc(x0 + 8, y0 + 7, 2.5, WHITE, NAVY)
    c.line(x0 + 10, y0 + 9, x0 + 12, y0 + 11, NAVY)


DRAW = {
    "add": lambda c, x, y: (page(c, x - 2, y), plus(c, x, y)),
    "remove_all": lambda c, x, y: (page(c, x - 3, y), page(c, x - 1, y + 1), cross(c, x, y)),
    "remove": lambda c, x, y: (page(c, x - 2, y), cross(c, x, y)),
    "check_all": lambda c, x, y: (page(c, x - 2, y), lens(c, x, y, 2), lens(c, x, y, -1)),
    "check": lambda c, x, y: (page(c, x - 2, y), lens(c, x, y, 2)),
    "read": lambda c, x, y: (page(c, x - 2, y), tick(c, x + 2, y + 2)),
    "goto": globe,
    "about": question,
    "edit": lambda c, x, y: (page(c, x - 2, y), pencil(c, x, y)),
    "import": lambda c, x, y: arrow(c, x, y, True),
    "export": lambda c, x, y: arrow(c, x, y, False),
    "exit": door,
    "toolbar": lambda c, x, y: bars(c, x, y, False),
    "statusbar": lambda c, x, y: bars(c, x, y, True),
    "options": gear,
    "upgrade": upgrade,
    "contents": lambda c, x, y: book(c, x, y, lambda *a: None),
    "index": lambda c, x, y: book(c, x, y, index_mark),
    "search": lambda c, x, y: book(c, x, y, search_mark),
    "web": lambda c, x, y: globe(c, x, y),
    "language": lambda c, x, y: (c.rect(x + 1, y + 3, x + 15, y + 12, WHITE), c.frame(x + 1, y + 3, x + 15, y + 12, GREY),
                                 c.line(x + 3, y + 7, x + 8, y + 7, BLUE), c.line(x + 10, y + 6, x + 13, y + 6, BLACK),
                                 c.line(x + 11, y + 7, x + 12, y + 7, BLACK)),
}


def write_bmp(path, canvas):
    row_size = (canvas.width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(canvas.pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + bytes(row_size - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + data)


def strip(path, names, cell=16, height=15):
    canvas = Canvas(cell * len(names), height, MAGENTA)
    for i, name in enumerate(names):
        DRAW[name](canvas, i * cell, 0)
    write_bmp(path, canvas)


def icon_image(size, draw):
    canvas = Canvas(size, size, None)
    draw(canvas, size)
    xor = bytearray()
    for row in reversed(canvas.pixels):
        for colour in row:
            xor += bytes((0, 0, 0, 0)) if colour is None else bytes((colour[2], colour[1], colour[0], 255))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(canvas.pixels):
        bits = bytearray(mask_row)
        for x, colour in enumerate(row):
            if colour is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def write_ico(path, draw):
    images = [icon_image(size, draw) for size in (16, 32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as stream:
        stream.write(out + b"".join(images))


def scaled(pictogram):
    # Draws a 16-pixel pictogram at 16 or, doubled, at 32 pixels.
    def draw(canvas, size):
        small = Canvas(16, 16, None)
        pictogram(small)
        k = size // 16
        for y in range(size):
            for x in range(size):
                canvas.put(x, y, small.pixels[y // k][x // k])
    return draw


def newspaper(c, back=WHITE, wave_colour=BLUE):
    c.rect(1, 2, 15, 14, back)
    c.frame(1, 2, 15, 14, NAVY)
    c.rect(3, 4, 13, 6, NAVY)
    for x in range(3, 13):
        y = 9 + round(1.5 * math.sin(x * 0.9))
        c.put(x, y, wave_colour)
        c.put(x, y + 1, wave_colour)


def bubble(colour, mark=None):
    def draw(c):
        c.disc(8, 7, 6.5, colour, NAVY)
        c.line(4, 12, 2, 15, NAVY)
        if mark:
            mark(c)
    return draw


def letter_n(c):
    c.line(5, 4, 5, 10, WHITE)
    c.line(5, 4, 10, 10, WHITE)
    c.line(10, 4, 10, 10, WHITE)


ICONS = {
    128: newspaper,                                       # the program
    131: lambda c: (c.disc(8, 8, 7, BLUE, NAVY), c.rect(4, 6, 12, 10, GREEN)),  # root of the tree
    132: lambda c: newspaper(c),                          # tray icon, still
    133: lambda c: (page(c, 0, 1)),                       # a keyword
    134: lambda c: (page(c, 0, 1), c.disc(12, 12, 3.5, RED)),
    135: bubble(YELLOW),
    136: bubble(GREEN, letter_n),
    137: lambda c: (page(c, 0, 1), tick(c, 2, 3)),
    138: lambda c: (page(c, 0, 1), cross(c, 0, 2)),
    139: lambda c: newspaper(c, YELLOW, RED),             # tray icon, second frame
    140: bubble(ORANGE),
    141: lambda c: (lens(c, 0, 1)),
}


def write_wav(path):
    # Two short rising beeps, 8-bit mono at 11025 Hz.
    rate = 11025
    frames = bytearray()
    for tone in (880, 1175, 880, 1175):
        for i in range(int(rate * 0.12)):
            fade = min(1.0, i / 200, (int(rate * 0.12) - i) / 200)
            frames.append(128 + int(90 * fade * math.sin(2 * math.pi * tone * i / rate)))
        frames += bytes([128]) * int(rate * 0.04)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(1)
        out.setframerate(rate)
        out.writeframes(bytes(frames))


TOOLBAR_130 = ["add", "remove_all", "remove", "check_all", "check", "read", "goto", "language", "about"]
TOOLBAR_128 = ["edit", "import", "export", "exit", "toolbar", "statusbar", "options", "upgrade",
               "contents", "index", "search", "web", "web", "web", "web", "about"]
TOOLBAR_152 = ["edit", "add", "remove_all", "remove", "check_all", "check", "read"]

if __name__ == "__main__":
    strip("images/toolbar130.bmp", TOOLBAR_130)
    strip("images/toolbar128.bmp", TOOLBAR_128)
    strip("images/toolbar152.bmp", TOOLBAR_152)
    strip("images/bitmap168.bmp", ["edit"], height=16)
    list_images = Canvas(14 * 2, 14, MAGENTA)
    list_images.disc(7, 7, 4, BLUE)
    list_images.disc(21, 7, 4, GREY)
    write_bmp("images/bitmap146.bmp", list_images)
    for number, pictogram in ICONS.items():
        write_ico("images/icon%d.ico" % number, scaled(pictogram))
    write_wav("sound/alarm.wav")


def write_cur(path, vertical_bar):
    # A 32 x 32 two-headed arrow across a double bar, hot spot in the middle.
    def draw(canvas, size):
        mid = size // 2
        for d in (-2, 1):
            for t in range(6, 26):
                x, y = (mid + d, t) if vertical_bar else (t, mid + d)
                canvas.put(x, y, BLACK)
        for t in range(4, 28):
            x, y = (t, mid) if vertical_bar else (mid, t)
            canvas.put(x, y, BLACK)
        for k in range(1, 4):
            for s in (-k, k):
                for end in (4 + k, 27 - k):
                    x, y = (end, mid + s) if vertical_bar else (mid + s, end)
                    canvas.put(x, y, BLACK)
    image = icon_image(32, draw)
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", 32, 32, 0, 0, 16, 16, len(image), 22)
    with open(path, "wb") as stream:
        stream.write(out + image)


if __name__ == "__main__":
    write_cur("images/split_column.cur", True)
    write_cur("images/split_row.cur", False)
