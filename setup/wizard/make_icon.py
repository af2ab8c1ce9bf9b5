#!/usr/bin/python3
"""Writes the product icon (32x32, 32-bit) as an .ico file: make_icon.py OUTPUT.

Drawn by code so the repository holds no opaque binary: a teal rounded square with a white
terrain profile, the picture of an earthwork tool."""
import struct
import sys

SIZE = 32
TEAL = (0x80, 0x80, 0x00, 0xFF)   # BGRA
WHITE = (0xFF, 0xFF, 0xFF, 0xFF)
CLEAR = (0, 0, 0, 0)


def pixel(x, y):
    corner = 5
    cx = min(max(x, corner), SIZE - 1 - corner)
    cy = min(max(y, corner), SIZE - 1 - corner)
    if (x - cx) ** 2 + (y - cy) ** 2 > corner ** 2:
        return CLEAR
    ground = 18 + (4 if 8 <= x < 16 else 0) - (5 if 18 <= x < 25 else 0)  # y measured from the top
    return WHITE if y >= ground and y < 26 and 4 <= x < 28 else TEAL


def main(path):
    rows = []
    for y in range(SIZE - 1, -1, -1):  # bottom-up
        rows.append(b"".join(struct.pack("4B", *pixel(x, y)) for x in range(SIZE)))
    xor = b"".join(rows)
    and_mask = b"\x00" * (SIZE * SIZE // 8)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    with open(path, "wb") as out:
        out.write(directory + image)


if __name__ == "__main__":
    main(sys.argv[1])
