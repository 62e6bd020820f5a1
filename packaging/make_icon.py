#!/usr/bin/env python3
"""Draws Quarvel's application icon: a monitor whose screen shows colour bars over a gray scale.

Writes packaging/icons/org.quarvel.Quarvel.svg and packaging/icons/<size>/org.quarvel.Quarvel.png
for the hicolor theme's sizes, using only the standard library. The PNGs are rendered from the
same shapes as the SVG, with 8 x 8 samples per pixel for smooth edges. The output is committed,
so the build never needs this script; run it again after changing the icon:

    python3 packaging/make_icon.py
"""

import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ICON_ID = "org.quarvel.Quarvel"
SIZES = [16, 32, 48, 64, 128, 256]
SAMPLES = 8

# Shapes on a 256 x 256 design grid, painted in order: (x, y, width, height, corner radius, colour).
BEZEL = "#23272e"
STAND = "#3b414b"
BARS = ["#e8e8e8", "#e8e800", "#00e8e8", "#00d000", "#e800e8", "#e80000", "#0000e8"]
GRAYS = ["#000000", "#555555", "#aaaaaa", "#ffffff"]


def shapes():
    out = [
        (112, 190, 32, 30, 0, STAND),  # neck
        (64, 214, 128, 18, 9, BEZEL),  # foot
        (12, 32, 232, 164, 16, BEZEL),  # bezel
    ]
    screen_x, screen_y, screen_w = 26, 46, 204
    bar_h, gray_h = 104, 32
    bar_w = screen_w / len(BARS)
    for i, colour in enumerate(BARS):
        out.append((screen_x + i * bar_w, screen_y, bar_w, bar_h, 0, colour))
    gray_w = screen_w / len(GRAYS)
    for i, colour in enumerate(GRAYS):
        out.append((screen_x + i * gray_w, screen_y + bar_h, gray_w, gray_h, 0, colour))
    return out


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def inside(shape, x, y):
    x0, y0, w, h, r, _ = shape
    if not (x0 <= x < x0 + w and y0 <= y < y0 + h):
        return False
    if r == 0:
        return True
    nx = min(max(x, x0 + r), x0 + w - r)
    ny = min(max(y, y0 + r), y0 + h - r)
    return (x - nx) ** 2 + (y - ny) ** 2 <= r * r


def render(size):
    """RGBA rows: each pixel averages SAMPLES x SAMPLES points, premultiplied while summing."""
    scale = 256 / size
    painted = [(s, rgb(s[5])) for s in shapes()]
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            total = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                y = (py + (sy + 0.5) / SAMPLES) * scale
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    hit = None
                    for shape, colour in painted:
                        if inside(shape, x, y):
                            hit = colour
                    if hit:
                        total[0] += hit[0]
                        total[1] += hit[1]
                        total[2] += hit[2]
                        total[3] += 1
            n = SAMPLES * SAMPLES
            if total[3]:
                row += bytes([round(total[0] / total[3]), round(total[1] / total[3]), round(total[2] / total[3]),
                              round(255 * total[3] / n)])
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def save_png(path, size, rows):
    raw = b"".join(b"\x00" + row for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def number(value):
    return ("%.4f" % value).rstrip("0").rstrip(".")


def save_svg(path):
    lines = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">']
    for x, y, w, h, r, colour in shapes():
        corner = ' rx="%s"' % number(r) if r else ""
        lines.append('  <rect x="%s" y="%s" width="%s" height="%s"%s fill="%s"/>'
                     % (number(x), number(y), number(w), number(h), corner, colour))
    lines.append("</svg>")
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


def main():
    icons = os.path.join(HERE, "icons")
    os.makedirs(icons, exist_ok=True)
    save_svg(os.path.join(icons, ICON_ID + ".svg"))
    for size in SIZES:
        folder = os.path.join(icons, str(size))
        os.makedirs(folder, exist_ok=True)
        save_png(os.path.join(folder, ICON_ID + ".png"), size, render(size))


if __name__ == "__main__":
    main()
