#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Makes a bare root of a Debian release (debootstrap's minbase variant, from
# Debian's archive) to build and test in, and keeps it between runs: it is made
# again only when missing or broken. Prints the root's path.
# Usage: debian-root.sh CODENAME      for example trixie (13) or forky (testing)
# DEBIAN_ROOTS chooses the folder that holds the roots, one a codename
# (default /var/cache/roman-converter), DEBIAN_MIRROR the archive (default
# http://deb.debian.org/debian).
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo --preserve-env=DEBIAN_ROOTS,DEBIAN_MIRROR "$0" "$@"
release=${1:?usage: debian-root.sh CODENAME}
[[ $release =~ ^[a-z]+$ ]] || { echo "not a release's codename: $release" >&2; exit 2; }

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=packages.sh
source "$here/packages.sh"
"$here/install-deps.sh" "${debian_root_packages[@]}" >&2
root=${DEBIAN_ROOTS:-/var/cache/roman-converter}/$release
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
# Written last, so a root whose making was cut short counts as missing.
made=$root/etc/roman-converter-root

# Sound: made to the end, still that release, runs programs, and dpkg has no
# package left half installed by a run that was cut short.
sound() {
    [ -f "$made" ] &&
        grep -qx "VERSION_CODENAME=$release" "$root/etc/os-release" &&
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
    echo "The $release root in $root is broken; making it again" >&2
    remove "$root"
fi
echo "Making a $release root in $root from $mirror" >&2
partial=$root.partial
[ ! -e "$partial" ] || remove "$partial"
mkdir -p "$(dirname "$root")"
# A debootstrap older than the release has no script of its name; the one for
# unstable serves any release still to come.
script=/usr/share/debootstrap/scripts/$release
[ -e "$script" ] || script=/usr/share/debootstrap/scripts/sid
debootstrap --variant=minbase "$release" "$partial" "$mirror" "$script" >&2 ||
    { tail -n 20 "$partial/debootstrap/debootstrap.log" >&2 || true; exit 1; }

cat >"$partial/etc/apt/sources.list" <<EOT
deb $mirror $release main
deb $mirror $release-updates main
deb ${mirror%/debian}/debian-security $release-security main
EOT
# The testing suite's Release files say they expire within a week; a mirror
# or a copy of the archive may be older than that, and still the release.
echo 'Acquire::Check-Valid-Until "false";' >"$partial/etc/apt/apt.conf.d/99roman-converter"
# No service that a package installs is started: nothing may keep running in
# the root after a run.
printf '#!/bin/sh\nexit 101\n' >"$partial/usr/sbin/policy-rc.d"
chmod 755 "$partial/usr/sbin/policy-rc.d"
echo "made by debian-root.sh on $(date -u +%F)" >"$partial/etc/roman-converter-root"
mv "$partial" "$root"
echo "$root"
