"""Reads the game's icons and bitmaps and writes them as PNG, with the standard library only.

Icons keep their transparency from the AND mask. From the command line, one image of an icon:

Usage: art_png.py ICON WIDTH SCALE OUT.png
       (the icon's image of WIDTH pixels, each pixel made SCALE by SCALE, as for a larger icon)
"""
import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
BITMAP_INFO_SIZE = 40


class Picture:
    """Rows of (red, green, blue, alpha) pixels, top row first."""

    def __init__(self, rows):
        self.rows = rows
        self.width = len(rows[0])
        self.height = len(rows)

    def scaled(self, factor):
        return Picture([[p for p in row for _ in range(factor)] for row in self.rows for _ in range(factor)])

    def cropped(self, left, width):
        return Picture([row[left:left + width] for row in self.rows])

    def with_transparent(self, colour):
        return Picture([[(0, 0, 0, 0) if p[:3] == colour else p for p in row] for row in self.rows])

    def png(self):
        raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in self.rows)
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return PNG_SIGNATURE + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def unpack_rows(data, offset, width, height, bpp):
    """Indices of a bottom-up bitmap whose rows are padded to four bytes, top row first."""
    stride = (width * bpp + 31) // 32 * 4
    rows = []
    for y in range(height):
        line = data[offset + y * stride:offset + (y + 1) * stride]
        row = []
        for x in range(width):
            bit = x * bpp
            row.append((line[bit // 8] >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1))
        rows.append(row)
    rows.reverse()
    return rows, offset + height * stride


def read_dib(data, offset, mask_follows):
    """A device-independent bitmap: header, palette, colour bits, and for icons the AND mask."""
    size, width, height, _, bpp, compression, _, _, _, used = struct.unpack_from("<IiiHHIIiiI", data, offset)
    if size != BITMAP_INFO_SIZE or compression != 0 or bpp not in (1, 4, 8):
        raise ValueError(f"not a plain palette bitmap: {bpp} bits, compression {compression}")
    if mask_follows:
        height //= 2
    offset += size
    colours = used or 1 << bpp
    palette = [(data[offset + 4 * i + 2], data[offset + 4 * i + 1], data[offset + 4 * i]) for i in range(colours)]
    indices, offset = unpack_rows(data, offset + 4 * colours, width, height, bpp)
    mask = [[0] * width for _ in range(height)]
    if mask_follows:
        mask, _ = unpack_rows(data, offset, width, height, 1)
    return Picture([[palette[i] + ((0,) if m else (255,)) for i, m in zip(row, mask_row)]
                    for row, mask_row in zip(indices, mask)])


def read_icon(data, size=None):
    """The icon's image of the given width, or its largest."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        raise ValueError("not an icon file")
    entries = [struct.unpack_from("<BBBBHHII", data, 6 + 16 * i) for i in range(count)]
    widths = [entry[0] or 256 for entry in entries]
    if size and size not in widths:
        raise ValueError(f"no image {size} pixels wide, only {', '.join(map(str, widths))}")
    chosen = widths.index(size) if size else widths.index(max(widths))
    return read_dib(data, entries[chosen][7], mask_follows=True)


def read_bitmap(data):
    if data[:2] != b"BM":
        raise ValueError("not a bitmap file")
    return read_dib(data, 14, mask_follows=False)


def read_art(path, size=None):
    with open(path, "rb") as infile:
        data = infile.read()
    return read_bitmap(data) if path.endswith(".bmp") else read_icon(data, size)


def main(arguments):
    if len(arguments) != 4 or not arguments[1].isdigit() or not arguments[2].isdigit():
        sys.exit(__doc__[__doc__.index("Usage:"):].rstrip())
    icon, width, scale, out = arguments
    try:
        picture = read_art(icon, int(width))
    except (OSError, ValueError) as error:
        sys.exit("art_png.py: %s: %s" % (icon, error))
    with open(out, "wb") as outfile:
        outfile.write(picture.scaled(int(scale)).png())


if __name__ == "__main__":
    main(sys.argv[1:])
