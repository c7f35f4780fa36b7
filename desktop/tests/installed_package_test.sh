#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Installs a Debian package as its user would, with apt and the libraries of
# the release at hand (which may be a later one than the package was built
# on), and runs the installed program in a real X window. It leaves the
# package installed, so it is meant for a throwaway system, such as
# `scripts/in-debian.sh CODENAME --scratch`.
# Usage: installed_package_test.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
source=$(cd "$(dirname "$0")/../.." && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# shellcheck source=/dev/null
. /etc/os-release
echo "installing $(basename "$deb") on $PRETTY_NAME"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
"$source/scripts/install-deps.sh" xvfb xauth xdotool xclip x11-utils imagemagick
apt-get update -q
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb"
dpkg-query -W -f='${Status}' roman-converter | grep -qx 'install ok installed' ||
    fail "dpkg does not count the package installed"
"$source/window/tests/xvfb_window_test.sh" /usr/bin/roman-converter "$(mktemp -d)/installed.png"
