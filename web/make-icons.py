#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

"""Write the page's larger icons (web/icons/) from the window's own drawing.

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
