#!/usr/bin/python3
"""Plays the running game PID as a blind player: key presses only, every value
read through AT-SPI. From the title: a random game; the gold and the date from
the status panel; the home city chosen on the map; the pub, a talk with each
adventurer until one joins or none is left; a party founded in party setup with
its members chosen in the chooser; the party sent into a dungeon from the city's
command list; turns ended until it is home again; a save; back to the title; the
save loaded and its date read again.

    e2e_reader.py PID
"""
import re
import sys
import time

import pyatspi

from blindplayer import BlindPlayer, Lost

MESSAGE_BOX = r".* - (알림|질문|오류)"
TURN_REPORT = "이번 턴의 소식"
MAP = r"로반햄 대륙 서남부"


def log(line):
    print(f"reader: {line}", flush=True)


def answer_everything(player, until, seconds=120):
    """Reads and answers what the game says (boxes, dialogue, story) until the
    window UNTIL has the keyboard."""
    pattern = re.compile(until)
    deadline = time.time() + seconds
    while time.time() < deadline:
        window = player.active()
        name = window.name if window is not None else ""
        if pattern.fullmatch(name):
            return window
        if re.fullmatch(MESSAGE_BOX, name) or name in ("대화", TURN_REPORT):
            player.answer(window)
        elif window is not None and window.getRoleName() == "dialog" and name not in ("",):
            # An announcement: Escape closes the story text once read.
            story = player.focus()
            if story is not None and story.name == "이야기":
                log(f"  [{name}] {player.read('이야기')[:60]}...")
                player.press("Escape")
            else:
                time.sleep(0.3)
        else:
            time.sleep(0.3)
    raise Lost(f'"{until}" never came; the reader is at {player.where()}')


def command_window(player):
    """Back in the command window, answering whatever a turn or a window said."""
    answer_everything(player, "도시 명령")


def status(player):
    """The gold and the turn, read from the status panel reached with Ctrl+I."""
    player.press("ctrl+i")
    player.wait_window("길드 현황")
    gold, turn = player.read("자금"), player.read("턴")
    player.press("Escape")
    return int(gold), int(turn)


def new_random_game(player):
    player.wait_window(r"Orrowvale .*", 90)
    log(f"title: {player.where()}")
    player.press("Return")
    player.press("Return")  # the menu's first entry: New Game
    player.wait_window("새 게임")
    player.press_button("랜덤 플레이")
    command_window(player)


def choose_home_city(player):
    """The map by keyboard: Ctrl+M from the command window puts it on the main
    character's city; Enter opens the city's parties."""
    player.press("ctrl+m")
    player.wait_window(MAP)
    city = player.focus()
    if city is None or "주인공" not in city.name:
        raise Lost(f"the map did not start on the main character's city: {player.where()}")
    log(f"map: {player.where()}")
    player.press("Return")
    return city.name.split(",")[0]


def talk_in_pub(player):
    """Talks with every adventurer of the pub in turn, asking each to join,
    until one says yes; returns the name of who joined, or None."""
    player.press_button("주점")
    answer_everything(player, "주점")
    joined = None
    player.press_button("모험가들과 대화", then="주점 손님")
    talked = set()
    for _ in range(6):
        rows = player.items()
        for _ in rows:
            if player.focus().name not in talked:
                break
            player.press("Down")
        adventurer = player.focus().name
        if not rows or adventurer in talked:
            break
        talked.add(adventurer)
        player.press("Return")
        player.wait_window("모험가와 대화")
        log(f"talk: {player.read('모험가의 말')!r}")
        player.press_button("어떤 종류의 모험가이십니까?")
        log(f"  job: {player.read('모험가의 말')!r}")
        join = player.find("저희 길드에 들어오시겠습니까?")
        if join is not None and join.getState().contains(pyatspi.STATE_ENABLED):
            player.press_button("저희 길드에 들어오시겠습니까?")
            window = player.active()
            if window is not None and re.fullmatch(MESSAGE_BOX, window.name):
                said = player.answer(window)
                joined = adventurer
                log(f"  joined: {said}")
                answer_everything(player, "주점 손님|모험가와 대화")
            else:
                log(f"  join: {player.read('모험가의 말')!r}")
        if player.active().name == "모험가와 대화":
            player.press("Escape")
        player.wait_window("주점 손님")
        if joined:
            break
    player.press("Escape")
    player.wait_window("주점")
    player.press_button("나가기")
    command_window(player)
    return joined


