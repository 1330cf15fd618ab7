#include "parties/dispatch.h"

#include <algorithm>

#include "Presenter.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "parties/forecast.h"
#include "parties/party.h"
#include "parties/partycommands.h"
#include "parties/risk.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

// Only the first hundred of each table are offered, quests included.
constexpr int kOfferedEntries = 100;

template <typename Entry>
bool isOpen(const Entry& entry, std::uint8_t flag) {
    return entry.name != kNone && entry.file != kNone && flag == 1;
}

template <typename Entries, typename Flag>
ListRows listOpen(const Entries& entries, Flag flagOf) {
    ListRows open;
    for (int number = 1; number <= kOfferedEntries; ++number) {
        const auto& entry = entries[number];
        if (isOpen(entry, flagOf(entry))) open.push_back({number, entry.name});
    }
    return open;
}

// How many levels a dungeon's file holds: its first line.
int dungeonLevels(const GamePaths& paths, const std::string& file) {
    try {
        return LineReader::openData(paths, file).readWholeNumber("the number of levels");
    } catch (const DataError&) {
        return kNumberFieldMax;
    }
}

}  // namespace

std::optional<NumberLimits> numberLimits(Game& game, int party, Errand kind, int target) {
    const GameState& state = game.state;
    if (!numberFieldFor(kind).enabled || !PartyTable::contains(party)) return std::nullopt;
    const int city = state.parties[party].location;
    if (!offers(openTargets(state, kind, city), target)) return std::nullopt;
    if (kind == Errand::Search) return NumberLimits{};
    const int levels = dungeonLevels(game.paths, state.dungeonSites[city][target].file);
    return NumberLimits{1, std::clamp(levels, 1, kNumberFieldMax)};
}

int numberForTarget(Game& game, int party, Errand kind, int target, int number) {
    const NumberLimits limits =
        numberLimits(game, party, kind, target).value_or(NumberLimits{kNumberFieldMin});
    return std::clamp(number, limits.least, limits.most);
}

bool willRiskMainCharacter(Game& game, int party, Errand kind, int target, int numberField) {
    // The risk asked about is the one the window shows.
    const std::optional<MissionForecast> forecast =
        forecastErrand(game, party, kind, target, numberField);
    if (!forecast) return true;
    if (!asksBeforeRisk(game.state, party, forecastRisk(*forecast))) return true;
    return askPlayer(game, kMainCharacterRiskQuestion, DefaultAnswer::No);
}

NumberFieldUse numberFieldFor(Errand kind) {
    switch (kind) {
        case Errand::Search:
            return {"턴", true};
        case Errand::Dungeon:
            return {"깊이", true};
        case Errand::Quest:
        case Errand::War:
            break;
    }
    return {"", false};
}

ListRows openTargets(const GameState& state, Errand kind, int city) {
    switch (kind) {
        case Errand::Quest:
            return listOpen(state.quests, [](const Quest& q) { return q.active; });
        case Errand::War:
            return listOpen(state.wars, [](const War& w) { return w.active; });
        case Errand::Search:
            if (!CityTable::contains(city)) return {};
            return listOpen(state.searchSites[city], [](const SearchSite& s) { return s.open; });
        case Errand::Dungeon:
            if (!CityTable::contains(city)) return {};
            return listOpen(state.dungeonSites[city], [](const DungeonSite& d) { return d.open; });
    }
    return {};
}

bool dispatchParty(Game& game, int party, std::optional<Errand> kind, int target, int numberField) {
    GameState& state = game.state;
    if (!kind || !canMoveOrDispatch(state, party)) return false;
    const int city = state.parties[party].location;
    if (!offers(openTargets(state, *kind, city), target)) return false;
    const int number = numberForTarget(game, party, *kind, target, numberField);
    RecordedAction recorded(game, "dispatch " + std::to_string(party) + " " +
                                      kErrandWords[static_cast<int>(*kind)] + " " +
                                      std::to_string(target) + " " + std::to_string(number));
    if (!willRiskMainCharacter(game, party, *kind, target, number)) return false;
    startErrand(state, party, *kind, target, number);
    return true;
}

void startErrand(GameState& state, int party, Errand kind, int target, int number) {
    const int city = state.parties[party].location;
    switch (kind) {
        case Errand::Quest:
            startQuest(state, party, target);
            break;
        case Errand::Search:
            startSearch(state, party, state.searchSites[city][target].file, number);
            break;
        case Errand::War:
            startWar(state, party, state.wars[target].file);
            break;
        case Errand::Dungeon:
            startDungeon(state, party, state.dungeonSites[city][target].file, number, city, target);
            break;
    }
}

void startQuest(GameState& state, int party, int quest) {
    TParty& p = state.parties[party];
    p.missionKind = kQuestMission;
    p.missionValue = quest;
    // Taken: no other party can take it.
    if (decltype(state.quests)::contains(quest)) state.quests[quest].active = 0;
    setOnMission(state, party, true);
}

void startSearch(GameState& state, int party, const std::string& file, int turns) {
    TParty& p = state.parties[party];
    p.missionKind = kSearchMission;
    p.missionFile = file;
    p.missionValue = turns;
    // What the search finds, and what it costs, is counted here until it comes home.
    p.missionGold = 0;
    p.missionLevel = 0;
    p.missionRisk = 0;
    setOnMission(state, party, true);
}

void startWar(GameState& state, int party, const std::string& file) {
    TParty& p = state.parties[party];
    p.missionKind = kWarMission;
    p.missionFile = file;
    setOnMission(state, party, true);
}

void startDungeon(GameState& state, int party, const std::string& file, int limit, int city,
                  int number) {
    TParty& p = state.parties[party];
    p.missionKind = kDungeonMission;
    p.missionFile = file;
    p.missionGold = 0;
    p.missionLevel = 1;
    p.missionValue = limit;
    p.dungeonCity = city;
    p.dungeonNumber = number;
    setOnMission(state, party, true);
}

void startTransport(GameState& state, int party, const std::string& goods, std::int32_t pay,
                    std::int32_t ambushRisk, std::int32_t cargoRisk, std::int32_t turns) {
    TParty& p = state.parties[party];
    p.missionKind = kTransportMission;
    p.missionFile = goods;
    p.missionGold = pay;
    p.missionRisk = ambushRisk;
    p.missionLevel = cargoRisk;
    p.missionValue = turns;
    p.cargoIntact = true;
    setOnMission(state, party, true);
}

}  // namespace orrowvale
