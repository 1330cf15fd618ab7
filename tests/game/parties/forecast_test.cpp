#include "parties/forecast.h"

#include <gtest/gtest.h>

#include "game/parties/missionfixture.h"
#include "lifecycle/savegame.h"
#include "world/adventurer.h"

namespace orrowvale::testing {
namespace {

using Forecast = MissionTest;

// The forecast plays the mission by the rules that then play it: a certain fight is a
// certain loss, a sure reward is shown as that one number, a roll as its spread; and
// the game it looked at, its dice included, is as it was.
TEST_F(Forecast, ShowsWhatTheRulesDoAndLeavesTheGameAsItWas) {
    dir.write("data\\quests\\dragon.scn",
              "[START]\n-optend-\n:fight\n용\n100000\n100000\n50\n[END]\n");
    dir.write("data\\quests\\errand.scn", "[START]\n-optend-\n:gp\n100\n:stopquest\n[END]\n");
    dir.write("data\\search\\s.txt", "[START]\n-startopt\n:per\n50\n-optend-\n:gp\n30\n[END]\n");
    state.quests[1] = {"용 사냥", "quests\\dragon.scn", 1, 0};
    state.quests[2] = {"심부름", "quests\\errand.scn", 1, 0};
    state.searchSites[1][1] = {"뒷골목", "search\\s.txt", 1};
    formParty(1, {1, 2});
    state.gold = 1000;
    state.mainchrnum = 9;  // at home: the digest of a game names its main character
    const auto digest = progressDigest(state);
    const Dice dice = game.dice;

    const auto dragon = forecastErrand(game, 1, Errand::Quest, 1, 1);
    ASSERT_TRUE(dragon);
    EXPECT_EQ(dragon->plays, kForecastPlays);
    EXPECT_EQ(dragon->lossChance, 1.0);
    EXPECT_EQ(dragon->successChance, 0.0);

    const auto errand = forecastErrand(game, 1, Errand::Quest, 2, 1);
    ASSERT_TRUE(errand);
    EXPECT_EQ(errand->lossChance, 0.0);
    EXPECT_EQ(errand->successChance, 1.0);
    EXPECT_EQ(spreadText(errand->gold, "gp"), "100gp");
    EXPECT_EQ(spreadText(errand->turns, "턴"), "1턴");

    // Four turns of a search that finds 30gp half the turns, at 20gp a turn.
    const auto search = forecastErrand(game, 1, Errand::Search, 1, 4);
    ASSERT_TRUE(search);
    EXPECT_EQ(spreadText(search->gold, "gp"), "0~120gp");
    EXPECT_EQ(spreadText(search->cost, "gp"), "80gp");
    EXPECT_EQ(spreadText(search->turns, "턴"), "4턴");
    EXPECT_GT(search->successChance, 0.8);
    EXPECT_LT(search->successChance, 1.0);

    EXPECT_EQ(progressDigest(state), digest);
    EXPECT_EQ(game.dice.seed(), dice.seed());
    Dice same = dice;
    EXPECT_EQ(game.dice.roll(1000000), same.roll(1000000)) << "the game's dice rolled nothing";
    EXPECT_FALSE(forecastErrand(game, 1, Errand::Quest, 3, 1)) << "no such quest open";
}

// A reward the plays may never meet at its most is shown to what the rules can pay:
// the treasure of a level no party has reached, the gold lines of every turn.
TEST_F(Forecast, ShowsGoldToWhatTheRulesCanPay) {
    dir.write("data\\dungeon\\d.txt", "1\n[START]\n1\n0\nmonster\\m.txt\ndungeon\\x.scn\n[END]\n");
    dir.write("data\\monster\\m.txt", "1\n쥐\n0\n0\n1\n");
    dir.write("data\\dungeon\\x.scn", "[START]\n-optend-\n[END]\n");
    dir.write("data\\search\\s.txt",
              "[START]\n-startopt\n:per\n1\n-optend-\n:gp\n100\n:famadd\n1\n5\n[END]\n");
    state.dungeonSites[1][1] = {"동굴", "dungeon\\d.txt", 1, 0};
    state.searchSites[1][1] = {"뒷골목", "search\\s.txt", 1};
    formParty(1, {1, 2});
    state.gold = 1000;

    // Past its one level the party finds the treasure of level 2: 1 to 300gp.
    const auto dungeon = forecastErrand(game, 1, Errand::Dungeon, 1, 1);
    ASSERT_TRUE(dungeon);
    EXPECT_EQ(dungeon->gold.least, 0);
    EXPECT_EQ(dungeon->gold.most, treasureMost(2));
    EXPECT_GE(dungeon->goldSeen.least, 1);
    EXPECT_EQ(boundedText(dungeon->gold, dungeon->goldSeen, "gp"),
              "0~300gp (대개 " + spreadText(dungeon->goldSeen, "gp") + ")");
    state.dungeonSites[1][1].deepestLevel = 2;
    const auto reached = forecastErrand(game, 1, Errand::Dungeon, 1, 1);
    EXPECT_EQ(boundedText(reached->gold, reached->goldSeen, "gp"), "0gp")
        << "a level reached before pays no treasure";

    // 100gp in one turn of a hundred, over three turns.
    const auto search = forecastErrand(game, 1, Errand::Search, 1, 3);
    ASSERT_TRUE(search);
    EXPECT_EQ(spreadText(search->gold, "gp"), "0~300gp");
    EXPECT_EQ(spreadText(search->fame, ""), "0~15");
    EXPECT_LT(search->meanGold, 30.0);
}

}  // namespace
}  // namespace orrowvale::testing
