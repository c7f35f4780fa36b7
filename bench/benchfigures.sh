# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# shellcheck shell=bash
# The figures the benchmark scripts report from their runs, one run a line of
# space-separated numbers: the shell's counterpart of benchfigures.h.

# median FILE COLUMN: the middle value of that column, or the mean of the two
# middle ones for an even count.
median() {
    cut -d' ' -f"$2" "$1" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# range FILE COLUMN: the least and the greatest value of that column, as LEAST-GREATEST.
range() {
    cut -d' ' -f"$2" "$1" | sort -n | sed -n '1p;$p' | paste -sd-
}
