#!/usr/bin/env bash
# Plays a whole loop of the real program under Xvfb as a player would: a random
# game; the guild window and an adventurer's panel; party setup, where a party is
# founded with a leader from the chooser, given two more members, named in the
# input box and rearranged on the formation grid with the mouse; the party
# command list, the move window and the dispatch window, which sends the party
# into a dungeon; turns ended until the party is home with its gold; equipment
# (when the guild owns an item); a contract of the trading post (when one is
# offered); a save, back to the title, a load of that slot and a save of the
# loaded game into another slot, whose party files must be those saved before.
# Leaves a screenshot of every window on the way in OUT.
#
#   e2e_guild.sh PROGRAM GAME_DIR OUT
set -euo pipefail

program=$1
source_game=$2
out=$3
# shellcheck source=e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

party_name='은빛 원정대'

# Line N of the party file PARTY of SLOT: members are lines 1-9, the formation
# 10-18 (the member slot standing at each place), then the city, in use, on a
# mission; the item is line 32 and the name the last line.
party_line() {
    sed -n "$3p" "$work/game/data/save/save$1/prt$2.prt" | tr -d '\r' | iconv -f CP949 -t UTF-8
}

e2e_start 1
start_random_game

# The guild window: random play starts with a branch in its city.
command_press 길드_관리 길드
guild=$(wait_window 길드)
shot 길드 guild
# The list has the keyboard; Down chooses a member and Enter opens its panel.
keys_to "$guild" Down Return
panel=$(wait_window '캐릭터 능력' 20)
shot '캐릭터 능력' adventurer_panel
keys_to "$panel" Escape
wait_gone '캐릭터 능력' 10

# Party setup: Tab goes down each column, past "캐릭터 정보", the party list, its
# "파티 정보" (refused until a party is chosen, but reached) and "동기화", to "파티 구성".
keys_to "$guild" Tab Tab Tab Tab Tab space
setup=$(wait_window '파티 구성' 20)
shot '파티 구성' party_setup
# Past the leader, the empty member list and the three buttons that wait for a
# party, to "새로운 파티": its message, then the chooser.
keys_to "$setup" Tab Tab Tab Tab Tab Tab space
message=$(wait_window "$message_box" 20)
shot "$message_box" new_party_message
keys_to "$message" Return
chooser=$(wait_window '선택하십시오.' 20)
shot '선택하십시오.' chooser_leader
keys_to "$chooser" Down Return
wait_gone '선택하십시오.' 10

# "추가" is next to "새로운 파티"; each time the chooser gives one more member.
for member in second third; do
    if [ "$member" = second ]; then keys_to "$setup" Tab space; else keys_to "$setup" space; fi
    chooser=$(wait_window '선택하십시오.' 20)
    keys_to "$chooser" Down Return
    wait_gone '선택하십시오.' 10
done

# "파티명명" is two buttons above "추가".
keys_to "$setup" shift+Tab shift+Tab space
naming=$(wait_window 파티명명 20)
keys_to "$naming" ctrl+a BackSpace
# Hangul is typed one character at a time: the X server needs a moment to map
# each onto a spare key.
timeout 10 xdotool windowfocus --sync "$naming" || fail "cannot focus the input box"
xdotool type --delay 150 "$party_name"
shot 파티명명 name_input_box
keys_to "$naming" Return
wait_gone 파티명명 10

# With the mouse: the third member in the member list, then the middle of the
# grid. The places are those of the window's layout at 649x465.
geometry=$(xdotool getwindowgeometry "$setup" | sed -n 's/.*Geometry: //p')
[ "$geometry" = 649x465 ] || log "party setup is $geometry, not 649x465: the clicks may miss"
xdotool mousemove --window "$setup" 300 297 click 1
sleep 0.5
xdotool mousemove --window "$setup" 405 151 click 1
sleep 0.5
shot '파티 구성' party_setup_formation
keys_to "$setup" Escape
wait_gone '파티 구성' 10
keys_to "$guild" Escape
wait_gone 길드 10

# The party command list of the current city: Space chooses the party.
command_press 명령 ' 명령 창'
list=$(wait_window ' 명령 창')
keys_to "$list" space
shot ' 명령 창' command_list
keys_to "$list" Tab space
move=$(wait_window '도시간 이동' 20)
shot '도시간 이동' move_window
keys_to "$move" Escape
wait_gone '도시간 이동' 10
# From "이동" to "모험".
keys_to "$list" Tab space
dispatch=$(wait_window '모험 명령' 20)
# "던젼" is the fourth kind; its first dungeon, one level deep.
keys_to "$dispatch" Down Down Down Down Tab Down
shot '모험 명령' dispatch
# Enter in a field sends nobody: "시작" is reached backwards, past "취소", and pressed.
keys_to "$dispatch" Return
sleep 1
[ -n "$(visible '모험 명령')" ] || fail "Enter in the target field sent the party"
keys_to "$dispatch" shift+Tab shift+Tab shift+Tab Return
wait_gone '모험 명령' 10
keys_to "$list" Escape
wait_gone ' 명령 창' 10

