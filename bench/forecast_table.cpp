// What the dispatch window and the trading post show before a party goes, against
// what came of sending it. Every mission open in the home city of the sample world's
// random start and first story start (its wars, searches, dungeons and transport
// contracts, and every quest of the world, each offered for the table) is
// taken by a weak, an average and a strong party of hired hands, each GAMES times on
// a copy of the game with dice of its own, and played by whole turns (the calendar,
// events and scenario included) until the party is home. Per pair it prints the risk
// and the success shown beside the share seen, and how many plays paid gold or fame,
// or lasted, outside the shown range. Times nothing; an author runs it after changing
// the rules or the world:
//
//   build/bench/orrowvale-forecast-table [GAMES] [KIND]
//
// KIND (quest, search, war, dungeon or transport) keeps the table to that kind.
// A pair is "ok" when the losses and the successes seen lie within 5 points, or 3
// standard errors, of what was shown.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game.h"
#include "guild/tradingpost.h"
#include "lifecycle/createworld.h"
#include "parties/dispatch.h"
#include "parties/forecast.h"
#include "parties/missions.h"
#include "parties/party.h"
#include "parties/turn.h"
#include "transcript.h"
#include "world/adventurer.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace {

using namespace orrowvale;

constexpr std::uint64_t kWorldSeed = 20261208;
constexpr int kPartySizes[] = {1, 3, 6};
constexpr const char* kPartyNames[] = {"weak", "average", "strong"};
constexpr int kLongestPlay = 300;
constexpr int kSearchTurns = 5;

// Parties 1 to 3 in the home city: the weakest hand alone, three middling hands, and
// the six strongest, none of them the main character.
void hireParties(GameState& state) {
    std::vector<int> hands;
    for (int n = 1; n <= kMaxAdventurers; ++n)
        if (!state.adventurers[n].isFree() && n != state.mainchrnum &&
            state.adventurers[n].isGuildMember == 0)
            hands.push_back(n);
    std::sort(hands.begin(), hands.end(), [&](int a, int b) {
        return abilityTotal(state.adventurers[a]) < abilityTotal(state.adventurers[b]);
    });
    const std::size_t middle = hands.size() / 2;
    const std::vector<std::vector<int>> chosen = {
        {hands.front()},
        {hands[middle - 1], hands[middle], hands[middle + 1]},
        std::vector<int>(hands.end() - 6, hands.end())};
    for (int party = 1; party <= 3; ++party) {
        TParty& p = state.parties[party];
        p.inUse = true;
        p.location = state.currentCity;
        p.partyName = kPartyNames[party - 1];
        for (int n : chosen[static_cast<std::size_t>(party - 1)]) {
            TAdven& a = state.adventurers[n];
            a.isGuildMember = 1;
            a.location = state.currentCity;
            a.busyFlag = 0;
            addMember(state, party, n);
        }
        p.leader = p.members[1];
    }
}

struct Seen {
    int lost = 0;
    int gained = 0;
    int goldOutside = 0;
    int fameOutside = 0;
    int turnsOutside = 0;
};

bool outside(const Spread& spread, std::int64_t value) {
    return value < spread.least || value > spread.most;
}

// Sends the party `games` times with `send` and plays whole turns until it is home.
Seen observe(const Game& game, int party, const MissionForecast& shown, int games,
             const std::function<bool(Game&)>& send) {
    Seen seen;
    for (int play = 0; play < games; ++play) {
        auto state = std::make_unique<GameState>(game.state);
        Dice dice(1000003ULL * static_cast<std::uint64_t>(play + 1));
        TranscriptPresenter presenter;
        Game played(*state, game.paths, dice, presenter);
        if (!send(played)) continue;
        const TParty& p = state->parties[party];
        const bool paysUpkeep = p.missionKind == kSearchMission;
        const int members = memberCount(*state, party);
        const std::int64_t gold = state->gold;
        const std::int64_t fame = totalFame(*state);
        std::int64_t cost = 0;
        int turns = 0;
        while (turns < kLongestPlay && p.inUse && p.onMission && !played.mainCharacterDied) {
            ++turns;
            advanceTurn(played, 1);
            if (paysUpkeep && p.inUse) cost = p.missionRisk;
        }
        const bool standing = p.inUse;
        const std::int64_t paid = state->gold - gold + cost;
        const std::int64_t famed = totalFame(*state) - fame;
        seen.lost += !standing || played.mainCharacterDied || memberCount(*state, party) < members;
        seen.gained += standing && (paid > 0 || famed > 0);
        seen.goldOutside += outside(shown.gold, paid);
        seen.fameOutside += outside(shown.fame, famed);
        seen.turnsOutside += outside(shown.turns, turns);
    }
    return seen;
}

