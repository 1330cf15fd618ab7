#!/usr/bin/env bash
# Plays the real program under Xvfb as a player would, with the keyboard: a random
# game, the prologue, one turn, a save into slot 1, another turn, back to the
# title, a load of slot 1, and a save of the loaded game into slot 2, whose date
# must be the date saved in slot 1, not the later one that was in play. Leaves
# screenshots of the title and the map in OUT.
#
#   e2e.sh PROGRAM GAME_DIR OUT
set -euo pipefail

program=$1
source_game=$2
out=$3
mkdir -p "$out"
work=$(mktemp -d)
xvfb_pid=""
game_pid=""

cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "e2e: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$out/failure.png" 2>/dev/null || true
    echo "e2e: the save slots:" >&2
    ls -l "$work/game/data/save"/* >&2 || true
    echo "e2e: screen at the failure: $out/failure.png; program output:" >&2
    cat "$work/game.log" >&2 || true
    exit 1
}

# A game directory of its own, so saves never touch the build's.
cp -r "$source_game" "$work/game"
# With empty slots, whatever the player saved in the build's game directory.
rm -rf "$work/game/data/save"
for slot in 1 2 3 4 5 6 7 8 9 10; do mkdir -p "$work/game/data/save/save$slot"; done
if [ ! -f "$work/game/data/endless_rain[1].mid" ]; then
    # One held chord is enough music for a test.
    printf 'MThd\0\0\0\6\0\0\0\1\1\340MTrk\0\0\0\15\0\220\74\132\203\140\200\74\0\0\377\57\0' \
        > "$work/game/data/endless_rain[1].mid"
fi

# Xvfb takes the first free display itself and names it: another script may be
# starting one at the same moment.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.2
done
[ -s "$work/display" ] || fail "Xvfb named no display: $(cat "$work/xvfb.log")"
export DISPLAY=":$(tr -d '\n' <"$work/display")"
for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.2
done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start on $DISPLAY"

export XDG_RUNTIME_DIR="$work/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
ORROWVALE_SEED=1 "$program" --game-dir "$work/game" >"$work/game.log" 2>&1 &
game_pid=$!

# The id of the visible window called exactly NAME, waiting up to SECONDS for it.
wait_window() {
    local name=$1 seconds=${2:-60} id
    id=$(timeout "$seconds" xdotool search --sync --onlyvisible --name "^$name\$" 2>/dev/null |
        head -1) || true
    [ -n "$id" ] || fail "no window \"$name\" after ${seconds}s"
    echo "$id"
}

visible() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1
}

wait_gone() {
    local name=$1 seconds=${2:-60}
    for _ in $(seq $((seconds * 5))); do
        [ -z "$(visible "$name")" ] && return 0
        sleep 0.2
    done
    fail "window \"$name\" still open after ${seconds}s"
}

# Gives the window the keyboard and types KEYS into it.
keys_to() {
    local id=$1
    shift
    timeout 10 xdotool windowfocus --sync "$id" || fail "cannot focus window $id"
    xdotool key --clearmodifiers "$@"
}

# Answers whatever the game shows (message boxes, dialogues, announcements) until
# the window NAME opens, pressing SHORTCUT in the map window whenever nothing is
# in the way: a turn may tell any number of things first.
answer_until() {
    local name=$1 shortcut=$2 seconds=${3:-120} id
    for _ in $(seq "$seconds"); do
        [ -n "$(visible "$name")" ] && return 0
        if id=$(visible Orrowvale) && [ -n "$id" ]; then
            keys_to "$id" Return
        elif id=$(visible 대화) && [ -n "$id" ]; then
            keys_to "$id" Return
        elif id=$(visible 시나리오) && [ -n "$id" ]; then
            keys_to "$id" space
        elif id=$(visible '로반햄 대륙 서남부') && [ -n "$id" ]; then
            keys_to "$id" "$shortcut"
        fi
        sleep 1
    done
    fail "window \"$name\" did not open after ${seconds}s"
}

date_of_slot() {
    sed -n '2,5p' "$work/game/data/save/save$1/mainsave.sav" | tr -d '\r' | paste -sd' '
}

title=$(wait_window 'Orrowvale 0.9a' 90)
sleep 1
import -window root "$out/title.png"
keys_to "$title" ctrl+n

# Random play: from "취소", which has the focus, Tab reaches "랜덤 플레이".
new_game=$(wait_window 'New Game')
keys_to "$new_game" Tab space
prologue=$(wait_window 프롤로그 120)
keys_to "$prologue" space
wait_gone 프롤로그

# One turn: "완료" has the focus in the command window; Enter says Yes.
command=$(wait_window Command)
keys_to "$command" space
question=$(wait_window Orrowvale)
keys_to "$question" Return

answer_until 저장 ctrl+s
save=$(wait_window 저장)
# The list's first row has the keyboard; Enter acts on it.
keys_to "$save" Return
wait_gone 저장
[ -f "$work/game/data/save/save1/mainsave.sav" ] || fail "slot 1 was not written"
saved=$(date_of_slot 1)
[ "$saved" = "200 4 1 2" ] || fail "slot 1 holds the date \"$saved\", not the second turn"

# One more turn, saved into slot 3, so that the game in play differs from slot 1.
command=$(wait_window Command)
keys_to "$command" space
question=$(wait_window Orrowvale)
keys_to "$question" Return
answer_until 저장 ctrl+s
save=$(wait_window 저장)
keys_to "$save" Down Down Return
wait_gone 저장
[ "$(date_of_slot 3)" = "200 4 1 3" ] || fail "slot 3 holds \"$(date_of_slot 3)\", not the third turn"

# Back to the title and load slot 1.
map=$(wait_window '로반햄 대륙 서남부')
keys_to "$map" ctrl+x
title=$(wait_window 'Orrowvale 0.9a')
# "F&ile" opens with Alt+I, and "L&oad Game" is its O. A busy machine may not have
# the menu up in time for the O, so the menu is tried again.
for _ in $(seq 10); do
    keys_to "$title" alt+i
    sleep 1
    xdotool key o
    timeout 5 xdotool search --sync --onlyvisible --name '^파일 읽기$' >/dev/null 2>&1 && break
    xdotool key Escape
done
load=$(wait_window '파일 읽기')
keys_to "$load" Return
map=$(wait_window '로반햄 대륙 서남부' 120)
wait_gone '파일 읽기'
sleep 1
import -window root "$out/map.png"

# The loaded game, saved into slot 2, carries the date saved in slot 1.
answer_until 저장 ctrl+s
save=$(wait_window 저장)
keys_to "$save" Down Return
wait_gone 저장
loaded=$(date_of_slot 2)
[ "$loaded" = "$saved" ] || fail "the loaded game is at \"$loaded\", the save at \"$saved\""

echo "e2e: saved and loaded the game at $saved; screenshots in $out"
