#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "game/parties/missionfixture.h"
#include "parties/dispatch.h"
#include "parties/missions.h"

namespace orrowvale::testing {
namespace {

// A dungeon of three levels in city 1: level 1 has a certain block of a rat that
// never hurts anyone, and a block of chance 0.
class Dungeon : public MissionTest {
  protected:
    Dungeon() {
        dir.write("data\\dungeon\\d.txt",
                  "3\n[START]\n1\n100\nmonster\\rat.txt\ndungeon\\one.scn\n[END]\n"
                  "[START]\n1\n0\nmonster\\rat.txt\ndungeon\\last.scn\n[END]\n"
                  "[START]\n2\n100\nmonster\\rat.txt\ndungeon\\two.scn\n[END]\n");
        dir.write("data\\monster\\rat.txt", "1\n쥐\n0\n0\n1\n");
        dir.write("data\\dungeon\\last.scn", "[START]\n-optend-\n:addvar\n1\n1\n[END]\n");
        dir.write("data\\monster\\ogre.txt", "1\n오우거\n1000\n0\n1\n");
        formParty(1, {1}, "매");
    }

    DungeonSite& site() { return state.dungeonSites[1][1]; }
    void start(int party, const std::string& file, int limit) {
        startDungeon(state, party, file, limit, 1, 1);
    }
    // The rat is met: four rolls that beat it.
    void beatTheRat() { dice.queueD100({50, 50, 50, 50}); }

