#!/usr/bin/env python3
"""Regenerate the Kobalin icons: kobalin.png (32x32), kobalin-256.png and
kobalin.svg, all from the one design below.

The design is a raster of 7 x 7 white squares of 3 x 3 pixels on black, with
a 1 pixel gap, forming a small sprite; the lower right corner is cut away in
steps of one raster cell.  The PNGs are 4-bit indexed images with a
16-colour palette and a transparent entry.  Only the standard library is
used; the generated files are committed, so building never needs this script.

Usage: python3 make-icons.py   (writes next to this script)
"""

import os
import struct
import zlib

# One character per raster cell: '#' white square, '.' black square.
# Cells whose column + row reach CUT are cut away (their characters are ignored).
PATTERN = [
    ".#...#.",
    "..#.#..",
    ".#####.",
    "##.#.##",
    "#######",
    "#.###--",
    "#.#.---",
]
CUT = 11

SIZE = 32     # icon size in pixels
CELL = 3      # white square size
PITCH = 4     # square plus gap
ORIGIN = 2    # top-left corner of the first square

# 16-colour palette: entry 0 is transparent, 1 black, 2 white, then a grey
# ramp and a few accents kept for future use of the palette.
PALETTE = [
    (0x00, 0x00, 0x00), (0x00, 0x00, 0x00), (0xFF, 0xFF, 0xFF),
    (0x11, 0x11, 0x11), (0x22, 0x22, 0x22), (0x44, 0x44, 0x44),
    (0x66, 0x66, 0x66), (0x88, 0x88, 0x88), (0xAA, 0xAA, 0xAA),
    (0xCC, 0xCC, 0xCC), (0xEE, 0xEE, 0xEE), (0x88, 0x00, 0x00),
    (0x00, 0x88, 0x00), (0x00, 0x00, 0x88), (0x88, 0x88, 0x00),
    (0x00, 0x88, 0x88),
]
TRANSPARENT, BLACK, WHITE = 0, 1, 2


def band(p):
    """Raster band of pixel coordinate p; bands start at the gap before each square."""
    return (p - (ORIGIN - 1)) // PITCH


def is_cut(x, y):
    return band(x) + band(y) >= CUT


def pixels():
    img = [[BLACK] * SIZE for _ in range(SIZE)]
    for row, line in enumerate(PATTERN):
        for col, ch in enumerate(line):
            if ch != "#" or col + row >= CUT:
                continue
            for dy in range(CELL):
                for dx in range(CELL):
                    img[ORIGIN + row * PITCH + dy][ORIGIN + col * PITCH + dx] = WHITE
    for y in range(SIZE):
        for x in range(SIZE):
            if is_cut(x, y):
                img[y][x] = TRANSPARENT
    return img


def write_png(path, img, scale):
    size = len(img) * scale

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = bytearray()
    for row in img:
        line = [v for v in row for _ in range(scale)]
        packed = bytes((line[i] << 4) | line[i + 1] for i in range(0, size, 2))
        raw += (b"\x00" + packed) * scale
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0))
    png += chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
    png += chunk(b"tRNS", bytes([0]))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def outline():
    """Corner points of the black body: the square with its staircase cut."""
    pts = [(0, 0), (SIZE, 0)]
    right = SIZE
    bx = band(SIZE - 1)
    while True:
        top = (CUT - bx) * PITCH + ORIGIN - 1  # first cut pixel row below band column bx
        if top >= SIZE:
            break
        left = bx * PITCH + ORIGIN - 1
        pts += [(right, top), (left, top)]
        right = left
        bx -= 1
    return pts + [(right, SIZE), (0, SIZE)]


def write_svg(path):
    pts = " ".join(f"{x},{y}" for x, y in outline())
    squares = []
    for row, line in enumerate(PATTERN):
        for col, ch in enumerate(line):
            if ch == "#" and col + row < CUT:
                squares.append(
                    f'    <rect x="{ORIGIN + col * PITCH}" y="{ORIGIN + row * PITCH}" '
                    f'width="{CELL}" height="{CELL}"/>')
    svg = (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
        f'viewBox="0 0 {SIZE} {SIZE}" shape-rendering="crispEdges">\n'
        "  <title>Kobalin</title>\n"
        f'  <polygon fill="#000000" points="{pts}"/>\n'
        '  <g fill="#ffffff">\n' + "\n".join(squares) + "\n  </g>\n"
        "</svg>\n")
    with open(path, "w", encoding="utf-8") as f:
        f.write(svg)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    img = pixels()
    write_png(os.path.join(here, "kobalin.png"), img, 1)
    write_png(os.path.join(here, "kobalin-256.png"), img, 8)
    write_svg(os.path.join(here, "kobalin.svg"))


if __name__ == "__main__":
    main()
