#!/usr/bin/env bash
# Runs the program with no display at all, as a user would from a text
# console: --help and --version answer on standard output and exit 0; a wrong
# argument is named on standard error with the usage, and exits 2; in a
# German locale the words are German. Then on a platform that needs no
# display: Qt's own options are Qt's, and the window opens with them.
# Usage: check_command_line.sh PROGRAM VERSION
set -uo pipefail
program=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
language=C

# matches FILE LINE: FILE holds LINE, or is empty when LINE is ''.
matches() {
    if [ -z "$2" ]; then [ ! -s "$1" ]; else grep -qxF -- "$2" "$1"; fi
}

# expect STATUS STDOUT_LINE STDERR_LINE ARGUMENT...
expect() {
    local status=$1 out=$2 err=$3
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL="$language" \
        timeout 10 "$program" "$@" \
        >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" -ne "$status" ] || ! matches "$work/out" "$out" || ! matches "$work/err" "$err"; then
        echo "FAIL: wingmap $* exited $got, expected $status; stdout, then stderr:"
        cat "$work/out" "$work/err"
        failed=$((failed + 1))
    fi
}

usage='Usage: wingmap [-h | --help | -v | --version] [Qt options]'
expect 0 "$usage" '' --help
expect 0 '  -v, --version  print the version and exit' '' -h
expect 0 "wingmap $version" '' --version
expect 0 "wingmap $version" '' -v
expect 2 '' "wingmap: unknown option '--bogus'" --bogus
expect 2 '' "$usage" --bogus
expect 2 '' "wingmap: unexpected argument 'notes.txt'" notes.txt
expect 2 '' "wingmap: unknown option '-style'" -style
expect 2 '' "wingmap: unknown option '--verbose'" -style fusion --verbose
language=de_DE.UTF-8
expect 2 '' "wingmap: unbekannte Option „--bogus“" --bogus
expect 0 "wingmap $version" '' --version

# expect_runs ARGUMENT...: the program is still running after 3 seconds.
expect_runs() {
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen LC_ALL=C \
        timeout 3 "$program" "$@" >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" -ne 124 ] || grep -q '^wingmap:' "$work/err"; then
        echo "FAIL: wingmap $* exited $got, expected to keep running; stdout, then stderr:"
        cat "$work/out" "$work/err"
        failed=$((failed + 1))
    fi
}
expect_runs -testability
expect_runs -style fusion -reverse -qwindowtitle Wingmap -widgetcount

[ "$failed" -eq 0 ] && echo "13 passed, 0 failed"
exit "$failed"
