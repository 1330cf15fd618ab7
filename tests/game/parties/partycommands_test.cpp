#include "parties/partycommands.h"

#include <gtest/gtest.h>

#include "game/parties/missionfixture.h"
#include "parties/dispatch.h"
#include "parties/travel.h"

namespace orrowvale::testing {
namespace {

using CommandList = MissionTest;

// The tooltip of the disabled "이동" and "모험" buttons and the simulator's refusal
// are this one reason; a party may leave exactly when there is none.
TEST_F(CommandList, APartyMayLeaveOnlyWhenNothingSaysWhyNot) {
    formParty(1, {1});
    formParty(2, {2});
    formParty(3, {3});
    startTravel(state, 2, 3, 2);
    startSearch(state, 3, "search\\alley.txt", 2);
    const struct {
        int party;
        Refusal why;
    } cases[] = {
        {1, std::nullopt},       {2, kPartyTravelling},
        {3, kPartyOnMission},    {4, kChoosePartyFirst},  // a free slot
        {0, kChoosePartyFirst},                           // no row chosen
        {-1, kChoosePartyFirst}, {kMaxParties + 1, kChoosePartyFirst},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(whyPartyCannotLeave(state, c.party), c.why) << c.party;
        EXPECT_EQ(canMoveOrDispatch(state, c.party), !c.why) << c.party;
    }
}

// A party's row says where it went and when it comes back, by the names the player
// chose them by.
TEST_F(CommandList, APartyAwaySaysWhereItWentAndWhenItComesBack) {
    state.quests[2] = {"도둑 잡기", "quests\\a.scn", 1, 0};
    state.searchSites[1][5] = {"뒷골목", "search\\alley.txt", 1};
    state.dungeonSites[1][2] = {"동굴", "dungeon\\cave.txt", 1, 0};
    state.wars[3] = {"국경 분쟁", "wars\\border.txt", 1};
    for (int p = 1; p <= 6; ++p)
        formParty(p, {p});
    startQuest(state, 1, 2);
    startSearch(state, 2, "search\\alley.txt", 4);
    startWar(state, 3, "wars\\border.txt");
    startDungeon(state, 4, "dungeon\\cave.txt", 3, 1, 2);
    startTransport(state, 5, "비단", 100, 5, 5, 2);
    const std::string away = std::string(kPartyOnMission) + " ";
    EXPECT_EQ(partyStanding(state, 1), away + "퀘스트 도둑 잡기: 일을 마치면 돌아옵니다.");
    EXPECT_EQ(partyStanding(state, 2), away + "탐색 뒷골목: 4턴 뒤 돌아옵니다.");
    EXPECT_EQ(partyStanding(state, 3), away + "전쟁 국경 분쟁: 전쟁이 끝나면 돌아옵니다.");
    EXPECT_EQ(partyStanding(state, 4), away + "던젼 동굴: 지금 1층, 3층까지 내려갑니다.");
    EXPECT_EQ(partyStanding(state, 5), away + "운송 비단: 2턴 뒤 돌아옵니다.");
    EXPECT_EQ(partyStanding(state, 6), kAwaitingOrders);
    EXPECT_EQ(partyStanding(state, 7), kChoosePartyFirst);
}

}  // namespace
}  // namespace orrowvale::testing
