#!/usr/bin/env bash
# Plays the real program under Xvfb as a blind player does: key presses only, and
# every value read through the accessibility bus (AT-SPI) as a screen reader reads
# it. A random game; the gold and the date read from the status panel; a turn
# ended with Enter on "완료" and on its question; the game saved into slot 1; one
# more turn; the map left with Ctrl+X after saying Yes to leaving unsaved
# progress; slot 1 loaded from the title; the date read again.
#
#   e2e_reader.sh PROGRAM GAME_DIR OUT
#
# Exits 77 (skipped) only when the accessibility bus cannot run here.
set -euo pipefail

program=$1
source_game=$2
out=$3
reader="$(dirname "$0")/e2e_reader.py"

for tool in dbus-launch Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is not installed" >&2; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "e2e: python3-pyatspi is not installed" >&2; exit 77; }

# shellcheck source=e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

eval "$(dbus-launch --sh-syntax)"
reader_cleanup() {
    e2e_cleanup
    kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
}
trap reader_cleanup EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The value of the object named NAME, as a screen reader hears it; waits for the
# program to put it on the bus.
read_value() {
    local name=$1 value
    for _ in $(seq 50); do
        if value=$(/usr/bin/python3 "$reader" "$game_pid" "$name" 2>/dev/null); then
            echo "$value"
            return 0
        fi
        sleep 0.2
    done
    /usr/bin/python3 "$reader" "$game_pid" >&2 || true
    fail "nothing named \"$name\" on the accessibility bus"
}

# Waits until the object named NAME reads VALUE, answering with Enter the boxes
# and dialogues a turn shows meanwhile.
expect_value() {
    local name=$1 wanted=$2 value=""
    for _ in $(seq 100); do
        value=$(read_value "$name")
        [ "$value" = "$wanted" ] && return 0
        answer_what_is_shown || true
        sleep 0.3
    done
    fail "\"$name\" reads \"$value\", not \"$wanted\""
}

# One turn with Enter alone: on "완료", which has the keyboard, and on the question.
end_turn_by_enter() {
    keys_to "$(wait_window Command)" Return
    keys_to "$(wait_window "$message_box")" Return
}

e2e_start 3
start_random_game

gold=$(read_value 자금)
[[ "$gold" =~ ^[0-9]+$ ]] || fail "the gold reads \"$gold\""
expect_value 턴 1
log "a random game with $gold gold, read through AT-SPI"

end_turn_by_enter
expect_value 턴 2

save_into 1
expect_value 알림 저장했습니다.

end_turn_by_enter
expect_value 턴 3

# Leaving asks first, its "아니요" first: Tab reaches "예".
keys_to "$(wait_window Command)" ctrl+x
keys_to "$(wait_window "$message_box")" Tab Return
load_first_slot
expect_value 턴 2
log "slot 1 loaded back at turn 2, read through AT-SPI"
