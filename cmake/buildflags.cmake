# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Flags for the builds that get installed; the sanitizer and fuzzer builds
# bring their own instrumentation and keep full paths in their reports, and a
# development build (ROMAN_HARDEN off) keeps full paths for its debugger.
set(roman_hardened OFF)
if(ROMAN_SANITIZE OR ROMAN_FUZZ OR NOT ROMAN_HARDEN)
    return()
endif()
set(roman_hardened ON)

# Hardened as Debian builds its packages: stack protector, checked libc calls,
# relocations read-only and bound at start. Optimisation and debug information
# stay with the build type; dpkg's own path map names the directory it ran in,
# so the build's paths are mapped below instead.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
            COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|ffile-prefix-map=.*)$")
        set(deb_${kind} ${flags})
    endforeach()
    # Checked libc calls need an optimising build and warn in any other.
    add_compile_options(${deb_CXXFLAGS} "$<$<NOT:$<CONFIG:Debug>>:${deb_CPPFLAGS}>")
    add_link_options(${deb_LDFLAGS})
endif()

# No build path in the objects, debug information included: the build ID is
# taken before stripping, so it would carry them into the package.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
