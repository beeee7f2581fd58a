#!/usr/bin/env python3
"""Draws Verbalo's window icon, a small cheque with a "V" and a signature line, and writes it
as a 24 x 24, 256-colour .ico. Run: resources/make_icon.py resources/verbalo.ico"""
import struct
import sys

SIZE = 24
PALETTE = [
    (0, 0, 0),        # 0 unused (transparent pixels are masked)
    (40, 40, 40),     # 1 outline
    (250, 244, 222),  # 2 paper
    (0, 0, 128),      # 3 navy "V"
    (0, 128, 96),     # 4 green band
    (128, 0, 0),      # 5 dark red signature
    (200, 192, 170),  # 6 paper shadow
]
V_SHAPE = [  # rows of the "V", columns relative to its left edge
    "X.....X",
    "X.....X",
    ".X...X.",
    ".X...X.",
    "..X.X..",
    "..X.X..",
    "...X...",
]


def draw():
    pixels = [[None] * SIZE for _ in range(SIZE)]  # None: transparent
    top, bottom, left, right = 5, 19, 1, 22
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y in (top, bottom) or x in (left, right)
            pixels[y][x] = 1 if edge else 2
    for x in range(left + 1, right):  # shadow below the cheque
        pixels[bottom + 1][x] = 6
    for y in (top + 1, top + 2):
        for x in range(left + 1, right):
            pixels[y][x] = 4
    for dy, row in enumerate(V_SHAPE):
        for dx, cell in enumerate(row):
            if cell == "X":
                pixels[top + 4 + dy][left + 2 + dx] = 3
    signature = [(12, 15), (13, 14), (14, 15), (15, 14), (16, 15), (17, 14), (18, 15), (19, 15)]
    for x, y in signature:
        pixels[y][x] = 5
    return pixels


def ico_bytes(pixels):
    palette = PALETTE + [(0, 0, 0)] * (256 - len(PALETTE))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    xor = b""
    mask = b""
    for row in reversed(pixels):  # bottom-up
        xor += bytes(0 if p is None else p for p in row)  # 24 bytes: already 4-aligned
        bits = 0
        for x, p in enumerate(row):
            if p is None:
                bits |= 1 << (SIZE - 1 - x)
        mask += bits.to_bytes(3, "big") + b"\0"  # rows padded to 4 bytes
    image = header + colours + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "verbalo.ico", "wb") as out:
        out.write(ico_bytes(draw()))
