#!/usr/bin/env python3
"""Draws the plug-in's icon and cursor and writes them as .ico and .cur files.

Both are a burst of focus lines, the filter's own subject. The outputs are
committed beside this script so that building needs no Python; run it again
(python3 make_icon_cursor.py) after changing the drawing.
"""
import math
import struct
from pathlib import Path

SIZE = 32
HERE = Path(__file__).resolve().parent

# The standard 16-colour palette as (red, green, blue); written as BGR quads.
PALETTE_16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]


def burst(cx, cy, spokes, r_in, r_out, half_width_at):
    """Pixels (x, y) covered by wedge-shaped spokes around (cx, cy).

    half_width_at(r) is the spoke's angular half width (radians) at radius r,
    so the spokes widen or narrow along their length like drawn focus lines.
    Returns {(x, y): spoke_index}.
    """
    covered = {}
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            r = math.hypot(dx, dy)
            if not (r_in <= r <= r_out):
                continue
            angle = math.atan2(dy, dx) % (2 * math.pi)
            step = 2 * math.pi / spokes
            k = round(angle / step) % spokes
            off = abs((angle - k * step + math.pi) % (2 * math.pi) - math.pi)
            if off <= half_width_at(r):
                covered[(x, y)] = k
    return covered


def bitmap_info_header(bit_count, colours):
    # Height counts the colour bitmap and the mask stacked, as icons require.
    row_bytes = ((SIZE * bit_count + 31) // 32) * 4
    mask_bytes = ((SIZE + 31) // 32) * 4
    image_size = (row_bytes + mask_bytes) * SIZE
    return struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, bit_count, 0,
                       image_size, 0, 0, colours, 0)


def pack_rows(pixel, bits):
    """Rows bottom-up, each padded to 4 bytes; pixel(x, y) gives a value of bits bits."""
    out = bytearray()
    for y in reversed(range(SIZE)):
        acc, nbits, row = 0, 0, bytearray()
        for x in range(SIZE):
            acc = (acc << bits) | pixel(x, y)
            nbits += bits
            if nbits == 8:
                row.append(acc)
                acc, nbits = 0, 0
        while len(row) % 4:
            row.append(0)
        out += row
    return bytes(out)


def make_icon():
    # Sixteen dark spokes around a red centre dot; everything else transparent.
    spokes = burst(15.5, 15.5, 16, 4.5, 15.5, lambda r: 0.01 + 0.008 * r)
    dot = {(x, y) for y in range(SIZE) for x in range(SIZE)
           if math.hypot(x + 0.5 - 15.5, y + 0.5 - 15.5) <= 2.6}

    def colour(x, y):
        if (x, y) in dot:
            return 9  # bright red
        if (x, y) in spokes:
            return 0 if spokes[(x, y)] % 2 == 0 else 4  # black and dark blue
        return 0

    def transparent(x, y):
        return 0 if (x, y) in dot or (x, y) in spokes else 1

    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE_16)
    image = (bitmap_info_header(4, 16) + palette + pack_rows(colour, 4)
             + pack_rows(transparent, 1))
    header = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return header + entry + image


HOT_SPOT = (20, 24)


def make_cursor():
    # Eight black spokes around the hot spot, each with a white rim so it shows
    # on dark and light artwork alike; the hot spot itself stays clear.
    cx, cy = HOT_SPOT[0] + 0.5, HOT_SPOT[1] + 0.5
    ink = burst(cx, cy, 8, 2.5, 6.5, lambda r: 0.12)
    rim = set()
    for (x, y) in ink:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                p = (x + dx, y + dy)
                if p not in ink and 0 <= p[0] < SIZE and 0 <= p[1] < SIZE:
                    rim.add(p)

    # With the mask bit 0 the colour bit paints: 0 black, 1 white.
    def colour(x, y):
        return 1 if (x, y) in rim else 0

    def transparent(x, y):
        return 0 if (x, y) in ink or (x, y) in rim else 1

    palette = struct.pack('<BBBB', 0, 0, 0, 0) + struct.pack('<BBBB', 255, 255, 255, 0)
    image = (bitmap_info_header(1, 2) + palette + pack_rows(colour, 1)
             + pack_rows(transparent, 1))
    header = struct.pack('<HHH', 0, 2, 1)
    # In a cursor file the planes and bit-count words hold the hot spot.
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1],
                        len(image), 6 + 16)
    return header + entry + image


if __name__ == '__main__':
    (HERE / 'Vexo_Zoom.ico').write_bytes(make_icon())
    (HERE / 'Vexo_Zoom.cur').write_bytes(make_cursor())
