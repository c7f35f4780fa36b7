#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Runs a command of this checkout inside the root of a Debian release that
# debian-root.sh keeps (making it first when missing or broken), as on a bare
# machine of that release: in a fresh copy of the checkout, its uncommitted
# changes included, with no locale and nothing else from the caller's
# environment. The copy has build folders of its own, so the caller's are
# never touched; it stays in the root, at /work/roman-converter, until the
# next run.
# Usage: in-debian.sh CODENAME [--scratch] [--file FILE]... [--output DIR] [COMMAND...]
#   CODENAME      the release, as debian-root.sh takes it: trixie, forky ...
#   COMMAND       run in the copy; ./scripts/test.sh when none is given
#   --scratch     run on a throwaway layer over the root: whatever the command
#                 installs or changes there is gone afterwards
#   --file FILE   copy FILE into /work/files/ in the root first
#   --output DIR  the caller's folder DIR is /work/output in the root, for
#                 what the command makes to outlast it
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo --preserve-env=DEBIAN_ROOTS,DEBIAN_MIRROR,CI "$0" "$@"
checkout=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: in-debian.sh CODENAME [--scratch] [--file FILE]... [--output DIR] [COMMAND...]"
release=${1:-}
[[ $release =~ ^[a-z]+$ ]] || { echo "$usage" >&2; exit 2; }
shift

scratch=false
files=()
output=
while [ $# -gt 0 ]; do
    case $1 in
    --scratch) scratch=true ;;
    --file) files+=("$(realpath "$2")") && shift ;;
    --output) output=$(realpath "$2") && shift ;;
    *) break ;;
    esac
    shift
done
[ $# -gt 0 ] || set -- ./scripts/test.sh

roots=${DEBIAN_ROOTS:-/var/cache/roman-converter}
mkdir -p "$roots"
# One run at a time in a root.
exec 9>"$roots/$release.lock"
flock 9
root=$("$checkout/scripts/debian-root.sh" "$release")

mounted=()
layer=
# Run through sudo, git would refuse the caller's own checkout as another
# user's; it is only read here.
gitconfig=$(mktemp)
printf '[safe]\n\tdirectory = *\n' >"$gitconfig"
checkout_git() { GIT_CONFIG_GLOBAL=$gitconfig git -C "$checkout" "$@"; }
# Ends whatever still runs in the root; true if there was any.
left_running() {
    local pid any=1
    for pid in /proc/[0-9]*; do
        if [ "$(readlink "$pid/root" 2>/dev/null)" = "$sysroot" ]; then
            kill -KILL "${pid#/proc/}" 2>/dev/null || true
            any=0
        fi
    done
    return "$any"
}
cleanup() {
    # Whatever the command left running in the root would keep it busy.
    local i
    for _ in $(seq 100); do
        left_running || break
        sleep 0.1
    done
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" || umount --lazy "${mounted[i]}"
    done
    if [ -n "$layer" ]; then rm -rf --one-file-system "$layer"; fi
    rm -f "$gitconfig"
}
trap cleanup EXIT
mount_in() {
    local target=$1
    shift
    mount "$@" "$target"
    mounted+=("$target")
}

# The root is a file system of its own, as on a machine, so that a command
# there can have a mount namespace of its own (unshare --mount).
sysroot=$root
if $scratch; then
    layer=$(mktemp -d /var/tmp/roman-converter-scratch.XXXXXX)
    mkdir "$layer/upper" "$layer/work" "$layer/root"
    sysroot=$layer/root
    mount_in "$sysroot" -t overlay overlay \
        -o "lowerdir=$root,upperdir=$layer/upper,workdir=$layer/work"
else
    mount_in "$sysroot" --bind "$root"
fi
mount_in "$sysroot/proc" -t proc proc
mount_in "$sysroot/sys" -t sysfs sysfs
mount_in "$sysroot/dev" --bind /dev
mount_in "$sysroot/dev/pts" --bind /dev/pts
mount_in "$sysroot/dev/shm" -t tmpfs tmpfs
mount_in "$sysroot/tmp" -t tmpfs -o mode=1777 tmpfs
mount_in "$sysroot/run" -t tmpfs -o mode=0755 tmpfs
cp -L /etc/resolv.conf "$sysroot/etc/resolv.conf"

# The copy: a clone of the commit, the uncommitted changes to tracked files,
# and the files not yet tracked (but not those git ignores, such as builds).
work=$sysroot/work
rm -rf --one-file-system "$work"
mkdir -p "$work/files"
checkout_git clone --quiet --no-hardlinks "$checkout" "$work/roman-converter"
checkout_git diff HEAD --binary >"$work/changes.patch"
if [ -s "$work/changes.patch" ]; then
    git -C "$work/roman-converter" apply "$work/changes.patch"
fi
checkout_git ls-files -z --others --exclude-standard |
    (cd "$checkout" && xargs -0 --no-run-if-empty cp --parents -t "$work/roman-converter")
if [ ${#files[@]} -gt 0 ]; then cp "${files[@]}" "$work/files/"; fi
if [ -n "$output" ]; then
    mkdir -p "$work/output"
    mount_in "$work/output" --bind "$output"
fi

environment=(PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root)
if [ -n "${CI:-}" ]; then environment+=("CI=$CI"); fi
env -i "${environment[@]}" chroot "$sysroot" \
    /bin/bash -c 'cd /work/roman-converter && exec "$@"' command "$@"
