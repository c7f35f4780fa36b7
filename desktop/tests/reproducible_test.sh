#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Builds the Debian package twice as the install steps do, each from a fresh
# clone of the checkout in a different folder, and compares the two packages
# byte for byte. Changes to tracked files not yet committed go into both.
# Usage: reproducible_test.sh SOURCE_DIR

# A scratch folder, removed on exit, and failing with a reason.
# shellcheck source=../../window/tests/testsession.sh
source "$(dirname "$0")/../../window/tests/testsession.sh"
source=$1

git -C "$source" rev-parse --git-dir >/dev/null 2>&1 || { echo "not a git checkout"; exit 77; }
# Each build must find the commit's date on its own.
unset SOURCE_DATE_EPOCH
git -C "$source" diff HEAD --binary >"$work/changes.patch"

build() {
    local dir=$1
    mkdir -p "$dir"
    git clone --quiet "$source" "$dir/src"
    if [ -s "$work/changes.patch" ]; then
        git -C "$dir/src" apply "$work/changes.patch"
    fi
    (
        cd "$dir/src"
        cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
        cmake --build build --parallel 2
        cpack -G DEB --config build/CPackConfig.cmake -B build/package
    ) >"$dir/log" 2>&1 || { cat "$dir/log"; fail "the build in $dir"; }
    ls "$dir"/src/build/package/*.deb
}
first=$(build "$work/first")
second=$(build "$work/second-folder/deeper")

if ! cmp "$first" "$second"; then
    echo "installed files that differ:"
    diff <(dpkg-deb -I "$first" md5sums) <(dpkg-deb -I "$second" md5sums) || true
    fail "the two packages differ"
fi
sha256sum "$first" | cut -d' ' -f1
