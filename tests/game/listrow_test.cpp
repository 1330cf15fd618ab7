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

TEST_F(ListRowTexts, TheMainCharacterIsMarkedInEveryListOfAdventurersButTheGuildWindows) {
    EXPECT_EQ(adventurerRowText(state, 5, MainCharacterMark::Shown), "주인공(*)");
    EXPECT_EQ(adventurerRowText(state, 5, MainCharacterMark::Omitted), "주인공");
    EXPECT_EQ(adventurerRowText(state, 6, MainCharacterMark::Shown), "동료");
    EXPECT_EQ(adventurerRowText(state, 0, MainCharacterMark::Shown), "");

    EXPECT_EQ(adventurerChoices(state, 2, 1, false), (ListRows{{5, "주인공(*)"}, {6, "동료"}}));
    EXPECT_EQ(memberRows(state, 3), (ListRows{{1, "동료"}, {2, "주인공(*)"}}));
    EXPECT_EQ(guildWindowLists(state).members, (ListRows{{5, "주인공"}, {6, "동료"}}));
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
