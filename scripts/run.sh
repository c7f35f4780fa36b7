#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Builds the program (installing what it needs first) and opens its window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/install-deps.sh" "${build_packages[@]}"

cmake -S "$root" -B "$root/build/run" -G Ninja -DBUILD_TESTING=OFF
cmake --build "$root/build/run"
exec "$root/build/run/app/roman-converter" "$@"
