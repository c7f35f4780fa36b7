#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Builds the Debian package from a built tree, checks what it installs and
# what it depends on, that it is hardened and that lintian finds no error or
# warning in it, then runs the packaged program in a real X window.
# Usage: package_test.sh BUILD_DIR XVFB_WINDOW_TEST

# A scratch folder, removed on exit, and failing with a reason.
# shellcheck source=../../window/tests/testsession.sh
source "$(dirname "$0")/../../window/tests/testsession.sh"
build=$1
window_test=$2

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
    /usr/share/icons/hicolor/256x256/apps/roman-converter.png \
    /usr/share/doc/roman-converter/copyright \
    /usr/share/doc/roman-converter/changelog.gz \
    /usr/share/man/man1/roman-converter.1.gz \
    /usr/share/man/bg/man1/roman-converter.1.gz; do
    grep -qx "$file" "$work/files" || fail "the package lacks $file"
done
# Nothing but the program's own files: no tests, benchmarks or headers.
unexpected=$(grep -v -E '^/usr/(bin/roman-converter|share/(applications|metainfo|icons|doc|man)(/.*)?|share/?|bin/?)?/?$' "$work/files" || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# A library whose interface holds a time_t has a name ending in t64 from
# Debian 13 on (libqt6core6t64), where its 64-bit time_t changed the interface.
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation \
    qt6-translations-l10n; do
    tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -qxF -e "$package" -e "${package}t64" ||
        fail "Depends lacks $package"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "Recommends is not qt6-wayland"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"

# lintian refuses to run as root unless told; the test command may run as root.
status=0
lintian --allow-root --display-info --fail-on error,warning "$deb" >"$work/lintian" || status=$?
cat "$work/lintian"
[ "$status" -eq 0 ] || fail "lintian finds errors or warnings"
! grep -E '^[EW]: |hardening' "$work/lintian" || fail "lintian finds faults"

mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
binary=$work/root/usr/bin/roman-converter
file "$binary" | grep -q 'stripped' || fail "binary is not an executable"
readelf --dyn-syms --wide "$binary" | grep __stack_chk_fail >/dev/null || fail "no stack protector"
readelf -d "$binary" | grep 'FLAGS.*BIND_NOW' >/dev/null || fail "relocations are bound lazily"
"$window_test" "$binary" "$work/packaged.png"
