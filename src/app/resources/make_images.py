#!/usr/bin/env python3
"""Draws the program's images: the application icon (16, 32 and 48 px, 32-bit colour) and the link's
pointing-hand cursor (32 x 32, monochrome, hot spot at the fingertip). Run it to regenerate vornex.ico and
link.cur; only the standard library is needed."""

import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent

# B black, W white, . transparent. The fingertip's hot spot is (6, 1).
HAND = """
.....BB.........
....BWWB........
....BWWB........
....BWWB........
....BWWB........
....BWWBBB......
....BWWBWWBBB...
....BWWBWWBWWBB.
.BB.BWWBWWBWWBWB
BWWBBWWWWWWWWBWB
BWWWBWWWWWWWWWWB
.BWWBWWWWWWWWWWB
..BWWWWWWWWWWWWB
..BWWWWWWWWWWWWB
...BWWWWWWWWWWWB
...BWWWWWWWWWWB.
....BWWWWWWWWWB.
....BWWWWWWWWWB.
.....BWWWWWWWB..
.....BWWWWWWWB..
.....BBBBBBBBB..
"""
HOT_SPOT = (6, 1)


def monochrome_bitmap(rows, size):
    """XOR and AND masks, bottom-up, 1 bit per pixel, rows padded to 32 bits."""
    def mask(bit_for):
        data = b""
        for y in reversed(range(size)):
            row = rows[y] if y < len(rows) else ""
            bits = 0
            for x in range(size):
                char = row[x] if x < len(row) else "."
                bits = (bits << 1) | bit_for(char)
            data += bits.to_bytes(size // 8, "big")
        return data
    xor_mask = mask(lambda c: 1 if c == "W" else 0)
    and_mask = mask(lambda c: 1 if c == "." else 0)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor_mask + and_mask), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    return header + palette + xor_mask + and_mask


def cursor():
    rows = [line for line in HAND.strip().splitlines()]
    image = monochrome_bitmap(rows, 32)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    return directory + entry + image


# The classic pointer, its tip on the click point, in 48-pixel units.
ARROW = [(17, 15), (17, 38), (22.5, 32.5), (26.5, 41.5), (30.5, 39.5), (26.5, 31), (34, 31)]


def inside_polygon(x, y, points):
    inside = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def icon_pixel(x, y, size):
    """A blue rounded tile with a white arrow pointer and a ring where it clicks."""
    s = size / 48.0
    r = 9 * s
    inside_x = min(x, size - 1 - x) + 0.5
    inside_y = min(y, size - 1 - y) + 0.5
    if inside_x < r and inside_y < r and (r - inside_x) ** 2 + (r - inside_y) ** 2 > r * r:
        return (0, 0, 0, 0)
    colour = (0x1E, 0x5A, 0xC8, 255)
    cx, cy = x + 0.5, y + 0.5
    # ring around the click point
    dx, dy = cx - 17 * s, cy - 15 * s
    if (6 * s) ** 2 <= dx * dx + dy * dy <= (9 * s) ** 2:
        colour = (0xFF, 0xC8, 0x32, 255)
    if inside_polygon(cx / s, cy / s, ARROW):
        colour = (255, 255, 255, 255)
    return colour


def icon_image(size):
    pixels = b""
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = icon_pixel(x, y, size)
            pixels += bytes((b, g, r, a))
    and_row = ((size + 31) // 32) * 4
    and_mask = bytes(and_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels + and_mask), 0, 0, 0, 0)
    return header + pixels + and_mask


def icon(sizes=(16, 32, 48)):
    images = [icon_image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


if __name__ == "__main__":
    (HERE / "link.cur").write_bytes(cursor())
    (HERE / "vornex.ico").write_bytes(icon())
