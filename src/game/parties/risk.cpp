#include "parties/risk.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "world/gamestate.h"

namespace orrowvale {

RiskLevel riskLevelFor(double lossChance) {
    if (lossChance < 0.05) return RiskLevel::Low;
    if (lossChance < 0.20) return RiskLevel::Moderate;
    if (lossChance < 0.50) return RiskLevel::High;
    return RiskLevel::VeryHigh;
}

std::string riskText(const MissionRisk& risk) {
    const int percent = static_cast<int>(std::lround(risk.lossChance * 100));
    return std::string(kRiskWords[static_cast<int>(risk.level)]) + " (" + std::to_string(percent) +
           "%)";
}

bool asksBeforeRisk(const GameState& state, int party, const MissionRisk& risk) {
    if (risk.level < RiskLevel::High || !PartyTable::contains(party)) return false;
    const auto& members = state.parties[party].members;
    return state.mainchrnum != 0 &&
           std::find(members.begin(), members.end(), state.mainchrnum) != members.end();
}

}  // namespace orrowvale
