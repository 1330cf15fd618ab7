#pragma once

#include <vector>

#include "listrow.h"

namespace orrowvale {

class Dice;
struct Game;
struct GameState;

// Who sits in the pub right now: every adventurer standing in the current city who
// is not away with a party and is not the main character shows with a chance of 30
// in 100 (one d100 for each such adventurer, in number order). Guild members are
// there like anyone else. The numbers come back in number order.
std::vector<int> rollPresentAdventurers(const GameState& state, Dice& dice);

// The pub's adventurer list as it opens: a company is rolled (see
// rollPresentAdventurers), each row an adventurer's number and name. It stays as it
// is while the list is in front; "대화" talks only with someone on a row.
ListRows rollPubCompany(Game& game);
// "안녕히 계십시오.": the conversation closes, and the list, in front again, shows a
// new company, since people came and went meanwhile.
ListRows endConversation(Game& game);

// The tooltip of "대화" while no row of the list is chosen.
inline constexpr const char* kChooseAdventurerFirst = "모험가를 먼저 고르십시오.";
// ... and while nobody is there to choose.
inline constexpr const char* kNobodyInThePub = "지금 주점에는 모험가가 없습니다.";

}  // namespace orrowvale
