#!/usr/bin/env python3
"""Draws the program's icon and writes it as a multi-size .ico file.

The picture: a blue tile holding a white sheet of four small icons, one of
which, orange, is being lifted out of the sheet towards the lower right.
Shapes are drawn with signed distances and supersampling, so every size is
drawn afresh rather than scaled.

Usage: draw_icon.py OUTPUT.ico
"""

import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def rounded_box(x, y, left, top, right, bottom, radius):
    """Signed distance to a rounded rectangle (negative inside)."""
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius
    dx, dy = abs(x - cx) - hx, abs(y - cy) - hy
    outside = (max(dx, 0) ** 2 + max(dy, 0) ** 2) ** 0.5
    return outside + min(max(dx, dy), 0) - radius


def mix(under, over, alpha):
    """Composites a straight-alpha colour over another (both RGBA floats)."""
    a = over[3] * alpha
    out_a = a + under[3] * (1 - a)
    if out_a == 0:
        return (0.0, 0.0, 0.0, 0.0)
    rgb = tuple((over[i] * a + under[i] * under[3] * (1 - a)) / out_a for i in range(3))
    return rgb + (out_a,)


def shade(u, v):
    """The colour at a point of the unit square, as straight RGBA in 0..1."""
    colour = (0.0, 0.0, 0.0, 0.0)
    # The tile, with a gentle top-to-bottom gradient.
    if rounded_box(u, v, 0.04, 0.04, 0.96, 0.96, 0.18) <= 0:
        top, bottom = (0.27, 0.56, 0.90), (0.12, 0.33, 0.70)
        colour = tuple(top[i] + (bottom[i] - top[i]) * v for i in range(3)) + (1.0,)
    # The sheet.
    if rounded_box(u, v, 0.16, 0.16, 0.70, 0.70, 0.06) <= 0:
        colour = mix(colour, (0.97, 0.98, 1.0, 1.0), 1.0)
    # Three icons left on the sheet.
    for left, top in ((0.22, 0.22), (0.46, 0.22), (0.22, 0.46)):
        if rounded_box(u, v, left, top, left + 0.18, top + 0.18, 0.04) <= 0:
            colour = mix(colour, (0.55, 0.68, 0.86, 1.0), 1.0)
    # The lifted icon: a soft shadow, then the icon itself.
    if rounded_box(u, v, 0.50, 0.50, 0.88, 0.88, 0.08) <= 0:
        colour = mix(colour, (0.0, 0.0, 0.1, 1.0), 0.35)
    if rounded_box(u, v, 0.46, 0.46, 0.84, 0.84, 0.08) <= 0:
        colour = mix(colour, (1.0, 0.60, 0.12, 1.0), 1.0)
        if rounded_box(u, v, 0.55, 0.55, 0.75, 0.75, 0.05) <= 0:
            colour = mix(colour, (1.0, 0.93, 0.80, 1.0), 1.0)
    return colour


def draw(size):
    """Rows of straight (B, G, R, A) bytes, top row first."""
    samples = 4 if size <= 64 else 2  # per axis; large sizes need fewer
    rows = []
    step = 1.0 / (size * samples)
    for y in range(size):
        row = bytearray()
        for x in range(size):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    u = (x * samples + sx + 0.5) * step
                    v = (y * samples + sy + 0.5) * step
                    r, g, b, a = shade(u, v)
                    total[0] += r * a
                    total[1] += g * a
                    total[2] += b * a
                    total[3] += a
            alpha = total[3] / (samples * samples)
            if alpha > 0:
                rgb = [total[i] / total[3] for i in range(3)]
            else:
                rgb = [0.0, 0.0, 0.0]
            row += bytes(round(c * 255) for c in (rgb[2], rgb[1], rgb[0], alpha))
        rows.append(bytes(row))
    return rows


def dib_image(size, rows):
    """A 32-bit icon image: header, bottom-up colour rows, AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(reversed(rows))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x in range(size):
            if row[x * 4 + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def png_image(size, rows):
    """A PNG image, as large icons are stored."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b""
    for row in rows:
        rgba = bytearray()
        for x in range(size):
            b, g, r, a = row[x * 4:x * 4 + 4]
            rgba += bytes((r, g, b, a))
        raw += b"\x00" + bytes(rgba)
    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: draw_icon.py OUTPUT.ico")
    images = []
    for size in SIZES:
        rows = draw(size)
        images.append((size, png_image(size, rows) if size >= 256 else dib_image(size, rows)))
    offset = 6 + 16 * len(images)
    directory = b""
    for size, data in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32,
                                 len(data), offset)
        offset += len(data)
    with open(sys.argv[1], "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(images)) + directory)
        for _, data in images:
            out.write(data)


if __name__ == "__main__":
    main()
