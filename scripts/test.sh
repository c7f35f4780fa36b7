#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Builds the program and runs every test, installing what they need first:
#  1. a clang build with AddressSanitizer and UndefinedBehaviorSanitizer runs
#     the unit and window tests, and each fuzzer for a bounded time;
#  2. the release build runs every test: unit, window (offscreen, under
#     memcheck and in a real X server), the desktop files' validators and the
#     Debian package.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/install-deps.sh" "${build_packages[@]}" "${test_packages[@]}"
"$root/scripts/make-locales.sh" bg_BG.UTF-8 tr_TR.UTF-8

jobs=$(nproc)

sanitize="$root/build-sanitize"
CC=clang CXX=clang++ cmake -S "$root" -B "$sanitize" -G Ninja -DBUILD_TESTING=ON \
    -DROMAN_SANITIZE=ON -DROMAN_FUZZ=ON -DROMAN_BENCHMARKS=OFF
cmake --build "$sanitize" --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$sanitize" --output-on-failure --parallel "$jobs" --label-exclude package

build="$root/build-test"
cmake -S "$root" -B "$build" -G Ninja -DBUILD_TESTING=ON
cmake --build "$build" --parallel "$jobs"
ctest --test-dir "$build" --output-on-failure --parallel "$jobs"
