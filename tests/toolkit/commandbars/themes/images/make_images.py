#!/usr/bin/env python3
"""Writes the bitmaps of the theme tests (run from this folder): two 4 x 2
pictures in the classic dark green, one with a colour table of two entries
(green and white) and one of 24 bits a pixel with no table at all."""
import struct

GREEN = (0, 128, 0)
WHITE = (255, 255, 255)
WIDTH, HEIGHT = 4, 2


def write(name, bit_count, table, rows):
    header = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, bit_count, 0, len(rows), 0, 0, len(table), 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in table)
    offset = 14 + len(header) + len(palette)
    data = header + palette + rows
    with open(name, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + len(data), 0, 0, offset) + data)


def main():
    # 4 bits a pixel: index 0 (green) then 1 (white), rows padded to 4 bytes.
    write('paletted.bmp', 4, [GREEN, WHITE], bytes([0x01, 0x01, 0, 0]) * HEIGHT)
    # 24 bits a pixel: every pixel green; the bytes after the header look
    # like table entries of the classic green but are pixels.
    row = bytes([GREEN[2], GREEN[1], GREEN[0]]) * WIDTH
    write('truecolor.bmp', 24, [], row * HEIGHT)


if __name__ == '__main__':
    main()
