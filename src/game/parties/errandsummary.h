#pragma once

#include <optional>
#include <string>

#include "parties/dispatch.h"

namespace orrowvale {

struct Game;
struct GameState;

// What the dispatch window tells under its targets once a kind and a target are
// chosen, so the player knows what he sends the party into: where, how long, what
// it can pay and cost, and how it may go for this party. Every number is the
// mission's forecast (see forecastErrand): what the rules did when it was played.
struct ErrandSummary {
    std::string where;    // "장소: 은빛나루"
    std::string length;   // "기간: 3~6턴", "깊이: 3층 (3~11턴)"
    std::string reward;   // "보수: 0~250gp, 명성 0~24"
    std::string cost;     // "비용: 턴당 30gp (10gp × 3명), 모두 30~150gp"; empty for none
    std::string risk;     // "위험: 보통 (12%)"
    std::string success;  // "성공 확률: 62%": the party comes home with gold or fame
};
std::optional<ErrandSummary> errandSummary(Game& game, int party, Errand kind, int target,
                                           int number);

// Said instead of an empty list when the city has no site of the kind open.
inline constexpr const char* kNoDungeonHere = "이 도시에는 던전이 없습니다.";
inline constexpr const char* kNoSearchSiteHere = "이 도시에는 탐색할 곳이 없습니다.";
// The note for a kind in `city`; empty when it has targets there, or is a quest or
// a war, which are the world's and not a city's.
std::string missingSitesNote(const GameState& state, Errand kind, int city);

inline constexpr const char* kWherePrefix = "장소: ";
inline constexpr const char* kLengthPrefix = "기간: ";
inline constexpr const char* kRiskPrefix = "위험: ";
inline constexpr const char* kSuccessPrefix = "성공 확률: ";

}  // namespace orrowvale
