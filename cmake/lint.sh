#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# The linters, each over the files of the checkout that git knows of: those it
# tracks and new ones it does not ignore, so a file not yet added is linted too.
# Any finding fails.
# Usage: lint.sh format SOURCE_DIR             clang-format, with the repository's style
#        lint.sh tidy SOURCE_DIR BUILD_DIR     clang-tidy on the program's own sources,
#                                              with the build's compile commands
#        lint.sh shell SOURCE_DIR              shellcheck on every shell script
# Outside a git checkout there is no telling the project's files from others:
# it exits 77, which the tests take as skipped.
set -euo pipefail
usage="usage: lint.sh format|tidy|shell SOURCE_DIR [BUILD_DIR]"
mode=${1:?$usage}
cd "${2:?$usage}"
[ -e .git ] || { echo "not a git checkout: nothing to lint"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Fills the array files with the existing files that match the pathspecs given.
list_files() {
    git ls-files -z --cached --others --exclude-standard -- "$@" >"$work/listed"
    files=()
    local file
    while IFS= read -r -d '' file; do
        [ -f "$file" ] && files+=("$file")
    done <"$work/listed"
    [ ${#files[@]} -gt 0 ] || { echo "no files to lint" >&2; exit 1; }
}

case $mode in
format)
    list_files '*.cpp' '*.h'
    clang-format --version
    clang-format --dry-run -Werror "${files[@]}"
    ;;
tidy)
    build=${3:?$usage}
    [ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json" >&2; exit 1; }
    list_files 'numerals/*.cpp' 'window/*.cpp' 'app/*.cpp' ':(exclude)*/tests/*'
    clang-tidy --version | grep -i version
    # One file a process, as many at a time as there are cores. Every check the
    # repository's .clang-tidy enables counts as an error; the count of
    # warnings in Qt's headers that clang-tidy leaves out is noise.
    printf '%s\0' "${files[@]}" |
        xargs -0 -n 1 -P "$(nproc)" clang-tidy -p "$build" --quiet --warnings-as-errors='*' \
            2> >(grep -v '^[0-9]* warnings\? generated\.$' >&2)
    ;;
shell)
    list_files
    scripts=()
    for file in "${files[@]}"; do
        case $file in
        *.sh | *.bash) scripts+=("$file") ;;
        *) head -n 1 "$file" | grep -qE '^#!.*(/|env )(ba|da|k)?sh( |$)' && scripts+=("$file") ;;
        esac
    done
    files=("${scripts[@]}")
    shellcheck --version | grep '^version'
    # Sourced files are followed, found beside the script that sources them.
    shellcheck --external-sources --source-path=SCRIPTDIR "${scripts[@]}"
    ;;
*)
    echo "$usage" >&2
    exit 2
    ;;
esac
echo "$mode: ${#files[@]} files, no findings"
