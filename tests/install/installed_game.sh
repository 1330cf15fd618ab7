#!/usr/bin/env bash
# Checks an installed game as a player and a packager meet it:
#
#   installed_game.sh PREFIX OUT
#
# PREFIX is what `cmake --install --prefix PREFIX` wrote, or the usr folder of an
# unpacked Debian package. Every file a player needs must be there and valid; the
# menu entry's command starts the game with no argument, from a folder that holds no
# world, under Xvfb with a home of its own; a new random game is played to its
# second turn and saved into slot 1, which must appear under XDG_DATA_HOME; the
# installed simulator loads that slot and saves into slot 2 beside it; and nothing
# under PREFIX may change. Screenshots go to OUT.
set -euo pipefail

prefix=$(cd "$1" && pwd)
out=$2
program="$prefix/games/orrowvale"
source_game=""
# shellcheck source=../app/e2e_lib.sh
source "$(dirname "$0")/../app/e2e_lib.sh"

app_id=org.orrowvale.Orrowvale
desktop="$prefix/share/applications/$app_id.desktop"
installed_game="$prefix/share/games/orrowvale"

# The files of the install.
for file in games/orrowvale games/orrowvale-sim games/orrowvale-check games/orrowvale-cp949; do
    [ -x "$prefix/$file" ] || fail "$file is not installed as a program"
done
for file in city.txt map.jpg title.jpg 'endless_rain[1].mid' common/citynat.txt; do
    [ -f "$installed_game/data/$file" ] || fail "the game directory lacks data/$file"
done
[ ! -e "$installed_game/data/save" ] || fail "the installed game directory holds save slots"
for size in 16 24 32 48 64 128 256 512; do
    icon="$prefix/share/icons/hicolor/${size}x$size/apps/orrowvale.png"
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x$size" ] ||
        fail "no ${size}x$size icon at $icon"
done
for page in man6/orrowvale.6 man1/orrowvale-sim.1 man1/orrowvale-check.1 man1/orrowvale-cp949.1; do
    gzip -t "$prefix/share/man/$page.gz" 2>/dev/null || fail "no man page $page.gz"
    # Made from the program's --help: its options are in it.
    zcat "$prefix/share/man/$page.gz" | grep -q -- 'help' || fail "the man page $page lists no options"
done
zcat "$prefix/share/man/man6/orrowvale.6.gz" | grep -q -- 'game\\-dir' ||
    fail "the game's man page does not list --game-dir"

# The menu entry and the AppStream data pass their validators.
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli rejects the metainfo: $(cat "$work/appstream.log")"
grep -qx 'Icon=orrowvale' "$desktop" || fail "the menu entry names another icon"

# Every installed program answers --help, from a folder that holds no world.
for tool in "$program" "$prefix"/games/orrowvale-*; do
    (cd "$work" && "$tool" --help >/dev/null) || fail "$(basename "$tool") --help failed"
done

# The menu entry's command: the installed game by its full path. In an unpacked
# package it names /usr/games/orrowvale, which is PREFIX/games/orrowvale here.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
case "$exec_line" in
"$program") ;;
/usr/games/orrowvale) [ "$(basename "$prefix")" = usr ] || fail "Exec=$exec_line for an install in $prefix" ;;
*) fail "the menu entry runs \"$exec_line\", not the installed game" ;;
esac

find "$prefix" -printf '%p %s %T@\n' | sort >"$work/before"

export HOME="$work/home" XDG_DATA_HOME="$work/data-home"
mkdir -p "$HOME"
save_dir="$XDG_DATA_HOME/orrowvale/save"
game_data="$installed_game/data"

e2e_display
e2e_launch 1
wait_window 'Orrowvale 0.9a' 90 >/dev/null
sleep 1
import -window root "$out/installed-title.png"
start_random_game
end_turn
save_into 1
saved=$(date_of_slot 1)
[ "$saved" = "200 4 1 2" ] || fail "slot 1 holds the date \"$saved\", not the second turn"
log "the installed game saved slot 1 into $save_dir/save1"
kill "$game_pid" 2>/dev/null || true
wait "$game_pid" 2>/dev/null || true
game_pid=""

# The installed simulator finds the same game directory and the same slots.
(cd "$work" && "$prefix/games/orrowvale-sim" --seed 1 --load 1 --turns 1 --save 2 >"$work/sim.log" 2>&1) ||
    fail "the installed simulator could not play slot 1: $(cat "$work/sim.log")"
[ -f "$save_dir/save2/mainsave.sav" ] || fail "the simulator did not save into $save_dir/save2"

find "$prefix" -printf '%p %s %T@\n' | sort >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "playing changed files under $prefix"
log "the installed game and simulator keep their saves in $save_dir and leave $prefix alone"
