#!/usr/bin/env python3
"""Makes the setup program's payload sources in a build folder, reproducibly:

  side.bmp           the wizard's side picture: 120 x 228, 8 bits, 256 colours,
                     the product's name on a gradient of its greens
  AuctionTorvin.ico  the product's icon (the setup's 101, the program's 10000):
                     32 x 32 and 16 x 16, 16 colours each
  AuctionTorvin.cnt  the help contents: a real contents file naming the help file
  stand-ins          the help file and the shared component, of the payload
                     table's sizes, until the real files are supplied

The product program and the uninstaller are built, not made here.

usage: make_payloads.py OUTPUT_FOLDER [NAME...]   (all of them without names)
"""
import os
import struct
import sys

# 5 x 7 letters for the product's name.
FONT = {
    'A': ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    'T': ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    'u': ["00000", "00000", "10001", "10001", "10001", "10011", "01101"],
    'c': ["00000", "00000", "01110", "10000", "10000", "10001", "01110"],
    't': ["01000", "01000", "11100", "01000", "01000", "01001", "00110"],
    'i': ["00100", "00000", "01100", "00100", "00100", "00100", "01110"],
    'o': ["00000", "00000", "01110", "10001", "10001", "10001", "01110"],
    'n': ["00000", "00000", "10110", "11001", "10001", "10001", "10001"],
    'r': ["00000", "00000", "10110", "11001", "10000", "10000", "10000"],
    'v': ["00000", "00000", "10001", "10001", "10001", "01010", "00100"],
}

LIGHT = (215, 255, 166)
BASE = (99, 154, 49)
DARK = (40, 80, 20)


