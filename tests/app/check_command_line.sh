#!/usr/bin/env bash
# Runs the program with no display at all, as a user would from a text
# console: --help and --version answer on standard output and exit 0; a wrong
# argument is named on standard error with the usage, and exits 2; the window
# itself is refused in one sentence on standard error, exit 1, also where
# only Wayland is named and Qt has no Wayland plugin; in a German locale the
# words are German. Then on a platform that needs no display, asked for by
# QT_QPA_PLATFORM or by -platform: Qt's own options are Qt's, and the window
# opens with them.
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

# expect STATUS STDOUT_LINE STDERR_LINE ARGUMENT..., with the variables in
# the array `named` set (none by default).
named=()
expect() {
    local status=$1 out=$2 err=$3
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u LANGUAGE \
        LC_ALL="$language" "${named[@]}" timeout 10 "$program" "$@" \
        >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" -ne "$status" ] || ! matches "$work/out" "$out" || ! matches "$work/err" "$err"; then
        echo "FAIL: ${named[*]} wingmap $* exited $got, expected $status; stdout, then stderr:"
        cat "$work/out" "$work/err"
        failed=$((failed + 1))
    fi
    passed=$((passed + 1))
}
passed=0

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
session='Wingmap opens a window, so it needs a graphical session'
expect 1 '' "$session: neither DISPLAY nor WAYLAND_DISPLAY is set."
expect 1 '' "$session: neither DISPLAY nor WAYLAND_DISPLAY is set." -style fusion
expect 1 '' "$session: Qt's platform xcb cannot start without DISPLAY." -platform xcb
named=(WAYLAND_DISPLAY=wayland-0)
expect 0 "$usage" '' --help
if ! ls "$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)"/platforms/libqwayland* >/dev/null 2>&1; then
    expect 1 '' "$session: only WAYLAND_DISPLAY is set, and Qt's Wayland plugin (the package qt6-wayland) is not installed."
fi
named=(WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=xcb)
expect 1 '' "$session: Qt's platform xcb cannot start without DISPLAY."
named=()
language=de_DE.UTF-8
expect 2 '' "wingmap: unbekannte Option „--bogus“" --bogus
expect 0 "wingmap $version" '' --version
expect 1 '' "Wingmap öffnet ein Fenster und braucht dafür eine grafische Sitzung: Weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt."

# expect_runs ARGUMENT...: the program is still running after 3 seconds, on
# the offscreen platform of QT_QPA_PLATFORM, or of -platform when the
# arguments name it.
expect_runs() {
    local platform=(QT_QPA_PLATFORM=offscreen)
    [[ " $* " == *" -platform "* ]] && platform=()
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${platform[@]}" LC_ALL=C \
        timeout 3 "$program" "$@" >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" -ne 124 ] || grep -q '^wingmap:\|^Wingmap' "$work/err"; then
        echo "FAIL: wingmap $* exited $got, expected to keep running; stdout, then stderr:"
        cat "$work/out" "$work/err"
        failed=$((failed + 1))
    fi
    passed=$((passed + 1))
}
expect_runs -testability
expect_runs -style fusion -reverse -qwindowtitle Wingmap -widgetcount
expect_runs -platform offscreen

passed=$((passed - failed))
echo "$passed passed, $failed failed"
exit "$failed"
