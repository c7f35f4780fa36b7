#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Builds the Debian package from a built tree, checks what it installs and
# what it depends on, then runs the packaged program in a real X window.
# Usage: package_test.sh BUILD_DIR XVFB_WINDOW_TEST
set -euo pipefail
build=$1
window_test=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log") ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb")"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
for file in /usr/bin/roman-converter \
    /usr/share/applications/org.example.RomanConverter.desktop \
    /usr/share/metainfo/org.example.RomanConverter.metainfo.xml \
    /usr/share/icons/hicolor/32x32/apps/roman-converter.png \
    /usr/share/icons/hicolor/64x64/apps/roman-converter.png \
    /usr/share/icons/hicolor/128x128/apps/roman-converter.png \
    /usr/share/icons/hicolor/256x256/apps/roman-converter.png; do
    grep -qx "$file" "$work/files" || fail "the package lacks $file"
done
# Nothing but the program's own files: no tests, benchmarks or headers.
unexpected=$(grep -v -E '^/usr/(bin/roman-converter|share/(applications|metainfo|icons|doc)(/.*)?|share/?|bin/?)?/?$' "$work/files" || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation \
    qt6-translations-l10n; do
    tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -qxF "$package" ||
        fail "Depends lacks $package"
done
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"

mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
file "$work/root/usr/bin/roman-converter" | grep -q 'stripped' || fail "binary is not an executable"
"$window_test" "$work/root/usr/bin/roman-converter" "$work/packaged.png"
