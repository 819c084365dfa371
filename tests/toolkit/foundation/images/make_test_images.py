#!/usr/bin/env python3
"""Writes the bitmaps and icons of the image-manager tests (run from this folder)."""
import struct

MAGENTA = (255, 0, 255)
STRIP_COLORS = [(200, 0, 0), (0, 200, 0), (0, 0, 200)]


def info_header(width, height, bits):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, 0, 0, 0, 0, 0)


def bmp_file(width, height, bits, rows_bottom_up):
    pixels = b''.join(rows_bottom_up)
    header = info_header(width, height, bits)
    offset = 14 + len(header)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + header + pixels


def pad(row):
    return row + b'\0' * ((4 - len(row) % 4) % 4)


def toolbar_strip():
    """Three 16 x 15 images on magenta: each a square of its colour."""
    width, height = 48, 15
    rows = []
    for y in range(height - 1, -1, -1):
        row = b''
        for x in range(width):
            r, g, b = MAGENTA
            if 2 <= y <= 12 and 2 <= x % 16 <= 13:
                r, g, b = STRIP_COLORS[x // 16]
            row += bytes((b, g, r))
        rows.append(pad(row))
    return bmp_file(width, height, 24, rows)


def alpha_pixel(image, y):
    """Image k is one colour; its alpha falls by 16 per row from the top."""
    blue, green, red = 10 + image, 20 + image, 30 + image
    return bytes((blue, green, red, 255 - 16 * y))


def alpha_strip(width, height=16):
    rows = []
    for y in range(height - 1, -1, -1):
        rows.append(b''.join(alpha_pixel(x // 16, y) for x in range(width)))
    return bmp_file(width, height, 32, rows)


def icon_image_32(size):
    colour = b''.join(alpha_pixel(0, y) * size for y in range(size - 1, -1, -1))
    mask = pad(b'\0' * (size // 8)) * size
    return info_header(size, size * 2, 32) + colour + mask


def icon_image_24(size, rgb):
    r, g, b = rgb
    colour = pad(bytes((b, g, r)) * size) * size
    mask = pad(b'\0' * (size // 8)) * size
    return info_header(size, size * 2, 24) + colour + mask


def ico_file(images):
    """images: (size, bit count, bytes)."""
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, image in images:
        data += struct.pack('<BBBBHHII', size, size, 0, 0, 1, bits, len(image), offset)
        offset += len(image)
    return data + b''.join(image for _, _, image in images)


def write(name, data):
    with open(name, 'wb') as f:
        f.write(data)


write('toolbar_strip.bmp', toolbar_strip())
write('alpha_strip.bmp', alpha_strip(48))
write('alpha_strip_uneven.bmp', alpha_strip(40))
write('two_sizes.ico', ico_file([(16, 32, icon_image_32(16)), (32, 24, icon_image_24(32, (0, 128, 0)))]))
write('plain.ico', ico_file([(16, 24, icon_image_24(16, (0, 0, 160)))]))
