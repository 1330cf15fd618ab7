#pragma once

#include <string>

namespace orrowvale {

struct GameState;

// How dangerous a mission is for one party: the chance that it loses at least one
// member before it comes home (a mission's forecast finds it by playing the mission
// out), and the word the windows show for it.
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

// Whether the player is asked before the party leaves: it holds the main
// character and the risk is high or worse.
bool asksBeforeRisk(const GameState& state, int party, const MissionRisk& risk);
inline constexpr const char* kMainCharacterRiskQuestion =
    "주인공이 죽으면 게임이 끝납니다. 그래도 보내시겠습니까?";

}  // namespace orrowvale
