#!/usr/bin/env python3
"""Draws res/vantelo.ico (48 x 48, 32-bit with alpha, BMP form: a white Bluetooth rune on a
blue disc) and res/link.cur (32 x 32 monochrome pointing hand, hot spot (6, 1)).
The icon also goes into the program as its raw resources, so that its image gets the id 3:
vantelo-icon-3.bin (the image, RT_ICON 3) and vantelo-icon-group.bin (RT_GROUP_ICON).
Deterministic: run it again and the files come out byte for byte the same."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def icon_pixels(size=48):
    rune = [(17, 17), (31, 31), (24, 38), (24, 10), (31, 17), (17, 31)]
    segments = list(zip(rune, rune[1:]))
    blue, white = (0, 120, 215), (255, 255, 255)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            # 4 x 4 supersampling for smooth edges.
            disc = stroke = 0
            for sy in range(4):
                for sx in range(4):
                    px, py = x + (sx + 0.5) / 4, y + (sy + 0.5) / 4
                    if math.hypot(px - 24, py - 24) <= 22.5:
                        disc += 1
                        if min(segment_distance(px, py, *a, *b) for a, b in segments) <= 1.7:
                            stroke += 1
            alpha = round(255 * disc / 16)
            mix = stroke / disc if disc else 0
            colour = tuple(round(blue[i] + (white[i] - blue[i]) * mix) for i in range(3))
            row.append(colour + (alpha,))
        rows.append(row)
    return rows


def write_icon(path):
    size = 48
    pixels = icon_pixels(size)
    colour = b"".join(struct.pack("BBBB", b, g, r, a) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    image = header + colour + bytes(mask)
    assert len(image) == 9640, len(image)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22)
    with open(path, "wb") as f:
        f.write(directory + image)
    with open(os.path.join(HERE, "vantelo-icon-3.bin"), "wb") as f:
        f.write(image)
    group = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHIH", size, size, 0, 0, 1, 32, len(image), 3)
    with open(os.path.join(HERE, "vantelo-icon-group.bin"), "wb") as f:
        f.write(group)


# The hand, 32 x 32: X black, o white, anything else clear. The fingertip's top is (6, 1).
HAND = """
................................
......XX........................
.....XooX.......................
.....XooX.......................
.....XooX.......................
.....XooX.......................
.....XooXXX.....................
.....XooXooXXX..................
.....XooXooXooXX................
..XX.XooXooXooXoX...............
.XooXXooooooooXooX..............
.XoooXooooooooooooX.............
..XooXooooooooooooX.............
..XooooooooooooooooX............
...XoooooooooooooooX............
...XoooooooooooooooX............
....XooooooooooooooX............
....XoooooooooooooX.............
.....XooooooooooooX.............
.....XooooooooooooX.............
......XooooooooooX..............
......XXXXXXXXXXXX..............
................................
................................
................................
................................
................................
................................
................................
................................
................................
................................
""".split()


def write_cursor(path):
    assert len(HAND) == 32 and all(len(row) == 32 for row in HAND)
    assert HAND[1][6] == "X" and HAND[0][6] == "."
    xor, andmask = bytearray(), bytearray()
    for row in reversed(HAND):
        x_bits, a_bits = bytearray(4), bytearray(4)
        for x, c in enumerate(row):
            bit = 0x80 >> (x % 8)
            if c == "o":
                x_bits[x // 8] |= bit
            elif c != "X":
                a_bits[x // 8] |= bit
        xor += x_bits
        andmask += a_bits
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, len(xor) + len(andmask), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + bytes(xor) + bytes(andmask)
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", 32, 32, 2, 0, 6, 1, len(image), 22)
    with open(path, "wb") as f:
        f.write(directory + image)


if __name__ == "__main__":
    write_icon(os.path.join(HERE, "vantelo.ico"))
    write_cursor(os.path.join(HERE, "link.cur"))
