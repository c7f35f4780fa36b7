# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# The Debian packages the program needs to build and run, and those its tests add:
# names that Debian 12 and Debian 13 both have (libclang-rt-dev is the runtime
# of whichever clang the release calls its own).
# shellcheck shell=bash disable=SC2034
build_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n fonts-liberation
)
test_packages=(
    googletest libgtest-dev libbenchmark-dev
    clang libclang-rt-dev valgrind
    xvfb xauth xdotool xclip x11-utils imagemagick libx11-dev libxcb1-dev
    weston qt6-wayland qt6-gtk-platformtheme
    desktop-file-utils appstream dpkg-dev file reuse git locales
    lintian clang-format clang-tidy shellcheck
    at-spi2-core python3-pyatspi dbus-daemon orca speech-dispatcher
)
# What making a root of another release, and running in it, needs of the machine.
debian_root_packages=(
    debootstrap util-linux mount git
)
# What making Qt for Windows needs of the machine.
windows_qt_packages=(
    g++-mingw-w64-x86-64-posix dpkg-dev xz-utils patch python3
)
# What building the Windows program and testing it in Wine add: wixl makes
# the MSI package, msitools completes it and reads it back, faketime gives
# it the commit's time.
windows_packages=(
    "${windows_qt_packages[@]}" googletest wine wine64 nsis wixl msitools faketime unzip
    xvfb xauth xdotool xclip x11-utils imagemagick
)
# What building the page and testing it in browsers add: emscripten brings
# its clang, lld and binaryen, and Debian's JavaScript modules it needs; the
# three engines: Chromium, Firefox ESR and WebKitGTK's driver with its
# MiniBrowser, run in Xvfb; chromium-l10n and Firefox's language packs let a
# browser take Bulgarian and Turkish, and WebKit takes them from the
# system's locales, which locales generates; the rest runs Orca beside a
# browser on a private X display and accessibility bus.
web_packages=(
    cmake ninja-build python3 emscripten fonts-liberation locales
    chromium chromium-l10n firefox-esr firefox-esr-l10n-bg firefox-esr-l10n-tr
    webkit2gtk-driver xvfb xauth xclip xdotool x11-utils
    at-spi2-core python3-pyatspi dbus-daemon orca speech-dispatcher
)
