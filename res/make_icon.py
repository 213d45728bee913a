#!/usr/bin/env python3
"""Draws the application icon: a tile of triangles in a rounded square, 32 x 32 at 24 bits per pixel.

Run by hand after changing the picture; the build uses the .ico written next to this script.
"""
import os
import struct

SIZE = 32
CORNER_RADIUS = 7
CELL = 8
OUTLINE = (0x20, 0x30, 0x48)
GROUT = (0xF4, 0xF1, 0xE8)
# Upper and lower triangle of each cell, chosen by the cell's place in a repeating 2 x 2 block.
PALETTE = [
    [(0x2E, 0x86, 0xC1), (0xF3, 0x9C, 0x12)],
    [(0x27, 0xAE, 0x60), (0xC0, 0x39, 0x2B)],
]


def inside_rounded_square(x, y):
    # Distance from the nearest corner circle's centre decides the cut-off corners.
    cx = min(max(x + 0.5, CORNER_RADIUS), SIZE - CORNER_RADIUS)
    cy = min(max(y + 0.5, CORNER_RADIUS), SIZE - CORNER_RADIUS)
    return (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= CORNER_RADIUS ** 2


def on_outline(x, y):
    return not all(inside_rounded_square(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1))


def tile_colour(x, y):
    u, v = x % CELL, y % CELL
    if u == v or u == 0 or v == 0:
        return GROUT
    block = PALETTE[(y // CELL) % 2]
    lower = v > u
    return block[(x // CELL + lower) % 2]


def pixel(x, y):
    """Returns the colour and whether the pixel is transparent, for y counted from the top."""
    if not inside_rounded_square(x, y):
        return (0, 0, 0), True
    if on_outline(x, y):
        return OUTLINE, False
    return tile_colour(x, y), False


def icon_bytes():
    colour_rows = []
    mask_rows = []
    for y in reversed(range(SIZE)):  # DIB rows run bottom-up.
        colours = bytearray()
        mask_bits = 0
        for x in range(SIZE):
            (r, g, b), transparent = pixel(x, y)
            colours += bytes((b, g, r))
            mask_bits = (mask_bits << 1) | transparent
        colour_rows.append(bytes(colours))
        mask_rows.append(mask_bits.to_bytes(SIZE // 8, "big"))
    pixels = b"".join(colour_rows) + b"".join(mask_rows)
    # Height counts the colour image and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    image = header + pixels
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "TessellariumControlPanel.ico")
    with open(path, "wb") as out:
        out.write(icon_bytes())


if __name__ == "__main__":
    main()
