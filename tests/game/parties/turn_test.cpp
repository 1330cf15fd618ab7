#include "parties/turn.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "game.h"
#include "game/testfiles.h"
#include "lifecycle/playlog.h"
#include "parties/party.h"
#include "transcript.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

using testing::TempGameDir;

// A small world of three cities whose date events and scenario are written by each
// test; the date event file must exist, as the game requires.
class TurnTest : public ::testing::Test {
  protected:
    TurnTest() : paths(dir.paths()), game(state, paths, dice, presenter) {
        state.cityCount = 3;
        state.mainchrnum = 1000;
        state.adventurers[1000].name = "주인공";
        state.adventurers[1000].isGuildMember = 1;
        dir.write("data\\dateevn\\dateevn0.evn", "");
        dir.write("data\\malename.txt", "1\n철수\n");
        dir.write("data\\fnames.txt", "1\n영희\n");
        dir.write("data\\fmlname.txt", "1\n김\n");
        dir.write("data\\common\\trade.txt", "t.txt\nt.txt\nt.txt\n");
        dir.write("data\\t.txt", "");
        // Only the adventurers a test names take part in the weekly wandering.
        for (TAdven& adventurer : state.adventurers)
            adventurer.stayFlag = 1;
    }

    TempGameDir dir;
    GamePaths paths;
    GameState state;
    Dice dice{7};
    TranscriptPresenter presenter;
    Game game;
};

TEST_F(TurnTest, DateEventsRunBeforeTheScenarioAndThePanelIsRefreshedLast) {
    dir.write("data\\dateevn\\dateevn0.evn", "[START]\n-optend-\n:dlg\n날짜\n[END]\n");
    dir.write("data\\scenario\\scenario1.scn", "[START]\n-optend-\n:dlg\n시나리오\n[END]\n");
    advanceTurn(game, 1);
    EXPECT_EQ(presenter.lines(), (std::vector<std::string>{"inform: 날짜", "inform: 시나리오"}));
    EXPECT_EQ(presenter.refreshes(), 1);
    EXPECT_EQ(state.gameTurn, 2);
}

TEST_F(TurnTest, QuestsCountDownAndOneStartedWithNoTurnsEndsInTheSameTurn) {
    dir.write("data\\scenario\\scenario1.scn", "[START]\n-optend-\n:onquest\n3\n0\n[END]\n");
    state.quests[1].active = 1;
    state.quests[1].turnsLeft = 2;
    state.quests[2].turnsLeft = 5;  // inactive quests keep their count
    advanceTurn(game, 1);
    EXPECT_EQ(state.quests[1].active, 1);
    EXPECT_EQ(state.quests[1].turnsLeft, 1);
    EXPECT_EQ(state.quests[2].turnsLeft, 5);
    EXPECT_EQ(state.quests[3].active, 0);
    advanceTurn(game, 1);
    EXPECT_EQ(state.quests[1].active, 0);
}

// A quest hand-edited to the lowest count there is stays running instead of
// wrapping round to the highest.
TEST_F(TurnTest, AQuestAtTheLowestCountKeepsItWithoutOverflow) {
    dir.write("data\\scenario\\scenario1.scn", "");
    state.quests[1].active = 1;
    state.quests[1].turnsLeft = std::numeric_limits<std::int32_t>::min();
    advanceTurn(game, 1);
    EXPECT_EQ(state.quests[1].turnsLeft, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(state.quests[1].active, 1);
}

TEST_F(TurnTest, AMissingDateEventFileStopsTheTurnNamingIt) {
    state.characterNumber = 5;
    try {
        advanceTurn(game, 1);
        FAIL() << "the turn ran without its date events";
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), "data/dateevn/dateevn5.evn");
    }
}

TEST_F(TurnTest, WeeklyTurnoverSkipsTheWeekBelowFifty) {
    state.adventurers[5].name = "떠돌이";
    state.adventurers[5].stayFlag = 0;
    dice.queueD100({49});
    weeklyTurnover(game);
    EXPECT_EQ(dice.queued(), 0u);
    EXPECT_EQ(state.adventurers[5].name, "떠돌이");
}

