#!/usr/bin/env python3
"""Draws the application icon (a log sheet, an arrow and a station log book) and writes it
as a Windows .ico with a 32x32 and a 16x16 image, 16 colours each.

Usage: make_icon.py OUTPUT.ico
The committed adif2kvx.ico was made with this script; the build does not run it."""
import struct
import sys

# The standard 16-colour palette, index: (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = None  # transparent pixel


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[CLEAR] * size for _ in range(size)]

    def put(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def box(self, x0, y0, x1, y1, edge, inside):
        self.fill(x0, y0, x1, y1, edge)
        self.fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, inside)

    def hline(self, x0, x1, y, c):
        self.fill(x0, y, x1, y, c)


def page(cv, x0, y0, x1, y1, fold, lines):
    """A white sheet with a folded top-right corner and text lines on it."""
    cv.box(x0, y0, x1, y1, BLACK, WHITE)
    for i in range(fold + 1):
        # cut the corner away, then draw the fold's edge and its shadow
        for x in range(x1 - fold + i + 1, x1 + 1):
            cv.put(x, y0 + i, CLEAR)
        cv.put(x1 - fold + i, y0 + i, BLACK)
        if i > 0:
            cv.hline(x1 - fold, x1 - fold + i - 1, y0 + i, SILVER)
    cv.hline(x1 - fold, x1, y0 + fold, BLACK)
    for y, xa, xb in lines:
        cv.hline(xa, xb, y, NAVY)


def arrow(cv, x0, x1, y, shaft, head):
    """A red arrow pointing right, its tip at x1, centred on row y."""
    hx = x1 - head + 1
    cv.fill(x0, y - shaft, hx, y + shaft, RED)
    for i in range(head):
        half = head - 1 - i
        cv.fill(hx + i, y - half, hx + i, y + half, RED)
    # dark outline along the top and bottom edges for contrast on white
    cv.hline(x0, hx, y - shaft - 1, MAROON)
    cv.hline(x0, hx, y + shaft + 1, MAROON)
    for i in range(head):
        half = head - 1 - i
        cv.put(hx + i, y - half - 1, MAROON)
        cv.put(hx + i, y + half + 1, MAROON)
    cv.fill(x0 - 1, y - shaft - 1, x0 - 1, y + shaft + 1, MAROON)


def book(cv, x0, y0, x1, y1, spine, label):
    """A blue log book with a lighter spine and a white label."""
    cv.box(x0, y0, x1, y1, BLACK, BLUE)
    cv.fill(x0 + 1, y0 + 1, x0 + spine, y1 - 1, NAVY)
    lx0, ly0, lx1, ly1 = label
    cv.box(lx0, ly0, lx1, ly1, BLACK, WHITE)
    for y in range(ly0 + 2, ly1 - 1, 2):
        cv.hline(lx0 + 2, lx1 - 2, y, GRAY)


def icon32():
    cv = Canvas(32)
    page(cv, 1, 1, 18, 30, 5,
         [(9, 4, 13), (12, 4, 15), (15, 4, 11), (18, 4, 14), (21, 4, 12), (24, 4, 15), (27, 4, 10)])
    book(cv, 16, 15, 30, 30, 2, (21, 18, 28, 26))
    arrow(cv, 8, 30, 7, 1, 6)
    return cv


def icon16():
    cv = Canvas(16)
    page(cv, 0, 0, 9, 15, 3, [(5, 2, 6), (7, 2, 7), (9, 2, 5), (11, 2, 7), (13, 2, 4)])
    book(cv, 7, 8, 15, 15, 1, (10, 10, 14, 14))
    arrow(cv, 5, 15, 4, 0, 4)
    return cv


def dib(cv):
    """The icon image: header, palette, 4-bit colour rows and 1-bit mask rows, bottom-up."""
    n = cv.size
    color_stride = ((n * 4 + 31) // 32) * 4
    mask_stride = ((n + 31) // 32) * 4
    colors = b""
    masks = b""
    for y in reversed(range(n)):
        row = bytearray(color_stride)
        mrow = bytearray(mask_stride)
        for x in range(n):
            c = cv.px[y][x]
            if c is None:
                mrow[x // 8] |= 0x80 >> (x % 8)
                c = BLACK
            row[x // 2] |= c << (4 if x % 2 == 0 else 0)
        colors += bytes(row)
        masks += bytes(mrow)
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 4, 0, len(colors) + len(masks), 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + colors + masks


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.ico")
    images = [(32, dib(icon32())), (16, dib(icon16()))]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
