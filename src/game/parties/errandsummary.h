#pragma once

#include <optional>
#include <string>

#include "parties/dispatch.h"

namespace orrowvale {

struct Game;
struct GameState;

// What the dispatch window tells under its targets once a kind and a target are
// chosen, so the player knows what he sends the party into: where, how long, what
// the files promise and how dangerous it is for this party.
struct ErrandSummary {
    std::string where;   // "장소: 은빛나루"
    std::string length;  // "기간: 4턴", "깊이: 3층"
    std::string reward;  // "보수: 250gp, 명성 20"
    std::string risk;    // "위험: 보통 (12%)"
};
std::optional<ErrandSummary> errandSummary(Game& game, int party, Errand kind, int target,
                                           int numberField);

// Said instead of an empty list when the city has no site of the kind open.
inline constexpr const char* kNoDungeonHere = "이 도시에는 던전이 없습니다.";
inline constexpr const char* kNoSearchSiteHere = "이 도시에는 탐색할 곳이 없습니다.";
// The note for a kind in `city`; empty when it has targets there, or is a quest or
// a war, which are the world's and not a city's.
std::string missingSitesNote(const GameState& state, Errand kind, int city);

inline constexpr const char* kWherePrefix = "장소: ";
inline constexpr const char* kLengthPrefix = "기간: ";
inline constexpr const char* kRiskPrefix = "위험: ";

}  // namespace orrowvale
