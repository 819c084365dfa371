#!/usr/bin/env python3
"""Draws the task panel's pictures: XTPTaskPanelHand.cur (cursor 9010, a
pointing hand, 32 x 32 with its hot spot at the finger's tip, for systems
without a hand cursor of their own) and the two round expand buttons that
the painters recolour to their caption colours, XTPTaskPanelExpand.bmp
(bitmap 9179, ordinary groups) and XTPTaskPanelExpandSpecial.bmp (bitmap
9180, special groups): 19 x 19, 8 bits per pixel, a round button on a plain
background whose colour is pixel (0, 0). Run it from this folder; the files
it writes are kept in the repository."""
import math
import struct

BLACK, WHITE = (0, 0, 0), (255, 255, 255)


def write_cur(path, pixels, hot_x, hot_y):
    # 32-bit colour with alpha and an AND mask; None is transparent.
    size = len(pixels)
    xor = bytearray()
    for row in reversed(pixels):
        for colour in row:
            xor += bytes((0, 0, 0, 0)) if colour is None else bytes((colour[2], colour[1], colour[0], 255))
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(4)
        for x, colour in enumerate(row):
            if colour is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    image = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image += xor + mask
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", size, size, 0, 0, hot_x, hot_y, len(image), 22)
    with open(path, "wb") as stream:
        stream.write(out + image)


def hand():
    # A hand pointing up: the index finger from the top, three bent fingers
    # and the thumb below, outlined in black and filled white.
    pixels = [[None] * 32 for _ in range(32)]
    shape = set()
    for y in range(1, 12):
        for x in range(10, 14):
            shape.add((x, y))
    for x0, top in ((14, 8), (17, 9), (20, 10)):
        for y in range(top, 16):
            for x in range(x0, x0 + 3):
                shape.add((x, y))
    for y in range(12, 16):
        for x in range(6, 10):
            if x - 6 >= 15 - y:
                shape.add((x, y))
    for y in range(16, 24):
        for x in range(8 + max(0, y - 21), 23 - max(0, y - 21)):
            shape.add((x, y))
    for (x, y) in shape:
        pixels[y][x] = WHITE
    for (x, y) in shape:
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            if (x + dx, y + dy) not in shape:
                pixels[y][x] = BLACK
    # The gaps between the bent fingers.
    for x, top in ((13, 8), (16, 9), (19, 10)):
        for y in range(top, 13):
            pixels[y][x] = BLACK
    return pixels


def write_bmp8(path, pixels):
    palette = sorted(set(colour for row in pixels for colour in row))
    index = {colour: i for i, colour in enumerate(palette)}
    width, height = len(pixels[0]), len(pixels)
    row_size = (width + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytes(index[colour] for colour in row)
        data += line + bytes(row_size - len(line))
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(data), 2835, 2835, len(palette),
                       len(palette))
    with open(path, "wb") as out:
        out.write(header + info + colours + data)


def round_button(back, ring, top, bottom):
    # A disc of radius 9 with a ring and a fill shading from top to bottom.
    size = 19
    pixels = [[back] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            d = math.hypot(x + 0.5 - 9.5, y + 0.5 - 9.5)
            if d > 9.0:
                continue
            if d > 7.8:
                pixels[y][x] = ring
            else:
                t = y / (size - 1)
                pixels[y][x] = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
    return pixels


if __name__ == "__main__":
    write_cur("XTPTaskPanelHand.cur", hand(), 11, 1)
    write_bmp8("XTPTaskPanelExpand.bmp", round_button((198, 211, 247), (148, 165, 222), WHITE, (214, 223, 247)))
    write_bmp8("XTPTaskPanelExpandSpecial.bmp",
               round_button((41, 93, 206), (28, 64, 150), (120, 160, 235), (66, 120, 222)))
