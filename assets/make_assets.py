#!/usr/bin/env python3
"""Draws Quarvel's pictures and synthesises its bounce sound.

Writes assets/pictures/<Name>.png and assets/sounds/Rums.wav beside this script, using only the
standard library. Every shape is drawn to the pixel, without anti-aliasing: a mask and its picture
must agree exactly, and white is the transparent colour of the logo. The output is committed, so
the build never needs this script; run it again after changing a picture:

    python3 assets/make_assets.py
"""

import math
import os
import random
import struct
import wave
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
NAVY = (27, 42, 74)
# Colour bars at 75 per cent, as a video test chart shows them.
BARS = [(192, 192, 192), (192, 192, 0), (0, 192, 192), (0, 192, 0), (192, 0, 192), (192, 0, 0), (0, 0, 192)]


class Canvas:
    def __init__(self, width, height, fill=WHITE):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def get(self, x, y):
        return self.pixels[y][x]

    def fill_rect(self, x, y, w, h, colour):
        for py in range(max(y, 0), min(y + h, self.height)):
            for px in range(max(x, 0), min(x + w, self.width)):
                self.pixels[py][px] = colour

    def frame_rect(self, x, y, w, h, colour, thickness=1):
        self.fill_rect(x, y, w, thickness, colour)
        self.fill_rect(x, y + h - thickness, w, thickness, colour)
        self.fill_rect(x, y, thickness, h, colour)
        self.fill_rect(x + w - thickness, y, thickness, h, colour)

    def fill_shape(self, inside, colour):
        """Sets every pixel whose centre satisfies inside(cx, cy)."""
        for py in range(self.height):
            for px in range(self.width):
                if inside(px + 0.5, py + 0.5):
                    self.pixels[py][px] = colour

    def line(self, x1, y1, x2, y2, colour, size=1):
        dx, dy = abs(x2 - x1), -abs(y2 - y1)
        sx = 1 if x1 < x2 else -1
        sy = 1 if y1 < y2 else -1
        err = dx + dy
        while True:
            self.fill_rect(x1, y1, size, size, colour)
            if x1 == x2 and y1 == y2:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x1 += sx
            if e2 <= dx:
                err += dx
                y1 += sy

    def text(self, x, y, string, colour, scale=1, spacing=1):
        for ch in string:
            glyph = FONT[ch]
            for row, bits in enumerate(glyph):
                for col, bit in enumerate(bits):
                    if bit == "#":
                        self.fill_rect(x + col * scale, y + row * scale, scale, scale, colour)
            x += (len(glyph[0]) + spacing) * scale

    def save_png(self, path):
        raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in self.pixels)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            out.write(chunk(b"IHDR", header))
            out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
            out.write(chunk(b"IEND", b""))


def text_width(string, scale=1, spacing=1):
    return sum((len(FONT[ch][0]) + spacing) * scale for ch in string) - spacing * scale


# A small pixel font, only the letters the pictures need.
FONT = {
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "?": [".###.", "#...#", "....#", "..##.", "..#..", ".....", "..#.."],
    "i": ["#", ".", "#", "#", "#", "#", "#"],
}


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def hsv(h, s, v):
    h = (h % 1.0) * 6.0
    i = int(h)
    f = h - i
    p, q, t = v * (1 - s), v * (1 - s * f), v * (1 - s * (1 - f))
    r, g, b = [(v, t, p), (q, v, p), (p, v, t), (p, q, v), (t, p, v), (v, p, q)][i % 6]
    return (int(r * 255 + 0.5), int(g * 255 + 0.5), int(b * 255 + 0.5))


def in_disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_round_rect(x0, y0, w, h, radius):
    def inside(x, y):
        if not (x0 <= x <= x0 + w and y0 <= y <= y0 + h):
            return False
        nx = min(max(x, x0 + radius), x0 + w - radius)
        ny = min(max(y, y0 + radius), y0 + h - radius)
        return (x - nx) ** 2 + (y - ny) ** 2 <= radius * radius

    return inside


