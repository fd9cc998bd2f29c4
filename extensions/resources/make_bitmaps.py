#!/usr/bin/env python3
"""Draws the pictures of the Koruna demo package into the directory given.

Run at build time (python3 make_bitmaps.py OUT_DIR); nothing is read, every
picture is made here from rectangles, circles and straight edges:

  koruna_back.bmp      600 x 400  page background: a dark panel on the left
                                  with a printer and the word KORUNA, a light
                                  content area on the right
  koruna_back_rtl.bmp  600 x 400  the same for right-to-left languages: the
                                  panel drawn mirrored in place, so that the
                                  mirrored window shows it the right way round
  koruna_logo.bmp       64 x 40   a gold crown on pure magenta (255, 0, 255),
                                  the colour its bitmap object leaves out
  koruna_printer.bmp   160 x 120  a picture of the printer, drawn whole
  koruna_wall.bmp      320 x 240  the background window, stretched to the screen
  link_off.bmp, link_on.bmp, link_clicked.bmp
                        16 x 16   link icons on (198, 195, 198), the colour a
                                  link leaves out of its icons
  koruna.avi            80 x 60   16 frames of a page leaving the printer,
                                  uncompressed, for the animation object

The bitmaps go into PSres.dll (resources.rc); the clip is copied beside the
package's data files.
"""

import os
import struct
import sys

# Colours (red, green, blue).
PANEL_TOP = (24, 96, 128)
PANEL_BOTTOM = (10, 52, 78)
CONTENT = (250, 251, 253)
BAR = (241, 244, 248)
WORD = (244, 248, 250)
GOLD = (226, 180, 52)
GOLD_DARK = (176, 128, 24)
RUBY = (190, 30, 60)
BODY = (226, 231, 237)
BODY_TOP = (244, 246, 249)
OUTLINE = (132, 144, 158)
SLOT = (52, 62, 74)
FEET = (160, 170, 182)
PAPER = (255, 255, 255)
PRINT_LINES = (150, 172, 200)
LED = (40, 190, 80)
LED_OFF = (30, 80, 50)
MAGENTA = (255, 0, 255)
LINK_BACK = (198, 195, 198)

