#include "parties/partyoverview.h"

#include <gtest/gtest.h>

#include "game/parties/missionfixture.h"
#include "parties/dispatch.h"
#include "parties/partycommands.h"
#include "parties/travel.h"

namespace orrowvale::testing {
namespace {

using PartyOverview = MissionTest;

// Every party in use gets a row saying where it is and what it is doing; only a
// party standing in a city opens that city's commands.
TEST_F(PartyOverview, EachPartySaysWhereItIsWhatItDoesAndTheTurnsLeft) {
    formParty(1, {1, 2}, "매");
    formParty(2, {3}, "솔");
    startTravel(state, 2, 3, 2);
    formParty(3, {4}, "달");
    state.quests[5].name = "잃어버린 반지";
    startQuest(state, 3, 5);
    formParty(4, {5}, "별");
    state.searchSites[1][2] = {"뒷골목", "search\\alley.txt", 1};
    startSearch(state, 4, "search\\alley.txt", 4);
    formParty(6, {6}, "꽃");
    state.dungeonSites[1][1] = {"옛 광산", "dungeon\\mine.txt", 1, 0};
    startDungeon(state, 6, "dungeon\\mine.txt", 5, 1, 1);
    state.parties[6].missionLevel = 3;
    formParty(7, {7}, "들");
    state.wars[1] = {"국경 전투", "war\\border.txt", 1};
    startWar(state, 7, "war\\border.txt");
    formParty(8, {8}, "강");
    startTransport(state, 8, "소금", 100, 1, 1, 2);
    state.parties[1].leader = 0;

    const ListRows rows = partyOverviewRows(state);
    ASSERT_EQ(rows.size(), 7u) << "the free slot 5 is not listed";
    EXPECT_EQ(rows[0].text, "1. 매, 2명, 리더 없음, 가람, 대기 중, -");
    EXPECT_EQ(rows[1].text, "2. 솔, 1명, 리더 단원3, 가람 - 나루, 나루로 이동 중, 3턴");
    EXPECT_EQ(rows[2].text, "3. 달, 1명, 리더 단원4, 가람, 퀘스트 잃어버린 반지, -");
    EXPECT_EQ(rows[3].text, "4. 별, 1명, 리더 단원5, 가람, 탐색 뒷골목, 4턴");
    EXPECT_EQ(rows[4].text, "6. 꽃, 1명, 리더 단원6, 가람, 던전 옛 광산 3층, -");
    EXPECT_EQ(rows[5].text, "7. 들, 1명, 리더 단원7, 가람, 전쟁 국경 전투, -");
    EXPECT_EQ(rows[6].text, "8. 강, 1명, 리더 단원8, 가람, 수송 소금, 2턴");
    EXPECT_EQ(rows[4].number, 6);
    EXPECT_EQ(rows[1].columns.size(), 7u);

    EXPECT_EQ(overviewCommandCity(state, 1), 1);
    EXPECT_EQ(overviewCommandCity(state, 4), 1) << "a party on a mission still has its commands";
    EXPECT_EQ(overviewCommandCity(state, 2), std::nullopt) << "on the road";
    EXPECT_EQ(overviewCommandCity(state, 5), std::nullopt) << "not in use";
    EXPECT_EQ(overviewCommandCity(state, 0), std::nullopt);
    EXPECT_EQ(whyNoCommandsFromOverview(state, 2), kPartyTravelling);
    EXPECT_EQ(whyNoCommandsFromOverview(state, 0), kChoosePartyFirst);
    EXPECT_EQ(whyNoCommandsFromOverview(state, 1), std::nullopt);
}

}  // namespace
}  // namespace orrowvale::testing