def masked(width, height, inside, draw):
    """A picture drawn by draw() inside the shape, white outside, and its mask."""
    picture = Canvas(width, height)
    draw(picture)
    mask = Canvas(width, height)
    mask.fill_shape(inside, BLACK)
    for y in range(height):
        for x in range(width):
            if mask.get(x, y) != BLACK:
                picture.set(x, y, WHITE)
    return picture, mask


# The explanation window's title bar: 270 x 32, a bold black title at (20, 6) and the logo at
# (208, 8) lie over it, so it stays light. Its right end is rounded by the mask.
def title_background():
    def draw(c):
        for y in range(32):
            for x in range(270):
                c.set(x, y, lerp((236, 241, 248), (178, 197, 222), x / 269 * 0.7 + y / 31 * 0.3))
        c.fill_rect(0, 0, 270, 1, WHITE)
        c.fill_rect(0, 31, 270, 1, (120, 140, 170))
        for i, colour in enumerate([(200, 40, 40), (40, 160, 60), (40, 80, 200)]):
            c.fill_rect(6, 6 + i * 7, 6, 6, colour)

    return masked(270, 32, in_round_rect(-20, 0, 290, 32, 10), draw)


# The maker's small logo, 62 x 24; white is transparent where it is drawn.
def logo():
    c = Canvas(62, 24)
    for i, colour in enumerate([(210, 40, 40), (40, 170, 70), (40, 90, 210)]):
        c.fill_shape(in_disc(8 + i * 6, 12, 7), colour)
    c.fill_shape(in_disc(14, 12, 3), NAVY)
    c.text(30, 5, "QV", NAVY, scale=2, spacing=1)
    return c


# The tracing sprite: four points on the field's own colour, so that only the points move.
def sprite(size, dot, inset, field, points):
    c = Canvas(size, size, field)
    far = size - inset - dot
    for x, y in [(inset, inset), (far, inset), (inset, far), (far, far)]:
        if dot <= 3:
            c.fill_rect(x, y, dot, dot, points)
        else:
            c.fill_shape(in_disc(x + dot / 2, y + dot / 2, dot / 2), points)
    return c


