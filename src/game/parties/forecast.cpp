#include "parties/forecast.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include "Presenter.h"
#include "game.h"
#include "parties/missions.h"
#include "parties/party.h"
#include "parties/partycommands.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

// The player's part in a play nobody sees: every box closed, every question given
// the answer it offers.
class UnseenPresenter : public Presenter {
  public:
    void inform(const std::string&) override {}
    bool confirm(const std::string&, DefaultAnswer offered) override {
        return offered == DefaultAnswer::Yes;
    }
    void announce(const std::string&, const std::string&, int) override {}
    void talk(const std::string&, const std::string&) override {}
    void ending(const std::string&) override {}
    void refreshStatus() override {}
    void enableGuildButtons() override {}
    bool keepPlayingTurns(int) override { return true; }
    bool gathersTurnReports() const override { return true; }
    void showTurnReport(const std::vector<TurnNews>&) override {}
};

// The plays' dice: the same choice shows the same numbers each time it is looked at.
constexpr std::uint64_t kFirstSeed = 0x6f72726f77ULL;

void widen(Spread& spread, std::int64_t value, bool first) {
    spread.least = first ? value : std::min(spread.least, value);
    spread.most = first ? value : std::max(spread.most, value);
}

// What the rules can pay a party just sent, where they bound it: gold up to the
// treasure of the levels ahead of a dungeon party; gold and fame of a search's lines
// over all its turns. Elsewhere, and for a file too broken to read (the plays report
// where), nothing beyond the plays.
struct RulesBound {
    std::optional<Spread> gold;
    std::optional<Spread> fame;
};

RulesBound rulesBound(Game& game, int party) try {
    const TParty& p = game.state.parties[party];
    if (p.missionKind == kDungeonMission)
        return {Spread{0, p.missionGold + treasureStillAhead(game, party)}, std::nullopt};
    if (p.missionKind != kSearchMission) return {};
    const SearchTurnBound perTurn = searchTurnBound(game, party);
    const auto overTurns = [&](const PerTurnBound& bound) {
        return Spread{bound.least * p.missionValue, bound.most * p.missionValue};
    };
    return {overTurns(perTurn.gold), overTurns(perTurn.fame)};
} catch (const DataError&) {
    return {};
}

// The plays' spread, widened to the rules' bound when there is one.
Spread widenedTo(const std::optional<Spread>& bound, const Spread& seen) {
    if (!bound) return seen;
    return {std::min(bound->least, seen.least), std::max(bound->most, seen.most)};
}

// Plays the mission `start` sets off, `plays` times, each on a copy of the game.
// A search keeps the upkeep it paid with the party (see searchHaulText).
MissionForecast playOut(Game& game, int party, int plays,
                        const std::function<void(GameState&)>& start) {
    const GamePaths::ReadCache sameFilesOnce(game.paths);
    UnseenPresenter unseen;
    MissionForecast forecast;
    forecast.plays = plays;
    int lost = 0;
    int gained = 0;
    double totalGold = 0.0;
    RulesBound bound;
    double totalFameGained = 0.0;
    // One copy, written over for each play: its texts keep their room, which halves
    // what a play costs.
    auto state = std::make_unique<GameState>(game.state);
    for (int play = 0; play < plays; ++play) {
        if (play > 0) *state = game.state;
        Dice dice(kFirstSeed + static_cast<std::uint64_t>(play));
        Game played(*state, game.paths, dice, unseen);
        start(*state);
        if (play == 0) bound = rulesBound(played, party);
        const TParty& p = state->parties[party];
        const bool paysUpkeep = p.missionKind == kSearchMission;
        const int members = memberCount(*state, party);
        const std::int64_t goldBefore = state->gold;
        const std::int64_t fameBefore = totalFame(*state);
        std::int64_t cost = 0;
        int turns = 0;
        // The main character's death ends the game, and so the play.
        while (turns < kForecastTurns && stillStanding(*state, party) && p.onMission &&
               !played.mainCharacterDied) {
            ++turns;
            missionStep(played, party);
            // A party wiped out is cleared with what it carried: the upkeep is read
            // while it stands.
            if (paysUpkeep && stillStanding(*state, party)) cost = p.missionRisk;
        }
        const bool standing = stillStanding(*state, party);
        const std::int64_t gold = state->gold - goldBefore + cost;
        const std::int64_t fame = totalFame(*state) - fameBefore;
        totalGold += static_cast<double>(gold);
        totalFameGained += static_cast<double>(fame);
        lost += !standing || played.mainCharacterDied || memberCount(*state, party) < members;
        gained += standing && (gold > 0 || fame > 0);
        widen(forecast.goldSeen, gold, play == 0);
        widen(forecast.fameSeen, fame, play == 0);
        widen(forecast.cost, cost, play == 0);
        widen(forecast.turns, turns, play == 0);
    }
    if (plays > 0) {
        forecast.lossChance = static_cast<double>(lost) / plays;
        forecast.successChance = static_cast<double>(gained) / plays;
        forecast.meanGold = totalGold / plays;
        forecast.meanFame = totalFameGained / plays;
    }
    forecast.gold = widenedTo(bound.gold, forecast.goldSeen);
    forecast.fame = widenedTo(bound.fame, forecast.fameSeen);
    return forecast;
}

}  // namespace

std::optional<MissionForecast> forecastErrand(Game& game, int party, Errand kind, int target,
                                              int number, int plays) {
    const GameState& state = game.state;
    if (!canMoveOrDispatch(state, party) ||
        !offers(openTargets(state, kind, state.parties[party].location), target))
        return std::nullopt;
    const int sent = numberForTarget(game, party, kind, target, number);
    return playOut(game, party, plays,
                   [&](GameState& copy) { startErrand(copy, party, kind, target, sent); });
}

std::optional<MissionForecast> forecastTransport(Game& game, int party, const TradeGood& good,
                                                 int plays) {
    if (!canMoveOrDispatch(game.state, party)) return std::nullopt;
    return playOut(game, party, plays, [&](GameState& copy) {
        startTransport(copy, party, good.name, good.pay, good.ambushRisk, good.cargoRisk,
                       good.turns);
    });
}

MissionRisk forecastRisk(const MissionForecast& forecast) {
    return {riskLevelFor(forecast.lossChance), forecast.lossChance};
}

std::string spreadText(const Spread& spread, const char* unit) {
    if (spread.least == spread.most) return std::to_string(spread.least) + unit;
    return std::to_string(spread.least) + "~" + std::to_string(spread.most) + unit;
}

std::string boundedText(const Spread& can, const Spread& seen, const char* unit) {
    const std::string text = spreadText(can, unit);
    if (can.least == seen.least && can.most == seen.most) return text;
    return text + " (대개 " + spreadText(seen, unit) + ")";
}

std::string percentText(double chance) {
    return std::to_string(static_cast<int>(std::lround(chance * 100))) + "%";
}

}  // namespace orrowvale
