#include "listrow.h"

#include <gtest/gtest.h>

#include <string>

#include "guild/chooser.h"
#include "guild/equipment.h"
#include "guild/guildwindow.h"
#include "guild/partysetup.h"
#include "parties/party.h"
#include "parties/partycommands.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

// The main character and a companion, both guild members in city 2, in party 3
// standing idle there.
class ListRowTexts : public ::testing::Test {
  protected:
    void SetUp() override {
        state.currentCity = 2;
        for (auto [number, name] : {std::pair{5, "주인공"}, std::pair{6, "동료"}}) {
            TAdven& a = state.adventurers[number];
            a.name = name;
            a.location = 2;
            a.isGuildMember = 1;
            state.guildRoster[1][number - 4] = number;
        }
        state.adventurers[5].adventurerClass = kWarrior;
        state.adventurers[5].stats = {10, 11, 12, 13, 14, 15};
        state.adventurers[6].adventurerClass = kMage;
        state.mainchrnum = 5;
        TParty& p = state.parties[3];
        p.inUse = true;
        p.partyName = "새벽";
        p.location = 2;
        addMember(state, 3, 6);
        addMember(state, 3, 5);
    }

    GameState state;
};

TEST_F(ListRowTexts, AnAdventurerIsShownByNumberNameClassAndAbilitiesTheMainCharacterMarked) {
    const std::string hero = "5. 주인공(*), 전사, 능력 75";
    const std::string companion = "6. 동료, 마법사, 능력 0";
    EXPECT_EQ(adventurerRowText(state, 5, MainCharacterMark::Shown), hero);
    EXPECT_EQ(adventurerRowText(state, 5, MainCharacterMark::Omitted), "5. 주인공, 전사, 능력 75");
    EXPECT_EQ(adventurerRowText(state, 0, MainCharacterMark::Shown), "");
    EXPECT_EQ(adventurerRow(state, 2, 5, MainCharacterMark::Shown).columns,
              (std::vector<std::string>{"5.", "주인공(*)", "전사", "능력 75"}));

    EXPECT_EQ(adventurerChoices(state, 2, 1, false), (ListRows{{5, hero}, {6, companion}}));
    // A party's rows are numbered by member slot, their text by adventurer.
    EXPECT_EQ(memberRows(state, 3), (ListRows{{1, companion}, {2, hero}}));
    EXPECT_EQ(memberRows(state, 3).front().columns.size(), 4u);
    EXPECT_EQ(guildWindowLists(state).members,
              (ListRows{{5, "5. 주인공, 전사, 능력 75"}, {6, companion}}));
}

TEST_F(ListRowTexts, EveryListOfPartiesShowsTheSameRow) {
    const ListRows row = {{3, "새벽"}};
    EXPECT_EQ(partyRowText(state, 3), "새벽");
    EXPECT_EQ(partyRowText(state, 0), "");
    EXPECT_EQ(partyChoices(state, 2, 1), row);
    EXPECT_EQ(guildWindowLists(state).parties, row);
    EXPECT_EQ(partyRows(state), row);
    EXPECT_EQ(equippableParties(state), row);
    EXPECT_EQ(partiesInCity(state, 2), row);
}

}  // namespace
}  // namespace orrowvale
