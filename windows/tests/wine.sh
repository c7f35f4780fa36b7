#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Runs a Windows program in Wine, in a Wine prefix of the caller's folder
# made the first time (no dialog, no network), one program at a time in it:
# CTest's emulator for the programs the Windows build makes.
# Usage: wine.sh FOLDER PROGRAM.exe [ARGUMENT...]
# Without a DISPLAY the program gets a private X server of its own, so that
# windows can open. Qt's messages and test results go to the terminal, not to
# the debugger output Qt uses on Windows when no console window is attached.
set -euo pipefail
folder=${1:?usage: wine.sh FOLDER PROGRAM.exe [ARGUMENT...]}
shift
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
export WINEPREFIX=$folder/prefix WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko: nothing to download, no dialog asking for them. No menu
# entries in the user's own desktop for what an installer puts in the Start menu.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export QT_FORCE_STDERR_LOGGING=1
# Wine names the files of Windows programs in the locale's character set: a
# UTF-8 one, as a desktop has, whatever the caller has or lacks, so that the
# Cyrillic names an installer writes are the same on every machine.
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM_PLUGIN_PATH QT_PLUGIN_PATH WAYLAND_DISPLAY
# Wine keeps Qt's variables (QT_...) from Windows programs, since the host's
# own Qt reads them too; under the name WINEQT_... it passes them on.
while read -r name; do
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_')

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp" "$0" "$folder" "$@"
fi

# One program at a time: each starts and ends its own Wine session, so none
# inherits another's windows or display. The lock is not handed on to Wine.
exec 8>"$folder/lock"
flock 8
if [ ! -f "$WINEPREFIX/made" ]; then
    rm -rf "$WINEPREFIX"
    wineboot --init 8>&- >/dev/null 2>&1
    # Windows has Times New Roman; where Wine lacks it, the metric-compatible
    # Liberation Serif takes its place, as on Linux. No window manager runs
    # in a test's X server: Wine frames the windows itself, as Windows does,
    # rather than wait on one at each window shown or hidden. The program
    # itself is left to a desktop's window manager, as Wine leaves every
    # window by default, so that its X window is its client area.
    cat >"$folder/settings.reg" <<'EOT'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Times New Roman"="Liberation Serif"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\AppDefaults\roman-converter.exe\X11 Driver]
"Managed"="Y"
EOT
    wine reg import "$folder/settings.reg" 8>&- >/dev/null 2>&1
    wineserver --wait 8>&-
    touch "$WINEPREFIX/made"
fi
# A server that ends as soon as the program's session does.
wineserver --persistent=0 8>&-
# Ended from outside (a test that is done with the window), the program's
# whole session ends with it.
wine "$@" 8>&- &
trap 'wineserver --kill 8>&- || true' TERM INT
status=0
wait $! || status=$?
wineserver --wait 8>&- || true
exit "$status"
