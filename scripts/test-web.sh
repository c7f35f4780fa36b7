#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Builds the page (the web preset: the core compiled with Debian's emscripten,
# the site in build/web/site/ and its zip) and runs its tests in headless
# browsers. Installs the Debian packages it needs first, when they are missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/install-deps.sh" "${web_packages[@]}"

cd "$root"
cmake --preset web
cmake --build --preset web --parallel "$(nproc)"
ctest --preset web
