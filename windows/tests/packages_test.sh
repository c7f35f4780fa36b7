#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# The Windows packages from a built tree, as a user and a school's IT meet
# them: the portable zip holds the program, its read-me and the licences; the
# installer, in a fresh Wine prefix, installs silently, gives a Start menu
# entry and a working program, and uninstalls silently leaving nothing of
# the program behind.
# Usage: packages_test.sh BUILD_DIR WINE_SH XVFB_WINDOW_TEST
# shellcheck source=../../window/tests/testsession.sh
source "$(dirname "$0")/../../window/tests/testsession.sh"
# The Start menu entry's name is Cyrillic: matched in a UTF-8 locale.
export LC_ALL=C.UTF-8
build=$1
wine=$2
window_test=$3
# Wine may be slow to start a session in a fresh prefix: minutes, not one.
export patience=300

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack"; }
zip=$(ls "$work"/out/*.zip)
installer=$(ls "$work"/out/*.exe)
echo "packages: $(basename "$zip"), $(basename "$installer")"

folder=$(basename "$zip" .zip)
unzip -Z1 "$zip" >"$work/zipped"
for file in roman-converter.exe README.txt licenses/roman-converter-MIT.txt \
    licenses/qt/LGPL-3.0-only.txt licenses/qt/GPL-3.0-only.txt licenses/qt/third-party-notices.txt; do
    grep -qx "$folder/$file" "$work/zipped" || fail "the zip lacks $folder/$file"
done

prefix=$work/wine/prefix
installed="$prefix/drive_c/Program Files/Roman converter"
# What of the program a prefix holds: files and folders by name, and
# registry keys and values that name it (without the time a key was written).
traces() {
    find "$prefix/drive_c" \( -iname '*roman*' -o -name 'Римски*' \) | sort
    grep -ih 'roman.converter\|Римски' "$prefix"/*.reg | sed 's/\] [0-9]*$/]/' | sort || true
}
# The fresh prefix's own, before anything is installed.
"$wine" "$work/wine" cmd /c ver >/dev/null || fail "Wine does not run"
traces >"$work/before"

"$wine" "$work/wine" "$installer" /S || fail "the silent install failed"
for file in roman-converter.exe Uninstall.exe README.txt licenses/qt/LGPL-3.0-only.txt; do
    [ -f "$installed/$file" ] || fail "not installed: $file"
done
find "$prefix/drive_c" -path '*Start Menu*' -name 'Римски и арабски числа.lnk' | grep -q . ||
    fail "no Start menu entry"
grep -q 'Uninstall\\\\roman-converter\]' "$prefix/system.reg" ||
    fail "not in Windows' list of installed programs"
traces >"$work/installed"
[ -n "$(comm -13 "$work/before" "$work/installed")" ] || fail "no trace of the install is seen"

PROGRAM_LAUNCHER="$wine $work/wine" "$window_test" 'C:\Program Files\Roman converter\roman-converter.exe' \
    "$work/installed.png"

"$wine" "$work/wine" 'C:\Program Files\Roman converter\Uninstall.exe' /S ||
    fail "the silent uninstall failed"
traces >"$work/after"
left=$(comm -13 "$work/before" "$work/after")
[ -z "$left" ] || fail "left after uninstalling: $left"
echo "installed, run and uninstalled silently; nothing left"
