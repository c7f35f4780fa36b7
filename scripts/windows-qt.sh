#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Makes Qt for Windows, the static libraries the Windows program links, from
# Debian's own source of the machine's Qt, with the MinGW-w64 cross compilers
# and only what the program uses; keeps it between runs and makes it again
# only when missing or broken. Prints its folder (the CMAKE_PREFIX_PATH of the
# windows preset).
# The source comes through apt, which checks it against the archive's signed
# index; dpkg-source checks the tarballs against the .dsc. Debian's security
# patches (the cve-* entries of its series) are applied; its other patches
# are for Linux and are not.
# DEBIAN_ROOTS chooses the folder that keeps it, beside the Debian roots
# (default /var/cache/roman-converter), DEBIAN_MIRROR the archive.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo --preserve-env=DEBIAN_ROOTS,DEBIAN_MIRROR "$0" "$@"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=packages.sh
source "$here/packages.sh"
"$here/install-deps.sh" "${build_packages[@]}" "${windows_qt_packages[@]}" >&2

# The machine's Qt is the host Qt its tools run from; the Windows Qt is the
# same version, so the two agree.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
upstream=${version%%+*}
upstream=${upstream#*:}
cache=${DEBIAN_ROOTS:-/var/cache/roman-converter}
prefix=$cache/qt6-windows
# Written last, so a Qt whose making was cut short counts as missing; it
# names the source, so a Qt of another version is made again.
made=$prefix/roman-converter-qt

sound() {
    [ -f "$made" ] && grep -qx "source qt6-base $version" "$made" &&
        [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ] &&
        [ -f "$prefix/lib/libQt6Widgets.a" ] &&
        [ -f "$prefix/plugins/platforms/libqwindows.a" ] &&
        [ -f "$prefix/licenses/third-party-notices.txt" ]
}
if sound; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
exec 9>"$cache/qt6-windows.lock"
flock 9
if sound; then
    echo "$prefix"
    exit 0
fi
echo "Making Qt $upstream for Windows in $prefix" >&2
work=$cache/qt6-windows.work
rm -rf --one-file-system "$prefix" "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/download"

# The source package through a private list of the archive's sources, so
# the machine's own apt setup is left as it is.
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
# shellcheck source=/dev/null
release=$(. /etc/os-release && echo "$VERSION_CODENAME")
cat >"$work/apt/sources.list" <<EOT
deb-src $mirror $release main
deb-src $mirror $release-updates main
deb-src ${mirror%/debian}/debian-security $release-security main
EOT
apt=(apt-get -q -o "Dir::Etc::SourceList=$work/apt/sources.list" -o Dir::Etc::SourceParts=-
    -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
    -o APT::Sandbox::User=root)
"${apt[@]}" update >&2
(cd "$work/download" && "${apt[@]}" source --download-only "qt6-base=$version") >&2
dpkg-source --skip-patches -x "$work"/download/qt6-base_*.dsc "$work/source" >&2
(
    cd "$work/source"
    grep -E '^cve' debian/patches/series | while read -r patch _; do
        echo "Applying $patch" >&2
        patch -p1 --quiet -i "debian/patches/$patch" >&2
    done
)

# Static, the compiler's runtime included, so the program is one file. No
# OpenGL, D-Bus, networking, SQL, printing, XML or tablets (the Debian source
# leaves out the Windows tablet header).
mkdir -p "$work/build"
cd "$work/build"
"$work/source/configure" -xplatform win32-g++ -qt-host-path /usr -prefix "$prefix" \
    -static -static-runtime -release -nomake tests -nomake examples \
    -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-printsupport \
    -no-feature-concurrent -no-feature-xml -no-feature-tabletevent \
    -no-feature-vulkan -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
    -- -G Ninja "-DCMAKE_TOOLCHAIN_FILE=$here/../cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
cmake --build . --parallel "$(nproc)" >&2
cmake --install . >&2
# What a copy of the program must carry of Qt's licences: Qt's own, and the
# notices of the third-party code the static libraries hold.
"$here/qt-notices.py" "$work/source" "$prefix/licenses"
cd /
rm -rf --one-file-system "$work"
echo "source qt6-base $version" >"$made"
echo "$prefix"