TEST_F(TurnTest, WeeklyTurnoverDrawsOncePerWandererAndKeepsToTheCitiesThereAre) {
    TAdven& leaving = state.adventurers[2];
    TAdven& replaced = state.adventurers[3];
    TAdven& arriving = state.adventurers[4];  // a free slot
    TAdven& member = state.adventurers[6];
    leaving.name = "떠날이";
    replaced.name = "바뀔이";
    member.name = "길드원";
    member.isGuildMember = 1;
    for (TAdven* a : {&leaving, &replaced, &arriving, &member})
        a->stayFlag = 0;
    leaving.location = 2;

    dice.queueD100({50});
    dice.queue({949});  // slot 2 draws 950: leaves
    dice.queue({799});  // slot 3 draws 800: replaced, then the generator takes over
    weeklyTurnover(game);

    EXPECT_TRUE(leaving.isFree());
    EXPECT_EQ(leaving.location, 0);
    EXPECT_NE(replaced.name, "바뀔이");
    EXPECT_FALSE(replaced.isFree());
    EXPECT_GE(replaced.location, 1);
    EXPECT_LE(replaced.location, 3);
    EXPECT_EQ(member.name, "길드원");
}

TEST_F(TurnTest, EndTurnRunsOneTurnWhenTheMainCharacterIsHome) {
    EXPECT_EQ(endTurn(game), 1);
    EXPECT_EQ(state.gameTurn, 2);
}

TEST_F(TurnTest, APressOfEndTurnAsksFirstAndANoRunsNothing) {
    int starts = 0;
    const auto started = [&] { ++starts; };
    presenter.queueAnswers({false, true});
    EXPECT_EQ(confirmAndEndTurn(game, started), 0);
    EXPECT_EQ(starts, 0) << "the window stays as it was";
    EXPECT_EQ(state.gameTurn, 1);
    EXPECT_EQ(confirmAndEndTurn(game, started), 1);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(state.gameTurn, 2);
    const std::string asked = std::string("confirm: ") + kEndTurnQuestion;
    EXPECT_EQ(presenter.lines(), (std::vector<std::string>{asked, asked}));

    // A player who chose not to be asked ends the turn at once.
    EXPECT_EQ(confirmAndEndTurn(game, started, EndTurnQuestion::Skipped), 1);
    EXPECT_EQ(starts, 2);
    EXPECT_EQ(state.gameTurn, 3);
    EXPECT_EQ(presenter.lines().size(), 2u);
}

TEST_F(TurnTest, AStoppedRunEndsAfterTheTurnInProgressWithEveryReportOfTheTurnsPlayed) {
    dir.write("data\\dateevn\\dateevn0.evn", "[START]\n-optend-\n:dlg\n한 턴\n[END]\n");
    state.adventurers[1000].busyFlag = 1;
    presenter.stopTurnsAfter(3);
    EXPECT_EQ(endTurn(game), 3);
    EXPECT_EQ(state.gameTurn, 4);
    EXPECT_EQ(presenter.lines(),
              (std::vector<std::string>{"inform: 한 턴", "inform: 한 턴", "inform: 한 턴",
                                        std::string("inform: ") + kTurnsStopped}));
    // The play log keeps where the player stopped, so that a replay stops there too.
    std::vector<std::string> recorded;
    const PlayLog log{game, [&](const std::string& line) { recorded.push_back(line); }};
    presenter.stopTurnsAfter(2);
    EXPECT_EQ(confirmAndEndTurn(game), 2);
    EXPECT_EQ(recorded, (std::vector<std::string>{"answer yes", "end 2"}));
    presenter.stopTurnsAfter(std::numeric_limits<int>::max());
    state.adventurers[1000].busyFlag = 0;
    EXPECT_EQ(confirmAndEndTurn(game), 1);
    EXPECT_EQ(recorded.back(), "end");
    // At home one press is one turn, never a run to stop.
    presenter.clear();
    presenter.stopTurnsAfter(0);
    EXPECT_EQ(endTurn(game), 1);
    EXPECT_EQ(presenter.lines(), std::vector<std::string>{"inform: 한 턴"});
}

TEST_F(TurnTest, EndTurnWhileTheMainCharacterNeverComesBackStopsAfterAYearAndSaysWhy) {
    state.adventurers[1000].busyFlag = 1;
    EXPECT_EQ(endTurn(game), kEndTurnLimit);
    EXPECT_EQ(state.gameYear, 201);
    ASSERT_EQ(presenter.lines().size(), 1u);
    EXPECT_TRUE(presenter.lines()[0].starts_with("inform: 주인공이 속한 파티가"));
}

TEST_F(TurnTest, ANewMonthRefreshesTheTradeGoods) {
    dir.write("data\\t.txt", "[START]\n-opt-\n-optend-\n:addcarry\n2\n소금\n100\n1\n2\n3\n[END]\n");
    state.gameWeek = 4;
    state.gameTurn = 5;
    advanceTurn(game, 1);
    EXPECT_EQ(state.gameMonth, 5);
    // Each of the three cities' scripts names city 2.
    EXPECT_EQ(state.tradeGoods[2][3].name, "소금");
    EXPECT_EQ(state.tradeGoods[2][3].turns, 3);
}

}  // namespace
}  // namespace orrowvale
