#!/usr/bin/env python3
"""Draws the pictures Tallyra carries in its resources.

    python3 make_images.py [output-folder]

Writes background.bmp, progress.bmp and tallyra.ico (default: next to this
script).  The files are kept in the repository, so the build never runs this;
run it again only after changing the drawing code.  Only the standard library
is used and the output is the same, byte for byte, on every run: all
"randomness" comes from a small fixed-seed generator below, and every value
that reaches a file is an integer rounded in a fixed way.
"""

import math
import os
import struct
import sys


# ---------------------------------------------------------------------------
# Tiny deterministic generator (xorshift32)

class Rng:
    def __init__(self, seed):
        self.state = (seed & 0xFFFFFFFF) or 0x9E3779B9

    def next_u32(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x

    def unit(self):
        """A float in [0, 1)."""
        return self.next_u32() / 4294967296.0

    def signed(self):
        """A float in [-1, 1)."""
        return self.unit() * 2.0 - 1.0


# ---------------------------------------------------------------------------
# BMP / ICO writers

def _row_stride(width, bpp):
    return ((width * bpp + 31) // 32) * 4


def _info_header(width, height, bpp, colors_used, image_size):
    # BITMAPINFOHEADER, BI_RGB, 72 dpi
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bpp, 0,
                       image_size, 2835, 2835, colors_used, 0)


def _palette_bytes(palette):
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)


def _pack_rows_indexed(indices, width, height, bpp):
    """indices[y][x], top row first; returns bottom-up packed rows."""
    stride = _row_stride(width, bpp)
    out = bytearray()
    for y in range(height - 1, -1, -1):
        row = indices[y]
        line = bytearray()
        if bpp == 8:
            line.extend(row)
        elif bpp == 4:
            for x in range(0, width, 2):
                hi = row[x]
                lo = row[x + 1] if x + 1 < width else 0
                line.append((hi << 4) | lo)
        else:
            raise ValueError(bpp)
        line.extend(b'\0' * (stride - len(line)))
        out.extend(line)
    return bytes(out)


def write_indexed_bmp(path, indices, palette, bpp):
    height = len(indices)
    width = len(indices[0])
    pixels = _pack_rows_indexed(indices, width, height, bpp)
    pal = _palette_bytes(palette)
    info = _info_header(width, height, bpp, len(palette), len(pixels))
    offset = 14 + len(info) + len(pal)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0,
                              offset)
    with open(path, 'wb') as f:
        f.write(file_header + info + pal + pixels)


def write_icon(path, rgb, mask):
    """One 24-bit image; rgb[y][x] = (r, g, b), mask[y][x] True = opaque."""
    size = len(rgb)
    xor = bytearray()
    stride = _row_stride(size, 24)
    for y in range(size - 1, -1, -1):
        line = bytearray()
        for x in range(size):
            if mask[y][x]:
                r, g, b = rgb[y][x]
            else:
                r = g = b = 0      # black under a set AND bit: transparent
            line.extend((b, g, r))
        line.extend(b'\0' * (stride - len(line)))
        xor.extend(line)
    and_mask = bytearray()
    mstride = _row_stride(size, 1)
    for y in range(size - 1, -1, -1):
        line = bytearray(mstride)
        for x in range(size):
            if not mask[y][x]:
                line[x >> 3] |= 0x80 >> (x & 7)
        and_mask.extend(line)
    info = _info_header(size, size * 2, 24, 0, len(xor) + len(and_mask))
    image = info + bytes(xor) + bytes(and_mask)
    icondir = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', size, size, 0, 0, 1, 24, len(image),
                        6 + 16)
    with open(path, 'wb') as f:
        f.write(icondir + entry + image)


# ---------------------------------------------------------------------------
# Helpers

def clamp(v, lo=0.0, hi=255.0):
    return lo if v < lo else hi if v > hi else v


def smoothstep(t):
    return t * t * (3.0 - 2.0 * t)


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(lerp(a, b, t) for a, b in zip(c1, c2))


class TileNoise:
    """Value noise on a periodic lattice, so the picture tiles seamlessly."""

    def __init__(self, rng, cells):
        self.cells = cells
        self.grid = [[rng.signed() for _ in range(cells)] for _ in range(cells)]

    def at(self, u, v):
        """u, v in [0, 1): the picture's own coordinates."""
        n = self.cells
        fx = u * n
        fy = v * n
        x0 = int(math.floor(fx))
        y0 = int(math.floor(fy))
        tx = smoothstep(fx - x0)
        ty = smoothstep(fy - y0)
        x0 %= n
        y0 %= n
        x1 = (x0 + 1) % n
        y1 = (y0 + 1) % n
        g = self.grid
        top = lerp(g[y0][x0], g[y0][x1], tx)
        bottom = lerp(g[y1][x0], g[y1][x1], tx)
        return lerp(top, bottom, ty)


