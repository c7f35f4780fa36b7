#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

"""Draw the program's hamburger icon and write it as PNG files.

Only the standard library is used (zlib + struct for PNG), so the icon can
be regenerated on any machine with python3.  Run from any directory:

    python3 make-icon.py

Shapes are described by signed distance functions (negative inside), which
makes outlines trivial (distance below the outline width) and keeps every
size crisp: each size is drawn at its own resolution, never upscaled.
Anti-aliasing comes from averaging a grid of sub-pixel samples.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# ---------------------------------------------------------------- shapes
# All coordinates are in a unit square, x to the right, y downwards.

def rounded_rect(x0, y0, x1, y1, r):
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx + r, abs(y - cy) - hy + r
        out = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return out + min(max(qx, qy), 0.0) - r
    return sdf


def ellipse(cx, cy, rx, ry, angle=0.0):
    c, s = math.cos(angle), math.sin(angle)

    def sdf(x, y):
        dx, dy = x - cx, y - cy
        u, v = (dx * c + dy * s) / rx, (-dx * s + dy * c) / ry
        # Approximate distance; exact enough for outlines a pixel or two wide.
        return (math.hypot(u, v) - 1.0) * min(rx, ry)
    return sdf


def union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def dome(f, y_cut):
    """Part of shape f that lies above the line y = y_cut (a dome)."""
    return lambda x, y: max(f(x, y), y - y_cut)


def wavy_band(x0, x1, y0, y1, amp, waves):
    """Lettuce: a band whose lower edge ripples, with rounded ends."""
    band = rounded_rect(x0, y0, x1, y1 + amp, (y1 - y0) / 2)

    def sdf(x, y):
        edge = y1 + amp * math.cos((x - x0) / (x1 - x0) * waves * 2 * math.pi)
        return max(band(x, y), y - edge)
    return sdf


def triangle(a, b, c):
    """Exact polygon distance, used for the cheese drips."""
    pts = [a, b, c]

    def sdf(x, y):
        d, inside = 1e9, False
        for i in range(3):
            (ax, ay), (bx, by) = pts[i], pts[i - 1]
            ex, ey, wx, wy = bx - ax, by - ay, x - ax, y - ay
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            d = min(d, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -d if inside else d
    return sdf


# ---------------------------------------------------------------- colours

def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(p + (q - p) * t for p, q in zip(a, b))


def vertical(top, bottom, y0, y1):
    """Fill that shades from top to bottom, so layers look rounded."""
    return lambda x, y: mix(top, bottom, (y - y0) / (y1 - y0))


BUN_LIGHT, BUN, BUN_DARK = (250, 196, 110), (222, 142, 52), (176, 98, 30)
BUN_EDGE = (92, 46, 14)
SEED = (255, 244, 214)
LETTUCE, LETTUCE_DARK, LETTUCE_EDGE = (132, 212, 60), (70, 160, 34), (28, 80, 16)
CHEESE, CHEESE_DARK, CHEESE_EDGE = (255, 214, 40), (246, 170, 20), (140, 84, 0)
PATTY, PATTY_DARK, PATTY_EDGE = (128, 66, 34), (84, 40, 20), (40, 18, 8)


def top_bun_fill(x, y):
    base = mix(BUN_LIGHT, BUN_DARK, (y - 0.10) / 0.42)
    # A soft highlight on the upper left makes the dome read as round.
    glow = 1.0 - math.hypot((x - 0.34) / 0.22, (y - 0.22) / 0.10)
    return mix(base, (255, 232, 170), glow * 0.8)


# ---------------------------------------------------------------- layers
# Listed top first: a sample takes the colour of the first layer it hits.
# Every layer has its own dark edge so neighbouring layers stay separate
# and the burger shows on both light and dark backgrounds.

SEEDS = [(0.30, 0.25, -0.5), (0.50, 0.17, 0.0), (0.70, 0.25, 0.5),
         (0.42, 0.36, 0.3), (0.60, 0.36, -0.3)]

LAYERS = [
    (union(*(ellipse(x, y, 0.052, 0.028, a) for x, y, a in SEEDS)),
     lambda x, y: SEED, None),
    (union(dome(ellipse(0.5, 0.47, 0.44, 0.39), 0.47),
           rounded_rect(0.06, 0.38, 0.94, 0.53, 0.06)),
     top_bun_fill, BUN_EDGE),
    (wavy_band(0.03, 0.97, 0.50, 0.585, 0.022, 5),
     vertical(LETTUCE, LETTUCE_DARK, 0.50, 0.61), LETTUCE_EDGE),
    (union(rounded_rect(0.09, 0.585, 0.91, 0.655, 0.01),
           triangle((0.22, 0.64), (0.36, 0.64), (0.29, 0.74)),
           triangle((0.62, 0.64), (0.78, 0.64), (0.70, 0.745))),
     vertical(CHEESE, CHEESE_DARK, 0.585, 0.74), CHEESE_EDGE),
    (rounded_rect(0.07, 0.635, 0.93, 0.785, 0.07),
     vertical(PATTY, PATTY_DARK, 0.635, 0.785), PATTY_EDGE),
    (rounded_rect(0.08, 0.775, 0.92, 0.925, 0.065),
     vertical(BUN, BUN_DARK, 0.775, 0.925), BUN_EDGE),
]


def sample(x, y, edge):
    for sdf, fill, outline in LAYERS:
        d = sdf(x, y)
        if d <= 0:
            return fill(x, y) + (255,)
        if outline and d <= edge:
            return outline + (255,)
    return (0, 0, 0, 0)


def render(size, ss):
    """RGBA rows; each pixel averages ss x ss samples (alpha-weighted)."""
    # About one pixel of outline at 32 px, thinning relatively at large sizes.
    edge = max(1.15 / size, 0.022)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(ss):
                for sx in range(ss):
                    c = sample((px + (sx + 0.5) / ss) / size,
                               (py + (sy + 0.5) / ss) / size, edge)
                    r += c[0] * c[3]; g += c[1] * c[3]; b += c[2] * c[3]
                    a += c[3]
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(r / a), round(g / a), round(b / a),
                            round(a / (ss * ss))))
        rows.append(row)
    return rows


# ---------------------------------------------------------------- quantise

def median_cut(pixels, n):
    """Split the colour box with the widest channel range until n boxes."""
    boxes = [list(pixels)]
    while len(boxes) < n:
        best = None
        for i, box in enumerate(boxes):
            if len(set(box)) < 2:
                continue
            spans = [max(p[c] for p in box) - min(p[c] for p in box)
                     for c in range(4)]
            span = max(spans)
            if best is None or span > best[0]:
                best = (span, i, spans.index(span))
        if best is None:
            break
        _, i, ch = best
        box = sorted(boxes.pop(i), key=lambda p: p[ch])
        mid = len(box) // 2
        boxes += [box[:mid], box[mid:]]
    return [tuple(round(sum(p[c] for p in b) / len(b)) for c in range(4))
            for b in boxes]


def quantise(rows):
    """Map an RGBA picture onto a palette of at most 256 RGBA entries."""
    pixels = [p for row in rows for p in row]
    distinct = set(pixels)
    palette = (sorted(distinct) if len(distinct) <= 256
               else median_cut(pixels, 256))
    index = {}

    def nearest(p):
        if p not in index:
            index[p] = min(range(len(palette)), key=lambda i: sum(
                (a - b) ** 2 for a, b in zip(p, palette[i])))
        return index[p]
    return palette, [[nearest(p) for p in row] for row in rows]


# ---------------------------------------------------------------- PNG

def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(
        ">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, width, height, colour_type, raw_rows, extra=b""):
    # Filter type 0 (none) on every row; zlib does the real work.
    data = b"".join(b"\0" + bytes(r) for r in raw_rows)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + extra +
                chunk(b"IDAT", zlib.compress(data, 9)) + chunk(b"IEND", b""))


def write_rgba(path, rows):
    write_png(path, len(rows[0]), len(rows), 6,
              [[v for p in row for v in p] for row in rows])


def write_indexed(path, rows):
    palette, idx = quantise(rows)
    plte = chunk(b"PLTE", bytes(v for p in palette for v in p[:3]))
    trns = chunk(b"tRNS", bytes(p[3] for p in palette))
    write_png(path, len(rows[0]), len(rows), 3, idx, plte + trns)


if __name__ == "__main__":
    # The 32 px icon is palette based; more samples keep its edges smooth.
    write_indexed(os.path.join(HERE, "roman-converter.png"), render(32, 8))
    for size in (64, 128, 256):
        write_rgba(os.path.join(HERE, "roman-converter-%d.png" % size),
                   render(size, 4))
