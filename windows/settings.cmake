# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# The Windows build, cross-compiled with MinGW-w64: one program file that runs
# from any folder with nothing beside it, Qt and the compiler's runtime linked
# statically. What it builds runs here in Wine, in a prefix of the build's own.
add_link_options(-static)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/windows/tests/wine.sh ${PROJECT_BINARY_DIR}/wine)
# The program file and its read-me at the top of the install folder.
set(CMAKE_INSTALL_BINDIR .)
if(BUILD_TESTING)
    # Debian packages GoogleTest's source, not a build of it for Windows.
    set(INSTALL_GTEST OFF)
    set(BUILD_GMOCK OFF)
    add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
# The window tests on Windows' own platform plugin, with its fonts: Times New
# Roman on Windows; in Wine, which has none, Liberation Serif in its place.
set(ROMAN_TEST_PLATFORM windows)
set(ROMAN_SERIF_FAMILIES "Times New Roman|Liberation Serif")
