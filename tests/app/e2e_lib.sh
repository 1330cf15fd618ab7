# Shared by the scripts that play the real program under Xvfb: a game directory
# of its own with empty save slots, a display, the program started on it, and the
# helpers that wait for windows by title and type into them.
#
# The sourcing script sets `program`, `source_game` and `out` and then calls
# e2e_start; `work` is its scratch folder, removed on exit. An installed game is
# started with e2e_display and e2e_launch instead, after pointing `save_dir` and
# `game_data` at its save folder and data folder.

work=$(mktemp -d)
save_dir="$work/game/data/save"
game_data="$work/game/data"
xvfb_pid=""
game_pid=""
# A window manager to run on the display before the program, if the script sets one.
window_manager=""
wm_pid=""
# A message box is titled by the caption of the window it comes from and its kind.
message_box='.* - (알림|질문|오류)'
mkdir -p "$out"
# A failure screenshot left by an earlier run would mislead.
rm -f "$out/failure.png"

e2e_cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap e2e_cleanup EXIT
trap 'exit 1' INT TERM

log() {
    echo "e2e: $*"
}

fail() {
    echo "e2e: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$out/failure.png" 2>/dev/null || true
    # Dead, or a zombie not yet waited for.
    if [ -n "$wm_pid" ] && ! ps -o stat= -p "$wm_pid" 2>/dev/null | grep -qv Z; then
        echo "e2e: the window manager has died: $(cat "$work/window_manager.log")" >&2
    fi
    echo "e2e: the windows on screen:" >&2
    xdotool search --onlyvisible --name '.' getwindowname %@ >&2 2>/dev/null || true
    echo "e2e: the save slots:" >&2
    ls -l "$save_dir"/* >&2 || true
    echo "e2e: screen at the failure: $out/failure.png; program output:" >&2
    cat "$work/game.log" >&2 || true
    exit 1
}

# Copies the game directory, starts Xvfb on a free display of its choosing
# and the program on it with the dice seeded by SEED.
e2e_start() {
    local seed=$1
    cp -r "$source_game" "$work/game"
    rm -rf "$work/game/data/save"
    for slot in 1 2 3 4 5 6 7 8 9 10; do mkdir -p "$work/game/data/save/save$slot"; done
    if [ ! -f "$work/game/data/endless_rain[1].mid" ]; then
        # One held chord is enough music for a test.
        printf 'MThd\0\0\0\6\0\0\0\1\1\340MTrk\0\0\0\15\0\220\74\132\203\140\200\74\0\0\377\57\0' \
            >"$work/game/data/endless_rain[1].mid"
    fi
    e2e_display
    [ -z "$window_manager" ] || e2e_window_manager
    e2e_launch "$seed" --game-dir "$work/game"
}

# Starts the window manager and waits until it is at work: the program's first
# window is given the keyboard only by a window manager already at work. One that
# died at its start (a display busy with another client) is started again.
e2e_window_manager() {
    local attempt
    for attempt in 1 2 3; do
        "$window_manager" >>"$work/window_manager.log" 2>&1 &
        wm_pid=$!
        for _ in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
            kill -0 "$wm_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$wm_pid" 2>/dev/null || true
        wait "$wm_pid" 2>/dev/null || true
        echo "e2e: $window_manager did not start (attempt $attempt)" >>"$work/window_manager.log"
    done
    fail "$window_manager did not start: $(cat "$work/window_manager.log")"
}

# Starts Xvfb on a free display of its choosing and points DISPLAY at it.
e2e_display() {
    # Xvfb takes the first free display itself and names it: several of these
    # scripts, here and in other checkouts, may start at the same moment.
    # -noreset: without it the server resets as its last client leaves (a probe such
    # as xdotool below), and a client connecting meanwhile fails to open the display.
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
        sleep 0.2
    done
    [ -s "$work/display" ] || fail "Xvfb named no display"
    export DISPLAY=":$(tr -d '\n' <"$work/display")"
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.2
    done
    xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start on $DISPLAY"
}

# Starts the program on the display from the scratch folder, with the dice seeded
# by SEED and the further ARGUMENTS.
e2e_launch() {
    local seed=$1
    shift
    export XDG_RUNTIME_DIR="$work/xdg"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # Autosaves and the running mark stay in the scratch folder, not the player's home.
    export XDG_DATA_HOME="$work/data-home"
    export XDG_CONFIG_HOME="$work/config-home"
    unset QT_QPA_PLATFORM
    (cd "$work" && ORROWVALE_SEED=$seed exec "$program" "$@") >"$work/game.log" 2>&1 &
    game_pid=$!
}

# The id of the visible window called exactly NAME, waiting up to SECONDS for it.
# xdotool gives up at once when a window closes while it looks through them, so
# it is asked again until the time is up.
wait_window() {
    local name=$1 seconds=${2:-60} id="" deadline
    deadline=$((SECONDS + seconds))
    while [ -z "$id" ] && [ "$SECONDS" -lt "$deadline" ]; do
        id=$(timeout $((deadline - SECONDS)) xdotool search --sync --onlyvisible \
            --name "^$name\$" 2>/dev/null | head -1) || true
        [ -n "$id" ] || sleep 0.2
    done
    [ -n "$id" ] || fail "no window \"$name\" after ${seconds}s"
    echo "$id"
}

visible() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1
}

# Gone when two looks in a row find nothing: one may have failed on a window
# that closed meanwhile.
wait_gone() {
    local name=$1 seconds=${2:-60} empty=0
    for _ in $(seq $((seconds * 5))); do
        if [ -z "$(visible "$name")" ]; then
            empty=$((empty + 1))
            [ "$empty" -ge 2 ] && return 0
        else
            empty=0
        fi
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

# Types TEXT (any script, Hangul too) into the window.
type_to() {
    local id=$1 text=$2
    timeout 10 xdotool windowfocus --sync "$id" || fail "cannot focus window $id"
    xdotool type --clearmodifiers --delay 30 "$text"
}

# Presses KEYS in the window NAME and waits for the window NEXT to open; a busy
# machine may drop the first keys, so they are sent again while nothing opened.
press_until() {
    local name=$1 next=$2
    shift 2
    local id
    for _ in 1 2 3 4 5; do
        [ -n "$(visible "$next")" ] && return 0
        id=$(wait_window "$name")
        keys_to "$id" "$@"
        for _ in $(seq 40); do
            [ -n "$(visible "$next")" ] && return 0
            sleep 0.2
        done
    done
    fail "\"$*\" in \"$name\" did not open \"$next\""
}

# Screenshot of the window NAME as OUT/FILE.png, once it has painted.
shot() {
    local name=$1 file=$2 id
    id=$(wait_window "$name")
    sleep 0.5
    import -window "$id" "$out/$file.png" 2>/dev/null || fail "no screenshot of \"$name\""
    log "screenshot $out/$file.png ($name)"
}

# The Nth visible line of the main save file of SLOT (lines counted from 1).
save_line() {
    sed -n "$2p" "$save_dir/save$1/mainsave.sav" | tr -d '\r'
}

# The date saved in SLOT: year, month, week and turn on one line.
date_of_slot() {
    sed -n '2,5p' "$save_dir/save$1/mainsave.sav" | tr -d '\r' | paste -sd' '
}

# One turn: "완료" has the focus in the command window; Enter says Yes.
end_turn() {
    local command question
    command=$(wait_window '도시 명령')
    keys_to "$command" space
    question=$(wait_window "$message_box")
    keys_to "$question" Return
}

# Presses ctrl+s in the map window until the save window opens, answering
# whatever is shown first, and saves into SLOT (1..10: the row of the list).
save_into() {
    local slot=$1 id keys=()
    for _ in $(seq $((slot - 1))); do keys+=(Down); done
    answer_until 저장 ctrl+s
    id=$(wait_window 저장)
    rm -f "$save_dir/save$slot/mainsave.sav"
    keys_to "$id" "${keys[@]}" Return
    # A slot that holds a game asks before it is overwritten.
    for _ in $(seq 100); do
        [ -z "$(visible 저장)" ] && break
        if id=$(visible "$message_box") && [ -n "$id" ]; then keys_to "$id" Return; fi
        sleep 0.3
    done
    wait_gone 저장
    [ -f "$save_dir/save$slot/mainsave.sav" ] || fail "slot $slot was not written"
}

# Closes one thing the game shows and waits on: a message box, the turn report, a
# dialogue line or an announcement; false when none is on screen.
answer_what_is_shown() {
    local id
    if id=$(visible "$message_box") && [ -n "$id" ]; then
        keys_to "$id" Return
    elif id=$(visible '이번 턴의 소식') && [ -n "$id" ]; then
        keys_to "$id" Return
    elif id=$(visible 대화) && [ -n "$id" ]; then
        keys_to "$id" Return
    elif id=$(visible 시나리오) && [ -n "$id" ]; then
        keys_to "$id" Escape
    else
        return 1
    fi
}

# Answers whatever the game shows (message boxes, dialogues, announcements) until
# the window NAME opens, pressing SHORTCUT in the map window whenever nothing is
# in the way: a turn may tell any number of things first.
answer_until() {
    local name=$1 shortcut=$2 seconds=${3:-120} id
    for _ in $(seq "$seconds"); do
        [ -n "$(visible "$name")" ] && return 0
        if answer_what_is_shown; then
            :
        elif id=$(visible '로반햄 대륙 서남부') && [ -n "$id" ]; then
            keys_to "$id" "$shortcut"
        fi
        sleep 1
    done
    fail "window \"$name\" did not open after ${seconds}s"
}

# From the title to the map of a new random game, past the prologue.
start_random_game() {
    local title new_game prologue
    title=$(wait_window 'Orrowvale 0.9a' 90)
    press_until 'Orrowvale 0.9a' '새 게임' ctrl+n
    # From "취소", which has the focus, Tab reaches "랜덤 플레이".
    new_game=$(wait_window '새 게임')
    keys_to "$new_game" Tab space
    prologue=$(wait_window 프롤로그 120)
    keys_to "$prologue" space
    wait_gone 프롤로그
    wait_window '도시 명령' >/dev/null
    wait_window '로반햄 대륙 서남부' >/dev/null
}

# Answers every message box, dialogue and announcement until none has shown for
# a second and a half.
answer_boxes() {
    local quiet=0 id
    for _ in $(seq 240); do
        if id=$(visible "$message_box") && [ -n "$id" ]; then
            keys_to "$id" Return
            quiet=0
        elif id=$(visible 대화) && [ -n "$id" ]; then
            keys_to "$id" Return
            quiet=0
        elif id=$(visible 시나리오) && [ -n "$id" ]; then
            keys_to "$id" space
            quiet=0
        else
            quiet=$((quiet + 1))
            [ "$quiet" -ge 3 ] && return 0
        fi
        sleep 0.5
    done
    fail "message boxes kept coming for two minutes"
}

# A left click in the middle of the map rectangle of CITY (a line of
# data/citylocs.txt: left, right, top and bottom in the map picture). The
# picture fills the map window below its menu bar.
click_city() {
    local city=$1 map left right top bottom height picture
    read -r left right top bottom < <(sed -n "${city}p" "$game_data/citylocs.txt" | tr -d '\r')
    [ -n "$bottom" ] || fail "no rectangle for city $city in data/citylocs.txt"
    map=$(wait_window '로반햄 대륙 서남부')
    height=$(xdotool getwindowgeometry "$map" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
    # Without its picture the game draws a map 390 pixels high.
    picture=$(identify -format '%h' "$game_data/map.jpg" 2>/dev/null || echo 390)
    timeout 10 xdotool windowfocus --sync "$map" || fail "cannot focus the map"
    xdotool mousemove --window "$map" $(((left + right) / 2)) \
        $((height - picture + (top + bottom) / 2)) click 1
}

# The command window's buttons, top to bottom. "완료" has the keyboard when the
# window is shown; every other window gives it back to the button that opened it.
command_buttons=(길드_관리 주점 교역소 방문 접선 명령 장비 완료)
command_focus=7

# Walks the keyboard with Tab or Shift+Tab to the command button CAPTION (blanks
# written as _), presses Space and waits for the window NEXT.
command_press() {
    local caption=$1 next=$2 target=-1 i keys=() id
    for i in "${!command_buttons[@]}"; do
        [ "${command_buttons[$i]}" = "$caption" ] && target=$i
    done
    [ "$target" -ge 0 ] || fail "no command button \"$caption\""
    local forward=$(((target - command_focus + 8) % 8))
    if [ "$forward" -le 4 ]; then
        for _ in $(seq "$forward"); do keys+=(Tab); done
    else
        for _ in $(seq $((8 - forward))); do keys+=(shift+Tab); done
    fi
    id=$(wait_window '도시 명령')
    keys_to "$id" "${keys[@]}" space
    command_focus=$target
    for _ in $(seq 100); do
        [ -n "$(visible "$next")" ] && return 0
        sleep 0.2
    done
    fail "\"$caption\" in the command window did not open \"$next\""
}

# From the title window, "불러오기" and the first slot of the load window, until
# the map of the loaded game is up.
load_first_slot() {
    local title load
    title=$(wait_window 'Orrowvale 0.9a')
    # "파일(&F)" opens with Alt+F, and "불러오기(&O)" is its O. A busy machine may not
    # have the menu up in time for the O, so the menu is tried again.
    for _ in $(seq 10); do
        keys_to "$title" alt+f
        sleep 1
        xdotool key o
        timeout 5 xdotool search --sync --onlyvisible --name '^파일 읽기$' >/dev/null 2>&1 && break
        xdotool key Escape
    done
    load=$(wait_window '파일 읽기')
    keys_to "$load" Return
    wait_window '로반햄 대륙 서남부' 120 >/dev/null
    wait_gone '파일 읽기'
}
