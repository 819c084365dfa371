#!/usr/bin/env python3
"""Draws the command bars' own pictures (run from this folder; the files it
writes are kept in the repository): menubar_icons.bmp, the images of an MDI
child's system commands in four 16 x 16 cells on magenta (the mask colour):
restore, minimise, maximise, close."""
import struct

MAGENTA = (255, 0, 255)
INK = (0, 0, 0)
CELL = 16


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


SHAPES = [restore, minimise, maximise, close]


def main():
    width = CELL * len(SHAPES)
    rows = []
    for y in range(CELL - 1, -1, -1):
        row = b''
        for x in range(width):
            image, local_x = divmod(x, CELL)
            r, g, b = INK if SHAPES[image](local_x, y) else MAGENTA
            row += bytes((b, g, r))
        row += b'\0' * ((4 - len(row) % 4) % 4)
        rows.append(row)
    pixels = b''.join(rows)
    header = struct.pack('<IiiHHIIiiII', 40, width, CELL, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    with open('menubar_icons.bmp', 'wb') as out:
        out.write(file_header + header + pixels)


if __name__ == '__main__':
    main()
