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
# What the reader says when the map has the keyboard.
MAP_HEARD = "list: 지도"


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


def straight_back(player, since, leaving):
    """The reader said nothing of the map since the mark SINCE, as the keyboard
    went back from LEAVING."""
    player.settle(quiet=0.6)
    heard = player.heard_since(since)
    if not heard:
        raise Lost(f"the reader said nothing as the keyboard went back from {leaving}")
    passed = [said for said in heard if said.startswith(MAP_HEARD)]
    if passed:
        raise Lost(f"leaving {leaving}, the keyboard went by way of the map")


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


def refused_button(player, name, reason):
    """Tab reaches the button NAME that cannot be pressed yet: the reader says it is
    unavailable and why, and Enter on it leaves the window as it was."""
    button = player.tab_to(name, role="push button")
    said = player.where()
    if reason not in said or button.getState().contains(pyatspi.STATE_ENABLED):
        raise Lost(f'the refused "{name}" reads {said!r}, not unavailable with "{reason}"')
    log(f"refused: {said}")
    window = player.active().name
    player.press("Return")
    if player.active().name != window:
        raise Lost(f'Enter on the refused "{name}" opened {player.active().name}')


def leader_read(player):
    """Tab reaches the leader of the chosen party in party setup."""
    for _ in range(40):
        node = player.focus()
        if node is not None and node.description == "리더명":
            log(f"leader: {player.where()}")
            return node.name
        player.press("Tab")
    raise Lost(f"Tab never reached the leader; the reader is at {player.where()}")


def form_party(player, members=3):
    player.press_button("길드 관리", then="길드")
    player.press_button("파티 구성", then="파티 구성")
    refused_button(player, "추가", "파티를 먼저 고르십시오.")
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
    leader = next(name for name in standing if "(리더)" in name)
    if leader_read(player) not in leader:
        raise Lost(f"the leader read is not the formation's {leader}")
    player.press("Escape")
    player.wait_window("길드")
    mark = player.mark()
    player.press("Escape")
    command_window(player)
    straight_back(player, mark, "the guild window")


def overview(player):
    """The party overview (Ctrl+P) read and closed."""
    player.press("ctrl+p")
    player.wait_window("파티 현황")
    log(f"overview: {player.where()}")
    mark = player.mark()
    player.press("Escape")
    command_window(player)
    straight_back(player, mark, "the party overview")


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
    mark = player.mark()
    window = player.wait_window(MESSAGE_BOX)
    player.answer(window)
    command_window(player)
    # After the turn's last box the keyboard is on "완료" again, for the next turn.
    straight_back(player, mark, "the turn's boxes")
    if player.focus() is None or player.focus().name != "완료":
        raise Lost(f"after the turn the keyboard is at {player.where()}, not on 완료")


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
    mark = player.mark()
    player.press("Return")
    window = player.active()
    if window is not None and re.fullmatch(MESSAGE_BOX, window.name):
        player.answer(window)
    command_window(player)
    straight_back(player, mark, "the save window")
    note = player.read("알림")
    if note != "저장했습니다.":
        raise Lost(f"after the save the status panel says {note!r}")
    if not any("저장했습니다." in said for said in player.heard_since(mark)):
        raise Lost("the reader never said 저장했습니다.")


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
    # The second slot is empty: its box is read, then the first is loaded.
    player.press("Down")
    log(f"load: {player.where()}")
    player.press("Return")
    said = player.answer(player.wait_window(MESSAGE_BOX))
    if "빈 슬롯" not in said:
        raise Lost(f"an empty slot said {said!r}")
    player.wait_window("파일 읽기")
    player.press("Up")
    log(f"load: {player.where()}")
    mark = player.mark()
    player.press("Return")
    command_window(player)
    return mark


def logged(player, words):
    """The log (Ctrl+L) holds WORDS."""
    player.press("ctrl+l")
    player.wait_window("기록")
    text = player.find("기록", role="text")
    kept = text is not None and words in text.queryText().getText(0, -1)
    player.press("Escape")
    command_window(player)
    return kept


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
        overview(player)
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
        loading = leave_and_load(player)
        _, loaded_turn = status(player)
        if loaded_turn != turn:
            raise Lost(f"the loaded game is at turn {loaded_turn}, not {turn}")
        gold_said = [said for said in player.heard_since(loading) if "자금" in said]
        if len(gold_said) != 1:
            raise Lost(f"the load and Ctrl+I said the gold {len(gold_said)} times: {gold_said}")
        if not logged(player, "빈 슬롯입니다"):
            raise Lost("the empty slot's box is missing from the loaded game's log")
        log(f"slot 1 loaded back at turn {turn}")
    except Lost as lost:
        print(f"reader: lost: {lost}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
