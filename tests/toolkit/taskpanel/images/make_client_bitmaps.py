#!/usr/bin/env python3
"""Writes the client bitmaps of the task-panel tests (run from this folder).

Both are 12 x 10 with a 4 x 4 corner at the top left that must not show:
client24.bmp is green with that corner magenta (the mask colour given),
client32.bmp is blue and opaque with that corner fully transparent."""
import struct

WIDTH, HEIGHT, CORNER = 12, 10, 4


def bmp_file(bits, rows_bottom_up):
    pixels = b''.join(rows_bottom_up)
    header = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, bits, 0, 0, 0, 0, 0, 0)
    offset = 14 + len(header)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + header + pixels


def picture(bits, inside, corner):
    rows = []
    for y in range(HEIGHT - 1, -1, -1):
        row = b''.join(corner if x < CORNER and y < CORNER else inside for x in range(WIDTH))
        rows.append(row + b'\0' * ((4 - len(row) % 4) % 4))
    return bmp_file(bits, rows)


with open('client24.bmp', 'wb') as f:
    f.write(picture(24, bytes((0, 160, 0)), bytes((255, 0, 255))))
with open('client32.bmp', 'wb') as f:
    f.write(picture(32, bytes((160, 0, 0, 255)), bytes((0, 0, 0, 0))))
