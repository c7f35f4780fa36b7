#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Generates whichever of the named UTF-8 locales the system lacks, from the
# definitions Debian's locales package ships.
# Usage: make-locales.sh LOCALE.UTF-8...
set -euo pipefail

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
for wanted in "$@"; do
    locale -a | grep -qx "${wanted%.UTF-8}.utf8" && continue
    echo "Generating the locale $wanted"
    "${sudo[@]}" localedef -i "${wanted%%.*}" -f UTF-8 "$wanted"
done