# Block letters of 5 x 7 cells, one rectangle per cell.
GLYPHS = {
    "K": ["X...X", "X..X.", "X.X..", "XX...", "X.X..", "X..X.", "X...X"],
    "O": [".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."],
    "R": ["XXXX.", "X...X", "X...X", "XXXX.", "X.X..", "X..X.", "X...X"],
    "U": ["X...X", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."],
    "N": ["X...X", "XX..X", "X.X.X", "X..XX", "X...X", "X...X", "X...X"],
    "A": [".XXX.", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"],
}


class Canvas:
    """A picture of width x height pixels, y from the top."""

    def __init__(self, width, height, color):
        self.width = width
        self.height = height
        self.pixels = [list(color) for _ in range(width * height)]

    def put(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = list(color)

    def get(self, x, y):
        return tuple(self.pixels[y * self.width + x])

    def rect(self, left, top, right, bottom, color):
        """Fills left <= x < right, top <= y < bottom."""
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                self.pixels[y * self.width + x] = list(color)

    def frame(self, left, top, right, bottom, color):
        self.rect(left, top, right, top + 1, color)
        self.rect(left, bottom - 1, right, bottom, color)
        self.rect(left, top, left + 1, bottom, color)
        self.rect(right - 1, top, right, bottom, color)

    def vgradient(self, left, top, right, bottom, first, last):
        span = max(bottom - top - 1, 1)
        for y in range(top, bottom):
            t = (y - top) / span
            color = tuple(round(a + (b - a) * t) for a, b in zip(first, last))
            self.rect(left, y, right, y + 1, color)

    def disc(self, cx, cy, radius, color):
        """Pixels whose centres lie within radius of (cx, cy)."""
        for y in range(int(cy - radius) - 1, int(cy + radius) + 2):
            for x in range(int(cx - radius) - 1, int(cx + radius) + 2):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                    self.put(x, y, color)

    def word(self, text, left, top, cell, gap, color):
        """Block letters, cell pixels a side, gap cells between letters."""
        x = left
        for letter in text:
            for row, line in enumerate(GLYPHS[letter]):
                for column, mark in enumerate(line):
                    if mark == "X":
                        self.rect(x + column * cell, top + row * cell,
                                  x + (column + 1) * cell, top + (row + 1) * cell, color)
            x += (5 + gap) * cell

    def mirror(self, left, right):
        """Mirrors the columns left <= x < right in place."""
        for y in range(self.height):
            row = self.pixels[y * self.width + left:y * self.width + right]
            row.reverse()
            self.pixels[y * self.width + left:y * self.width + right] = row

    def rows_bottom_up(self):
        """The 24-bit rows of a bottom-up DIB (blue, green, red; 4-byte rows)."""
        stride = (self.width * 3 + 3) & ~3
        data = bytearray()
        for y in reversed(range(self.height)):
            line = bytearray()
            for x in range(self.width):
                r, g, b = self.pixels[y * self.width + x]
                line += bytes((b, g, r))
            line += b"\0" * (stride - self.width * 3)
            data += line
        return bytes(data)

    def bmp(self):
        data = self.rows_bottom_up()
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data),
                           2835, 2835, 0, 0)
        return header + info + data


def word_width(text, cell, gap):
    return (len(text) * (5 + gap) - gap) * cell


def printer(canvas, left, top, scale, paper_out=None, led=LED):
    """A printer whose body's top-left corner is (left, top): 100 x 60 units
    at scale 1, a sheet standing in the feeder above it, and paper_out units
    of printed paper below the slot (22 when None)."""

    def s(value):
        return round(value * scale)

    out = 22 if paper_out is None else paper_out
    # The sheet waiting in the feeder, behind the body.
    canvas.rect(left + s(22), top - s(26), left + s(78), top + s(2), PAPER)
    canvas.frame(left + s(22), top - s(26), left + s(78), top + s(2), OUTLINE)
    # Body, its lighter top and outline.
    canvas.rect(left, top, left + s(100), top + s(56), BODY)
    canvas.rect(left, top, left + s(100), top + s(12), BODY_TOP)
    canvas.frame(left, top, left + s(100), top + s(56), OUTLINE)
    # Feet.
    canvas.rect(left + s(6), top + s(56), left + s(94), top + s(61), FEET)
    # Control panel: the lamp and two keys.
    canvas.rect(left + s(80), top + s(18), left + s(88), top + s(24), led)
    canvas.rect(left + s(66), top + s(18), left + s(74), top + s(24), OUTLINE)
    # Output slot and the page coming out of it.
    canvas.rect(left + s(14), top + s(36), left + s(86), top + s(41), SLOT)
    if out > 0:
        bottom = top + s(39) + s(out)
        canvas.rect(left + s(20), top + s(39), left + s(80), bottom, PAPER)
        canvas.frame(left + s(20), top + s(39), left + s(80), bottom, OUTLINE)
        y = top + s(39) + s(6)
        while y + s(2) < bottom - s(2):
            canvas.rect(left + s(27), y, left + s(73), y + max(s(2), 1), PRINT_LINES)
            y += s(6)


def crown(canvas, left, top, body, band, jewel):
    """A crown of 44 x 32 pixels whose bounding box starts at (left, top)."""
    peaks = [0, 22, 44]
    for x in range(0, 45):
        # The upper edge runs from a peak (y 8) down to a valley (y 20).
        distance = min(abs(x - p) for p in peaks)
        edge = 8 + round(distance * 12 / 11)
        for y in range(edge, 26):
            canvas.put(left + x, top + y, body)
    canvas.rect(left, top + 26, left + 45, top + 32, band)
    for p in peaks:
        canvas.disc(left + p + 0.5, top + 5, 3.5, body)
    canvas.disc(left + 22.5, top + 29, 2.2, jewel)
    canvas.disc(left + 10.5, top + 29, 1.6, jewel)
    canvas.disc(left + 34.5, top + 29, 1.6, jewel)


def background(right_to_left):
    canvas = Canvas(600, 400, CONTENT)
    canvas.vgradient(0, 0, 170, 400, PANEL_TOP, PANEL_BOTTOM)
    # The button bar below the content.
    canvas.rect(170, 350, 600, 400, BAR)
    # A soft shadow under the printer, the printer, the word and a gold rule.
    canvas.rect(28, 213, 142, 217, (14, 66, 94))
    printer(canvas, 35, 150, 1.0)
    width = word_width("KORUNA", 3, 1)
    left = (170 - width) // 2
    canvas.word("KORUNA", left, 300, 3, 1, WORD)
    canvas.rect(left, 332, left + width, 334, GOLD)
    if right_to_left:
        canvas.mirror(0, 170)
    return canvas


def logo():
    canvas = Canvas(64, 40, MAGENTA)
    crown(canvas, 10, 4, GOLD, GOLD_DARK, RUBY)
    return canvas


def printer_picture():
    canvas = Canvas(160, 120, CONTENT)
    canvas.vgradient(0, 0, 160, 120, (236, 242, 248), (204, 216, 230))
    canvas.rect(16, 106, 144, 110, (188, 200, 214))
    printer(canvas, 20, 34, 1.2)
    return canvas


def wall():
    canvas = Canvas(320, 240, PANEL_TOP)
    canvas.vgradient(0, 0, 320, 240, PANEL_TOP, (6, 34, 54))
    return canvas


def link_icon(fill):
    canvas = Canvas(16, 16, LINK_BACK)
    canvas.disc(8, 8, 7.5, fill)
    # A chevron pointing right, two pixels thick.
    for y in range(4, 12):
        x = 6 + round(3.5 - abs(y - 7.5))
        canvas.put(x, y, PAPER)
        canvas.put(x + 1, y, PAPER)
    return canvas


def clip_frames(count):
    frames = []
    for index in range(count):
        canvas = Canvas(80, 60, CONTENT)
        canvas.rect(10, 53, 70, 55, (222, 228, 236))
        out = round(index * 18 / (count - 1))
        printer(canvas, 15, 12, 0.5, paper_out=out * 2,
                led=LED if index % 4 < 2 else LED_OFF)
        frames.append(canvas)
    return frames


def avi(frames, frames_per_second):
    """An uncompressed AVI (one video stream of 24-bit DIB frames)."""
    width, height = frames[0].width, frames[0].height
    frame_size = ((width * 3 + 3) & ~3) * height

    def chunk(tag, data):
        pad = b"\0" if len(data) % 2 else b""
        return tag + struct.pack("<I", len(data)) + data + pad

    def riff_list(kind, data, tag=b"LIST"):
        return chunk(tag, kind + data)

    avih = struct.pack("<14I", 1000000 // frames_per_second, frame_size * frames_per_second,
                       0, 0x10, len(frames), 0, 1, frame_size, width, height, 0, 0, 0, 0)
    strh = (b"vids" + b"DIB " + struct.pack("<IHHIIIIIIIIhhhh", 0, 0, 0, 0, 1,
                                            frames_per_second, 0, len(frames), frame_size,
                                            0xFFFFFFFF, 0, 0, 0, width, height))
    strf = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, frame_size, 0, 0, 0, 0)
    movi = b""
    index = b""
    for frame in frames:
        index += b"00db" + struct.pack("<III", 0x10, 4 + len(movi), frame_size)
        movi += chunk(b"00db", frame.rows_bottom_up())
    strl = riff_list(b"strl", chunk(b"strh", strh) + chunk(b"strf", strf))
    hdrl = riff_list(b"hdrl", chunk(b"avih", avih) + strl)
    return riff_list(b"AVI ", hdrl + riff_list(b"movi", movi) + chunk(b"idx1", index), b"RIFF")


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_bitmaps.py OUT_DIR")
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    files = {
        "koruna_back.bmp": background(False).bmp(),
        "koruna_back_rtl.bmp": background(True).bmp(),
        "koruna_logo.bmp": logo().bmp(),
        "koruna_printer.bmp": printer_picture().bmp(),
        "koruna_wall.bmp": wall().bmp(),
        "link_off.bmp": link_icon((0, 104, 142)).bmp(),
        "link_on.bmp": link_icon((228, 132, 28)).bmp(),
        "link_clicked.bmp": link_icon((150, 74, 10)).bmp(),
        "koruna.avi": avi(clip_frames(16), 8),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
