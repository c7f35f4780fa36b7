#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

"""Assemble the page's static site and its zip, or list the site's files.

    assemble.py SITE ZIP --core CORE.js --core-without-wasm CORE.js
                --files FILE... --icons ICON...
    assemble.py --list SITE ZIP

The site gets the core's script with its WebAssembly inside, the core
compiled to JavaScript for a browser without WebAssembly, the files as they
are, the icons under icons/, a web app manifest, and the service worker,
whose cache is named by a hash of the whole site, so that any change reaches
a returning visitor.
"""
import argparse
import base64
import hashlib
import json
import os
import shutil
import struct
import zipfile

NAME = "Римски и арабски числа"
SHORT_NAME = "Римски числа"
# The window's colour (128, 128, 255).
WINDOW_COLOUR = "#8080ff"
# Icons the manifest offers; the 32 pixel one is the tab's, the 180 one Safari's.
MANIFEST_ICONS = (64, 128, 192, 256, 512)
# Fetched only by a browser that cannot run WebAssembly: the service worker
# keeps it once such a browser asks, rather than with the rest of the site.
ON_DEMAND = ("core-without-wasm.js",)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    return struct.unpack(">II", head[16:24])


def site_files(site):
    found = []
    for folder, _, names in os.walk(site):
        for name in names:
            found.append(os.path.relpath(os.path.join(folder, name), site).replace(os.sep, "/"))
    return sorted(found)


def manifest(icons):
    entries = []
    for icon in icons:
        width, height = png_size(icon)
        name = os.path.basename(icon)
        if width in MANIFEST_ICONS:
            entry = {"src": "icons/" + name, "sizes": "%dx%d" % (width, height),
                     "type": "image/png"}
            # A phone crops a maskable icon to its own shape.
            if "maskable" in name:
                entry["purpose"] = "maskable"
            entries.append((width, entry))
    return {
        "name": NAME,
        "short_name": SHORT_NAME,
        "description": "Преобразува римски числа в арабски и арабски числа в римски.",
        "lang": "bg",
        "dir": "ltr",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "theme_color": WINDOW_COLOUR,
        "background_color": WINDOW_COLOUR,
        "icons": [entry for _, entry in sorted(entries, key=lambda e: (e[0], e[1]["src"]))],
    }


def service_worker(template, site):
    files = [f for f in site_files(site) if f != "sw.js"]
    kept = ["./"] + [f for f in files if f not in ON_DEMAND] + ["sw.js"]
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0")
        with open(os.path.join(site, name), "rb") as f:
            digest.update(hashlib.sha256(f.read()).digest())
    with open(template, encoding="utf-8") as f:
        text = f.read()
    digest.update(text.encode())
    lines = {
        'const CACHE_NAME = "roman-converter";':
            'const CACHE_NAME = "roman-converter-%s";' % digest.hexdigest()[:16],
        'const SITE_FILES = ["./"];':
            "const SITE_FILES = %s;" % json.dumps(kept),
        "const ON_DEMAND_FILES = [];": "const ON_DEMAND_FILES = %s;" % json.dumps(ON_DEMAND),
    }
    for old, new in lines.items():
        if old not in text:
            raise SystemExit("%s: no line %s" % (template, old))
        text = text.replace(old, new)
    return text


def core_script(path):
    """The module's script, then its WebAssembly (the .wasm beside it) as
    base64, for the page to compile: one file to load, from a server or a
    folder alike, and nothing that the module fetches itself."""
    with open(path, encoding="utf-8") as f:
        script = f.read()
    with open(os.path.splitext(path)[0] + ".wasm", "rb") as f:
        wasm = base64.b64encode(f.read()).decode("ascii")
    return '%s\nvar coreWasm = "%s";\n' % (script.rstrip("\n"), wasm)


def write_zip(site, path, folder):
    # Fixed times and order, so the same site gives the same bytes.
    with zipfile.ZipFile(path + ".part", "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for name in site_files(site):
            info = zipfile.ZipInfo(folder + "/" + name, date_time=(1980, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            with open(os.path.join(site, name), "rb") as f:
                z.writestr(info, f.read())
    os.replace(path + ".part", path)


def assemble(args):
    shutil.rmtree(args.site, ignore_errors=True)
    os.makedirs(os.path.join(args.site, "icons"))
    with open(os.path.join(args.site, "core.js"), "w", encoding="utf-8") as f:
        f.write(core_script(args.core))
    shutil.copyfile(args.core_without_wasm, os.path.join(args.site, "core-without-wasm.js"))
    for path in args.files:
        if os.path.basename(path) != "sw.js":
            shutil.copyfile(path, os.path.join(args.site, os.path.basename(path)))
    for path in args.icons:
        shutil.copyfile(path, os.path.join(args.site, "icons", os.path.basename(path)))
    with open(os.path.join(args.site, "manifest.webmanifest"), "w", encoding="utf-8") as f:
        json.dump(manifest(args.icons), f, ensure_ascii=False, indent=2)
        f.write("\n")
    template = next(p for p in args.files if os.path.basename(p) == "sw.js")
    text = service_worker(template, args.site)
    with open(os.path.join(args.site, "sw.js"), "w", encoding="utf-8") as f:
        f.write(text)
    write_zip(args.site, args.zip, os.path.basename(args.zip)[:-len(".zip")])


def list_site(args):
    total = icons = on_demand = 0
    print("The page's site, %s:" % args.site)
    for name in site_files(args.site):
        size = os.path.getsize(os.path.join(args.site, name))
        total += size
        if name.startswith("icons/"):
            icons += size
        if name in ON_DEMAND:
            on_demand += size
        print("  %8d  %s" % (size, name))
    print("  %8d  bytes in all, %d without the icons, %d of them what a browser with"
          " WebAssembly loads" % (total, total - icons, total - icons - on_demand))
    print("  %8d  %s" % (os.path.getsize(args.zip), args.zip))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--list", action="store_true")
    parser.add_argument("site")
    parser.add_argument("zip")
    parser.add_argument("--core")
    parser.add_argument("--core-without-wasm")
    parser.add_argument("--files", nargs="*", default=[])
    parser.add_argument("--icons", nargs="*", default=[])
    args = parser.parse_args()
    if args.list:
        list_site(args)
    else:
        assemble(args)


if __name__ == "__main__":
    main()
