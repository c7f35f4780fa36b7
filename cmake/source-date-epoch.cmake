# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Every time stamp in the packages is the last commit's, unless the caller
# sets SOURCE_DATE_EPOCH when configuring or packaging, so that two builds of
# one commit give the same bytes. CPack reads it from its environment.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(source_date_epoch $ENV{SOURCE_DATE_EPOCH})
else()
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
            OUTPUT_VARIABLE source_date_epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
endif()
if(source_date_epoch)
    file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/cpackproject.cmake @ONLY CONTENT [[
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} @source_date_epoch@)
endif()
]])
    set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/cpackproject.cmake)
else()
    message(STATUS "No commit found: the packages take their time stamps from the clock")
endif()
