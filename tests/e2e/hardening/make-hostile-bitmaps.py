#!/usr/bin/env python3
"""Pictures for the folder a setup program is run from, each named for the
program's picture: crafted headers that lie about what the file holds, and
one good picture to show that a picture there is shown at all.
Usage: make-hostile-bitmaps.py FOLDER"""
import os
import struct
import sys


def bmp(width, height, bits, pixels, image_size=None, offset=None, colours_used=0, file_size=None, palette=b""):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0,
                       len(pixels) if image_size is None else image_size, 2835, 2835, colours_used, 0)
    offset = 14 + 40 + len(palette) if offset is None else offset
    body = info + palette + pixels
    size = 14 + len(body) if file_size is None else file_size
    return b"BM" + struct.pack("<IHHI", size, 0, 0, offset) + body


def good():
    # 8 x 8, 24 bits, pure blue (BGR 255,0,0): easy to find on the green backdrop.
    row = b"\xff\x00\x00" * 8
    return bmp(8, 8, 24, row * 8)


pictures = {
    # 16,384 x 16,384 at 24 bits (an 805 MB section) in 55 bytes, image size 1.
    "huge": bmp(16384, 16384, 24, b"\x00", image_size=1),
    # The pixels are said to start past the end of the file.
    "offset-past-end": bmp(8, 8, 24, b"\x00" * 192, offset=100000),
    # 256 colours announced, the file ends inside the table.
    "palette-past-end": bmp(8, 8, 8, b"", colours_used=256, palette=b"\x10" * 40),
    # Rows cut short: half the pixels of an 8 x 8 picture.
    "rows-missing": bmp(8, 8, 24, b"\x00" * 96, image_size=192),
    "good": good(),
}
folder = sys.argv[1]
os.makedirs(folder, exist_ok=True)
for name, data in pictures.items():
    with open(os.path.join(folder, name + ".bmp"), "wb") as out:
        out.write(data)
