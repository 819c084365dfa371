#!/usr/bin/env python3
"""Draws XTCaptionButtons.bmp: three 16 x 15 images on magenta, the mask
colour: 0 the push pin lying (the popup is not pinned), 1 the push pin
standing (pinned), 2 the close cross. Run it from this folder."""
import struct

WIDTH, HEIGHT, CELL = 48, 15, 16
MAGENTA, BLACK, GREY, WHITE = (255, 0, 255), (0, 0, 0), (128, 128, 128), (255, 255, 255)
pixels = [[MAGENTA] * WIDTH for _ in range(HEIGHT)]


def put(x, y, colour):
    pixels[y][x] = colour


def pin_lying(x0):
    # Head on the right, needle to the left.
    for x in range(x0 + 8, x0 + 13):
        put(x, 4, BLACK)
        put(x, 10, BLACK)
    for y in range(4, 11):
        put(x0 + 8, y, BLACK)
        put(x0 + 13, y, BLACK)
    for y in range(5, 10):
        for x in range(x0 + 9, x0 + 13):
            put(x, y, WHITE if x < x0 + 11 else GREY)
    for y in range(3, 12):
        put(x0 + 7, y, BLACK)
    for x in range(x0 + 2, x0 + 7):
        put(x, 7, BLACK)


def pin_standing(x0):
    # Head at the top, needle down.
    for y in range(1, 6):
        put(x0 + 5, y, BLACK)
        put(x0 + 10, y, BLACK)
    for x in range(x0 + 5, x0 + 11):
        put(x, 1, BLACK)
    for y in range(2, 6):
        for x in range(x0 + 6, x0 + 10):
            put(x, y, WHITE if x < x0 + 8 else GREY)
    for x in range(x0 + 4, x0 + 12):
        put(x, 6, BLACK)
    for y in range(7, 13):
        put(x0 + 7, y, BLACK)


def cross(x0):
    for i in range(8):
        for dx in (0, 1):
            put(x0 + 4 + i + dx, 3 + i, BLACK)
            put(x0 + 11 - i + dx, 3 + i, BLACK)


pin_lying(0)
pin_standing(CELL)
cross(2 * CELL)

row_size = (WIDTH * 3 + 3) & ~3
image = bytearray()
for row in reversed(pixels):
    line = bytearray()
    for r, g, b in row:
        line += bytes((b, g, r))
    image += line + bytes(row_size - len(line))
header = struct.pack('<2sIHHI', b'BM', 54 + len(image), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(image), 2835, 2835, 0, 0)
with open('XTCaptionButtons.bmp', 'wb') as out:
    out.write(header + info + image)