    static constexpr const char* kRatBeaten =
        "inform: 파티 매가 모험 도중 쥐들을 격퇴했다는 소문입니다.";
};

TEST_F(Dungeon, ANewLevelIsPassedAboveTheProgressMarkWithGoldAndItsScript) {
    start(1, "dungeon\\d.txt", 5);
    for (int progress : {55, 56}) {
        dice.queueD100({1});  // the certain block is met on a new level
        dice.queue({0});      // the rat, drawn from its file of one
        beatTheRat();
        dice.queueD100({1});  // chance 0 is not, yet its monster is still drawn
        dice.queue({0});
        dice.queueD100({progress});
        if (progress == 56) dice.queue({149});  // the treasure of level 2: 150
        missionStep(game, 1);
    }
    EXPECT_EQ(dice.queued(), 0u);
    const TParty& p = state.parties[1];
    EXPECT_EQ(std::tie(p.missionLevel, p.missionGold, site().deepestLevel),
              std::make_tuple(2, 150, 2));
    EXPECT_EQ(state.scriptVariables[1], 1);  // the script of the level's last block
    EXPECT_EQ(presenter.lines(), (Lines{kRatBeaten, kRatBeaten}));
}

TEST_F(Dungeon, ALevelPassedBeforeMeetsEachBlockByChanceAndPaysNothing) {
    site().deepestLevel = 2;
    start(1, "dungeon\\d.txt", 1);
    state.gold = 7;
    dice.queueD100({100});  // the certain block is met
    dice.queue({0});
    beatTheRat();
    dice.queueD100({1});  // chance 0 never is
    dice.queue({0});
    dice.queueD100({56});
    missionStep(game, 1);
    EXPECT_EQ(dice.queued(), 0u);
    EXPECT_EQ(state.scriptVariables[1], 0);
    EXPECT_FALSE(state.parties[1].onMission);
    EXPECT_EQ(state.gold, 7);
    EXPECT_EQ(presenter.lines(),
              (Lines{kRatBeaten, "inform: 파티 매가 모험을 마치고 귀환했습니다.",
                     "inform: 파티 매는 던전 탐험 동안에 0gp를 획득했습니다(탐험한 깊이: 1)."}));
}

TEST_F(Dungeon, AnEmptyLevelIsPassedByTheRollAloneAndLimitZeroComesBackAfterIt) {
    dir.write("data\\dungeon\\empty.txt", "3\n");
    start(1, "dungeon\\empty.txt", 0);
    dice.queueD100({56});
    dice.queue({99});
    missionStep(game, 1);
    EXPECT_FALSE(state.parties[1].onMission);
    EXPECT_EQ(state.gold, 100);
    EXPECT_EQ(presenter.lines().back(),
              "inform: 파티 매는 던전 탐험 동안에 100gp를 획득했습니다(탐험한 깊이: 1).");
}

TEST_F(Dungeon, APartyOnALevelNoneCanPassComesHomeWithItsGold) {
    dir.write("data\\dungeon\\deep.txt", "20\n");
    // The deepest level a damaged save can name is no easier to pass.
    for (std::int32_t level : {10, std::numeric_limits<std::int32_t>::max()}) {
        presenter.clear();
        state.gold = 0;
        start(1, "dungeon\\deep.txt", 20);
        state.parties[1].missionLevel = level;
        state.parties[1].missionGold = 900;
        site().deepestLevel = 10;
        dice.queueD100({100});
        missionStep(game, 1);
        EXPECT_FALSE(state.parties[1].onMission);
        EXPECT_EQ(state.parties[1].missionLevel, level);
        EXPECT_EQ(state.gold, 900);
        ASSERT_EQ(presenter.lines().size(), 3u);
        EXPECT_EQ(presenter.lines()[2],
                  "inform: 파티 매는 던전 탐험 동안에 900gp를 획득했습니다(탐험한 깊이: " +
                      std::to_string(std::int64_t{level} - 1) + ").");
    }
}

TEST_F(Dungeon, AnExpeditionStoppedByABrokenFileBringsHomeTheGoldItFound) {
    dir.write("data\\dungeon\\broken.txt", "3\n[START]\n2\n100\nmonster\\bad.txt\nx.scn\n");
    dir.write("data\\monster\\bad.txt", "1\n유령\n강함\n0\n0\n");
    start(1, "dungeon\\broken.txt", 3);
    state.parties[1].missionLevel = 2;
    state.parties[1].missionGold = 300;
    state.gold = 5;
    dice.queueD100({100});
    dice.queue({0});
    missionStep(game, 1);
    EXPECT_FALSE(state.parties[1].onMission);
    EXPECT_EQ(state.gold, 305);
    ASSERT_EQ(presenter.lines().size(), 2u);
    EXPECT_NE(presenter.lines()[0].find("data/monster/bad.txt:3"), std::string::npos);
    EXPECT_EQ(presenter.lines()[1],
              "inform: 파티 매는 던전 탐험 동안에 300gp를 획득했습니다(탐험한 깊이: 1).");
}

TEST_F(Dungeon, AMonsterNotBeatenHoldsThePartyOnItsLevelWhateverTheRoll) {
    dir.write("data\\dungeon\\wall.txt", "3\n[START]\n1\n100\nmonster\\wall.txt\nx.scn\n");
    dir.write("data\\monster\\wall.txt", "1\n벽\n0\n1000\n0\n");
    start(1, "dungeon\\wall.txt", 3);
    dice.queueD100({1});
    dice.queue({0});
    dice.queueD100({50, 50, 50, 50, 100});  // the progress roll is still drawn
    missionStep(game, 1);
    EXPECT_EQ(dice.queued(), 0u);
    EXPECT_EQ(state.parties[1].missionLevel, 1);
    EXPECT_TRUE(state.parties[1].onMission);
}

TEST_F(Dungeon, AWipedOutPartyEndsTheTurnAtOnce) {
    dir.write("data\\dungeon\\ogre.txt",
              "3\n[START]\n1\n100\nmonster\\ogre.txt\nx.scn\n"
              "[START]\n1\n100\nmonster\\rat.txt\nx.scn\n");
    start(1, "dungeon\\ogre.txt", 3);
    dice.queueD100({1});
    dice.queue({0});  // the ogre
    dice.queueD100({1, 100});
    dice.queue({0});                    // the victim
    dice.queueD100({60, 60});           // would be the next block's draw and the progress roll
    state.parties[1].missionGold = 70;  // found on the levels above
    state.gold = 5;
    missionStep(game, 1);
    EXPECT_EQ(dice.queued(), 2u);
    EXPECT_FALSE(state.parties[1].inUse);
    EXPECT_EQ(state.gold, 5);
    EXPECT_EQ(presenter.lines(),
              (Lines{"inform: 단원1이(가) 모험 도중 사망했습니다.",
                     "inform: 파티 매가 전멸했습니다. 던전에서 찾은 70gp도 함께 잃었습니다."}));
}

}  // namespace
}  // namespace orrowvale::testing
