#pragma once

#include <string>

#include "listrow.h"
#include "refusal.h"

namespace orrowvale {

struct Game;
struct GameState;

// The parties the party command list shows for a city: in use, standing there and
// not on the road, in party number order. A party on a mission is listed.
ListRows partiesInCity(const GameState& state, int city);

// Opens the party command list of a city: it becomes `commandCity`, and when no
// party stands there the player is told how to get one there. Returns the list's
// rows.
ListRows openCommandList(Game& game, int city);

// Why the chosen party may not be moved or sent on a mission, as the disabled
// "이동" and "모험" buttons say it. 0 is no party chosen.
Refusal whyPartyCannotLeave(const GameState& state, int party);
// Whether the chosen party may be moved or sent on a mission: not while it is on
// one.
bool canMoveOrDispatch(const GameState& state, int party);

// What the command list says of a party: that it awaits an order, or why it cannot
// leave and, away on a mission, where it went and when it is due back ("임무 중인
// 파티입니다. 던젼 옛 하수도: 지금 1층, 3층까지 내려갑니다.").
std::string partyStanding(const GameState& state, int party);
// Where a party on a mission went and when it comes back; empty for one at home.
std::string missionWhereabouts(const GameState& state, int party);

inline constexpr const char* kAwaitingOrders = "명령을 기다립니다.";
inline constexpr const char* kChoosePartyFirst = "파티를 먼저 고르십시오.";
inline constexpr const char* kPartyOnMission = "임무 중인 파티입니다.";
inline constexpr const char* kPartyTravelling = "이동 중인 파티입니다.";

// The four lines shown when no party stands in the chosen city.
inline constexpr const char* kNoPartyHere =
    "현재 선택하신 위치에 존재하는 파티가 없습니다.\r\n"
    "\r\n"
    "해결 방법: 1) 메인 캐릭터가 그 위치로 이동해서 새로운 파티 조직\r\n"
    "               2) 기존의 파티가 이 장소로 이동";

}  // namespace orrowvale
