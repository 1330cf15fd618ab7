#include "parties/errandsummary.h"

#include "game.h"
#include "parties/risk.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

std::string lengthText(Errand kind, int length) {
    if (kind == Errand::Dungeon) return "깊이: " + std::to_string(length) + "층";
    if (length <= 0) return "기간: 끝날 때까지";
    return kLengthPrefix + std::to_string(length) + "턴";
}

std::string rewardLine(const PromisedReward& reward) {
    return "보수: " + std::to_string(reward.gold) + "gp, 명성 " + std::to_string(reward.fame);
}

}  // namespace

std::optional<ErrandSummary> errandSummary(Game& game, int party, Errand kind, int target,
                                           int numberField) {
    const std::optional<ErrandOutline> outline =
        errandOutline(game, party, kind, target, numberField);
    const std::optional<MissionRisk> risk = errandRisk(game, party, kind, target, numberField);
    if (!outline || !risk) return std::nullopt;
    const int city = game.state.parties[party].location;
    ErrandSummary summary;
    summary.where = kWherePrefix + game.state.cityNames[city];
    summary.length = lengthText(kind, outline->length);
    summary.reward = rewardLine(outline->reward);
    summary.risk = kRiskPrefix + riskText(*risk);
    return summary;
}

std::string missingSitesNote(const GameState& state, Errand kind, int city) {
    if (!openTargets(state, kind, city).empty()) return {};
    if (kind == Errand::Dungeon) return kNoDungeonHere;
    if (kind == Errand::Search) return kNoSearchSiteHere;
    return {};
}

}  // namespace orrowvale
