#!/usr/bin/env bash
# Builds the program and runs every test, installing what they need first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/install-deps.sh" "${build_packages[@]}" "${test_packages[@]}"

jobs=$(nproc)
build="$root/build-test"
cmake -S "$root" -B "$build" -G Ninja -DBUILD_TESTING=ON
cmake --build "$build" --parallel "$jobs"
ctest --test-dir "$build" --output-on-failure --parallel "$jobs"
