#!/usr/bin/env python3
"""Draws the application icon (a log sheet, an arrow and a station log book) and writes it
as a Windows .ico with 32-bit images (alpha) of 16, 24, 32, 48 and 256 pixels; the 256-pixel
image is stored as PNG, as Windows expects.

Usage: make_icon.py OUTPUT.ico
The committed adif2kvx.ico was made with this script; the build does not run it."""
import struct
import sys
import zlib

WHITE = (255, 255, 255)
INK = (32, 32, 40)
NAVY = (24, 52, 120)
BLUE = (44, 100, 200)
SHADE = (200, 204, 214)
RED = (214, 40, 32)
DARK_RED = (120, 16, 12)
GREY = (150, 150, 160)


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def polygon(points):
    """Even-odd rule."""
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def shapes():
    """The drawing on a 32 x 32 grid, painted in order: (test, colour)."""
    out = []
    # the log sheet, its folded corner cut away
    sheet = [(1, 1), (14, 1), (19, 6), (19, 31), (1, 31)]
    out.append((polygon(sheet), INK))
    out.append((polygon([(2.2, 2.2), (13.5, 2.2), (17.8, 6.5), (17.8, 29.8), (2.2, 29.8)]), WHITE))
    out.append((polygon([(13.5, 2.2), (13.5, 6.5), (17.8, 6.5)]), SHADE))
    for y, x1 in [(10, 14), (13, 16), (16, 12), (19, 15), (22, 13), (25, 16), (28, 11)]:
        out.append((rect(4, y - 0.6, x1, y + 0.6), NAVY))
    # the station log book
    out.append((rect(16, 15, 31, 31), INK))
    out.append((rect(17.2, 16.2, 29.8, 29.8), BLUE))
    out.append((rect(17.2, 16.2, 19.6, 29.8), NAVY))
    out.append((rect(21.5, 18.5, 28.5, 26.5), INK))
    out.append((rect(22.5, 19.5, 27.5, 25.5), WHITE))
    for y in (21.5, 23.5):
        out.append((rect(23.5, y - 0.4, 26.5, y + 0.4), GREY))
    # the arrow from the sheet to the book
    arrow = [(7, 5.6), (23.5, 5.6), (23.5, 2), (31, 7.5), (23.5, 13), (23.5, 9.4), (7, 9.4)]
    out.append((polygon([(6, 4.6), (22.5, 4.6), (22.5, -0.4), (32.4, 7.5), (22.5, 15.4), (22.5, 10.4), (6, 10.4)]),
                DARK_RED))
    out.append((polygon(arrow), RED))
    return out


def render(size):
    """Rows of (r, g, b, a), top row first, each pixel the mean of samples x samples points."""
    samples = 3 if size >= 128 else 4
    drawing = shapes()
    scale = 32.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    colour = None
                    for test, c in drawing:
                        if test(x, y):
                            colour = c
                    if colour:
                        r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
            n = samples * samples
            row.append((r // a, g // a, b // a, 255 * a // n) if a else (0, 0, 0, 0))
        rows.append(row)
    return rows


def dib(rows):
    """A 32-bit BGRA image with its AND mask, bottom-up."""
    n = len(rows)
    mask_stride = ((n + 31) // 32) * 4
    colours = b""
    masks = b""
    for row in reversed(rows):
        colours += b"".join(struct.pack("BBBB", b, g, r, a) for r, g, b, a in row)
        mask = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                mask[x // 8] |= 0x80 >> (x % 8)
        masks += bytes(mask)
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(colours) + len(masks), 0, 0, 0, 0)
    return header + colours + masks


def png(rows):
    n = len(rows)
    raw = b"".join(b"\0" + b"".join(struct.pack("BBBB", *p) for p in row) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.ico")
    images = [(size, png(render(size)) if size == 256 else dib(render(size))) for size in (16, 24, 32, 48, 256)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
