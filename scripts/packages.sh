# The Debian packages the program needs to build and run, and those its tests add.
# shellcheck shell=bash
build_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n fonts-liberation
)
test_packages=(
    googletest libgtest-dev libbenchmark-dev
    xvfb xauth xdotool xclip x11-utils imagemagick
)
