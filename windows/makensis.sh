#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# NSIS as CPack runs it, making a 64-bit installer, as the program is: a
# 64-bit Windows needs no 32-bit layer to run it. CPack splits an argument
# of its own at the blank that this setting needs, so it is given here.
exec makensis "-XTarget amd64-unicode" "$@"
