#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

"""Collects, from a Qt source tree, the licence texts a copy of a program
linked statically with Qt for Windows must carry: Qt's LGPL-3.0 (with the
GPL-3.0 it builds on) and the notices of the third-party code in Qt Core,
Gui and Widgets, as Qt's own attribution files name them.

Usage: qt-notices.py QT_SOURCE OUTPUT_FOLDER
"""

import json
import pathlib
import sys

# The parts of Qt the program's static build holds code of.
PARTS = [
    "src/corelib/text", "src/corelib/tools", "src/gui/painting", "src/gui/text",
    "src/3rdparty/blake2", "src/3rdparty/double-conversion", "src/3rdparty/easing",
    "src/3rdparty/freetype", "src/3rdparty/harfbuzz-ng", "src/3rdparty/icc",
    "src/3rdparty/libpng", "src/3rdparty/md4", "src/3rdparty/md4c", "src/3rdparty/md5",
    "src/3rdparty/pcre2", "src/3rdparty/rfc6234", "src/3rdparty/sha1", "src/3rdparty/sha3",
    "src/3rdparty/tinycbor", "src/3rdparty/zlib",
]


def notices(source):
    for part in PARTS:
        folder = source / part
        # Some of Qt's attribution files hold raw tabs in their strings.
        entries = json.loads((folder / "qt_attribution.json").read_text(), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            # Code in the public domain names no licence file.
            files = entry.get("LicenseFiles") or [entry.get("LicenseFile")]
            texts = "\n".join((folder / name).read_text(errors="replace")
                              for name in files if name)
            yield "\n".join([
                "=" * 78,
                f"{entry['Name']} {entry.get('Version', '')}".rstrip(),
                f"Used in Qt: {entry.get('QtUsage', '').strip()}",
                f"Licence: {entry.get('License', '')} {entry.get('LicenseId', '')}".rstrip(),
                f"Copyright: {entry.get('Copyright', '').strip()}",
                "",
                texts.strip(),
                "",
            ])


def main():
    source, output = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    output.mkdir(parents=True, exist_ok=True)
    for name in ("LGPL-3.0-only.txt", "GPL-3.0-only.txt"):
        (output / name).write_bytes((source / "LICENSES" / name).read_bytes())
    header = ("Third-party code in Qt, linked into this program, and its licences\n"
              "(from Qt's own attribution files).\n\n")
    (output / "third-party-notices.txt").write_text(header + "\n".join(notices(source)))


if __name__ == "__main__":
    main()
