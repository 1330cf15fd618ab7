#include "parties/errandsummary.h"

#include "game.h"
#include "parties/forecast.h"
#include "parties/missions.h"
#include "parties/party.h"
#include "parties/risk.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

std::string lengthText(Errand kind, int depth, const Spread& turns) {
    std::string played = spreadText(turns, "턴");
    if (turns.most >= kForecastTurns) played += " 이상";
    if (kind == Errand::Dungeon) return "깊이: " + std::to_string(depth) + "층 (" + played + ")";
    return kLengthPrefix + played;
}

std::string rewardText(const MissionForecast& forecast) {
    return "보수: " + boundedText(forecast.gold, forecast.goldSeen, "gp") + ", 명성 " +
           boundedText(forecast.fame, forecast.fameSeen, "");
}

// A search pays its upkeep every turn it is out.
std::string costText(const GameState& state, int party, Errand kind,
                     const MissionForecast& forecast) {
    if (kind != Errand::Search) return {};
    return "비용: 턴당 " + std::to_string(searchUpkeep(state, party)) + "gp (" +
           std::to_string(kSearchUpkeepPerMember) + "gp × " +
           std::to_string(memberCount(state, party)) + "명), 모두 " +
           spreadText(forecast.cost, "gp");
}

}  // namespace

std::optional<ErrandSummary> errandSummary(Game& game, int party, Errand kind, int target,
                                           int number) {
    // What is shown is what "시작" would send.
    const int sent = numberForTarget(game, party, kind, target, number);
    const std::optional<MissionForecast> forecast = forecastErrand(game, party, kind, target, sent);
    if (!forecast) return std::nullopt;
    const GameState& state = game.state;
    ErrandSummary summary;
    summary.where = kWherePrefix + state.cityNames[state.parties[party].location];
    summary.length = lengthText(kind, sent, forecast->turns);
    summary.reward = rewardText(*forecast);
    summary.cost = costText(state, party, kind, *forecast);
    summary.risk = kRiskPrefix + riskText(forecastRisk(*forecast));
    summary.success = kSuccessPrefix + percentText(forecast->successChance);
    return summary;
}

std::string missingSitesNote(const GameState& state, Errand kind, int city) {
    if (!openTargets(state, kind, city).empty()) return {};
    if (kind == Errand::Dungeon) return kNoDungeonHere;
    if (kind == Errand::Search) return kNoSearchSiteHere;
    return {};
}

}  // namespace orrowvale