def blend(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def text_mask(text, scale):
    width = len(text) * 6 * scale - scale
    rows = []
    for y in range(7 * scale):
        row = []
        for ch in text:
            glyph = FONT[ch]
            for x in range(5 * scale):
                row.append(glyph[y // scale][x // scale] == '1')
            row.extend([False] * scale)
        rows.append(row[:width])
    return rows


def side_picture():
    width, height = 120, 228
    # Palette: 0-249 the gradient from light to base green, 250-255 dark greens for the lettering.
    palette = [blend(LIGHT, BASE, i / 249.0) for i in range(250)]
    palette += [blend(DARK, BASE, i / 10.0) for i in range(6)]
    pixels = [[0] * width for _ in range(height)]
    for y in range(height):
        for x in range(width):
            t = (y / (height - 1)) * 0.85 + (x / (width - 1)) * 0.15
            pixels[y][x] = min(249, int(t * 249))
    # The name twice: large near the top, small at the foot.
    for text, scale, top in (("Auction", 2, 40), ("Torvin", 2, 62), ("AuctionTorvin", 1, 200)):
        mask = text_mask(text, scale)
        left = (width - len(mask[0])) // 2
        for dy, row in enumerate(mask):
            for dx, on in enumerate(row):
                if on:
                    pixels[top + dy][left + dx] = 250
                    if top + dy + 1 < height and left + dx + 1 < width and not pixels[top + dy + 1][left + dx + 1] >= 250:
                        pixels[top + dy + 1][left + dx + 1] = 253  # a soft shadow
    bits = bytearray()
    for y in range(height - 1, -1, -1):  # bottom-up rows, 120 bytes need no padding
        bits.extend(pixels[y])
    colour_table = bytearray()
    for r, g, b in palette:
        colour_table.extend((b, g, r, 0))
    offset = 14 + 40 + len(colour_table)
    trailer = b"\0\0"  # the file is 28,440 bytes: two bytes after the pixels
    file_size = offset + len(bits) + len(trailer)
    header = b"BM" + struct.pack("<IHHI", file_size, 0, 0, offset)
    # Image size and colours used are 0: the loader derives both.
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, 0, 2835, 2835, 0, 0)
    return header + info + bytes(colour_table) + bytes(bits) + trailer


def icon_image(size, palette):
    # A green tag with a dark handle: the auction hammer, drawn in 16 colours.
    pixels = [[0] * size for _ in range(size)]
    mask = [[1] * size for _ in range(size)]
    s = size / 32.0
    for y in range(size):
        for x in range(size):
            fx, fy = x / s, y / s
            head = 4 <= fx <= 20 and 4 <= fy <= 14
            handle = abs((fx - fy) - 2) <= 2.2 and 12 <= fx <= 29 and 10 <= fy <= 29
            block = 18 <= fx <= 30 and 26 <= fy <= 30
            if head:
                pixels[y][x] = 2 if fy < 9 else 3
            elif handle:
                pixels[y][x] = 4
            elif block:
                pixels[y][x] = 5
            else:
                continue
            mask[y][x] = 0
    colour_table = bytearray()
    for r, g, b in palette:
        colour_table.extend((b, g, r, 0))
    xor = bytearray()
    row_bytes = ((size * 4 + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(0, size, 2):
            row.append((pixels[y][x] << 4) | pixels[y][x + 1])
        row.extend(b"\0" * (row_bytes - len(row)))
        xor.extend(row)
    andbits = bytearray()
    mask_row_bytes = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(0, size, 8):
            value = 0
            for bit in range(8):
                value |= mask[y][x + bit] << (7 - bit)
            row.append(value)
        row.extend(b"\0" * (mask_row_bytes - len(row)))
        andbits.extend(row)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(andbits), 0, 0, 16, 0)
    return info + bytes(colour_table) + bytes(xor) + bytes(andbits)


def icon():
    palette = [(0, 0, 0), (255, 255, 255), LIGHT, BASE, DARK, (128, 96, 48)]
    palette += [(0, 0, 0)] * (16 - len(palette))
    images = [icon_image(32, palette), icon_image(16, palette)]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip((32, 16), images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def stand_in(name, size):
    """Deterministic bytes that compress about as well as a real program."""
    note = ("AuctionTorvin stand-in for %s; the real file replaces it.\r\n" % name).encode("ascii")
    data = bytearray()
    state = 12345
    while len(data) < size:
        data.extend(note)
        for _ in range(64):
            state = (state * 1103515245 + 12345) & 0x7FFFFFFF
            data.append((state >> 16) & 0xFF)
    return bytes(data[:size])


STAND_INS = {
    "NetTorvin.dll": 8192,
    "AuctionTorvin.hlp": 41915,
}


def help_contents():
    """The help viewer's contents file: the help file it belongs to, the
    window title and the topics, one a line; "1" a heading, "2" a topic
    (title=context), lines ending in CR LF."""
    lines = [
        ":Base AuctionTorvin.hlp>main",
        ":Title AuctionTorvin Help",
        ":Index AuctionTorvin Help=AuctionTorvin.hlp",
        "1 Getting started",
        "2 What AuctionTorvin does=overview",
        "2 Finding auctions from the Find menu=find_menu",
        "2 Search files=search_files",
        "1 Searching",
        "2 Starting a search=start_search",
        "2 Narrowing the results=narrow_results",
        "2 Saving a search=save_search",
        "1 Settings",
        "2 The HTTP proxy=proxy",
        "2 Mailing lists=mailing_lists",
        "1 Removing AuctionTorvin=uninstall",
    ]
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def write(folder, name, data):
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        f.write(data)


def side_picture_checked():
    picture = side_picture()
    assert len(picture) == 28440, len(picture)
    return picture


MAKERS = {
    "side.bmp": side_picture_checked,
    "AuctionTorvin.ico": icon,
    "AuctionTorvin.cnt": help_contents,
}
for _name, _size in STAND_INS.items():
    MAKERS[_name] = (lambda name, size: lambda: stand_in(name, size))(_name, _size)


def main():
    folder = sys.argv[1]
    names = sys.argv[2:] or sorted(MAKERS)
    unknown = [name for name in names if name not in MAKERS]
    if unknown:
        sys.exit("make_payloads.py makes no %s" % ", ".join(unknown))
    os.makedirs(folder, exist_ok=True)
    for name in names:
        write(folder, name, MAKERS[name]())


if __name__ == "__main__":
    main()
