#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# The program file needs nothing beside it on Windows 10 and 11: every DLL it
# imports is one of Windows' own, none of Qt's or the compiler's runtime.
# Usage: imports_test.sh PROGRAM.exe
set -euo pipefail
program=${1:?usage: imports_test.sh PROGRAM.exe}
# Those of Windows 10 and later, API sets included.
windows_own=(advapi32 authz comdlg32 d3d11 d3d9 dwmapi dwrite dxgi gdi32 imm32 kernel32 mpr
    msvcrt netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv uxtheme
    version winmm ws2_32 wtsapi32 api-ms-win-core-synch-l1-2-0 api-ms-win-core-winrt-l1-1-0
    api-ms-win-core-winrt-string-l1-1-0)

headers=$(x86_64-w64-mingw32-objdump -p "$program")
mapfile -t imports < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]')
[ ${#imports[@]} -gt 0 ] || { echo "FAIL: no imports read from $program" >&2; exit 1; }
echo "imports: ${imports[*]}"
status=0
for dll in "${imports[@]}"; do
    if ! printf '%s.dll\n' "${windows_own[@]}" | grep -qx "$dll"; then
        echo "FAIL: $dll is not a library of Windows' own" >&2
        status=1
    fi
done
[ "$(x86_64-w64-mingw32-objdump -f "$program" | sed -n 's/.*file format //p')" = pei-x86-64 ] ||
    { echo "FAIL: not a 64-bit Windows program" >&2; status=1; }
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" ||
    { echo "FAIL: not a GUI program: a console window would open beside it" >&2; status=1; }
exit "$status"
