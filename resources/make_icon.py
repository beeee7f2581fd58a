#!/usr/bin/env python3
"""Draws Verbalo's icons and writes them as .ico files:
  verbalo.ico   the main window's icon, a small cheque with a "V" and a signature line,
                24 x 24, 256 colours;
  about.ico     the About window's icon (also its mouse pointer), the cheque again,
                32 x 32 and 16 x 16, 16 colours;
  producer.ico  the producer window's icon, the maker's "T" on a badge, 32 x 32, 256 colours.
Run: resources/make_icon.py [folder]   (default: the folder of this script)"""
import os
import struct
import sys

# The cheque's colours; the 16-colour icons take the nearest of the standard palette below.
OUTLINE, PAPER, NAVY, GREEN, DARK_RED, SHADOW = 1, 2, 3, 4, 5, 6
CHEQUE_PALETTE = [
    (0, 0, 0),        # 0 unused (transparent pixels are masked)
    (40, 40, 40),     # 1 outline
    (250, 244, 222),  # 2 paper
    (0, 0, 128),      # 3 navy "V"
    (0, 128, 96),     # 4 green band
    (128, 0, 0),      # 5 dark red signature
    (200, 192, 170),  # 6 paper shadow
]
# The standard 16 colours, and the cheque's colours mapped onto them.
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
CHEQUE_TO_VGA = {OUTLINE: 0, PAPER: 15, NAVY: 4, GREEN: 2, DARK_RED: 1, SHADOW: 7}

V_SHAPE = [  # rows of the "V", columns relative to its left edge
    "X.....X",
    "X.....X",
    ".X...X.",
    ".X...X.",
    "..X.X..",
    "..X.X..",
    "...X...",
]


def blank(size):
    return [[None] * size for _ in range(size)]  # None: transparent


def draw_cheque_24():
    size = 24
    pixels = blank(size)
    top, bottom, left, right = 5, 19, 1, 22
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y in (top, bottom) or x in (left, right)
            pixels[y][x] = OUTLINE if edge else PAPER
    for x in range(left + 1, right):  # shadow below the cheque
        pixels[bottom + 1][x] = SHADOW
    for y in (top + 1, top + 2):
        for x in range(left + 1, right):
            pixels[y][x] = GREEN
    for dy, row in enumerate(V_SHAPE):
        for dx, cell in enumerate(row):
            if cell == "X":
                pixels[top + 4 + dy][left + 2 + dx] = NAVY
    signature = [(12, 15), (13, 14), (14, 15), (15, 14), (16, 15), (17, 14), (18, 15), (19, 15)]
    for x, y in signature:
        pixels[y][x] = DARK_RED
    return pixels


def draw_cheque_32():
    """The cheque on 32 x 32."""
    pixels = blank(32)
    top, bottom, left, right = 7, 25, 1, 30
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y in (top, bottom) or x in (left, right)
            pixels[y][x] = OUTLINE if edge else PAPER
    for x in range(left + 1, right + 1):
        pixels[bottom + 1][x] = SHADOW
    for y in range(top + 1, top + 4):
        for x in range(left + 1, right):
            pixels[y][x] = GREEN
    for dy in range(7):  # the "V", two pixels wide
        for dx in (dy, dy + 1, 12 - dy, 13 - dy):
            pixels[top + 6 + dy][left + 3 + dx] = NAVY
    for x in range(16, 28):  # the signature, a wave
        pixels[21 + (x % 2)][x] = DARK_RED
    for x in range(left + 2, right - 1):  # the amount line
        pixels[bottom - 2][x] = SHADOW
    return pixels


def draw_cheque_16():
    pixels = blank(16)
    top, bottom, left, right = 3, 13, 0, 15
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y in (top, bottom) or x in (left, right)
            pixels[y][x] = OUTLINE if edge else PAPER
    for x in range(left + 1, right):
        pixels[top + 1][x] = GREEN
    for dy, row in enumerate(["X...X", ".X.X.", "..X.."]):
        for dx, cell in enumerate(row):
            if cell == "X":
                for ddy in (0, 1):
                    pixels[top + 3 + 2 * dy + ddy][left + 2 + dx] = NAVY
    for x in range(9, 14):
        pixels[10 + (x % 2)][x] = DARK_RED
    return pixels


BADGE_PALETTE = [
    (0, 0, 0),        # 0 unused
    (0, 128, 128),    # 1 the maker's teal
    (236, 244, 187),  # 2 badge
    (0, 96, 96),      # 3 shade of the teal
]


def draw_badge_32():
    """A rounded badge with a teal border and a bold "T"."""
    pixels = blank(32)
    for y in range(2, 30):
        for x in range(2, 30):
            corner = min(x - 2, 29 - x) + min(y - 2, 29 - y) < 3
            if corner:
                continue
            edge = x in (2, 3, 28, 29) or y in (2, 3, 28, 29) or \
                min(x - 2, 29 - x) + min(y - 2, 29 - y) < 5
            pixels[y][x] = 1 if edge else 2
    for y in range(8, 12):  # the bar of the "T"
        for x in range(8, 24):
            pixels[y][x] = 1
    for y in range(12, 25):  # its stem
        for x in range(14, 18):
            pixels[y][x] = 1
    for y in range(12, 25):  # a shade right of the stem
        pixels[y][18] = 3
    for x in range(9, 25):
        pixels[12][x] = 3 if pixels[12][x] != 1 else 1
    return pixels


def image_bytes(pixels, palette, bits):
    """One icon image: BITMAPINFOHEADER, palette, colour bits and mask, bottom-up."""
    size = len(pixels)
    colours_count = 1 << bits
    palette = palette + [(0, 0, 0)] * (colours_count - len(palette))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours_count, 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    xor = b""
    mask = b""
    row_bytes = (size * bits + 31) // 32 * 4
    mask_bytes = (size + 31) // 32 * 4
    for row in reversed(pixels):
        indices = [0 if p is None else p for p in row]
        if bits == 8:
            data = bytes(indices)
        else:
            data = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, size, 2))
        xor += data + b"\0" * (row_bytes - len(data))
        bits_mask = 0
        for x, p in enumerate(row):
            if p is None:
                bits_mask |= 1 << (mask_bytes * 8 - 1 - x)
        mask += bits_mask.to_bytes(mask_bytes, "big")
    return header + colours + xor + mask


def ico_bytes(images):
    """images: (pixels, palette, bits) for each size, written in the order given."""
    blobs = [image_bytes(*image) for image in images]
    directory = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for (pixels, _, bits), blob in zip(images, blobs):
        size = len(pixels)
        colour_count = 16 if bits == 4 else 0
        directory += struct.pack("<BBBBHHII", size, size, colour_count, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    return directory + b"".join(blobs)


def to_vga(pixels):
    return [[None if p is None else CHEQUE_TO_VGA[p] for p in row] for row in pixels]


def write(folder, name, data):
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    write(folder, "verbalo.ico", ico_bytes([(draw_cheque_24(), CHEQUE_PALETTE, 8)]))
    write(folder, "about.ico", ico_bytes([(to_vga(draw_cheque_32()), VGA_PALETTE, 4),
                                          (to_vga(draw_cheque_16()), VGA_PALETTE, 4)]))
    write(folder, "producer.ico", ico_bytes([(draw_badge_32(), BADGE_PALETTE, 8)]))
