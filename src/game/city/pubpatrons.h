#pragma once

#include <vector>

namespace orrowvale {

class Dice;
struct GameState;

// Who sits in the pub right now: every adventurer standing in the current city who
// is not away with a party and is not the main character shows with a chance of 30
// in 100 (one d100 for each such adventurer, in number order). Guild members are
// there like anyone else. The numbers come back in number order.
std::vector<int> rollPresentAdventurers(const GameState& state, Dice& dice);

// The tooltip of "대화" while no row of the list is chosen.
inline constexpr const char* kChooseAdventurerFirst = "모험가를 먼저 고르십시오.";
// ... and while nobody is there to choose.
inline constexpr const char* kNobodyInThePub = "지금 주점에는 모험가가 없습니다.";

}  // namespace orrowvale