# The About page's picture, 370 x 300. The version label lies on it at (183, 269), 106 x 16,
# black text: the bottom band stays light there.
def about_box():
    c = Canvas(370, 300)
    for y in range(250):
        c.fill_rect(0, y, 370, 1, lerp((18, 28, 52), (44, 66, 110), y / 249))
    title = "QUARVEL"
    c.text((370 - text_width(title, 6)) // 2, 26, title, WHITE, scale=6)
    left, width = 25, 320

    def edge(i, n):
        return left + i * width // n

    for i, colour in enumerate(BARS):
        c.fill_rect(edge(i, 7), 100, edge(i + 1, 7) - edge(i, 7), 70, colour)
    for i in range(11):
        level = int(round(i * 255 / 10))
        c.fill_rect(edge(i, 11), 176, edge(i + 1, 11) - edge(i, 11), 18, (level,) * 3)
    for x in range(left, left + width, 2):
        c.fill_rect(x, 200, 1, 12, WHITE)
    for x in range(left, left + width, 8):
        c.fill_rect(x, 216, 4, 12, WHITE)
    c.frame_rect(left - 1, 99, width + 2, 130, (140, 160, 200))
    c.fill_rect(0, 250, 370, 50, (232, 236, 242))
    c.fill_rect(0, 250, 370, 2, (120, 140, 170))
    return c


def icon_colour_shades():
    def draw(c):
        for y in range(32):
            for x in range(32):
                c.set(x, y, hsv(x / 32, 1.0, 1.0 - y / 40))
        c.frame_rect(1, 1, 30, 30, (60, 60, 60))

    return masked(32, 32, in_round_rect(1, 1, 30, 30, 5), draw)


def icon_geometry():
    def draw(c):
        c.fill_rect(0, 0, 32, 32, WHITE)
        for p in range(4, 29, 6):
            c.fill_rect(p, 2, 1, 28, (170, 170, 170))
            c.fill_rect(2, p, 28, 1, (170, 170, 170))
        ring = lambda x, y: 11 * 11 <= (x - 16) ** 2 + (y - 16) ** 2 <= 13 * 13
        c.fill_shape(ring, BLACK)
        c.fill_rect(16, 3, 1, 27, BLACK)
        c.fill_rect(3, 16, 27, 1, BLACK)
        c.frame_rect(1, 1, 30, 30, BLACK)

    return masked(32, 32, lambda x, y: 1 <= x <= 31 and 1 <= y <= 31, draw)


def disc_icon(fill, glyph, scale):
    def draw(c):
        c.fill_shape(in_disc(16, 16, 15), (40, 40, 40))
        c.fill_shape(in_disc(16, 16, 13.5), fill)
        w = text_width(glyph, scale)
        c.text(16 - w // 2, 16 - 7 * scale // 2, glyph, WHITE, scale=scale)

    return masked(32, 32, in_disc(16, 16, 15), draw)


def icon_matching():
    def draw(c):
        for y in range(2, 30):
            for x in range(2, 16):
                c.set(x, y, BLACK if (x + y) % 2 else WHITE)
        c.fill_rect(16, 2, 14, 28, (128, 128, 128))
        c.frame_rect(1, 1, 30, 30, BLACK)

    return masked(32, 32, lambda x, y: 1 <= x <= 31 and 1 <= y <= 31, draw)


def icon_video():
    def screen_or_stand(x, y):
        return (1 <= x <= 31 and 3 <= y <= 25) or (12 <= x <= 20 and 25 <= y <= 28) or (7 <= x <= 25 and 28 <= y <= 30)

    def draw(c):
        c.fill_rect(0, 0, 32, 32, (50, 50, 55))
        for i, colour in enumerate(BARS):
            c.fill_rect(4 + i * 24 // 7, 6, (i + 1) * 24 // 7 - i * 24 // 7, 12, colour)
        for i in range(6):
            c.fill_rect(4 + i * 4, 18, 4, 4, (i * 51,) * 3)

    return masked(32, 32, screen_or_stand, draw)


# The bounce: a short, low thump whose pitch falls as it dies away, with a soft click on impact.
def bounce_sound(path):
    rate = 22050
    length = int(rate * 0.14)
    rng = random.Random(168)
    samples = []
    phase = 0.0
    for n in range(length):
        t = n / rate
        freq = 55 + 110 * math.exp(-t * 30)
        phase += 2 * math.pi * freq / rate
        body = math.sin(phase) * math.exp(-t * 28)
        click = rng.uniform(-1, 1) * math.exp(-t * 900) * 0.35
        attack = min(1.0, n / (rate * 0.002))
        samples.append(max(-1.0, min(1.0, (body + click) * attack * 0.9)))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(b"".join(struct.pack("<h", int(s * 32767)) for s in samples))


def main():
    pictures = os.path.join(HERE, "pictures")
    sounds = os.path.join(HERE, "sounds")
    os.makedirs(pictures, exist_ok=True)
    os.makedirs(sounds, exist_ok=True)

    made = {}
    made["TitelBG"], made["TitelBGMask"] = title_background()
    made["velostralogosmall"] = logo()
    made["SpriteSmall"] = sprite(16, 3, 2, WHITE, BLACK)
    made["SpriteBig"] = sprite(64, 12, 4, WHITE, BLACK)
    made["SpriteBigInverse"] = sprite(64, 12, 4, BLACK, WHITE)
    made["SpriteSmallInverse"] = sprite(16, 3, 2, BLACK, WHITE)
    made["AboutBox"] = about_box()
    made["ColorShadesIcon"], made["ColorShadesIconMask"] = icon_colour_shades()
    made["GeometryIcon"], made["GeometryIconMask"] = icon_geometry()
    made["HelpIconOn"], made["HelpIconOnMask"] = disc_icon((40, 150, 70), "?", 2)
    made["InfoIcon"], made["InfoIconMask"] = disc_icon((40, 90, 200), "i", 3)
    made["MatchingIcon"], made["MatchingIconMask"] = icon_matching()
    made["VideoIcon"], made["VideoIconMask"] = icon_video()
    for name, canvas in made.items():
        canvas.save_png(os.path.join(pictures, name + ".png"))
    bounce_sound(os.path.join(sounds, "Rums.wav"))


if __name__ == "__main__":
    main()
