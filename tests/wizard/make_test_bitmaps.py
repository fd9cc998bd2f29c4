#!/usr/bin/env python3
"""Writes the bitmaps of the wizard tests into the directory given."""
import struct
import sys


def bmp(width, height, pixel):
    """A 24-bit bottom-up BMP; pixel(x, y) gives (r, g, b) with y from the top."""
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in reversed(range(height)):
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        line += b"\0" * (row - width * 3)
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)


def main():
    out = sys.argv[1]
    images = {
        # A background of 500 x 300.
        "test_back.bmp": bmp(500, 300, lambda x, y: (40, 90, 160)),
        # 40 x 30: a green square on the transparent colour (198, 195, 198).
        "test_small.bmp": bmp(40, 30, lambda x, y: (0, 200, 0)
                              if 10 <= x < 30 and 5 <= y < 25 else (198, 195, 198)),
        # 16 x 16 icons of links.
        "test_icon.bmp": bmp(16, 16, lambda x, y: (200, 40, 40)),
    }
    for name, data in images.items():
        with open(f"{out}/{name}", "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
