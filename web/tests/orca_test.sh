#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# What the Orca screen reader says of the page, used with the keyboard alone
# in a browser run as a person runs it (not headless), the site served from
# 127.0.0.1: the Roman box's frame caption, a result, the same result again,
# a refused number's erasure and Clear, each heard. Prints what Orca said
# after each step, and writes the verdict to WEB_OUTPUT/orca-BROWSER.txt.
# Usage: WEB_SITE=DIR WEB_OUTPUT=DIR orca_test.sh firefox|chromium
# Orca, and a browser on a busy machine, may take minutes to start.
tests=$(dirname "$0")/../../window/tests
# shellcheck source=../../window/tests/orca_session.sh
source "$tests/orca_session.sh"
orca_alone "$@"
# shellcheck disable=SC2034 # for the waits of testsession.sh
patience=300
# shellcheck source=../../window/tests/xvfb_session.sh
source "$tests/xvfb_session.sh"

browser=$1
site=${WEB_SITE:?the built site}
output=${WEB_OUTPUT:?a folder for the verdict}
case $browser in
firefox) binary=${FIREFOX:-/usr/bin/firefox-esr} name="Firefox ESR" ;;
chromium) binary=${CHROMIUM:-/usr/bin/chromium} name=Chromium ;;
*) fail "usage: orca_test.sh firefox|chromium" ;;
esac
rm -f "$output/orca-$browser.txt" "$output/orca-$browser.log"

# One line for CI's summary, whatever the end; on a failure Orca's debug log
# is kept beside it.
verdict() {
    echo "Orca${orca_version:+ $orca_version} in ${name:-$browser}: $*" | tee "$output/orca-$browser.txt"
}
skip() {
    verdict "skipped: $*"
    exit 77
}
fail() {
    echo "FAIL: $*" >&2
    verdict "failed: ${1%%$'\n'*}" >/dev/null
    cp "$work/orca.log" "$output/orca-$browser.log" 2>/dev/null || true
    exit 1
}
[ -f "$site/index.html" ] || fail "no built site at $site: cmake --build --preset web"
[ -x "$binary" ] || skip "$binary is missing"
for command in orca speech-dispatcher dbus-daemon Xvfb xdotool; do
    command -v "$command" >/dev/null || skip "$command is missing"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core's bus launcher is missing"
"$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is missing"
orca_version=$(orca --version)
if [ "$browser" = firefox ]; then
    name="$name $("$binary" --version | awk '{ print $NF }')"
else
    name="$name $("$binary" --version 2>/dev/null | awk '{ print $2 }')"
fi

# The texts the page announces, as the window's tests have them, for 14.
announcement() {
    "$python" -c 'import json, sys
texts = json.load(open(sys.argv[1], encoding="utf-8"))["announcements"]
print("".join(texts[name].replace("%1", "14") for name in sys.argv[2:]))' \
        "$tests/calculations.json" "$@"
}
converted=$(announcement romanCalculated)
upper_cased=$(announcement romanCalculated romanUpperCased)
refused=$(announcement arabicRefused)
cleared=$(announcement cleared)

start_accessibility_bus
start_display 1
start_orca

"$python" -u -m http.server --bind 127.0.0.1 --directory "$site" 0 >"$work/server.log" 2>&1 &
pids+=($!)
wait_for "the site to be served" grep -q ' port [0-9]' "$work/server.log"
url="http://127.0.0.1:$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$work/server.log" | head -n 1)/"

# A fresh profile, in Bulgarian, that opens the page with nothing before it.
profile=$work/profile
mkdir -p "$profile"
if [ "$browser" = firefox ]; then
    printf 'user_pref("%s", %s);\n' \
        browser.shell.checkDefaultBrowser false \
        browser.aboutwelcome.enabled false \
        browser.newtab.preload false \
        browser.startup.homepage_override.mstone '"ignore"' \
        startup.homepage_welcome_url '""' \
        datareporting.policy.dataSubmissionEnabled false \
        datareporting.healthreport.uploadEnabled false \
        toolkit.telemetry.reportingpolicy.firstRun false \
        app.update.auto false \
        extensions.update.enabled false \
        browser.safebrowsing.malware.enabled false \
        browser.safebrowsing.phishing.enabled false \
        network.captive-portal-service.enabled false \
        network.connectivity-service.enabled false \
        intl.accept_languages '"bg"' >"$profile/user.js"
    GNOME_ACCESSIBILITY=1 "$binary" --no-remote --profile "$profile" "$url" \
        >"$work/browser.log" 2>&1 &
