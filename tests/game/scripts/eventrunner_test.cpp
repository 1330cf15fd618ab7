#include "scripts/eventrunner.h"

#include <tuple>

#include "game/scripts/scriptfixture.h"

namespace orrowvale::testing {
namespace {

class EventRunner : public ScriptTest {
  protected:
    void run(std::string_view body) {
        dir.write("data\\places\\e.evn", body);
        runEvent(game, "places\\e.evn");
    }
    bool blockRuns(std::string_view conditions) {
        state.gold = 0;
        run("[START]\n" + std::string(conditions) + "-optend-\n:gp\n1\n[END]\n");
        return state.gold == 1;
    }
};

TEST_F(EventRunner, RunsItsOwnActionsAndReadsOthersAsPlainLines) {
    state.currentCity = 2;
    state.mainchrnum = 5;
    state.adventurers[5].name = "윤한결";
    run("[START]\n-optend-\n:gp\n200\n:famadd\n1\n300\n:switch\n&on\n4\n"
        ":addgoto\n2\n오두막\nplaces\\hut.evn\n:ondungeon\n2\n3\n:openguild\n"
        ":dlg\n편지\n:talk\n노 집사\n&start\n도련님\n&end\n:talkchr\n&start\n가자\n&end\n"
        // Scenario keywords are no actions here; their operands match nothing.
        ":setvar\n1\n9\n:onwar\n3\n:announce\n&start\n:gp\n1\n&end\n[END]\n");
    EXPECT_EQ(std::tie(state.gold, state.adventureFame), std::make_tuple(-56 + 1, 44));
    EXPECT_EQ(state.switches[4], 1);
    EXPECT_EQ(state.cityPlaces[2][1].eventFile, "places\\hut.evn");
    EXPECT_EQ(state.dungeonSites[2][3].open, 1);
    EXPECT_EQ(state.guildBranches[2], 1);
    EXPECT_EQ(std::tie(state.scriptVariables[1], state.wars[3].active),
              std::make_tuple(0, std::uint8_t{0}));
    EXPECT_EQ(presenter.lines(), (std::vector<std::string>{"inform: 편지", "talk[노 집사]: 도련님",
                                                           "talk[윤한결]: 가자"}));
}

TEST_F(EventRunner, ExitfileLetsItsBlockFinishAndSkipsTheRest) {
    game.eventStopFlag = true;  // left over from the event before
    run("[START]\n-optend-\n:gp\n10\n[END]\n"
        "[START]\n-optend-\n:exitfile\n:gp\n20\n[END]\n[START]\n-optend-\n:gp\n40\n[END]\n");
    EXPECT_EQ(state.gold, 30);
}

TEST_F(EventRunner, ConditionsAreTheSmallerSet) {
    std::tie(state.gameYear, state.gameMonth, state.gameWeek, state.gameTurn) =
        std::make_tuple(200, 5, 1, 1);
    state.characterNumber = 1;
    state.switches[3] = 1;
    struct Case {
        const char* conditions;
        bool holds;
    };
    const Case cases[] = {
        {":aftertime\n1\n1\n5\n200\n1\n1\n5\n200\n", true},
        {":aftertime\n1\n1\n4\n200\n2\n1\n5\n200\n", false},
        {":aftertime\n2\n1\n5\n200\n1\n1\n4\n200\n", false},
        {":chrnum\n1\n:switch\n&on\n3\n", true},
        {":chrnum\n0\n", false},
        {":switch\n&off\n3\n", false},
        {":location\n9\n:per\n0\n:samevar\n1\n5\n", true},  // not conditions here
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.conditions);
        EXPECT_EQ(blockRuns(c.conditions), c.holds);
    }
}

TEST_F(EventRunner, FileAndNumberFaultsAreErrorsNamingTheFile) {
    EXPECT_EQ(failure([&] { runEvent(game, "places\\none.evn"); }),
              std::make_pair(std::string("data/places/none.evn"), 0));
    // A date guard written with one date reads "-optend-" as a number.
    EXPECT_EQ(failure([&] { run("[START]\n:aftertime\n1\n1\n5\n200\n-optend-\n:gp\n1\n"); }),
              std::make_pair(std::string("data/places/e.evn"), 7));
    EXPECT_EQ(state.gold, 0);
}

}  // namespace
}  // namespace orrowvale::testing
