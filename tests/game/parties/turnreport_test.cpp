#include "parties/turnreport.h"

#include <gtest/gtest.h>

#include "game/parties/missionfixture.h"
#include "messagelog.h"
#include "parties/travel.h"
#include "parties/turn.h"

namespace orrowvale::testing {
namespace {

// The main character travels with 매 for three turns while 곰 arrives after one;
// every turn's date event stops the player with a box of its own.
class TurnReportTest : public MissionTest {
  protected:
    TurnReportTest() {
        dir.write("data\\dateevn\\dateevn0.evn", "[START]\n-optend-\n:dlg\n한 턴\n[END]\n");
        formParty(1, {1, 2}, "매");
        formParty(2, {3}, "곰");
        state.mainchrnum = 1;
        startTravel(state, 1, 3, 2);
        startTravel(state, 2, 1, 2);
    }

    const std::string turn2 = "200년 4월 1주 2턴";
    const std::string turn4 = "200년 4월 1주 4턴";
    const std::string bearArrived = "곰이 나루로의 이동을 완료하였습니다.";
    const std::string hawkArrived = "매가 나루로의 이동을 완료하였습니다.";
};

TEST_F(TurnReportTest, ARunsReportsComeOnceNewestTurnFirstAndTheLogKeepsThemInTurnOrder) {
    RecordingPresenter recording(presenter, state);
    Game logged{state, paths, dice, recording};
    EXPECT_EQ(endTurn(logged), 3);
    EXPECT_EQ(
        presenter.lines(),
        (Lines{"inform: 한 턴", "inform: 한 턴", "inform: 한 턴", "report: 이번 턴의 소식",
               "report[" + turn4 + "]: " + hawkArrived, "report[" + turn2 + "]: " + bearArrived}));
    const std::string turn3 = "200년 4월 1주 3턴";
    EXPECT_EQ(recording.log.entries(), (std::vector<LogEntry>{{turn2, "알림", "한 턴"},
                                                              {turn2, "소식", bearArrived},
                                                              {turn3, "알림", "한 턴"},
                                                              {turn4, "알림", "한 턴"},
                                                              {turn4, "소식", hawkArrived}}));

    // A player who keeps one box per report hears each as the turn reaches it.
    presenter.clear();
    presenter.gatherTurnReports(false);
    startTravel(state, 2, 1, 1);
    EXPECT_EQ(endTurn(game), 1);
    EXPECT_EQ(presenter.lines(),
              (Lines{"inform: 한 턴", "inform: 곰이 가람으로의 이동을 완료하였습니다."}));
}

// A run that fails part way still tells what its turns did before the failure.
TEST_F(TurnReportTest, AFailedRunShowsWhatItGatheredBeforeTheFailureIsTold) {
    Lines seen;
    TranscriptPresenter shown([&](const std::string& line) {
        seen.push_back(line);
        // The next turn looks for a date event file that is not there.
        if (line == "inform: 한 턴") state.characterNumber = 5;
    });
    Game failing{state, paths, dice, shown};
    EXPECT_THROW(endTurn(failing), DataError);
    EXPECT_EQ(seen, (Lines{"inform: 한 턴", "report: 이번 턴의 소식",
                           "report[" + turn2 + "]: " + bearArrived}));
    EXPECT_EQ(failing.turnReport, nullptr) << "the next press gathers afresh";
}

}  // namespace
}  // namespace orrowvale::testing
