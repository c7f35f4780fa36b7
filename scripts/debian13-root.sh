#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Makes a bare Debian 13 root (debootstrap's minbase variant, from Debian's
# archive) to build and test in, and keeps it between runs: it is made again
# only when missing or broken. Prints the root's path.
# Usage: debian13-root.sh
# DEBIAN13_ROOT chooses the folder (default /var/cache/roman-converter/debian13),
# DEBIAN_MIRROR the archive (default http://deb.debian.org/debian).
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo --preserve-env=DEBIAN13_ROOT,DEBIAN_MIRROR "$0" "$@"

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=packages.sh
source "$here/packages.sh"
"$here/install-deps.sh" "${debian13_root_packages[@]}" >&2
root=${DEBIAN13_ROOT:-/var/cache/roman-converter/debian13}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
# Written last, so a root whose making was cut short counts as missing.
made=$root/etc/roman-converter-root

# Sound: made to the end, still Debian 13, runs programs, and dpkg has no
# package left half installed by a run that was cut short.
sound() {
    [ -f "$made" ] &&
        grep -qx 'VERSION_CODENAME=trixie' "$root/etc/os-release" &&
        [ -z "$(chroot "$root" /usr/bin/dpkg --audit 2>&1)" ]
}

# Nothing may be mounted inside a root that is about to be removed.
remove() {
    if findmnt --list --noheadings --output TARGET | grep -q "^$1/"; then
        echo "$1 still has file systems mounted in it; not removing it" >&2
        exit 1
    fi
    rm -rf --one-file-system "$1"
}

if sound; then
    echo "$root"
    exit 0
fi
if [ -e "$root" ]; then
    echo "The Debian 13 root in $root is broken; making it again" >&2
    remove "$root"
fi
echo "Making a Debian 13 root in $root from $mirror" >&2
partial=$root.partial
[ ! -e "$partial" ] || remove "$partial"
mkdir -p "$(dirname "$root")"
debootstrap --variant=minbase trixie "$partial" "$mirror" >&2 ||
    { tail -n 20 "$partial/debootstrap/debootstrap.log" >&2 || true; exit 1; }

cat >"$partial/etc/apt/sources.list" <<EOF
deb $mirror trixie main
deb $mirror trixie-updates main
deb ${mirror%/debian}/debian-security trixie-security main
EOF
# No service that a package installs is started: nothing may keep running in
# the root after a run.
printf '#!/bin/sh\nexit 101\n' >"$partial/usr/sbin/policy-rc.d"
chmod 755 "$partial/usr/sbin/policy-rc.d"
echo "made by debian13-root.sh on $(date -u +%F)" >"$partial/etc/roman-converter-root"
mv "$partial" "$root"
echo "$root"
