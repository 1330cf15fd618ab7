#include "guild/tradingpost.h"

#include <gtest/gtest.h>

#include "game/scripts/scriptfixture.h"
#include "parties/party.h"

namespace orrowvale::testing {
namespace {

class TradingPost : public ScriptTest {
  protected:
    TradingPost() {
        state.currentCity = 2;
        state.tradeGoods[2][3] = {"비단", 300, 20, 15, 4};
        state.tradeGoods[2][7] = {"소금", 120, 5, 3, 2};
        state.tradeGoods[1][1] = {"철광석", 50, 1, 1, 1};
        // Party 1 at home here, 2 on a mission here, 3 on the road, 4 in another city.
        for (int party = 1; party <= 4; ++party) {
            TParty& p = state.parties[party];
            p.inUse = true;
            p.location = party == 4 ? 1 : 2;
            p.partyName = "파티" + std::to_string(party);
            state.adventurers[party].name = "단원";
            addMember(state, party, party);
        }
        state.parties[2].onMission = true;
        state.parties[3].travelling = true;
    }
    Chooser pick(std::optional<int> number) {
        return [this, number](const ListRows& rows) {
            offered = rows;
            return number;
        };
    }
    std::vector<int> listedSlots() {
        std::vector<int> slots;
        for (const ListRow& row : contractRows(state))
            slots.push_back(row.number);
        return slots;
    }
    ListRows offered;
};

TEST_F(TradingPost, ATakenContractSendsThePartyOffAndIsNoLongerOffered) {
    EXPECT_EQ(listedSlots(), (std::vector<int>{3, 7}));
    EXPECT_EQ(rewardText(state, 7), "보수: 120gp, 명성 3 (짐을 잃으면 0)")
        << "the fame paid on arrival, and nothing for lost goods";

    EXPECT_EQ(takeContract(game, 3, pick(1)), 1);
    ASSERT_EQ(offered.size(), 1u) << "only a party at home in this city may go";
    EXPECT_EQ(offered[0].number, 1);
    // Each carrier's row says what the contract holds for it.
    EXPECT_EQ(offered[0].text, "파티1 (위험: 매우 높음 (100%), 성공 확률: 0%)");

    const TParty& p = state.parties[1];
    EXPECT_TRUE(p.onMission);
    EXPECT_EQ(p.missionKind, kTransportMission);
    EXPECT_EQ(p.missionFile, "비단");
    EXPECT_EQ(p.missionGold, 300);
    EXPECT_EQ(p.missionRisk, 20);
    EXPECT_EQ(p.missionLevel, 15);
    EXPECT_EQ(p.missionValue, 4);
    EXPECT_TRUE(p.cargoIntact);
    EXPECT_EQ(state.adventurers[1].busyFlag, 1);
    EXPECT_EQ(presenter.lines(), (std::vector<std::string>{"inform: 조심해서 다녀오게"}));
    EXPECT_EQ(listedSlots(), (std::vector<int>{7}));
    EXPECT_EQ(state.tradeGoods[2][3].name, kNone);
}

TEST_F(TradingPost, NothingIsTakenWithoutAnOfferOrAPartyThatMayGo) {
    EXPECT_EQ(takeContract(game, 5, pick(1)), std::nullopt) << "an empty slot";
    EXPECT_TRUE(offered.empty()) << "no chooser for an empty slot";
    EXPECT_EQ(takeContract(game, 3, pick(std::nullopt)), std::nullopt) << "cancelled";
    for (int party : {2, 3, 4})
        EXPECT_EQ(takeContract(game, 3, pick(party)), std::nullopt) << party;
    EXPECT_EQ(listedSlots(), (std::vector<int>{3, 7}));
    EXPECT_FALSE(state.parties[1].onMission);
    EXPECT_TRUE(presenter.lines().empty());

    state.currentCity = 5;
    EXPECT_TRUE(contractRows(state).empty());
}

}  // namespace
}  // namespace orrowvale::testing
