#!/usr/bin/env python3
"""Writes the program's icon (setup.ico) and the link cursor (link.cur).

Both are drawn here from simple shapes so that they can be regenerated
without any image tool: run `python3 make_images.py` in this directory.
The icon holds a 32x32 and a 16x16 image (32 bits per pixel with alpha);
the cursor is a 32x32 monochrome hand whose hot spot is the fingertip.
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# Icon colours (red, green, blue, alpha).
CLEAR = (0, 0, 0, 0)
OUTLINE = (48, 52, 60, 255)
BODY = (176, 184, 196, 255)
BODY_DARK = (120, 128, 140, 255)
PAPER = (255, 255, 255, 255)
LINES = (120, 150, 210, 255)
LED = (40, 190, 70, 255)

# The hand, one character per pixel: 'X' black, '.' white, ' ' transparent.
HAND = [
    "     XX",
    "    X..X",
    "    X..X",
    "    X..X",
    "    X..X",
    "    X..XXX",
    "    X..X..XXX",
    "    X..X..X..XX",
    " XX X..X..X..X.X",
    "X..XX........X.X",
    "X...X..........X",
    " X..X..........X",
    " X.............X",
    "  X............X",
    "  X...........X",
    "   X..........X",
    "   X.........X",
    "    X........X",
    "    X........X",
    "    XXXXXXXXXX",
]
HAND_HOTSPOT = (5, 0)


def draw_printer(size):
    """The printer icon as rows of RGBA pixels, top row first."""
    pixels = [[CLEAR] * size for _ in range(size)]

    def box(left, top, right, bottom, fill, outline=None):
        # Coordinates in 1/32 of the image; right and bottom exclusive.
        l, t = left * size // 32, top * size // 32
        r, b = right * size // 32, bottom * size // 32
        for y in range(t, b):
            for x in range(l, r):
                edge = x in (l, r - 1) or y in (t, b - 1)
                pixels[y][x] = outline if (outline and edge) else fill

    box(9, 2, 23, 13, PAPER, OUTLINE)          # paper going in
    box(3, 12, 29, 25, BODY, OUTLINE)          # printer body
    box(5, 19, 27, 21, BODY_DARK)              # output slot
    box(8, 20, 24, 30, PAPER, OUTLINE)         # printed page
    for top in (23, 26):
        box(11, top, 21, top + 1, LINES)       # text on the page
    box(23, 14, 26, 17, LED)                   # power light
    return pixels


def icon_image(pixels):
    """One icon image: BITMAPINFOHEADER, BGRA rows bottom-up, AND mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(
        bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def cursor_image(art, size=32):
    """The monochrome cursor image: header, palette, XOR mask, AND mask."""
    rows = [line.ljust(size)[:size] for line in art] + [" " * size] * (size - len(art))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 2)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    stride = ((size + 31) // 32) * 4
    xor, and_ = bytearray(), bytearray()
    for line in reversed(rows):
        x_bits, a_bits = bytearray(stride), bytearray(stride)
        for x, ch in enumerate(line):
            bit = 0x80 >> (x % 8)
            if ch == ".":
                x_bits[x // 8] |= bit
            elif ch == " ":
                a_bits[x // 8] |= bit
        xor += x_bits
        and_ += a_bits
    return header + palette + bytes(xor) + bytes(and_)


def write_directory(path, kind, entries):
    """An ICO (kind 1) or CUR (kind 2) file from (width, a, b, image) entries;
    a and b are planes and bit count for icons, the hot spot for cursors."""
    offset = 6 + 16 * len(entries)
    head = struct.pack("<HHH", 0, kind, len(entries))
    table, data = b"", b""
    for width, a, b, image in entries:
        table += struct.pack("<BBBBHHII", width % 256, width % 256, 0, 0, a, b,
                             len(image), offset + len(data))
        data += image
    with open(path, "wb") as out:
        out.write(head + table + data)


def main():
    write_directory(os.path.join(HERE, "setup.ico"), 1, [
        (32, 1, 32, icon_image(draw_printer(32))),
        (16, 1, 32, icon_image(draw_printer(16))),
    ])
    write_directory(os.path.join(HERE, "link.cur"), 2, [
        (32, HAND_HOTSPOT[0], HAND_HOTSPOT[1], cursor_image(HAND)),
    ])


if __name__ == "__main__":
    main()
