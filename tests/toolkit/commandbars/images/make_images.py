#!/usr/bin/env python3
"""Writes the toolbar bitmap of the command-bar tests (run from this folder):
four 16 x 15 images on magenta, each a filled shape of its own colour."""
import struct

MAGENTA = (255, 0, 255)
WIDTH, HEIGHT, COUNT = 16, 15, 4


def inside(image, x, y):
    if image == 0:   # square
        return 3 <= x <= 12 and 2 <= y <= 11
    if image == 1:   # diamond
        return abs(x - 7) + abs(y - 7) <= 6
    if image == 2:   # horizontal bar
        return 1 <= x <= 14 and 5 <= y <= 9
    return (x - 7) ** 2 + (y - 7) ** 2 <= 36  # disc


COLORS = [(200, 30, 30), (30, 150, 30), (30, 60, 200), (220, 160, 0)]


def main():
    width = WIDTH * COUNT
    rows = []
    for y in range(HEIGHT - 1, -1, -1):
        row = b''
        for x in range(width):
            image, local_x = divmod(x, WIDTH)
            r, g, b = COLORS[image] if inside(image, local_x, y) else MAGENTA
            row += bytes((b, g, r))
        row += b'\0' * ((4 - len(row) % 4) % 4)
        rows.append(row)
    pixels = b''.join(rows)
    header = struct.pack('<IiiHHIIiiII', 40, width, HEIGHT, 1, 24, 0, 0, 0, 0, 0, 0)
    offset = 14 + len(header)
    with open('toolbar.bmp', 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + header + pixels)


main()
