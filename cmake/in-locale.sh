#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Runs a command in the named locale, and fails at once where the system lacks
# that locale: the C library would quietly fall back to C, and a test run
# there would prove nothing about the locale it is named for.
# Usage: in-locale.sh LOCALE COMMAND [ARGUMENTS...]
set -eu
wanted=$1
shift
# locale -a spells UTF-8 as utf8.
spelled=$(printf '%s' "$wanted" | sed 's/\.UTF-8$/.utf8/')
if ! locale -a 2>/dev/null | grep -qx "$spelled"; then
    echo "in-locale.sh: the locale $wanted is not installed; generate it with" \
        "localedef -i ${wanted%%.*} -f UTF-8 $wanted" >&2
    exit 1
fi
unset LANGUAGE
LC_ALL=$wanted LANG=$wanted exec "$@"
