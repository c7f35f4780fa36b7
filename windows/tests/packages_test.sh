#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# The Windows packages from a built tree, as a user and a school's IT meet
# them: the portable zip holds the program, its read-me and the licences;
# the NSIS installer (nsis) or the MSI package (msi), in a fresh Wine prefix,
# installs silently over the same package of a lower version, leaves the
# newer alone in the list of installed programs, with the zip's files and a
# Start menu entry that starts a working program, and uninstalls silently
# leaving nothing of the program behind. The MSI also says what it is in its
# tables, keeps its upgrade code, survives a second install and a repair,
# refuses to replace a newer version, and is the same bytes when made twice.
# Usage: packages_test.sh BUILD_DIR WINE_SH XVFB_WINDOW_TEST nsis|msi
# shellcheck source=../../window/tests/testsession.sh
source "$(dirname "$0")/../../window/tests/testsession.sh"
# The Start menu entry's name is Cyrillic: matched in a UTF-8 locale.
export LC_ALL=C.UTF-8
build=$1
wine=$2
window_test=$3
kind=$4
# Wine may be slow to start a session in a fresh prefix: minutes, not one.
export patience=300
# Every version of the MSI carries it, or cannot replace the ones before.
upgrade_code='{92DF8ED8-2329-4BF1-8B64-427E89471062}'
name='Римски и арабски числа'
# As Wine's registry files save it, past ASCII as \x codes.
saved_name='\x420\x438\x43c\x441\x43a\x438 \x438 \x430\x440\x430\x431\x441\x43a\x438 \x447\x438\x441\x43b\x430'
vendor='Roman converter developers'
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
# The same build as a version before, the program's first being 1.0.0.
older=$((${version%%.*} - 1)).${version#*.}

# package FOLDER GENERATORS [CPACK_OPTION...]: this build's packages.
package() {
    (cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$1" -G "$2" "${@:3}" >"$1.log" 2>&1) ||
        { cat "$1.log"; fail "cpack -G $2 ${*:3}"; }
}
generator=NSIS64 suffix=exe
[ "$kind" = nsis ] || generator=External suffix=msi
package "$work/out" "ZIP;$generator"
package "$work/older" "$generator" -R "$older"
zip=$(ls "$work"/out/*.zip)
new=$(ls "$work"/out/*."$suffix")
old=$(ls "$work"/older/*."$suffix")
echo "packages: $(basename "$zip"), $(basename "$new"), and the $suffix of version $older"
folder=$(basename "$zip" .zip)
unzip -q -d "$work/unzipped" "$zip"
for file in roman-converter.exe README.txt licenses/roman-converter-MIT.txt \
    licenses/qt/LGPL-3.0-only.txt licenses/qt/GPL-3.0-only.txt licenses/qt/third-party-notices.txt; do
    [ -f "$work/unzipped/$folder/$file" ] || fail "the zip lacks $folder/$file"
done

# A GUID as Windows Installer names its keys: each of the first three groups
# reversed, then the two digits of each byte after them swapped.
packed() {
    local g=${1//[\{\}-]/} out i
    out=$(rev <<<"${g:0:8}")$(rev <<<"${g:8:4}")$(rev <<<"${g:12:4}")
    for ((i = 16; i < 32; i += 2)); do out+=${g:i+1:1}${g:i:1}; done
    echo "$out"
}
property() { msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"; }
# What names the program in a prefix's files and registry.
names='roman.converter|Римски|\\x420\\x438\\x43c'
listing="Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"
listed_key=$listing\\roman-converter icon_key=$listed_key icon_value=DisplayIcon
if [ "$kind" = msi ]; then
    for row in "ProductVersion $version" "Manufacturer $vendor" "ALLUSERS 1" \
        "UpgradeCode $upgrade_code" "ProductName $name"; do
        got=$(property "$new" "${row%% *}")
        [ "$got" = "${row#* }" ] || fail "the MSI's ${row%% *} is '$got', not '${row#* }'"
    done
    [ "$(property "$old" UpgradeCode)" = "$upgrade_code" ] || fail "version $older has another upgrade code"
    product=$(property "$new" ProductCode)
    older_product=$(property "$old" ProductCode)
    [ "$product" != "$older_product" ] || fail "versions $older and $version share $product"
    echo "upgrade code $upgrade_code; product code $product, and $older_product for $older"
    # Made twice, the same bytes, given a commit's time to stamp them with.
    if [ -f "$build/cpackproject.cmake" ] || [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
        package "$work/again" External
        again=$(ls "$work"/again/*.msi)
        if ! cmp -s "$new" "$again"; then
            for msi in "$new" "$again"; do mkdir "$msi.d" && (cd "$msi.d" && msidump -t -s -d . "$msi" >/dev/null); done
            diff -r "$new.d" "$again.d" || true
            fail "the MSI made twice differs, in the tables or streams above"
        fi
    else
        echo "no commit: the MSI is not made twice and compared"
    fi
    for code in "$upgrade_code" "$product" "$older_product" \
        $(msiinfo export "$new" Component | tr -d '\r' | tail -n +4 | cut -f 2); do
        names+="|$(packed "$code")|${code//[\{\}]/}"
    done
    listed_key=$listing\\$product icon_key="Software\\Classes\\Installer\\Products\\$(packed "$product")" icon_value=ProductIcon
fi

prefix=$work/wine/prefix
installed="$prefix/drive_c/Program Files/Roman converter"
traces() {
    {
        find "$prefix/drive_c" \( -iname '*roman*' -o -name 'Римски*' -o -path '*/windows/Installer/*' \)
        grep -ihE "$names" "$prefix"/*.reg | sed 's/\] [0-9]*$/]/' || true
    } | sort
}
# reg_value KEY NAME: a value of the machine's registry, as Wine saves it.
reg_value() {
    key="[${1//\\/\\\\}] " value="\"$2\"=" awk 'index($0, ENVIRON["key"]) == 1 { inside = 1; next }
        inside && /^\[/ { exit }
        inside && index($0, ENVIRON["value"]) == 1 { print substr($0, length(ENVIRON["value"]) + 1) }' \
        "$prefix/system.reg"
}
# run LOG PROGRAM [ARGUMENT...]: a program in the prefix, msiexec silently with a log.
run() {
    local log=$work/$1.log status=0
    shift
    [ "$1" != msiexec ] || set -- "$@" /qn "/l*v" "Z:${log//\//\\}"
    "$wine" "$work/wine" "$@" || status=$?
    [ ! -f "$log" ] || echo "$(basename "$log" .log), exit $status: $(grep -ah 'Found app\|ended.*\(Launch\|RemoveEx\|INSTALL\)' "$log" | uniq | tr '\n' ' ')"
    return "$status"
}
install() {
    if [ "$kind" = nsis ]; then run "$1" "$2" /S; else run "$1" msiexec /i "Z:${2//\//\\}" "${@:3}"; fi
}

# The fresh prefix's own, before anything is installed.
"$wine" "$work/wine" cmd /c ver >/dev/null || fail "Wine does not run"
traces >"$work/before"
install older-install "$old" || fail "the silent install of version $older failed"
install upgrade "$new" || fail "the silent install of $version over $older failed"
for row in "DisplayVersion $version" "Publisher $vendor" "DisplayName $saved_name"; do
    got=$(reg_value "$listed_key" "${row%% *}")
    [ "$got" = "\"${row#* }\"" ] || fail "the list of installed programs has $got as ${row%% *}"
done
[ "$kind" = nsis ] || [ -z "$(reg_value "$listing\\$older_product" DisplayVersion)" ] ||
    fail "version $older is still listed"
icon=$(reg_value "$icon_key" "$icon_value")
icon=${icon//\\\\//}
[ -f "$prefix/drive_c/${icon:4:-1}" ] || fail "the list of installed programs has no icon: $icon"
diff -r --exclude=Uninstall.exe "$work/unzipped/$folder" "$installed" || fail "the installed files differ from the zip's"
traces >"$work/installed"
[ -n "$(comm -13 "$work/before" "$work/installed")" ] || fail "no trace of the install is seen"

# The program as a user starts it, from the Start menu.
entry=$(find "$prefix/drive_c" -path '*Start Menu*' -name "$name.lnk")
[ -n "$entry" ] || fail "no Start menu entry"
PROGRAM_LAUNCHER="$wine $work/wine start /wait /unix" "$window_test" "$entry" "$work/installed.png"

if [ "$kind" = msi ]; then
    install again "$new" || fail "installing $version a second time failed"
    # Repaired as /fa does on Windows, whose msiexec /f Wine lacks.
    rm "$installed/README.txt" "$entry"
    install repair "$new" REINSTALL=ALL REINSTALLMODE=amus || fail "the repair failed"
    diff -r "$work/unzipped/$folder" "$installed" || fail "the repair left files unlike the zip's"
    [ -f "$entry" ] || fail "the repair left no Start menu entry"
    ! install downgrade "$old" || fail "version $older replaced $version"
    [ "$(reg_value "$listed_key" DisplayVersion)" = "\"$version\"" ] || fail "$version is gone after the refused downgrade"
    run uninstall msiexec /x "$product" || fail "the silent uninstall failed"
else
    run uninstall 'C:\Program Files\Roman converter\Uninstall.exe' /S || fail "the silent uninstall failed"
fi
traces >"$work/after"
left=$(comm -13 "$work/before" "$work/after")
[ -z "$left" ] || fail "left after uninstalling: $left"
echo "installed $older, $version over it, run from the Start menu, uninstalled silently; nothing left"
