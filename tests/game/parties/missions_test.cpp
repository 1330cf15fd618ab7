#include "parties/missions.h"

#include <gtest/gtest.h>

#include "game/parties/missionfixture.h"
#include "parties/dispatch.h"
#include "parties/travel.h"
#include "parties/turn.h"

namespace orrowvale::testing {
namespace {

class Missions : public MissionTest {
  protected:
    static std::string back(const std::string& party, const std::string& why) {
        return "inform: 파티 " + party + "가 " + why;
    }
};

TEST_F(Missions, ASearchPaysUpkeepBelowTheGoldAndMayComeHomeTwiceInOneTurn) {
    dir.write("data\\search\\s.txt", "[START]\n-startopt\n-optend-\n:addvar\n1\n1\n[END]\n");
    formParty(1, {1, 2, 3, 4});
    startSearch(state, 1, "search\\s.txt", 3);
    state.gold = 41;
    missionStep(game, 1);
    EXPECT_EQ(state.gold, 1);
    EXPECT_EQ(state.parties[1].missionValue, 2);
    EXPECT_TRUE(presenter.lines().empty());

    state.gold = 40;
    state.parties[1].missionValue = 1;
    missionStep(game, 1);
    EXPECT_EQ(state.gold, 40);
    EXPECT_EQ(presenter.lines(),
              (Lines{back("매", "자금 부족으로 귀환했습니다."),
                     back("매", "모험을 마치고 귀환했습니다. 얻은 것은 없습니다. 쓴 것: 40gp.")}));
    EXPECT_FALSE(state.parties[1].onMission);
    EXPECT_EQ(state.adventurers[4].busyFlag, 0);
    EXPECT_EQ(state.scriptVariables[1], 2);
}

TEST_F(Missions, ASearchRunsItsHoldingBlocksOnceATurnUntilItsLastTurn) {
    // The last block has no "[END]": it runs to the end of the file.
    dir.write("data\\search\\s.txt",
              "탐색\n[START]\n-startopt\n-optend-\n:addvar\n1\n1\n[END]\n"
              "[START]\n-startopt\n:switch\n&on\n5\n-optend-\n:addvar\n2\n1\n[END]\n"
              "[START]\n-startopt\n-optend-\n:addvar\n3\n1\n");
    formParty(1, {1});
    state.gold = 1000;
    for (int turns : {3, 0}) {
        presenter.clear();
        state.scriptVariables.fill(0);
        startSearch(state, 1, "search\\s.txt", turns);
        int turnsRun = 0;
        while (state.parties[1].onMission && turnsRun < 10) {
            missionStep(game, 1);
            ++turnsRun;
        }
        const int expected = turns == 0 ? 1 : turns;
        EXPECT_EQ(turnsRun, expected);
        EXPECT_EQ(
            std::tie(state.scriptVariables[1], state.scriptVariables[2], state.scriptVariables[3]),
            std::make_tuple(expected, 0, expected));
        EXPECT_EQ(presenter.lines(),
                  Lines{back("매", "모험을 마치고 귀환했습니다. 얻은 것은 없습니다. 쓴 것: " +
                                       std::to_string(10 * expected) + "gp.")});
    }
    EXPECT_EQ(game.currentParty, 0);
}

TEST_F(Missions, AWipedOutSearchPartyFindsNothingMoreAndNeverComesHome) {
    dir.write("data\\search\\s.txt",
              "[START]\n-startopt\n-optend-\n:killone\n[END]\n"
              "[START]\n-startopt\n-optend-\n:gp\n50\n[END]\n");
    formParty(1, {1});
    startSearch(state, 1, "search\\s.txt", 1);
    state.gold = 100;
    missionStep(game, 1);
    EXPECT_EQ(state.gold, 100);
    EXPECT_EQ(presenter.lines(),
              (Lines{"inform: 단원1이(가) 모험 도중 사망했습니다.", back("매", "전멸했습니다.")}));
}

TEST_F(Missions, AWarCountsMeritEveryTurnAndEndsWhenASectionClosesIt) {
    dir.write("data\\wars\\w.txt",
              "전쟁\n[onjoin]\n:addpiptovar100\n22\n:addvar\n3\n1\n:endthewar\n5\n:end\n"
              "[onend]\n:switch\n&on\n9\n-optend-\n:endthewar\n4\n:end\n"
              "[onend]\n:switch\n&on\n8\n-optend-\n:endthewar\n5\n:gp\n20\n");
    formParty(1, {1});
    state.adventurers[1].stats = {34, 34, 34, 34, 34, 29};  // 199 in all
    state.wars[4] = {"북쪽", "wars\\w.txt", 1};
    state.wars[5] = {"남쪽", "wars\\w.txt", 1};
    startWar(state, 1, "wars\\w.txt");

    missionStep(game, 1);
    missionStep(game, 1);
    EXPECT_EQ(state.scriptVariables[22], 2);
    EXPECT_EQ(state.scriptVariables[3], 2);
    EXPECT_TRUE(state.parties[1].onMission);  // ":endthewar" closes no war on joining
    EXPECT_EQ(state.wars[5].active, 1);

    state.adventurers[1].stats = {17, 17, 17, 17, 17, 14};  // 99
    state.switches[8] = 1;
    missionStep(game, 1);
    EXPECT_EQ(state.scriptVariables[22], 2);
    EXPECT_FALSE(state.parties[1].onMission);
    EXPECT_EQ(std::tie(state.wars[4].active, state.wars[5].active), std::make_tuple(1, 0));
    EXPECT_EQ(state.gold, 20);
    EXPECT_EQ(openTargets(state, Errand::War, 1).size(), 1u);
    EXPECT_EQ(game.currentParty, 0);
}

TEST_F(Missions, ABrokenMissionFileSendsThePartyHomeNamingTheFileAndLine) {
    dir.write("data\\search\\s.txt", "[START]\n-startopt\n-optend-\n:addvar\n하나\n1\n[END]\n");
    dir.write("data\\wars\\w.txt", "[onjoin]\n:addpiptovar100\n스물\n:end\n");
    dir.write("data\\dungeon\\d.txt", "셋\n");
    struct Case {
        MissionKind kind;
        const char* file;
        const char* where;
    };
    const Case cases[] = {
        {kSearchMission, "search\\s.txt", "data/search/s.txt:5"},
        {kWarMission, "wars\\w.txt", "data/wars/w.txt:3"},
        {kDungeonMission, "dungeon\\d.txt", "data/dungeon/d.txt:1"},
        {kWarMission, "wars\\none.txt", "data/wars/none.txt"},
    };
    formParty(1, {1});
    formParty(2, {2}, "곰");
    for (const Case& c : cases) {
        presenter.clear();
        state.gold = 100;
        state.parties[1].missionKind = c.kind;
        state.parties[1].missionFile = c.file;
        setOnMission(state, 1, true);
        startSearch(state, 2, "search\\fine.txt", 2);
        dir.write("data\\search\\fine.txt", "");
        missionStep(game, 1);
        missionStep(game, 2);
        // An expedition also tells what it found (nothing, here).
        ASSERT_EQ(presenter.lines().size(), c.kind == kDungeonMission ? 2u : 1u) << c.file;
        const std::string& report = presenter.lines()[0];
        EXPECT_TRUE(report.starts_with(
            back("매", "자료 파일 오류로 임무를 중단하고 귀환했습니다. (") + c.where + ":"))
            << report;
        EXPECT_FALSE(state.parties[1].onMission);
        EXPECT_EQ(state.adventurers[1].busyFlag, 0);
        EXPECT_EQ(state.gold, 90);  // the other party's turn still came
    }
}

TEST_F(Missions, ATransportThatLosesItsCargoRunsItsTurnsAndIsPaidNothing) {
    formParty(1, {1});  // transport rating 8
    state.gold = 10;
    state.adventureFame = 3;
    startTransport(state, 1, "비단", 500, 0, 12, 2);
    dice.queue({0, 1});  // no ambush; the cargo is lost when 8 < y - 4 + 12
    missionStep(game, 1);
    EXPECT_EQ(std::tie(state.parties[1].missionGold, state.parties[1].cargoIntact),
              std::make_tuple(0, false));
    EXPECT_TRUE(presenter.lines().empty());
    dice.queue({0, 0});
    missionStep(game, 1);
    EXPECT_EQ(presenter.lines(), Lines{back("매", "수송 비단을 실패하고 귀환했습니다.")});
    EXPECT_EQ(std::tie(state.gold, state.adventureFame), std::make_tuple(10, 3));
    EXPECT_EQ(presenter.refreshes(), 1);

    presenter.clear();
    startTransport(state, 1, "소금", 500, 0, 12, 1);
    dice.queue({0, 0});
    missionStep(game, 1);
    EXPECT_EQ(presenter.lines(), Lines{back("매", "수송 소금을 성공적으로 마치고 귀환했습니다.")});
    EXPECT_EQ(std::tie(state.gold, state.adventureFame), std::make_tuple(510, 15));
    EXPECT_FALSE(state.parties[1].onMission);
}

TEST_F(Missions, ATransportIsAmbushedOnlyWhenTheDrawPassesTheRatingAndTheRisk) {
    formParty(1, {1});
    state.adventurers[1].stat(kStrength) = 10;
    state.adventurers[1].stat(kWisdom) = 10;  // transport rating 20
    startTransport(state, 1, "비단", 500, 20, 0, 3);
    dice.queue({4, 0});
    missionStep(game, 1);
    EXPECT_EQ(memberCount(state, 1), 1);
    EXPECT_EQ(state.parties[1].missionValue, 2);

    dice.queue({5, 0, 9});  // ambushed; the lone member falls and no cargo roll follows
    missionStep(game, 1);
    EXPECT_FALSE(state.parties[1].inUse);
    EXPECT_EQ(dice.queued(), 1u);
    EXPECT_EQ(presenter.lines(),
              (Lines{"inform: 단원1이(가) 모험 도중 사망했습니다.",
                     back("매", "전멸했습니다. 수송 보수 500gp도 받지 못합니다.")}));
}

// What a search's file gave over its turns, less what it took, is said on its return,
// and apart from it the upkeep the guild paid.
TEST_F(Missions, ASearchSaysTheGoldAndFameItBroughtBack) {
    dir.write("data\\search\\s.txt",
              "[START]\n-startopt\n-optend-\n:gp\n40\n:famadd\n1\n2\n[END]\n");
    formParty(1, {1, 2});
    state.parties[1].missionGold = 999;  // left from an earlier dungeon
    startSearch(state, 1, "search\\s.txt", 2);
    state.gold = 100;
    missionStep(game, 1);
    missionStep(game, 1);
    EXPECT_EQ(state.gold, 100 + 80 - 40);
    EXPECT_EQ(presenter.lines(),
              Lines{back("매", "모험을 마치고 귀환했습니다. 얻은 것: 80gp, 명성 4. 쓴 것: 40gp.")});
}

TEST_F(Missions, AQuestRunsItsScriptEachTurnUntilTheScriptStopsIt) {
    dir.write("data\\quests\\q.scn",
              "[START]\n-optend-\n:addvar\n1\n1\n[END]\n"
              "[START]\n:samevar\n1\n2\n-optend-\n:stopquest\n[END]\n");
    state.quests[2] = {"심부름", "quests\\q.scn", 1, 0};
    formParty(1, {1});
    startQuest(state, 1, 2);
    missionStep(game, 1);
    EXPECT_TRUE(state.parties[1].onMission);
    missionStep(game, 1);
    EXPECT_FALSE(state.parties[1].onMission);
    EXPECT_EQ(state.adventurers[1].busyFlag, 0);
    EXPECT_TRUE(presenter.lines().empty());
}

TEST_F(Missions, TheTurnAdvanceReportsArrivalsAndMissionsInTableOrder) {
    dir.write("data\\dateevn\\dateevn0.evn", "");
    formParty(1, {1}, "매");
    formParty(2, {2}, "곰");
    startTransport(state, 1, "비단", 0, 0, 0, 1);
    startTravel(state, 2, 1, 2);
    dice.queue({0, 0});
    advanceTurn(game, 1);
    EXPECT_EQ(presenter.lines(), (Lines{back("매", "수송 비단을 성공적으로 마치고 귀환했습니다."),
                                        "inform: 곰이 나루로의 이동을 완료하였습니다."}));
}

}  // namespace
}  // namespace orrowvale::testing
