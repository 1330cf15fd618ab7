#pragma once

#include <optional>

#include "listrow.h"
#include "refusal.h"

namespace orrowvale {

struct GameState;

// The parties overview (파티 현황): one row for every party in use, in party number
// order, numbered by the party. Its columns are the party's name, how many members
// it has, its leader, where it is (a city, or the road from one city to another),
// what it is doing (대기 중, travelling, a quest, a search, a dungeon level, a war, a
// transport) and the turns left where the game knows them ("-" where not).
ListRows partyOverviewRows(const GameState& state);

// The city whose command list holds `party`: the city it stands in, when the
// command list of that city lists it. Nothing for a party on the road or not in use.
std::optional<int> overviewCommandCity(const GameState& state, int party);
// Why the overview cannot open the commands of the chosen party (0 for none), as
// its disabled "명령" button says it.
Refusal whyNoCommandsFromOverview(const GameState& state, int party);

}  // namespace orrowvale
