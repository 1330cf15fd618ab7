#include "guild/equipment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game.h"
#include "transcript.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

class GuildStorage : public ::testing::Test {
  protected:
    void SetUp() override {
        state.currentCity = 3;
        for (int party : {1, 2}) {
            state.parties[party].inUse = true;
            state.parties[party].location = 3;
        }
    }
    std::vector<int> storage(int slots) {
        std::vector<int> items;
        for (int slot = 1; slot <= slots; ++slot)
            items.push_back(state.guildItems[slot]);
        return items;
    }

    GamePaths paths{"."};
    GameState state;
    Dice dice{1};
    TranscriptPresenter presenter;
    Game game{state, paths, dice, presenter};
};

TEST_F(GuildStorage, OnlyPartiesStandingIdleInTheCurrentCityAreOffered) {
    for (int party = 3; party <= 6; ++party) {
        state.parties[party].inUse = true;
        state.parties[party].location = 3;
    }
    state.parties[3].travelling = true;
    state.parties[4].onMission = true;
    state.parties[5].location = 4;
    state.parties[7].location = 3;  // not in use
    EXPECT_EQ(equippableParties(state),
              (ListRows{{1, kNoPartyName}, {2, kNoPartyName}, {6, kNoPartyName}}));
}

TEST_F(GuildStorage, EquippingSwapsWithTheSlotTheItemCameFrom) {
    state.guildItems[2] = 5;
    state.guildItems[4] = 7;
    state.parties[1].partyItem = 3;
    ASSERT_EQ(storedItemSlots(state), (ListRows{{2, itemName(5)}, {4, itemName(7)}}));

    // The former item goes into the slot of the new one; the other keeps its slot.
    EXPECT_TRUE(equipItem(game, 1, 4));
    EXPECT_EQ(state.parties[1].partyItem, 7);
    EXPECT_EQ(storage(4), (std::vector<int>{0, 5, 0, 3}));
    EXPECT_EQ(carriedItemName(state, 1), "윈드 아머");

    // A party without an item empties the slot: one row fewer.
    EXPECT_TRUE(equipItem(game, 2, 2));
    EXPECT_EQ(state.parties[2].partyItem, 5);
    EXPECT_EQ(storedItemSlots(state), (ListRows{{4, itemName(3)}}));
    EXPECT_TRUE(presenter.lines().empty());
}

TEST_F(GuildStorage, EquippingWithoutAChoiceSaysWhatToChooseFirst) {
    state.guildItems[1] = 6;
    state.parties[2].travelling = true;
    struct Case {
        int party;
        int slot;
        const char* message;
    };
    const Case cases[] = {
        {1, 0, kChooseItemToEquip},  {0, 0, kChooseItemToEquip},   // the item is asked for first
        {1, 5, kChooseItemToEquip},                                // an empty slot is no item
        {0, 1, kChoosePartyToEquip}, {2, 1, kChoosePartyToEquip},  // left town since it was listed
    };
    for (const Case& c : cases) {
        presenter.clear();
        EXPECT_FALSE(equipItem(game, c.party, c.slot)) << c.party << " " << c.slot;
        EXPECT_EQ(presenter.lines(), std::vector<std::string>{std::string("inform: ") + c.message});
    }
    EXPECT_EQ(state.guildItems[1], 6);
    EXPECT_EQ(state.parties[1].partyItem, 0);
    EXPECT_EQ(state.parties[2].partyItem, 0);
}

TEST_F(GuildStorage, TakingOffUsesTheLowestEmptySlotAndNeedsOne) {
    state.guildItems.fill(1);
    state.guildItems[40] = 0;
    state.guildItems[70] = 0;
    state.parties[1].partyItem = 8;
    EXPECT_TRUE(takeOffItem(game, 1));
    EXPECT_EQ(state.guildItems[40], 8);
    EXPECT_EQ(state.guildItems[70], 0);
    EXPECT_EQ(state.parties[1].partyItem, 0);

    // With all 100 slots taken nothing moves.
    state.guildItems[70] = 2;
    state.parties[2].partyItem = 4;
    EXPECT_FALSE(takeOffItem(game, 2));
    EXPECT_EQ(presenter.lines(),
              std::vector<std::string>{std::string("inform: ") + kNoRoomForItem});
    EXPECT_EQ(state.parties[2].partyItem, 4);
    EXPECT_EQ(storedItemSlots(state).size(), 100u);
}

TEST_F(GuildStorage, TakingOffIsRefusedWithoutAPartyOrAnItem) {
    state.guildItems.fill(1);  // full: a party with nothing must not hear of the space
    EXPECT_EQ(takeOffRefusal(state, 0), kChoosePartyToTakeOff);
    EXPECT_EQ(takeOffRefusal(state, 1), kNothingToTakeOff);
    EXPECT_FALSE(takeOffItem(game, 1));
    EXPECT_TRUE(presenter.lines().empty());
    state.parties[1].partyItem = 2;
    EXPECT_EQ(takeOffRefusal(state, 1), std::nullopt);
    EXPECT_EQ(carriedItemName(state, 0), "아이템 없음");
}

TEST_F(GuildStorage, DiscardingEmptiesTheChosenSlotAtOnce) {
    state.guildItems[3] = 6;
    EXPECT_FALSE(discardItem(game, 0));
    EXPECT_FALSE(discardItem(game, 4));
    EXPECT_EQ(presenter.lines(),
              std::vector<std::string>(2, std::string("inform: ") + kChooseItemToDiscard));
    EXPECT_TRUE(discardItem(game, 3));
    EXPECT_TRUE(storedItemSlots(state).empty());
}

}  // namespace
}  // namespace orrowvale
