# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# The linters as tests: the C++ sources as clang-format lays them out, no
# clang-tidy warning in the program's own sources (tidied against this build's
# compile commands, so after building), and no shellcheck finding in any shell
# script.
set(lint ${PROJECT_SOURCE_DIR}/cmake/lint.sh)
add_test(NAME code_is_formatted COMMAND ${lint} format ${PROJECT_SOURCE_DIR})
add_test(NAME clang_tidy_finds_nothing COMMAND ${lint} tidy ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
add_test(NAME shellcheck_finds_nothing COMMAND ${lint} shell ${PROJECT_SOURCE_DIR})
set_tests_properties(code_is_formatted clang_tidy_finds_nothing shellcheck_finds_nothing
    PROPERTIES LABELS lint SKIP_RETURN_CODE 77)
set_tests_properties(clang_tidy_finds_nothing PROPERTIES PROCESSORS 2 TIMEOUT 900)
