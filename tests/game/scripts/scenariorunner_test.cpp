#include "scripts/scenariorunner.h"

#include <climits>
#include <tuple>

#include "game/scripts/scriptfixture.h"

namespace orrowvale::testing {
namespace {

class ScenarioRunner : public ScriptTest {
  protected:
    void run(std::string_view body) {
        dir.write("data\\scen\\t.scn", body);
        runScript(game, "scen\\t.scn");
    }
    // One block that always runs; switch 1000 set after the actions shows that they
    // took exactly their own operand lines.
    void runActions(std::string_view actions) {
        run("[START]\n-optend-\n" + std::string(actions) + ":switch\n&on\n1000\n[END]\n");
        EXPECT_EQ(state.switches[1000], 1) << actions;
    }
    bool blockRuns(std::string_view conditions) {
        state.switches[1000] = 0;
        run("[START]\n" + std::string(conditions) + "-optend-\n:switch\n&on\n1000\n[END]\n");
        return state.switches[1000] == 1;
    }
};

TEST_F(ScenarioRunner, EachActionChangesWhatItNames) {
    state.switches[6] = 1;
    state.cityPlaceCount[3] = 2;
    state.tradeGoods[2][1].name = "쌀";
    state.guildItems[1] = 3;
    state.scriptVariables[1] = INT_MAX;
    state.currentCity = 3;
    runActions(
        ":switch\n&on\n5\n:switch\n&On\n6\n:addgoto\n3\n물레방아\nplaces\\mill.evn\n"
        ":addcarry\n2\n소금\n120\n15\n10\n2\n:change\n1\nscen\\next.scn\n:onwar\n7\n"
        ":famadd\n2\n200\n:famadd\n3\n300\n:famadd\n1\n-100\n:gp\n300\n:gp\n-100\n:gp\n200\n"
        ":ondungeon\n4\n9\n:additem\n6\n:addvar\n1\n1\n:addvar\n2\n-3\n:setvar\n9\n-7\n"
        ":changequest\n12\nquests\\q.scn\n:onquest\n12\n30\n:onquest\n13\n5\n:offquest\n13\n"
        ":openguild\n");
    EXPECT_EQ(std::tie(state.switches[5], state.switches[6]), std::make_tuple(1, 0));
    EXPECT_EQ(state.cityPlaceCount[3], 3);
    EXPECT_EQ(state.cityPlaces[3][3].eventFile, "places\\mill.evn");
    const TradeGood& good = state.tradeGoods[2][2];
    EXPECT_EQ(std::tie(good.name, good.pay, good.ambushRisk, good.cargoRisk, good.turns),
              std::make_tuple("소금", 120, 15, 10, 2));
    EXPECT_EQ(state.scenarioFiles[1], "scen\\next.scn");
    EXPECT_EQ(state.wars[7].active, 1);
    // Gold and fame amounts are one signed byte: 200 is -56, 300 is 44.
    EXPECT_EQ(std::tie(state.adventureFame, state.politicalFame, state.covertFame, state.gold),
              std::make_tuple(-100, -56, 44, 44 - 100 - 56));
    EXPECT_EQ(state.dungeonSites[4][9].open, 1);
    EXPECT_EQ(state.guildItems[2], 6);
    EXPECT_EQ(
        std::tie(state.scriptVariables[1], state.scriptVariables[2], state.scriptVariables[9]),
        std::make_tuple(INT_MIN, -3, -7));
    EXPECT_EQ(std::tie(state.quests[12].file, state.quests[12].active, state.quests[12].turnsLeft),
              std::make_tuple("quests\\q.scn", 1, 30));
    EXPECT_EQ(state.quests[13].active, 0);
    EXPECT_EQ(state.guildBranches[3], 1);
    EXPECT_EQ(presenter.guildButtonEnables(), 1);
}

TEST_F(ScenarioRunner, OperandsOutsideTheirTablesAreReadAndIgnored) {
    state.cityPlaceCount[2] = 100;  // a city with all its places
    state.currentCity = 101;
    runActions(
        ":switch\n&on\n1001\n:switch\n&on\n0\n:setvar\n1001\n5\n:addvar\n0\n5\n"
        ":addgoto\n101\n집\nx.evn\n:addgoto\n2\n집\nx.evn\n:addcarry\n101\n소금\n1\n2\n3\n4\n"
        ":change\n101\nx.scn\n:onwar\n101\n:ondungeon\n101\n1\n:ondungeon\n1\n101\n"
        ":famadd\n4\n10\n:changequest\n501\nq\n:onquest\n0\n5\n:offquest\n501\n:openguild\n");
    EXPECT_EQ(state.cityPlaceCount[2], 100);
    EXPECT_EQ(state.cityPlaces[2][100].name, "");
    EXPECT_EQ(presenter.guildButtonEnables(), 0);
}

TEST_F(ScenarioRunner, FullTablesReadOnlyWhatTheGameAlwaysRead) {
    // With no free slot ":addcarry" reads only its city and ":additem" nothing: the
    // lines after them are read as lines of their own (here, to show it, ":gp").
    for (TradeGood& good : state.tradeGoods[2])
        good.name = "쌀";
    state.guildItems.fill(1);
    runActions(":addcarry\n2\n:gp\n5\n:additem\n:gp\n7\n");
    EXPECT_EQ(state.gold, 12);
}

TEST_F(ScenarioRunner, ConditionsHoldAsTheirKeywordsSay) {
    state.currentCity = 3;
    state.characterNumber = 7;
    state.adventureFame = 10;
    state.scriptVariables[2] = -5;
    state.scriptVariables[3] = 101;
    std::tie(state.gameYear, state.gameMonth, state.gameWeek, state.gameTurn) =
        std::make_tuple(201, 1, 1, 1);
    // Each case rolls at most one d100; 0 for none.
    const std::tuple<const char*, int, bool> cases[] = {
        {"", 0, true},
        {":per\n0\n", 1, false},
        {":per\n100\n", 100, true},
        {":per\n50\n", 50, true},
        {":per\n50\n", 51, false},
        {":pervar\n3\n", 100, false},
        {":pervar\n4\n", 1, true},  // a variable of 0
        {":pervar\n1001\n", 100, false},
        {":samevar\n2\n-5\n:location\n3\n:chrnum\n7\n:fam\n1\n10\n", 0, true},
        {":samevar\n1001\n0\n", 0, false},
        {":location\n4\n", 0, false},
        {":fam\n1\n11\n", 0, false},
        {":fam\n4\n-1000\n", 0, false},
        {":aftertime\n1\n1\n1\n201\n:aftertime\n5\n4\n12\n200\n", 0, true},
        {":aftertime\n2\n1\n1\n201\n", 0, false},
        {":aftertime\n1\n1\n1\n202\n", 0, false},
        {":switch\n&off\n5\n", 0, true},
        {":switch\n&on\n5\n", 0, false},
        {":switch\n&maybe\n5\n", 0, false},
        {":switch\n&off\n1001\n", 0, false},
    };
    for (const auto& [conditions, d100, holds] : cases) {
        if (d100 != 0) dice.queueD100({d100});
        EXPECT_EQ(blockRuns(conditions), holds) << conditions;
        EXPECT_EQ(dice.queued(), 0u) << conditions;
    }
}

TEST_F(ScenarioRunner, AFailedConditionStillReadsItsFollowersAndRollsTheirDice) {
    dice.queueD100({100, 1, 1});
    dice.queue({2});
    EXPECT_FALSE(blockRuns(":per\n0\n:switch\n&on\n5\n:per\n100\n:pervar\n1\n:perspip\n9\n"));
    EXPECT_EQ(dice.queued(), 0u);
}

TEST_F(ScenarioRunner, PartyKeywordsNeedARunningParty) {
    // No party, one outside the table, one not in use: operands are read and
    // ":perspip" rolls, but nothing holds and nothing happens.
    addParty(2);
    state.parties[2].inUse = false;
    for (int party : {0, 1001, 2}) {
        game.currentParty = party;
        dice.queue({0});
        EXPECT_FALSE(blockRuns(":perspip\n5\n"));
        EXPECT_EQ(dice.queued(), 0u);
        runActions(":stopquest\n:killone\n:fight\n늑대\n100000\n0\n0\n");
        EXPECT_FALSE(game.scriptStopFlag);
    }
    EXPECT_TRUE(state.parties[2].onMission);
    EXPECT_EQ(state.parties[2].members[1], 900);
    EXPECT_TRUE(presenter.lines().empty());
}

TEST_F(ScenarioRunner, PartyKeywordsActOnTheCurrentParty) {
    game.currentParty = addParty(1);
    dice.queue({7, 8});  // rolls 8 and 9 against the rating 8
    EXPECT_TRUE(blockRuns(":perspip\n20\n"));
    EXPECT_FALSE(blockRuns(":perspip\n20\n"));
    EXPECT_FALSE(blockRuns(":perspip\n0\n"));  // a die without sides cannot hold
    runActions(":stopquest\n");
    EXPECT_FALSE(state.parties[1].onMission);

    // A fight nobody can win or lose lets the file go on; a monster no party
    // survives ends it at once.
    run("[START]\n-optend-\n:fight\n돌벽\n0\n100000\n0\n:gp\n5\n[END]\n");
    EXPECT_FALSE(game.scriptStopFlag);
    run("[START]\n-optend-\n:fight\n거인\n100000\n0\n0\n:gp\n5\n[END]\n"
        "[START]\n-optend-\n:gp\n5\n[END]\n");
    EXPECT_TRUE(game.scriptStopFlag);
    EXPECT_FALSE(state.parties[1].inUse);
    EXPECT_EQ(state.gold, 5);
}

TEST_F(ScenarioRunner, BlocksRunInOrderAndExitfileEndsTheFileAtOnce) {
    game.scriptStopFlag = true;  // left over from the file before
    run("notes\n[START]\n-optend-\n:switch\n&on\n5\n[END]\n:gp\n1\n"
        "[START]\n:switch\n&on\n5\n-optend-\n:gp\n10\n:exitfile\n:gp\n20\n[END]\n"
        "[START]\n-optend-\n:gp\n40\n[END]\n");
    EXPECT_EQ(state.gold, 10);

    run("[START]\n-optend-\n:gp\n1\n");  // without "[END]" the actions run to the end
    runScript(game, "scen\\missing.scn");
    EXPECT_EQ(state.gold, 11);
}

TEST_F(ScenarioRunner, AnOperandThatIsNoNumberStopsTheRunAndKeepsWhatWasDone) {
    EXPECT_EQ(failure([&] { run("[START]\n-optend-\n:gp\n10\n:setvar\n3\nthree\n:gp\n9\n"); }),
              std::make_pair(std::string("data/scen/t.scn"), 7));
    EXPECT_EQ(state.gold, 10);
}

TEST_F(ScenarioRunner, TextBlocksShowTheLinesAfterTheFirstStart) {
    run("[START]\n-optend-\n:dlg\n안녕\n"
        ":announce\n제목\n&start\n첫 줄\n&start\n&end\n:announce\n제목만\n&end\n"
        ":talk\n노 집사\n&start\n도련님\n\n&end\n:talk\n끝\n&start\n열린 채");
    EXPECT_EQ(presenter.lines(),
              (std::vector<std::string>{"inform: 안녕", "announce[시나리오]: 첫 줄\\n&start",
                                        "announce[시나리오]: ", "talk[노 집사]: 도련님\\n",
                                        "talk[끝]: 열린 채"}));
    EXPECT_EQ(presenter.lastScrollEndPosition(), 50);
}

TEST_F(ScenarioRunner, AddrandomEnrolsANewPersonInTheCurrentCity) {
    dir.write("data\\malename.txt", "1\n갑돌\n");
    dir.write("data\\fmlname.txt", "1\n갑순\n");
    dir.write("data\\fnames.txt", "1\n김\n");
    state.currentCity = 4;
    state.adventurers[1000].name = "주인공";
    state.guildRoster[1][1000] = 1000;
    runActions(":addrandom\n");
    const TAdven& added = state.adventurers[999];
    EXPECT_EQ(std::tie(added.familyName, added.location, added.isGuildMember),
              std::make_tuple("김", 4, 1));
    EXPECT_EQ(state.guildRoster[1][999], 999);

    // A full roster takes nobody.
    for (int& entry : state.guildRoster[1])
        entry = entry == 0 ? 1 : entry;
    runActions(":addrandom\n");
    EXPECT_TRUE(state.adventurers[998].isFree());
    // Nor does a full world make anyone.
    state.guildRoster[1][5] = 0;
    for (TAdven& adventurer : state.adventurers)
        adventurer.name = "사람";
    runActions(":addrandom\n");
    EXPECT_EQ(state.guildRoster[1][5], 0);
}

}  // namespace
}  // namespace orrowvale::testing
