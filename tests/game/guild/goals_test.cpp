#include "guild/goals.h"

#include "game/scripts/scriptfixture.h"
#include "scripts/scenariorunner.h"

namespace orrowvale::testing {
namespace {

class Goals : public ScriptTest {
  protected:
    void SetUp() override {
        state.cityCount = 3;
        state.playerNation = 1;
        state.cityNations[1] = state.cityNations[2] = 1;
        state.cityNations[3] = 2;  // another nation's city is not asked for
        dir.write("data\\dungeon\\deep.txt", "3\n");
        dir.write("data\\dungeon\\shallow.txt", "2\n");
        state.dungeonSites[1][1] = {"얕은 굴", "dungeon\\shallow.txt", 1, 3};  // passed
        state.dungeonSites[2][1] = {"깊은 무덤", "dungeon\\deep.txt", 1, 2};
    }
    std::vector<std::string> reached() {
        std::vector<std::string> keys;
        for (const GuildGoal& goal : guildGoals(game))
            if (goal.reached) keys.push_back(goal.key);
        return keys;
    }
};

TEST_F(Goals, TheClosingChapterOpensByScriptAndEachGoalIsAnnouncedOnce) {
    state.adventureFame = 250;
    state.politicalFame = 50;
    announceReachedGoals(game);
    EXPECT_TRUE(guildGoals(game).empty());  // the story is not told yet
    EXPECT_TRUE(presenter.lines().empty());

    dir.write("data\\closing.scn", "[START]\n-optend-\n:goals\n[END]\n");
    runScript(game, "closing.scn");
    EXPECT_EQ(reached(), (std::vector<std::string>{"rank 100", "rank 300"}));
    EXPECT_EQ(goalLine(guildGoals(game).back()),
              "[목표] 가장 깊은 던젼 '깊은 무덤'의 밑바닥: 3층 중 1층까지");
    announceReachedGoals(game);
    EXPECT_EQ(presenter.lines().size(), 2u);
    announceReachedGoals(game);
    EXPECT_EQ(presenter.lines().size(), 2u);

    state.guildBranches[1] = state.guildBranches[2] = 1;
    state.dungeonSites[2][1].deepestLevel = 4;  // past its third and last level
    for (int number = 1; number <= kGoalGuildSize; ++number) {
        state.adventurers[number].name = "길드원";
        state.adventurers[number].isGuildMember = 1;
    }
    announceReachedGoals(game);
    EXPECT_EQ(state.goalsAnnounced,
              (std::vector<std::string>{"rank 100", "rank 300", "branches", "members", "deepest"}));
    EXPECT_EQ(presenter.lines().back(),
              "inform: 길드의 목표를 이루었습니다. 가장 깊은 던젼 '깊은 무덤'의 밑바닥: 3층 중 "
              "3층까지");
}

}  // namespace
}  // namespace orrowvale::testing
