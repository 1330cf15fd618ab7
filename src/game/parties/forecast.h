#pragma once

// What a mission can bring, found by playing it out: the mission is started on a
// copy of the game and played turn by turn by the very rules that will play it, many
// times over with dice of their own, and what came of each play is counted. So the
// numbers the player reads before sending a party are what the rules then do. The
// game itself, its dice included, is never touched.

#include <cstdint>
#include <optional>
#include <string>

#include "parties/dispatch.h"
#include "parties/risk.h"

namespace orrowvale {

struct Game;
struct TradeGood;

// The least and the most one mission brought in the plays.
struct Spread {
    std::int64_t least = 0;
    std::int64_t most = 0;
};

struct MissionForecast {
    int plays = 0;
    // A member died in a play (the whole party, or the main character, among them).
    double lossChance = 0.0;
    // The party came home with gold or fame.
    double successChance = 0.0;
    // Paid to the guild, before costs, and the three fames together: what the plays
    // brought, widened to what the rules can pay where they bound it (a dungeon's
    // treasure, a search's lines), and what the plays alone brought.
    Spread gold;
    Spread goldSeen;
    Spread fame;
    Spread fameSeen;
    // What a play brought on average: gold before costs, and fame.
    double meanGold = 0.0;
    double meanFame = 0.0;
    Spread cost;   // upkeep the guild paid meanwhile
    Spread turns;  // until the party was home, or gone
};

// How many times a forecast plays the mission. The chances it shows are then within
// some 7 points of the truth 19 times in 20.
inline constexpr int kForecastPlays = 200;
// A mission still going after this many turns is counted as it stands.
inline constexpr int kForecastTurns = 300;

// The mission of a dispatch window's target for `party`, with the number as
// numberForTarget takes it. Nothing when the party may not go or the target is not
// open where it stands.
std::optional<MissionForecast> forecastErrand(Game& game, int party, Errand kind, int target,
                                              int number, int plays = kForecastPlays);
// A transport contract of the trading post for `party`.
std::optional<MissionForecast> forecastTransport(Game& game, int party, const TradeGood& good,
                                                 int plays = kForecastPlays);

// The risk a forecast shows: its chance that a member dies, and the word for it.
MissionRisk forecastRisk(const MissionForecast& forecast);

// "80~320gp", or "80gp" when every play gave the same.
std::string spreadText(const Spread& spread, const char* unit);
// What a forecast shows of gold or fame: "0~1000gp (대개 120~600gp)" when the rules
// can pay more than the plays brought, else as spreadText.
std::string boundedText(const Spread& can, const Spread& seen, const char* unit);
// "62%": a chance as the windows show it, in whole percent.
std::string percentText(double chance);

}  // namespace orrowvale
