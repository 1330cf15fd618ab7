#!/usr/bin/env bash
# Kills the real program with SIGKILL in the middle of a game under Xvfb, as a
# crash or a power cut would. Its play log keeps every turn ended, and the
# simulator replays it to the turn the program had reached; the next start offers
# "이어하기", which brings back that turn's start: saved, it is the replayed slot
# byte for byte.
#
#   e2e_kill.sh PROGRAM SIMULATOR GAME_DIR OUT
set -euo pipefail

program=$1
simulator=$2
source_game=$3
out=$4
# shellcheck source=e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

e2e_start 3
start_random_game

# Ends a turn and answers what it tells until its start, autosave N, is on disk:
# it is written off the window's thread.
# Each world keeps its autosaves in a folder of its own there.
autosaves="$XDG_DATA_HOME/orrowvale/autosave"
turn_until_autosave() {
    local number=$1
    end_turn
    for _ in $(seq 120); do
        compgen -G "$autosaves/world-*/save$number/mainsave.sav" >/dev/null && return 0
        answer_what_is_shown || true
        sleep 0.5
    done
    fail "the start of turn $((number + 1)) was not autosaved: $(ls -R "$autosaves")"
}
turn_until_autosave 1
answer_boxes
turn_until_autosave 2
answer_boxes
sleep 1
kill -KILL "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=""

playlog=$(ls "$XDG_DATA_HOME/orrowvale/logs"/play-*.txt 2>/dev/null | tail -1)
[ -n "$playlog" ] || fail "the killed program left no play log"
ends=$(grep -c '^end$' "$playlog" || true)
[ "$ends" = 2 ] || fail "the play log holds $ends turns ended, not 2: $(cat "$playlog")"

# The next start: "이어하기" stands under "새 게임(&N)" in the title's "파일(&F)" menu.
rm -rf "$XDG_RUNTIME_DIR"
e2e_launch 3 --game-dir "$work/game"
title=$(wait_window 'Orrowvale 0.9a' 90)
for _ in $(seq 10); do
    keys_to "$title" alt+f
    sleep 1
    xdotool key Down Return
    timeout 10 xdotool search --sync --onlyvisible --name '^로반햄 대륙 서남부$' >/dev/null 2>&1 &&
        break
    [ -n "$(visible '파일 읽기')" ] && fail "the title offers no \"이어하기\" after the kill"
    xdotool key Escape
done
wait_window '로반햄 대륙 서남부' 60 >/dev/null
save_into 6
[ "$(date_of_slot 6)" = "200 4 1 3" ] || fail "the continued game is at \"$(date_of_slot 6)\""

# The log of the killed game, replayed (after the title looked at the slots).
"$simulator" --game-dir "$work/game" --replay "$playlog" --save 5 >"$work/replay.log" 2>&1 ||
    fail "the simulator did not replay the log: $(tail -3 "$work/replay.log")"
[ "$(date_of_slot 5)" = "200 4 1 3" ] || fail "the replay reached \"$(date_of_slot 5)\", not turn 3"

diff -r "$save_dir/save5" "$save_dir/save6" >"$work/diff.log" 2>&1 ||
    fail "the continued game differs from the replayed one: $(head -5 "$work/diff.log")"

log "killed at turn 3; the log replayed and the continued game saved the same slot"