// Within 5 points, or 3 standard errors of a share of `games`.
bool agrees(double shown, double seen, int games) {
    const double error = std::sqrt(std::max(shown * (1 - shown), 0.0025) / games);
    return std::fabs(shown - seen) <= std::max(0.05, 3 * error);
}

int pairs = 0;
int agreeing = 0;
std::string onlyKind;

bool wanted(const char* kind) {
    return onlyKind.empty() || onlyKind == kind;
}

void printRow(const std::string& mission, int party, const MissionForecast& shown, const Seen& seen,
              int games) {
    const double lost = static_cast<double>(seen.lost) / games;
    const double gained = static_cast<double>(seen.gained) / games;
    const bool ok =
        agrees(shown.lossChance, lost, games) && agrees(shown.successChance, gained, games);
    ++pairs;
    agreeing += ok;
    std::printf(
        "%-28s %-8s %5.0f%% %5.0f%%   %5.0f%% %5.0f%%   %-14s %4d   %-9s %4d   %-9s %4d   %s\n",
        mission.c_str(), kPartyNames[party - 1], shown.lossChance * 100, lost * 100,
        shown.successChance * 100, gained * 100, spreadText(shown.gold, "gp").c_str(),
        seen.goldOutside, spreadText(shown.fame, "").c_str(), seen.fameOutside,
        spreadText(shown.turns, "").c_str(), seen.turnsOutside, ok ? "ok" : "OFF");
}

// Every mission open in the home city of the start, for each of the three parties.
void tableOf(const GamePaths& paths, bool story, int games) {
    auto state = std::make_unique<GameState>();
    Dice dice(kWorldSeed);
    TranscriptPresenter presenter;
    Game game(*state, paths, dice, presenter);
    loadCityList(*state, paths);
    if (story)
        createStoryWorld(game, 0);
    else
        createRandomWorld(game);
    hireParties(*state);
    // Every quest of the world is offered, as the story offers them one by one.
    for (Quest& quest : state->quests)
        if (quest.name != kNone && quest.file != kNone) quest.active = 1;
    const int city = state->currentCity;
    std::printf(
        "\n%s start, home city %s: %d plays shown (the forecast), %d played by whole "
        "turns, per pair\n",
        story ? "story:0" : "random", state->cityNames[city].c_str(), kForecastPlays, games);
    std::printf("%-28s %-8s %6s %6s   %6s %6s   %-14s %4s   %-9s %4s   %-9s %4s\n", "mission",
                "party", "risk", "lost", "succ.", "seen", "gold shown", "out", "fame", "out",
                "turns", "out");
    for (int kind = 0; kind < 4; ++kind) {
        const auto errand = static_cast<Errand>(kind);
        if (!wanted(kErrandWords[kind])) continue;
        for (const ListRow& target : openTargets(*state, errand, city)) {
            for (int party = 1; party <= 3; ++party) {
                const int number = errand == Errand::Search ? kSearchTurns : kNumberFieldMax;
                const auto shown = forecastErrand(game, party, errand, target.number, number);
                if (!shown) continue;
                const Seen seen = observe(game, party, *shown, games, [&](Game& played) {
                    return dispatchParty(played, party, errand, target.number, number);
                });
                printRow(std::string(kErrandWords[kind]) + " " + target.text, party, *shown, seen,
                         games);
            }
        }
    }
    if (!wanted("transport")) return;
    for (const ListRow& contract : contractRows(*state)) {
        for (int party = 1; party <= 3; ++party) {
            const TradeGood& good = state->tradeGoods[city][contract.number];
            const auto shown = forecastTransport(game, party, good);
            if (!shown) continue;
            const Seen seen = observe(game, party, *shown, games, [&](Game& played) {
                return takeContract(played, contract.number,
                                    [party](const ListRows&) { return party; })
                    .has_value();
            });
            printRow("transport " + good.name, party, *shown, seen, games);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    // A row at a time: the table takes minutes.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    if (argc > 2) onlyKind = argv[2];
    const GamePaths paths(ORROWVALE_GAME_DIR);
    for (const bool story : {false, true})
        tableOf(paths, story, games);
    std::printf("\n%d of %d pairs agree\n", agreeing, pairs);
    return agreeing == pairs ? 0 : 1;
}
