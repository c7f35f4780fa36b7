#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Builds the program and runs every test, installing what they need first:
#  1. asan, a clang build with AddressSanitizer and UndefinedBehaviorSanitizer,
#     runs the unit and window tests, the program in a real X server and on
#     Wayland, and each fuzzer for a bounded time;
#  2. release, hardened as the package is built, runs every test: unit, window
#     (offscreen, under memcheck, in other locales, in a real X server and on
#     Wayland), the linters, the desktop files' validators and the Debian
#     package.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/install-deps.sh" "${build_packages[@]}" "${test_packages[@]}"
"$root/scripts/make-locales.sh" bg_BG.UTF-8 tr_TR.UTF-8

jobs=$(nproc)

# The builds are CMakePresets.json's, in build/<preset>.
cd "$root"
for preset in asan release; do
    cmake --preset "$preset"
    cmake --build --preset "$preset" --parallel "$jobs"
    ctest --preset "$preset" --parallel "$jobs"
done
