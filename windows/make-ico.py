#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

"""Pack PNG images into one Windows icon (.ico), each image stored as PNG,
as Windows Vista and later read them.

Usage: make-ico.py OUTPUT.ico IMAGE.png...
"""
import struct
import sys


def main():
    output, images = sys.argv[1], [open(path, "rb").read() for path in sys.argv[2:]]
    header = struct.pack("<HHH", 0, 1, len(images))
    entries, offset = b"", 6 + 16 * len(images)
    for png in images:
        # The PNG's IHDR chunk holds its width and height; 256 is written as 0.
        width, height = struct.unpack(">II", png[16:24])
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(png), offset)
        offset += len(png)
    with open(output, "wb") as ico:
        ico.write(header + entries + b"".join(images))


if __name__ == "__main__":
    main()
