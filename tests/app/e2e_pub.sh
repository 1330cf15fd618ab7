#!/usr/bin/env bash
# Plays the real program under Xvfb: a random game, a left click on the home city
# of the map (no party yet: the four-line box, then the empty party command list),
# then the pub from the command window, a talk with an adventurer and a drink
# bought, which costs one gold piece, as the saves before and after tell.
# Leaves screenshots of the box, the command list, the pub, the adventurer list
# and the conversation in OUT.
#
#   e2e_pub.sh PROGRAM GAME_DIR OUT
set -euo pipefail

program=$1
source_game=$2
out=$3
# shellcheck source=e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

e2e_start 1
start_random_game

save_into 1
gold_before=$(save_line 1 6)
# Random play starts in the first city of the list.
city=1
log "a new random game in city $city with $gold_before gold"

# A left click in the middle of the city's rectangle on the map.
click_city "$city"
box=$(wait_window "$message_box" 20)
shot "$message_box" no_party_box
keys_to "$box" Return
list=$(wait_window ' 명령 창' 20)
shot ' 명령 창' command_list_empty
keys_to "$list" Escape
wait_gone ' 명령 창' 10

# "완료" has the keyboard in the command window; two Tabs reach "주점".
command_press 주점 주점
answer_boxes
pub=$(wait_window 주점)
shot 주점 pub
# "모험가들과 대화" has the keyboard.
keys_to "$pub" space
talk_list=$(wait_window '주점 손님' 20)
shot '주점 손님' pub_adventurers
# The first adventurer is chosen; Enter talks.
keys_to "$talk_list" Return
talk=$(wait_window '모험가와 대화' 20)
shot '모험가와 대화' conversation
# From "어떤 종류의 모험가이십니까?" past the invitation to "술을 산다".
keys_to "$talk" Tab Tab space
sleep 0.5
shot '모험가와 대화' conversation_drink
# The answer has the focus; "안녕히 계십시오." is just before it.
keys_to "$talk" shift+Tab space
wait_gone '모험가와 대화' 10
# Back on the list of adventurers: past "대화" to "닫기".
keys_to "$talk_list" Tab Tab space
wait_gone '주점 손님' 10
answer_boxes
# Past "명성 조사" and "소문 듣기" to "나가기".
keys_to "$pub" Tab Tab Tab space
wait_gone 주점 10
answer_boxes

save_into 2
gold_after=$(save_line 2 6)
[ "$gold_after" -eq $((gold_before - 1)) ] ||
    fail "a drink took the gold from $gold_before to $gold_after, not by one"
log "a drink in the pub cost one gold piece: $gold_before to $gold_after; screenshots in $out"
