#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "parties/partyrecord.h"
#include "world/adventurer.h"
#include "world/table.h"

namespace orrowvale {

inline constexpr int kMaxCities = 100;
inline constexpr std::size_t kMaxHeardNames = 100;
inline constexpr std::size_t kMaxGoals = 100;
inline constexpr int kMaxPlacesPerCity = 100;
inline constexpr int kMaxSitesPerCity = 100;
inline constexpr int kMaxAdventurers = 1000;
inline constexpr int kRosterRows = 100;
inline constexpr int kRosterRowLength = 1000;
inline constexpr int kMaxSwitches = 1000;
inline constexpr int kMaxVariables = 1000;
inline constexpr int kMaxScenarioFiles = 100;
inline constexpr int kMaxWars = 100;
inline constexpr int kMaxQuests = 500;
inline constexpr int kTradeSlotsPerCity = 20;
inline constexpr int kGuildItemSlots = 100;

// The literal that marks a free slot of a string table.
inline constexpr const char* kNone = "None";

struct CityRect {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

struct Place {
    std::string name;
    std::string eventFile;
};

struct SearchSite {
    std::string name = kNone;
    std::string file = kNone;
    std::uint8_t open = 0;
};

struct DungeonSite {
    std::string name = kNone;
    std::string file = kNone;
    std::uint8_t open = 0;
    std::int32_t deepestLevel = 0;  // the deepest level a party has reached there
};

struct War {
    std::string name = kNone;
    std::string file = kNone;
    std::uint8_t active = 0;
};

struct Quest {
    std::string name = kNone;
    std::string file = kNone;
    std::uint8_t active = 0;
    std::int32_t turnsLeft = 0;
};

// A transport contract on offer at a trading post.
struct TradeGood {
    std::string name = kNone;
    std::int32_t pay = 0;
    std::int32_t ambushRisk = 0;
    std::int32_t cargoRisk = 0;
    std::int32_t turns = 0;
};

using CityTable = Table<std::string, kMaxCities>;
using CityFlags = Table<std::uint8_t, kMaxCities>;

// The calendar: five turns a week, four weeks a month, twelve months a year, and
// every new world starts on the first turn of the first week of month 4, year 200.
inline constexpr int kTurnsPerWeek = 5;
inline constexpr int kWeeksPerMonth = 4;
inline constexpr int kMonthsPerYear = 12;
inline constexpr int kStartYear = 200;
inline constexpr int kStartMonth = 4;

// Every table and counter of one game. World creation and loading build a fresh
// GameState and swap it in only when they succeed.
struct GameState {
    // Calendar and economy.
    std::int32_t gameYear = kStartYear;
    std::int32_t gameMonth = kStartMonth;
    std::int32_t gameWeek = 1;
    std::int32_t gameTurn = 1;
    std::int32_t gold = 0;
    std::int32_t adventureFame = 0;
    std::int32_t politicalFame = 0;
    std::int32_t covertFame = 0;
    std::int32_t playerNation = 1;

    // The player.
    std::int32_t mainchrnum = 0;
    std::int32_t currentCity = 0;
    std::int16_t characterNumber = 0;

    // Geography.
    std::int32_t cityCount = 0;
    CityTable cityNames;
    Table<std::int32_t, kMaxCities> cityNations;
    Table<CityRect, kMaxCities> cityRects;
    CityTable routeFiles;
    Table<Table<Place, kMaxPlacesPerCity>, kMaxCities> cityPlaces;
    Table<std::int32_t, kMaxCities> cityPlaceCount;
    CityFlags visitableCities;
    CityFlags guildBranches;

    // Sites, wars and quests.
    Table<Table<SearchSite, kMaxSitesPerCity>, kMaxCities> searchSites;
    Table<Table<DungeonSite, kMaxSitesPerCity>, kMaxCities> dungeonSites;
    Table<War, kMaxWars> wars;
    Table<Quest, kMaxQuests> quests;

    // People. Row 1 of the roster is the guild's member list (adventurer numbers,
    // 0 = empty); the other rows are never filled but keep the saved shape.
    Table<TAdven, kMaxAdventurers> adventurers;
    Table<Table<std::int32_t, kRosterRowLength>, kRosterRows> guildRoster;
    PartyTable parties;

    // Script state.
    Table<std::uint8_t, kMaxSwitches> switches;
    Table<std::int32_t, kMaxVariables> scriptVariables;
    Table<std::string, kMaxScenarioFiles> scenarioFiles;

    // Trade and items.
    Table<Table<TradeGood, kTradeSlotsPerCity>, kMaxCities> tradeGoods;
    Table<std::int32_t, kGuildItemSlots> guildItems;

    // The people of the contact list the player has heard of, in the order first
    // heard; the contact window offers them. Saved beside the main file.
    std::vector<std::string> heardNames;
    // The closing chapter of goals, opened by ":goals" once the story is told, and
    // the goals already announced. Saved beside the main file.
    bool closingChapter = false;
    std::vector<std::string> goalsAnnounced;

    // Not saved: the city picked on the map for the party command list, and the
    // adventurer shown in the information window.
    std::int32_t commandCity = 0;
    TAdven infoAdventurer;

    GameState();

    // The main character is entry `mainchrnum` of `adventurers`, not a copy.
    TAdven& mainCharacter() { return adventurers.at(mainchrnum); }
    const TAdven& mainCharacter() const { return adventurers.at(mainchrnum); }

    // `cityCount` as a loop bound that never leaves the city tables.
    int cityBound() const;
};

// The highest-numbered free adventurer slot; 0 when all 1000 are taken.
int findFreeAdventurerSlot(const GameState& state);
// The highest-numbered empty entry of roster row 1; 0 when the row is full.
int findFreeRosterSlot(const GameState& state);
// How many of the cities 1..cityCount have a guild branch.
int countGuildBranches(const GameState& state);
// The political fame a new branch needs: 200 for each branch already open, plus 100.
int guildBranchFameNeeded(const GameState& state);

// Puts a copy of `adventurer` into the highest free slot and returns its number, or
// 0 (nothing written) when the table is full.
int addAdventurer(GameState& state, const TAdven& adventurer);
// Makes adventurer `number` a guild member standing in `currentCity`. False, with
// nothing changed, when the roster row is full or the number is outside the table.
bool addGuildMember(GameState& state, int number);

// Work the calendar triggers; the turn advance fills these in.
struct CalendarHooks {
    std::function<void()> weekly;
    std::function<void()> monthly;
};

// Adds `turns` to the turn and rolls the calendar over. The excess of a week is
// dropped, never carried: from turn 4, three turns give turn 1 of the next week.
// The year never passes kLastYear (world/statelimits.h); in it the months go round.
void advanceCalendar(GameState& state, int turns, const CalendarHooks& hooks = {});

}  // namespace orrowvale
