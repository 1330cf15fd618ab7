#include "world/gamestate.h"

#include <algorithm>

#include "world/numbers.h"
#include "world/statelimits.h"

namespace orrowvale {

GameState::GameState() {
    scenarioFiles[1] = "scenario\\scenario1.scn";
}

int GameState::cityBound() const {
    return std::clamp(cityCount, 0, kMaxCities);
}

int findFreeAdventurerSlot(const GameState& state) {
    int found = 0;
    for (int i = 1; i <= kMaxAdventurers; ++i)
        if (state.adventurers[i].isFree()) found = i;
    return found;
}

int findFreeRosterSlot(const GameState& state) {
    int found = 0;
    const auto& row = state.guildRoster[1];
    for (int i = 1; i <= kRosterRowLength; ++i)
        if (row[i] == 0) found = i;
    return found;
}

int countGuildBranches(const GameState& state) {
    int count = 0;
    for (int city = 1; city <= state.cityBound(); ++city)
        if (state.guildBranches[city] == 1) ++count;
    return count;
}

// The first branch beside the home guild costs 100 fame, and each one after it 200 more.
int guildBranchFameNeeded(const GameState& state) {
    constexpr int kFirstBranchFame = 100;
    constexpr int kFamePerBranch = 200;
    return kFamePerBranch * countGuildBranches(state) + kFirstBranchFame;
}

int addAdventurer(GameState& state, const TAdven& adventurer) {
    int slot = findFreeAdventurerSlot(state);
    if (slot != 0) state.adventurers[slot] = adventurer;
    return slot;
}

bool addGuildMember(GameState& state, int number) {
    if (!Table<TAdven, kMaxAdventurers>::contains(number)) return false;
    int entry = findFreeRosterSlot(state);
    if (entry == 0) return false;
    state.guildRoster[1][entry] = number;
    TAdven& member = state.adventurers[number];
    member.isGuildMember = 1;
    member.location = state.currentCity;
    return true;
}

void advanceCalendar(GameState& state, int turns, const CalendarHooks& hooks) {
    // A hand-edited date at the end of the number range rolls over like any other;
    // the year then stays where it is. The calendar never counts past kLastYear,
    // the last year a save may hold, so a game in that year can still be saved and
    // loaded again: its months go round in it.
    state.gameTurn = saturatingAdd(state.gameTurn, turns);
    bool newWeek = state.gameTurn > kTurnsPerWeek;
    if (newWeek) {
        state.gameTurn = 1;
        state.gameWeek = saturatingAdd(state.gameWeek, 1);
    }
    bool newMonth = state.gameWeek > kWeeksPerMonth;
    if (newMonth) {
        state.gameWeek = 1;
        state.gameMonth = saturatingAdd(state.gameMonth, 1);
    }
    if (state.gameMonth > kMonthsPerYear) {
        state.gameMonth = 1;
        if (state.gameYear < kLastYear) ++state.gameYear;
    }
    // The date is whole before any work runs, so the scripts of a new month never
    // see a thirteenth month or a fifth week.
    if (newWeek && hooks.weekly) hooks.weekly();
    if (newMonth && hooks.monthly) hooks.monthly();
}

}  // namespace orrowvale
