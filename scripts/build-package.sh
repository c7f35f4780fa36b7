#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Builds the Debian package as the README's Install section does, in a build
# folder of its own, and leaves it in OUTDIR. The build packages must be there
# (the run and test commands install them).
# Usage: build-package.sh OUTDIR
set -euo pipefail
out=$(realpath "${1:?usage: build-package.sh OUTDIR}")
source=$(cd "$(dirname "$0")/.." && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT

cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build/package")
mkdir -p "$out"
cp "$build"/package/*.deb "$out/"