BAYER4 = [
    [0, 8, 2, 10],
    [12, 4, 14, 6],
    [3, 11, 1, 9],
    [15, 7, 13, 5],
]


# ---------------------------------------------------------------------------
# background.bmp: 128x128, 16-colour format with eight light greys

def make_background(path):
    size = 128
    rng = Rng(0x7A11B4A5)
    greys = [204, 212, 219, 225, 230, 235, 240, 246]
    palette = [(g, g, g) for g in greys]

    coarse = TileNoise(rng, 4)
    middle = TileNoise(rng, 16)
    fine = TileNoise(rng, 64)

    # Base tone: soft cloudiness plus a mottled grain
    tone = [[0.0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            u = x / size
            v = y / size
            t = 235.0
            t += 4.0 * coarse.at(u, v)
            t += 3.5 * middle.at(u, v)
            t += 3.0 * fine.at(u, v)
            t += 3.5 * rng.signed()
            tone[y][x] = t

    # A few faint fibres, as in rag paper; wrapped at the edges
    for _ in range(70):
        fx = rng.unit() * size
        fy = rng.unit() * size
        angle = rng.unit() * math.pi
        length = 4.0 + rng.unit() * 10.0
        depth = 6.0 + rng.unit() * 8.0
        if rng.unit() < 0.35:
            depth = -depth * 0.6          # some fibres lighter than the sheet
        dx = math.cos(angle)
        dy = math.sin(angle)
        bend = rng.signed() * 0.08
        steps = int(length * 2)
        for s in range(steps):
            k = s / 2.0
            px = fx + dx * k - dy * bend * k * k * 0.2
            py = fy + dy * k + dx * bend * k * k * 0.2
            fade = math.sin(math.pi * (s + 0.5) / steps)
            ix = int(px) % size
            iy = int(py) % size
            tone[iy][ix] -= depth * fade * 0.5

    # Map onto the eight greys with error diffusion (wrapping horizontally)
    work = [row[:] for row in tone]
    indices = [[0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            v = work[y][x]
            best = 0
            for i in range(1, len(greys)):
                if abs(greys[i] - v) < abs(greys[best] - v):
                    best = i
            indices[y][x] = best
            err = v - greys[best]
            xr = (x + 1) % size
            xl = (x - 1) % size
            work[y][xr] += err * 7 / 16
            if y + 1 < size:
                work[y + 1][xl] += err * 3 / 16
                work[y + 1][x] += err * 5 / 16
                work[y + 1][xr] += err * 1 / 16

    write_indexed_bmp(path, indices, palette, 4)


# ---------------------------------------------------------------------------
# progress.bmp: 128x14, 256 colours; a green-to-gold bar with a glossy top

def make_progress(path):
    width, height = 128, 14
    hue_steps = 18                         # 18 shades per row x 14 rows

    green = (46, 160, 66)
    lime = (134, 196, 58)
    gold = (236, 186, 40)

    def base_colour(t):
        if t < 0.5:
            return mix(green, lime, smoothstep(t / 0.5))
        return mix(lime, gold, smoothstep((t - 0.5) / 0.5))

    def shade(colour, y):
        """Row y's version of a colour: lit glossy band above, deeper below."""
        c = (y + 0.5) / height             # 0 top .. 1 bottom
        if y == 0 or y == height - 1:
            # thin darker rim
            return tuple(clamp(ch * 0.62) for ch in colour)
        if c < 0.5:
            # glossy highlight, strongest near the top, fading to the middle
            w = 0.55 * (1.0 - c / 0.5) ** 1.2 + 0.08
            return tuple(clamp(lerp(ch, 255.0, w)) for ch in colour)
        # lower half: gently darker towards the bottom, slight lift at the end
        d = (c - 0.5) / 0.5
        k = 1.0 - 0.22 * d + 0.10 * max(0.0, d - 0.75) / 0.25
        return tuple(clamp(ch * k) for ch in colour)

    palette = []
    for y in range(height):
        for h in range(hue_steps):
            colour = shade(base_colour(h / (hue_steps - 1)), y)
            palette.append(tuple(int(round(ch)) for ch in colour))
    while len(palette) < 256:
        palette.append((0, 0, 0))

    indices = []
    for y in range(height):
        row = []
        for x in range(width):
            pos = x / (width - 1) * (hue_steps - 1)
            lo = int(math.floor(pos))
            frac = pos - lo
            threshold = (BAYER4[y % 4][x % 4] + 0.5) / 16.0
            h = lo + 1 if frac > threshold and lo + 1 < hue_steps else lo
            row.append(y * hue_steps + h)
        indices.append(row)

    write_indexed_bmp(path, indices, palette, 8)


# ---------------------------------------------------------------------------
# tallyra.ico: 32x32, 24-bit; a blue rounded tile with "12" and three dots

DIGITS = {
    '1': ["..#..",
          ".##..",
          "..#..",
          "..#..",
          "..#..",
          "..#..",
          ".###."],
    '2': [".###.",
          "#...#",
          "....#",
          "...#.",
          "..#..",
          ".#...",
          "#####"],
}


def make_icon(path):
    size = 32
    sub = 4                                # supersampling for the tile edge
    x0, y0, x1, y1 = 1.0, 1.0, 31.0, 31.0
    radius = 6.0

    def inside_tile(px, py, inset=0.0):
        ax0, ay0, ax1, ay1 = x0 + inset, y0 + inset, x1 - inset, y1 - inset
        r = max(radius - inset, 0.5)
        cx = min(max(px, ax0 + r), ax1 - r)
        cy = min(max(py, ay0 + r), ay1 - r)
        return (px - cx) ** 2 + (py - cy) ** 2 <= r * r and \
            ax0 <= px <= ax1 and ay0 <= py <= ay1

    top = (92, 158, 236)
    bottom = (28, 78, 176)
    rim = (16, 44, 110)
    white = (255, 255, 255)
    shadow = (14, 36, 92)
    gold = (255, 200, 40)
    gold_dark = (196, 132, 10)

    rgb = [[(0, 0, 0)] * size for _ in range(size)]
    mask = [[False] * size for _ in range(size)]

    for y in range(size):
        for x in range(size):
            cover = 0
            inner = 0
            for sy in range(sub):
                for sx in range(sub):
                    px = x + (sx + 0.5) / sub
                    py = y + (sy + 0.5) / sub
                    if inside_tile(px, py):
                        cover += 1
                        if inside_tile(px, py, 1.2):
                            inner += 1
            if cover * 2 < sub * sub:
                continue
            mask[y][x] = True
            t = (y + 0.5 - y0) / (y1 - y0)
            body = mix(top, bottom, t)
            # soft sheen across the upper part of the tile
            if t < 0.42:
                body = mix(body, white, 0.18 * (1.0 - t / 0.42))
            a = inner / (sub * sub)
            rgb[y][x] = mix(rim, body, a)

    # Digits "12", each font pixel drawn as 2x2, with a one-pixel shadow
    def put_digit(ch, left, topy):
        glyph = DIGITS[ch]
        for pass_no, colour, off in ((0, shadow, 1), (1, white, 0)):
            for gy, line in enumerate(glyph):
                for gx, c in enumerate(line):
                    if c != '#':
                        continue
                    for dy in range(2):
                        for dx in range(2):
                            px = left + gx * 2 + dx + off
                            py = topy + gy * 2 + dy + off
                            if mask[py][px]:
                                rgb[py][px] = colour

    put_digit('1', 5, 5)
    put_digit('2', 17, 5)

    # Three gold dots along the bottom: the tally
    for cx in (9.0, 16.0, 23.0):
        cy = 25.0
        for y in range(21, 29):
            for x in range(5, 27):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d <= 2.75:
                    lit = clamp(1.0 - ((x + 0.5 - cx + 0.9) ** 2 +
                                       (y + 0.5 - cy + 0.9) ** 2) / 9.0, 0.0,
                                1.0)
                    c = mix(gold_dark, gold, 0.55 + 0.45 * lit)
                    if d > 2.0:
                        c = mix(c, gold_dark, (d - 2.0) / 0.75)
                    rgb[y][x] = c

    rgb = [[tuple(int(round(clamp(ch))) for ch in px) for px in row]
           for row in rgb]
    write_icon(path, rgb, mask)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else here
    os.makedirs(out, exist_ok=True)
    make_background(os.path.join(out, 'background.bmp'))
    make_progress(os.path.join(out, 'progress.bmp'))
    make_icon(os.path.join(out, 'tallyra.ico'))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
