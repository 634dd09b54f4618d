#!/usr/bin/env python3
"""Draws the demo game's pictures into OUTDIR/cg: two backgrounds and three
characters, each in one of the forms the player reads.

  station.bmp                   24-bit BMP background
  street.png                    truecolour PNG background
  guide.bmp + guide_mask.bmp    24-bit BMP with an 8-bit grey BMP mask
  friend.bmp                    24-bit BMP on magenta, for the mask "AUTO"
  girl.png + girl_mask.png      truecolour PNG with a greyscale PNG mask
  signs.bmp, signs_on.bmp       the street with two arrow signs, plain and lit:
                                the base and pointed pictures of a button choice

Only the standard library is used. PNG rows are written with filter type 0.

usage: make_pictures.py OUTDIR
"""
import math
import os
import struct
import sys
import zlib

WIDTH, HEIGHT = 640, 480


class Canvas:
    """RGB pixels, top row first, with an optional coverage plane."""

    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width, self.height = width, height
        self.rgb = bytearray(bytes(colour) * (width * height))
        self.cover = bytearray(width * height)

    def span(self, y, x0, x1, colour):
        """Pixels whose centres lie in [x0, x1) of row y."""
        if not 0 <= y < self.height:
            return
        a = max(0, math.ceil(x0 - 0.5))
        b = min(self.width, math.ceil(x1 - 0.5))
        if b <= a:
            return
        row = y * self.width
        self.rgb[(row + a) * 3:(row + b) * 3] = bytes(colour) * (b - a)
        self.cover[row + a:row + b] = b"\xff" * (b - a)

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, int(y0)), min(self.height, math.ceil(y1))):
            self.span(y, x0, x1, colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        for y in range(max(0, int(cy - ry)), min(self.height, math.ceil(cy + ry) + 1)):
            d = (y + 0.5 - cy) / ry
            if abs(d) < 1:
                half = rx * math.sqrt(1 - d * d)
                self.span(y, cx - half, cx + half, colour)

    def polygon(self, points, colour):
        ys = [p[1] for p in points]
        for y in range(max(0, int(min(ys))), min(self.height, math.ceil(max(ys)))):
            yc = y + 0.5
            xs = []
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay <= yc < by) or (by <= yc < ay):
                    xs.append(ax + (yc - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for x0, x1 in zip(xs[0::2], xs[1::2]):
                self.span(y, x0, x1, colour)

    def vertical_gradient(self, y0, y1, top, bottom):
        for y in range(y0, y1):
            t = (y - y0) / max(1, y1 - y0 - 1)
            colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
            self.span(y, 0, self.width, colour)


class Scaled:
    """Draws on a canvas `factor` times larger, in the small picture's units."""

    def __init__(self, canvas, factor):
        self.c, self.f = canvas, factor

    def rect(self, x0, y0, x1, y1, colour):
        f = self.f
        self.c.rect(x0 * f, y0 * f, x1 * f, y1 * f, colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        f = self.f
        self.c.ellipse(cx * f, cy * f, rx * f, ry * f, colour)

    def polygon(self, points, colour):
        self.c.polygon([(x * self.f, y * self.f) for x, y in points], colour)


def downsample(big, factor):
    """Averages factor x factor blocks: colour over the covered samples, and
    the coverage itself as 0..255."""
    w, h = big.width // factor, big.height // factor
    small = Canvas(w, h)
    n = factor * factor
    for y in range(h):
        for x in range(w):
            r = g = b = covered = 0
            for j in range(factor):
                base = (y * factor + j) * big.width + x * factor
                for i in range(factor):
                    if big.cover[base + i]:
                        covered += 1
                        k = (base + i) * 3
                        r += big.rgb[k]
                        g += big.rgb[k + 1]
                        b += big.rgb[k + 2]
            at = y * w + x
            if covered:
                small.rgb[at * 3:at * 3 + 3] = bytes((r // covered, g // covered, b // covered))
            small.cover[at] = covered * 255 // n
    return small


# --- file writers -----------------------------------------------------------

def bmp_bytes(width, height, bits, palette, rows_bottom_up):
    stride = (width * bits + 31) // 32 * 4
    pixels = b"".join(row + b"\0" * (stride - len(row)) for row in rows_bottom_up)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels),
                       2835, 2835, len(palette), 0)
    return header + info + pal + pixels


def write_bmp24(path, canvas):
    rows = []
    for y in reversed(range(canvas.height)):
        line = canvas.rgb[y * canvas.width * 3:(y + 1) * canvas.width * 3]
        row = bytearray(len(line))
        row[0::3], row[1::3], row[2::3] = line[2::3], line[1::3], line[0::3]
        rows.append(bytes(row))
    with open(path, "wb") as f:
        f.write(bmp_bytes(canvas.width, canvas.height, 24, [], rows))


def write_bmp_grey(path, canvas):
    """8 bits per pixel, palette entry i = grey i (as the mask generator writes)."""
    rows = [bytes(canvas.cover[y * canvas.width:(y + 1) * canvas.width])
            for y in reversed(range(canvas.height))]
    with open(path, "wb") as f:
        f.write(bmp_bytes(canvas.width, canvas.height, 8, [(i, i, i) for i in range(256)], rows))


def png_bytes(width, height, colour_type, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + row for row in rows)  # filter type 0 on every row
    ihdr = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def write_png_rgb(path, canvas):
    w = canvas.width * 3
    rows = [bytes(canvas.rgb[y * w:(y + 1) * w]) for y in range(canvas.height)]
    with open(path, "wb") as f:
        f.write(png_bytes(canvas.width, canvas.height, 2, rows))


def write_png_grey(path, canvas):
    w = canvas.width
    rows = [bytes(canvas.cover[y * w:(y + 1) * w]) for y in range(canvas.height)]
    with open(path, "wb") as f:
        f.write(png_bytes(canvas.width, canvas.height, 0, rows))


# --- the pictures -----------------------------------------------------------

def station():
    c = Canvas(WIDTH, HEIGHT)
    c.vertical_gradient(0, 330, (70, 40, 110), (250, 150, 80))
    c.ellipse(604, 318, 40, 40, (255, 214, 120))
    c.vertical_gradient(330, HEIGHT, (95, 85, 90), (55, 50, 60))
    # The station building, its clock and lit windows.
    c.rect(90, 150, 560, 340, (60, 55, 75))
    c.polygon([(70, 155), (325, 95), (580, 155)], (45, 40, 60))
    c.ellipse(325, 130, 22, 22, (235, 230, 210))
    c.rect(324, 114, 327, 131, (40, 40, 40))
    c.rect(325, 129, 338, 132, (40, 40, 40))
    for x in range(115, 540, 70):
        c.rect(x, 190, x + 40, 230, (255, 220, 140))
    c.rect(275, 250, 375, 340, (30, 28, 40))
    # The platform edge and a lamp post.
    c.rect(0, 340, WIDTH, 350, (200, 190, 120))
    c.rect(40, 200, 46, 345, (40, 40, 45))
    c.ellipse(43, 196, 12, 9, (255, 240, 190))
    return c


def street():
    c = Canvas(WIDTH, HEIGHT)
    c.vertical_gradient(0, 330, (90, 150, 225), (200, 225, 250))
    for cx, cy, rx in ((120, 70, 60), (170, 80, 45), (480, 50, 70), (540, 64, 40)):
        c.ellipse(cx, cy, rx, rx * 0.45, (250, 250, 255))
    colours = [(180, 110, 90), (120, 140, 170), (210, 190, 140), (150, 120, 160),
               (110, 160, 130), (200, 150, 110)]
    x = 0
    for i, colour in enumerate(colours):
        w = 95 + 17 * (i % 3)
        top = 120 + 37 * ((i * 5) % 4)
        c.rect(x, top, x + w - 6, 330, colour)
        for wy in range(top + 18, 310, 34):
            for wx in range(x + 12, x + w - 24, 26):
                c.rect(wx, wy, wx + 14, wy + 18, (235, 240, 250))
        x += w
    c.rect(0, 330, WIDTH, HEIGHT, (80, 80, 88))
    c.rect(0, 330, WIDTH, 342, (170, 165, 160))
    for x in range(10, WIDTH, 80):
        c.rect(x, 405, x + 44, 411, (240, 240, 240))
    return c


def person(d, hair, skin, coat, legs, accent, long_hair=False, cap=None):
    """A standing figure 180 wide and 340 high, in picture units."""
    if long_hair:
        d.polygon([(48, 60), (132, 60), (146, 200), (34, 200)], hair)
    d.polygon([(70, 300), (86, 300), (84, 336), (64, 336)], legs)
    d.polygon([(94, 300), (110, 300), (116, 336), (96, 336)], legs)
    d.polygon([(58, 118), (122, 118), (142, 304), (38, 304)], coat)
    d.polygon([(58, 122), (40, 126), (22, 240), (38, 244), (60, 160)], coat)
    d.polygon([(122, 122), (140, 126), (158, 240), (142, 244), (120, 160)], coat)
    d.ellipse(30, 248, 10, 11, skin)
    d.ellipse(150, 248, 10, 11, skin)
    d.rect(80, 98, 100, 124, skin)
    d.polygon([(78, 118), (102, 118), (90, 150)], accent)
    d.ellipse(90, 66, 44, 40, hair)
    d.ellipse(90, 76, 36, 38, skin)
    d.polygon([(52, 62), (128, 62), (124, 44), (90, 32), (56, 44)], hair)
    d.ellipse(76, 80, 5, 6, (40, 30, 40))
    d.ellipse(104, 80, 5, 6, (40, 30, 40))
    d.ellipse(90, 100, 7, 3, (190, 90, 90))
    if cap:
        d.polygon([(50, 48), (130, 48), (122, 22), (58, 22)], cap)
        d.rect(44, 46, 136, 54, (30, 30, 45))
        d.ellipse(90, 34, 7, 6, (230, 200, 90))


def character(draw, factor=3):
    big = Canvas(180 * factor, 340 * factor)
    draw(Scaled(big, factor))
    return downsample(big, factor)


def guide(d):
    person(d, (60, 45, 35), (245, 210, 180), (35, 50, 100), (30, 30, 40), (230, 200, 90),
           cap=(35, 50, 100))


def friend_on_key():
    key = (255, 0, 255)
    c = Canvas(180, 340, key)
    person(c, (150, 70, 40), (250, 215, 190), (200, 50, 60), (60, 50, 70), (250, 250, 250),
           long_hair=True)
    return c


def girl(d):
    person(d, (235, 200, 110), (250, 220, 200), (60, 150, 90), (240, 240, 240), (250, 230, 120),
           long_hair=True)


def signs(lit):
    """The street with two arrow signs in the button rectangles (40, 380) and
    (400, 380), 200 x 70 each: left to the shops, right to the park."""
    c = street()
    for x0, colour, glow, points in (
            (40, (40, 60, 120), (255, 200, 60), [(70, 415), (110, 390), (110, 405), (210, 405),
                                                 (210, 425), (110, 425), (110, 440)]),
            (400, (40, 110, 60), (255, 200, 60), [(570, 415), (530, 390), (530, 405), (430, 405),
                                                  (430, 425), (530, 425), (530, 440)])):
        c.rect(x0, 380, x0 + 200, 450, glow if lit else (30, 30, 35))
        c.rect(x0 + 5, 385, x0 + 195, 445, colour)
        c.polygon(points, (255, 255, 255) if lit else (215, 215, 215))
    return c


def main():
    out = os.path.join(sys.argv[1], "cg")
    os.makedirs(out, exist_ok=True)
    write_bmp24(os.path.join(out, "station.bmp"), station())
    write_png_rgb(os.path.join(out, "street.png"), street())
    g = character(guide)
    write_bmp24(os.path.join(out, "guide.bmp"), g)
    write_bmp_grey(os.path.join(out, "guide_mask.bmp"), g)
    write_bmp24(os.path.join(out, "friend.bmp"), friend_on_key())
    p = character(girl)
    write_png_rgb(os.path.join(out, "girl.png"), p)
    write_png_grey(os.path.join(out, "girl_mask.png"), p)
    write_bmp24(os.path.join(out, "signs.bmp"), signs(False))
    write_bmp24(os.path.join(out, "signs_on.bmp"), signs(True))


if __name__ == "__main__":
    main()
