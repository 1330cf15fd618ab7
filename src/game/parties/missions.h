#pragma once

#include <string>

#include "game.h"
#include "world/gamestate.h"

namespace orrowvale {

// The two steps the turn advance takes for each party: one turn along its route,
// and one turn of its mission, chosen by the mission kind. A data file that turns
// out broken during a mission ends that party's mission with a report naming the
// file and line; the turn goes on for the other parties.
void travelStep(Game& game, int party);
void missionStep(Game& game, int party);

// One turn of each mission kind.
void questTurn(Game& game, int party);
void searchTurn(Game& game, int party);
void warTurn(Game& game, int party);
void dungeonTurn(Game& game, int party);
void transportTurn(Game& game, int party);

// A party still standing: a wiped-out party is disbanded and its mission is over.
inline bool stillStanding(const GameState& state, int party) {
    return state.parties[party].inUse;
}

inline constexpr const char* kMissionDone = "모험을 마치고 귀환했습니다.";

// Ends the party's mission and tells the player "파티 ", its name with its subject
// particle, and `why`.
void returnHome(Game& game, int party, const std::string& why);

// The most the treasure of the levels still ahead can add to what a dungeon party
// has found: each level it may yet reach that no party has reached before pays up to
// its treasure limit.
std::int64_t treasureStillAhead(Game& game, int party);

// The least and the most a search party's file can pay in one turn, were every
// chance to fall that way: gold by its `:gp` lines, fame by its `:famadd` lines and
// the monsters of its fights.
struct PerTurnBound {
    std::int64_t least = 0;
    std::int64_t most = 0;
};
struct SearchTurnBound {
    PerTurnBound gold;
    PerTurnBound fame;
};
SearchTurnBound searchTurnBound(Game& game, int party);

// A dungeon party back in town: reports the gold it found and hands it to the guild.
void bringDungeonGoldHome(Game& game, int party);

// What a search party brought home, said after its return: the net gold and fame
// its search file gave (kept in `missionGold` and `missionLevel` while it searches),
// and the upkeep it paid (kept in `missionRisk`), as " 얻은 것: 130gp, 명성 7. 쓴 것:
// 150gp." or " 얻은 것은 없습니다.".
std::string searchHaulText(const TParty& party);

// The three fames together, as a mission's fame gain is counted.
std::int64_t totalFame(const GameState& state);

// Upkeep of a search party, per member and turn: paid at the end of each turn it
// searches; a guild that cannot pay it calls the party home.
inline constexpr int kSearchUpkeepPerMember = 10;
int searchUpkeep(const GameState& state, int party);

}  // namespace orrowvale
