# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# The program gives the same answers in every locale. These are the locales
# most likely to show where it does not: Bulgarian, its users' own, writes a
# decimal comma; Turkish upper-cases i to a dotted capital İ.
set(ROMAN_TEST_LOCALES bg_BG.UTF-8 tr_TR.UTF-8)

# add_locale_variants(NAME COMMAND... [ENVIRONMENT VAR=VALUE...] [LABELS LABEL...])
# adds the test NAME_in_<locale> for each of those locales, running COMMAND
# there, labelled locale and LABELS.
function(add_locale_variants name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "COMMAND;ENVIRONMENT;LABELS")
    foreach(locale ${ROMAN_TEST_LOCALES})
        string(REGEX REPLACE "\\..*" "" short ${locale})
        add_test(NAME ${name}_in_${short}
            COMMAND ${PROJECT_SOURCE_DIR}/cmake/in-locale.sh ${locale} ${arg_COMMAND})
        if(arg_ENVIRONMENT)
            set_tests_properties(${name}_in_${short} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
        endif()
        set_tests_properties(${name}_in_${short} PROPERTIES LABELS "locale;${arg_LABELS}")
    endforeach()
endfunction()
