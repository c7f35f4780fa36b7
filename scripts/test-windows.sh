#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Builds the Windows program (the windows preset) and runs every test of it
# in Wine: the unit and window tests, the program in a real window, its
# imports, the zip and the installer. Installs what it needs and makes Qt for
# Windows (scripts/windows-qt.sh) first, when they are missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/install-deps.sh" "${build_packages[@]}" "${windows_packages[@]}"
qt=$("$root/scripts/windows-qt.sh")

cd "$root"
cmake --preset windows -DCMAKE_PREFIX_PATH="$qt"
cmake --build --preset windows --parallel "$(nproc)"
ctest --preset windows --parallel "$(nproc)"
