#pragma once

#include <optional>
#include <string>

#include "parties/dispatch.h"

namespace orrowvale {

struct Game;
struct GameState;
struct TradeGood;

// How dangerous a mission is for one party: the chance that it loses at least one
// member before it comes home, worked out from the same numbers the fights and
// transports roll against (the party's ratings, the monsters' attack and defence,
// the encounter chances, the turns), and the word the windows show for it.
enum class RiskLevel { Low, Moderate, High, VeryHigh };
inline constexpr const char* kRiskWords[] = {"낮음", "보통", "높음", "매우 높음"};

struct MissionRisk {
    RiskLevel level = RiskLevel::Low;
    double lossChance = 0.0;  // 0..1
};

// The word for a chance: below 5 % low, below 20 % moderate, below 50 % high.
RiskLevel riskLevelFor(double lossChance);
// "보통 (12%)": the word and the chance behind it.
std::string riskText(const MissionRisk& risk);

// The risk of sending `party` on a target of the dispatch window, with the number
// field as it would be sent (the turns of a search, the deepest level of a dungeon).
// Nothing when the target is not open where the party stands.
std::optional<MissionRisk> errandRisk(Game& game, int party, Errand kind, int target,
                                      int numberField);
// The risk of `party` carrying the goods of a contract.
MissionRisk transportRisk(const GameState& state, int party, const TradeGood& good);

// Whether the player is asked before the party leaves: it holds the main
// character and the risk is high or worse.
bool asksBeforeRisk(const GameState& state, int party, const MissionRisk& risk);
inline constexpr const char* kMainCharacterRiskQuestion =
    "주인공이 죽으면 게임이 끝납니다. 그래도 보내시겠습니까?";

// What the files promise for a target of the dispatch window: gold and fame written
// in a quest, search or war file, the monsters' fame in a dungeon's levels.
struct PromisedReward {
    long long gold = 0;
    long long fame = 0;
};
// How long the mission lasts in turns (quests and searches) or levels (dungeons);
// 0 when the file does not say.
struct ErrandOutline {
    int length = 0;
    PromisedReward reward;
};
std::optional<ErrandOutline> errandOutline(Game& game, int party, Errand kind, int target,
                                           int numberField);

}  // namespace orrowvale
