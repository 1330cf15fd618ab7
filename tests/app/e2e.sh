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
# shellcheck source=e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

e2e_start 1
wait_window 'Orrowvale 0.9a' 90 >/dev/null
sleep 1
import -window root "$out/title.png"
start_random_game

end_turn
save_into 1
saved=$(date_of_slot 1)
[ "$saved" = "200 4 1 2" ] || fail "slot 1 holds the date \"$saved\", not the second turn"

# One more turn, saved into slot 3, so that the game in play differs from slot 1.
end_turn
save_into 3
[ "$(date_of_slot 3)" = "200 4 1 3" ] || fail "slot 3 holds \"$(date_of_slot 3)\", not the third turn"

# Back to the title and load slot 1.
map=$(wait_window '로반햄 대륙 서남부')
keys_to "$map" ctrl+x
load_first_slot
sleep 1
import -window root "$out/map.png"

# The loaded game, saved into slot 2, carries the date saved in slot 1.
save_into 2
loaded=$(date_of_slot 2)
[ "$loaded" = "$saved" ] || fail "the loaded game is at \"$loaded\", the save at \"$saved\""

log "saved and loaded the game at $saved; screenshots in $out"
