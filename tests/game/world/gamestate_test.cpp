#include "world/gamestate.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>
#include <vector>

namespace orrowvale {
namespace {

using Date = std::tuple<int, int, int, int>;  // year, month, week, turn

Date dateOf(const GameState& s) {
    return {s.gameYear, s.gameMonth, s.gameWeek, s.gameTurn};
}

TEST(Calendar, RollsOverWithoutCarryingTheExcess) {
    struct Case {
        Date from;
        int turns;
        Date to;
        std::string work;  // the weekly (w) and monthly (m) work, in the order it ran
    };
    const Case cases[] = {
        {{200, 4, 1, 1}, 1, {200, 4, 1, 2}, ""},    {{200, 4, 1, 5}, 1, {200, 4, 2, 1}, "w"},
        {{200, 4, 1, 4}, 3, {200, 4, 2, 1}, "w"},  // the excess turn is dropped
        {{200, 4, 4, 5}, 1, {200, 5, 1, 1}, "wm"},  {{200, 12, 3, 5}, 1, {200, 12, 4, 1}, "w"},
        {{200, 12, 4, 5}, 1, {201, 1, 1, 1}, "wm"},
    };
    for (const Case& c : cases) {
        GameState state;
        std::tie(state.gameYear, state.gameMonth, state.gameWeek, state.gameTurn) = c.from;
        std::string work;
        std::vector<Date> seen;
        advanceCalendar(state, c.turns,
                        {[&] { work += 'w', seen.push_back(dateOf(state)); },
                         [&] { work += 'm', seen.push_back(dateOf(state)); }});
        EXPECT_EQ(dateOf(state), c.to);
        EXPECT_EQ(work, c.work);
        // The work of a new week or month sees the new date, never a month 13.
        for (const Date& date : seen)
            EXPECT_EQ(date, c.to);
    }
}

// A hand-edited date at the very end of the number range rolls over without
// overflowing: each field wraps to its first value and the year stays the last one.
TEST(Calendar, FieldsAtTheEndOfTheirRangeRollOverWithoutOverflow) {
    constexpr int kMax = std::numeric_limits<std::int32_t>::max();
    const std::tuple<Date, int, Date> cases[] = {
        {{200, 4, 1, kMax}, 1, {200, 4, 2, 1}}, {{200, 4, kMax, 5}, 1, {200, 5, 1, 1}},
        {{200, kMax, 4, 5}, 1, {201, 1, 1, 1}}, {{kMax, 12, 4, 5}, 1, {kMax, 1, 1, 1}},
        {{200, 4, 1, 1}, kMax, {200, 4, 2, 1}},
    };
    for (const auto& [from, turns, to] : cases) {
        GameState state;
        std::tie(state.gameYear, state.gameMonth, state.gameWeek, state.gameTurn) = from;
        advanceCalendar(state, turns, {});
        EXPECT_EQ(dateOf(state), to);
    }
}

TEST(FreeSlots, TheHighestFreeAdventurerSlotIsFound) {
    GameState state;
    EXPECT_EQ(findFreeAdventurerSlot(state), 1000);
    for (int i = 1; i <= 998; ++i)
        state.adventurers[i].name = "사람";
    EXPECT_EQ(findFreeAdventurerSlot(state), 1000);
    state.adventurers[1000].name = "주인공";
    EXPECT_EQ(findFreeAdventurerSlot(state), 999);
    state.adventurers[999].name = "마지막";
    EXPECT_EQ(findFreeAdventurerSlot(state), 0);
    state.adventurers[3].name = "None";
    EXPECT_EQ(findFreeAdventurerSlot(state), 3);
}

TEST(FreeSlots, TheHighestEmptyRosterEntryIsFound) {
    GameState state;
    EXPECT_EQ(findFreeRosterSlot(state), 1000);
    state.guildRoster[1][1000] = 5;
    state.guildRoster[2][999] = 7;  // other rows do not count
    EXPECT_EQ(findFreeRosterSlot(state), 999);
}

TEST(FreeSlots, AFullTableIsNeverOverwritten) {
    GameState state;
    for (int i = 1; i <= 1000; ++i)
        state.adventurers[i].name = "사람" + std::to_string(i);
    state.mainchrnum = 1000;
    TAdven stranger;
    stranger.name = "나그네";
    EXPECT_EQ(addAdventurer(state, stranger), 0);
    EXPECT_EQ(state.mainCharacter().name, "사람1000");

    state.adventurers[10].name = "None";
    EXPECT_EQ(addAdventurer(state, stranger), 10);
    EXPECT_EQ(state.adventurers[10].name, "나그네");
}

TEST(FreeSlots, AFullRosterRowTakesNoNewMember) {
    GameState state;
    state.currentCity = 4;
    for (int i = 1; i <= 1000; ++i)
        state.guildRoster[1][i] = i;
    EXPECT_FALSE(addGuildMember(state, 17));
    EXPECT_EQ(state.adventurers[17].isGuildMember, 0);

    state.guildRoster[1][500] = 0;
    EXPECT_TRUE(addGuildMember(state, 17));
    EXPECT_EQ(state.guildRoster[1][500], 17);
    EXPECT_EQ(state.adventurers[17].isGuildMember, 1);
    EXPECT_EQ(state.adventurers[17].location, 4);
    EXPECT_FALSE(addGuildMember(state, 1001));
}

TEST(GuildBranches, CountOnlyCitiesOfTheWorldAndSetThePrice) {
    GameState state;
    state.cityCount = 5;
    state.guildBranches[2] = 1;
    state.guildBranches[5] = 1;
    state.guildBranches[6] = 1;  // beyond the city count
    EXPECT_EQ(countGuildBranches(state), 2);
    EXPECT_EQ(guildBranchFameNeeded(state), 500);
}

TEST(Tables, AreNumberedFromOneAndRefuseOtherNumbers) {
    GameState state;
    EXPECT_NO_THROW(state.switches[1000]);
    EXPECT_THROW(state.switches[0], std::out_of_range);
    EXPECT_THROW(state.quests[501], std::out_of_range);
    EXPECT_EQ(state.quests[500].name, "None");
    EXPECT_EQ(state.tradeGoods[100][20].name, "None");
    EXPECT_EQ(state.scenarioFiles[1], "scenario\\scenario1.scn");
    EXPECT_THROW(state.mainCharacter(), std::out_of_range);  // no game yet
}

}  // namespace
}  // namespace orrowvale