else
    env -u LC_ALL LANGUAGE=bg LANG=bg_BG.UTF-8 "$binary" --force-renderer-accessibility \
        --no-sandbox --no-first-run --no-default-browser-check --disable-background-networking \
        --disable-component-update --disable-sync --password-store=basic --lang=bg \
        --user-data-dir="$profile" "$url" >"$work/browser.log" 2>&1 &
fi
browser_pid=$!
pids+=("$browser_pid")
browser_runs() {
    kill -0 "$browser_pid" 2>/dev/null || fail "$name ended: $(tail -n 20 "$work/browser.log")"
}
# The browser shows the page's title with its spaces run together. Windows
# that come and go as it starts can fail a search, which is tried again.
title=$(tr -s ' ' <<<"$caption")
titled() {
    browser_runs
    window=$(xdotool search --onlyvisible --name "^$title" 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
wait_for "a window of $name titled '$title'" titled
xdotool windowfocus --sync "$window"

# step DESCRIPTION TEXT KEY...: presses the keys, waits until Orca has said
# the text since, and prints what it said; with no keys, since it started.
# A key type:TEXT types the text, and waits until Orca has followed the caret
# to its end: a browser may tell of the last character's caret only after a
# quick Tab has moved the focus on, and Orca then takes its focus back to the
# box, where a person, slower, would have left it.
step() {
    local what=$1 text=$2 mark=0 key
    shift 2
    [ $# -eq 0 ] || mark=$(lines)
    for key in "$@"; do
        case $key in
        type:*)
            xdotool type --delay 15 "${key#type:}"
            wait_for "Orca to follow the caret through '${key#type:}'" with_orca logged_since "$mark" \
                "object:text-caret-moved ($((${#key} - 5)), 0, 0)"
            ;;
        *) xdotool key --clearmodifiers "$key" ;;
        esac
    done
    browser_runs
    wait_for "Orca to say '$text' ($what)" with_orca said_since "$mark" "$text"
    echo "== $what ($*):"
    speech_since "$mark"
}
# logged_since N TEXT: Orca's log has TEXT after line N. (grep reads it all:
# one that stopped at the first match would cut tail off, failing the pipe.)
logged_since() { tail -n +"$(($1 + 1))" "$work/orca.log" | grep -aF -- "$2" >/dev/null; }

echo "Orca $orca_version in $name, $url"
# Each step waits for what a person would hear before the next key: typing
# before Orca has taken a Tab's focus to a box would find it still in
# browse mode, where letters and digits move through the page.
step "the page" "Finished loading $title"
step "the help box" "Помощ: римската бройна система" Tab
step "the Roman box, named by its frame" "Римски числа в арабски entry" Tab
step "its Calculate" "Изчисли: Римски числа в арабски" type:xiv Tab
step "Calculate" "$upper_cased" space
step "where the focus is" "Изчисли: Римски числа в арабски" KP_Enter
# The box now holds XIV, upper-cased: each press after says only the number.
step "Calculate again" "$converted" space
step "Calculate once more" "$converted" space
step "the Arabic box" "Арабски числа в римски entry" Tab
step "its Calculate" "Изчисли: Арабски числа в римски" ctrl+a type:5000 Tab
step "a refused number" "$refused" space
step "Clear" "Изчисти" Tab
step "Clear pressed" "$cleared" space
count=$(times_said "'$converted'")
[ "$count" = 2 ] || fail "Orca said '$converted' $count times for the same two presses"
verdict "passed (caption, result, result again, erasure, Clear)"