def form_party(player, members=3):
    player.press_button("길드 관리", then="길드")
    player.press_button("파티 구성", then="파티 구성")
    player.press_button("새로운 파티")
    answer_everything(player, "선택하십시오.")
    log(f"chooser: {player.where()}")
    player.press("Return")
    player.wait_window("파티 구성")
    for _ in range(members - 1):
        player.press_button("추가", then="선택하십시오.")
        player.press("Return")
        player.wait_window("파티 구성")
    # Each place of the formation says who stands there: "정면 왼쪽: 상우(리더)".
    standing = [name for name in player.names("check box") if ": " in name]
    log(f"formation: {', '.join(standing)}")
    if len(standing) != members or not any("(리더)" in name for name in standing):
        raise Lost(f"the formation reads {standing}, not {members} members with a leader")
    player.press("Escape")
    player.wait_window("길드")
    player.press("Escape")
    command_window(player)


def dispatch(player):
    """The party into the first dungeon of its city, one level deep."""
    player.press_button("명령", then=r"명령 창.*")
    player.press("Down")
    log(f"parties: {player.where()}")
    player.press_button("모험", then="모험 명령")
    player.tab_to("종류", role="combo box")
    for _ in range(6):
        if player.focus().description.startswith("던젼"):
            break
        player.press("Down")
    player.tab_to("목표", role="combo box")
    player.press("Down")
    log(f"dispatch: {player.where()}")
    player.press_button("시작")
    answer_everything(player, r"명령 창.*")
    log(f"parties: {player.where()}")
    player.press("Escape")
    command_window(player)


def end_turn(player):
    player.press_button("완료")
    window = player.wait_window(MESSAGE_BOX)
    player.answer(window)
    command_window(player)


def waiting_parties(player, city):
    """The parties waiting in CITY, as the map names it."""
    player.press("ctrl+m")
    player.wait_window(MAP)
    player.press("Home")
    name = player.focus().name
    if not name.startswith(city):
        raise Lost(f"Home on the map went to {name}, not {city}")
    player.press("Escape")
    command_window(player)
    waiting = re.search(r"파티 (\d+)", name)
    return int(waiting.group(1)) if waiting else 0


def save_into_first_slot(player):
    player.press("ctrl+s")
    player.wait_window("저장")
    log(f"save: {player.where()}")
    player.press("Return")
    window = player.active()
    if window is not None and re.fullmatch(MESSAGE_BOX, window.name):
        player.answer(window)
    command_window(player)
    note = player.read("알림")
    if note != "저장했습니다.":
        raise Lost(f"after the save the status panel says {note!r}")


def leave_and_load(player):
    player.press("ctrl+x")
    window = player.wait_window(MESSAGE_BOX)
    log(f"leave: {player.where()}")
    player.press_button("예")
    player.wait_window(r"Orrowvale .*")
    player.press("Return")
    player.press("Down")  # past 새 게임 and 이어하기, if offered, to 불러오기
    while player.focus() is not None and not player.focus().name.startswith("불러오기"):
        player.press("Down")
    player.press("Return")
    player.wait_window("파일 읽기")
    log(f"load: {player.where()}")
    player.press("Return")
    command_window(player)


def main():
    player = BlindPlayer(int(sys.argv[1]), log)
    try:
        new_random_game(player)
        gold, turn = status(player)
        log(f"a random game with {gold} gold at turn {turn}")
        command_window(player)
        talk_in_pub(player)
        home = choose_home_city(player)
        answer_everything(player, r"명령 창.*")
        player.press("Escape")
        player.wait_window(MAP)
        player.press("Escape")
        command_window(player)
        form_party(player)
        dispatch(player)
        for turns in range(1, 16):
            end_turn(player)
            if waiting_parties(player, home) > 0:
                break
        else:
            raise Lost("the party was not home after 15 turns")
        gold_back, turn = status(player)
        log(f"the party is home after {turns} turn(s); the guild holds {gold_back} gold")
        command_window(player)
        save_into_first_slot(player)
        end_turn(player)
        leave_and_load(player)
        _, loaded_turn = status(player)
        if loaded_turn != turn:
            raise Lost(f"the loaded game is at turn {loaded_turn}, not {turn}")
        log(f"slot 1 loaded back at turn {turn}")
    except Lost as lost:
        print(f"reader: lost: {lost}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
