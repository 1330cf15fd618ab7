#!/usr/bin/env bash
# Plays the real program under Xvfb as a blind player does: key presses only, and
# every value read through the accessibility bus (AT-SPI) as a screen reader reads
# it, in a desktop with a window manager. The player itself is e2e_reader.py: from
# the title to a party home from a dungeon, a save and its load.
#
#   e2e_reader.sh PROGRAM GAME_DIR OUT [bare]
#
# With "bare", the desktop has no window manager: the game alone must give the
# keyboard to the window that opens and back to the one left.
#
# Exits 77 (skipped) only when the accessibility bus cannot run here.
set -euo pipefail

program=$1
source_game=$2
out=$3
desktop=${4:-openbox}

for tool in dbus-launch Xvfb xdotool xprop $([ "$desktop" = bare ] || echo openbox); do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is not installed" >&2; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "e2e: python3-pyatspi is not installed" >&2; exit 77; }

# shellcheck source=e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

# A session and an accessibility bus of this run's own: the bus's socket lies in the
# runtime folder (or the home's cache without one), where another run started at the
# same moment would take it over.
export XDG_RUNTIME_DIR="$work/bus-runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
eval "$(dbus-launch --sh-syntax)"
reader_cleanup() {
    e2e_cleanup
    kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
}
trap reader_cleanup EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The accessibility bus is up before the program asks for it: on a busy machine a
# program that asks while the bus is still starting goes on without it, and the
# player never finds it there.
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.2
done

# A blind player's desktop has a window manager: Alt+Tab, and the window that
# opens takes the keyboard.
[ "$desktop" = bare ] || window_manager=openbox
e2e_start 3
/usr/bin/python3 "$(dirname "$0")/e2e_reader.py" "$game_pid" || fail "the blind player got lost"
log "a blind player played from the title to a party home, a save and its load"
