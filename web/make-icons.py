#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

"""Write the page's larger icons (web/icons/) from the window's own drawing,
and the maskable one a phone crops to its own shape: the drawing within the
middle circle that every mask keeps, on the window's colour to the edges.

Drawing 512 pixels in pure Python takes a minute or two, so the results are
kept in the repository rather than made in every build.

    python3 web/make-icons.py
"""
import importlib.util
import os

HERE = os.path.dirname(os.path.abspath(__file__))
DRAWING = os.path.join(HERE, "..", "window", "icons", "make-icon.py")

spec = importlib.util.spec_from_file_location("make_icon", DRAWING)
make_icon = importlib.util.module_from_spec(spec)
spec.loader.exec_module(make_icon)

# 180 is the home-screen icon Safari asks for; 192 and 512 are the manifest's.
for size in (180, 192, 512):
    make_icon.write_rgba(os.path.join(HERE, "icons", "roman-converter-%d.png" % size),
                         make_icon.render(size, 4))

# The circle every mask keeps has a diameter of 80 % of the icon; a square
# drawing of 56 % fits inside it whole.
SIZE = 512
INNER = 288
WINDOW_COLOUR = (128, 128, 255)
drawing = make_icon.render(INNER, 4)
offset = (SIZE - INNER) // 2
rows = [[WINDOW_COLOUR + (255,)] * SIZE for _ in range(SIZE)]
for y, row in enumerate(drawing):
    for x, (r, g, b, a) in enumerate(row):
        rows[y + offset][x + offset] = tuple(
            round((c * a + w * (255 - a)) / 255) for c, w in zip((r, g, b), WINDOW_COLOUR)) + (255,)
make_icon.write_rgba(os.path.join(HERE, "icons", "roman-converter-maskable-512.png"), rows)
