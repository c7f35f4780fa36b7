#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Builds the page (the web preset: the core compiled with Debian's emscripten,
# the site in build/web/site/ and its zip) and runs its tests in Chromium,
# Firefox ESR and WebKitGTK, and Orca's in the first two, run under Xvfb as a
# person runs them. Installs the Debian packages it needs, and the Bulgarian
# and Turkish locales, first, when they are missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/install-deps.sh" "${web_packages[@]}"
"$root/scripts/make-locales.sh" bg_BG.UTF-8 tr_TR.UTF-8

# The tests' npm packages, as web/tests/package-lock.json pins them, again
# only when the lock file changed since the last install. None downloads a
# browser or a driver: the tests drive Debian's.
tests="$root/web/tests"
if ! cmp -s "$tests/package-lock.json" "$tests/node_modules/.installed-lock"; then
    (cd "$tests" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund)
    cp "$tests/package-lock.json" "$tests/node_modules/.installed-lock"
fi

cd "$root"
cmake --preset web
cmake --build --preset web --parallel "$(nproc)"
ctest --preset web