# Turns end until the party is back in town, as a save of each turn tells.
home=""
for turn in $(seq 12); do
    command_press 완료 "$message_box"
    keys_to "$(wait_window "$message_box")" Return
    save_into 9
    [ -f "$work/game/data/save/save9/prt1.prt" ] || fail "the party was lost in the dungeon"
    if [ "$(party_line 9 1 21)" = FALSE ]; then
        home=$turn
        break
    fi
done
[ -n "$home" ] || fail "the party was still in the dungeon after 12 turns"
log "the party came home after $home turn(s); the guild holds $(save_line 9 6) gold"

# Equipment: an item of the guild's store to the party, if there is one.
command_press 장비 장비
equip=$(wait_window 장비)
shot 장비 equipment
if tail -n 100 "$work/game/data/save/save9/mainsave.sav" | tr -d '\r' | grep -qv '^0$'; then
    # The party, then the item; Enter is "장착".
    keys_to "$equip" space Tab space Return
    sleep 0.5
    shot 장비 equipment_equipped
    equipped=yes
else
    log "the guild owns no item: nothing to equip"
    equipped=no
fi
keys_to "$equip" Escape
wait_gone 장비 10

# The trading post: the first contract, taken by the party.
command_press 교역소 교역소
post=$(wait_window 교역소)
keys_to "$post" space
shot 교역소 trading_post
keys_to "$post" Return
for _ in $(seq 50); do
    [ -n "$(visible '선택하십시오.')" ] && break
    sleep 0.2
done
if [ -n "$(visible '선택하십시오.')" ]; then
    chooser=$(wait_window '선택하십시오.')
    shot '선택하십시오.' chooser_party
    keys_to "$chooser" space Return
    wait_gone '선택하십시오.' 10
    answer_boxes
    contract=yes
else
    log "the trading post offers no contract"
    contract=no
fi
keys_to "$post" Escape
wait_gone 교역소 10

# Saved into slot 1: the party as it was made.
save_into 1
[ "$(party_line 1 1 36)" = "$party_name" ] || fail "the party is called \"$(party_line 1 1 36)\""
members=0
for line in 1 2 3 4 5 6 7 8 9; do
    [ "$(party_line 1 1 $line)" = 0 ] || members=$((members + 1))
done
[ "$members" -eq 3 ] || fail "the party has $members members, not 3"
[ "$(party_line 1 1 14)" = 3 ] || fail "the third member is not in the middle of the formation"
[ "$(party_line 1 1 12)" = 0 ] || fail "the third member still stands at its old place"
if [ "$equipped" = yes ]; then
    [ "$(party_line 1 1 32)" != 0 ] || fail "the party carries no item after \"장착\""
fi
if [ "$contract" = yes ]; then
    [ "$(party_line 1 1 22)" = 100 ] || fail "the party is not on the transport it took"
fi
mkdir -p "$work/before"
cp "$work/game/data/save/save1"/prt*.prt "$work/before/"

# Back to the title, and slot 1 loaded.
map=$(wait_window '로반햄 대륙 서남부')
keys_to "$map" ctrl+x
answer_until 'Orrowvale 0.9a' Escape 60
load_first_slot
wait_window '도시 명령' >/dev/null
command_focus=7

# The loaded game saved into slot 2 holds the same parties, file for file.
save_into 2
for file in "$work/before"/prt*.prt; do
    cmp -s "$file" "$work/game/data/save/save2/$(basename "$file")" ||
        fail "$(basename "$file") differs after the load: $(diff <(iconv -f CP949 -t UTF-8 "$file") \
            <(iconv -f CP949 -t UTF-8 "$work/game/data/save/save2/$(basename "$file")") | tr '\n' ' ')"
done
[ "$(ls "$work/game/data/save/save2"/prt*.prt | wc -l)" -eq "$(ls "$work/before"/prt*.prt | wc -l)" ] ||
    fail "the loaded game has another number of parties"
log "party \"$party_name\" of $members members kept its formation through a save and a load"
log "screenshots in $out"
