# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# The Linux build: Debian's hardening flags, GoogleTest as Debian packages it,
# and the in-process window tests offscreen, where Liberation Serif stands in
# for Times New Roman.
include(cmake/buildflags.cmake)
if(BUILD_TESTING)
    find_package(GTest REQUIRED)
    include(cmake/localevariants.cmake)
endif()
set(ROMAN_TEST_PLATFORM offscreen)
set(ROMAN_SERIF_FAMILIES "Liberation Serif")
