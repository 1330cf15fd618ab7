#!/usr/bin/env bash
# What a player or author meets at the command line before any window:
#   commandline.sh help PROGRAM...        every program prints its usage for --help and -h, exit 0
#   commandline.sh deaddisplay REPO BUILD ./scripts/play with a DISPLAY nobody serves falls
#                                         back to the headless demo instead of aborting
set -uo pipefail

fail() {
    echo "commandline: $*" >&2
    exit 1
}

help() {
    local program out status
    for program in "$@"; do
        for flag in --help -h; do
            out=$(QT_QPA_PLATFORM=offscreen "$program" "$flag" 2>&1)
            status=$?
            [ "$status" -eq 0 ] || fail "$(basename "$program") $flag exited $status"
            grep -qi '^usage: ' <<<"$out" || fail "$(basename "$program") $flag printed no usage: $out"
        done
        QT_QPA_PLATFORM=offscreen "$program" --no-such-option >/dev/null 2>&1
        status=$?
        [ "$status" -ne 0 ] || fail "$(basename "$program") accepted an unknown option"
    done
    echo "commandline: $# programs print their usage for --help and -h"
}

deaddisplay() {
    local repo=$1 build=$2 display=90 out status
    # A display number with no server behind it.
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
        display=$((display + 1))
    done
    out=$(cd "$repo" && env -u WAYLAND_DISPLAY DISPLAY=":$display" ORROWVALE_BUILD_DIR="$build" \
        timeout 300 ./scripts/play --no-build 2>&1)
    status=$?
    [ "$status" -eq 0 ] || fail "play exited $status with DISPLAY=:$display: $out"
    grep -q "does not answer" <<<"$out" || fail "play did not say the display is dead: $out"
    grep -q '^state: ' <<<"$out" || fail "play did not run the demo: $out"
    echo "commandline: a dead display falls back to the demo"
}

case "${1:-}" in
help) shift; help "$@" ;;
deaddisplay) shift; deaddisplay "$@" ;;
*) fail "usage: commandline.sh help PROGRAM... | deaddisplay REPO BUILD" ;;
esac
