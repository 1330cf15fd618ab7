// Party setup and the trading post played by the real simulator on the sample
// world, as an author or a bug report would play them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "game.h"
#include "game/testfiles.h"
#include "guild/guildwindow.h"
#include "lifecycle/createworld.h"
#include "lifecycle/savegame.h"
#include "sim/simrun.h"
#include "transcript.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale::testing {
namespace {

class PartySimulation : public ::testing::Test {
  protected:
    // The simulator's lines for `actions` played in a new random game of seed 5.
    std::vector<std::string> play(const std::string& actions, int turns = 0) {
        return testing::withoutAnnouncements(
            testing::runSim("--game-dir " ORROWVALE_GAME_DIR " --seed 5 --new random --turns " +
                            std::to_string(turns) + " " +
                            testing::actionsArgument(dir.root(), actions))
                .lines);
    }
    static bool has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    // The lines after "> ACTION" up to the next action or the closing state.
    static std::vector<std::string> after(const std::vector<std::string>& lines,
                                          const std::string& action) {
        return testing::printedAfter(lines, action);
    }
    TempGameDir dir;
};

TEST_F(PartySimulation, APartyIsFormedNamedAndSentWithGoodsUntilItComesHome) {
    // The guild members who may lead: the chooser's rows, read off a first run
    // that names nobody it offers (adventurer 1 is no guild member).
    const auto offered = after(play("found 1\n"), "found 1");
    std::vector<std::string> members;
    for (const std::string& line : offered)
        if (line.starts_with("list[advlistbox]: ")) members.push_back(line.substr(18));
    ASSERT_GE(members.size(), 3u);
    EXPECT_EQ(offered.back(), "refused: not offered");
    const auto numberOf = [](const std::string& row) { return row.substr(0, row.find(' ')); };
    const std::string a = numberOf(members[0]), b = numberOf(members[1]), c = numberOf(members[2]);

    const std::string script = "found " + a + "\nadd 1 " + b + "\nadd 1 " + c + "\nplace 1 " + c +
                               " 5\nplace 1 " + b + " 5\nleader 1 " + b +
                               "\nrename 1 은빛 매\ntrade\ntake 1 1\nremove 1 " + c +
                               "\nrename 1\nsetup\n";
    const auto lines = play(script, 8);
    ASSERT_FALSE(lines.empty());

    EXPECT_EQ(after(lines, "found " + a).back(), "list[partylist]: 1 파티명 없음");
    const auto added = after(lines, "add 1 " + c);
    EXPECT_EQ(std::count_if(added.begin(), added.end(),
                            [](const std::string& l) { return l.starts_with("list[memberlist]"); }),
              3);
    // A row reads "NUMBER. NAME, CLASS, ABILITIES"; the grid names who stands there.
    const std::size_t nameStart = members[1].find(". ") + 2;
    const std::string nameOfB =
        members[1].substr(nameStart, members[1].find(',', nameStart) - nameStart);
    EXPECT_EQ(after(lines, "place 1 " + b + " 5"),
              (std::vector<std::string>{"label[loc5]: " + nameOfB}));
    EXPECT_EQ(after(lines, "leader 1 " + b).size(), 1u);
    EXPECT_EQ(after(lines, "rename 1 은빛 매"),
              (std::vector<std::string>{"list[partylist]: 1 은빛 매"}));

    const auto taken = after(lines, "take 1 1");
    ASSERT_GE(taken.size(), 6u);
    EXPECT_TRUE(taken[0].starts_with("label[cfeelabel]: 보수: ")) << taken[0];
    EXPECT_EQ(taken[4], "list[advlistbox]: 1 은빛 매 (위험: 낮음 (0%), 성공 확률: 100%)")
        << "after the place, turns and risk";
    EXPECT_EQ(taken.back(), "inform: 조심해서 다녀오게");
    // Away with the goods: the members stay, but the name may change.
    EXPECT_EQ(after(lines, "remove 1 " + c),
              (std::vector<std::string>{"refused: 임무 중인 파티입니다."}));
    // The turns pressed after the script follow the list.
    EXPECT_EQ(after(lines, "setup").front(), "list[partylist]: 1 파티명 없음");

    const bool cameHome = std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return l.starts_with("report[") &&
               l.find("]: 파티 파티명 없음이 수송 ") != std::string::npos &&
               l.find("귀환했습니다") != std::string::npos;
    });
    EXPECT_TRUE(cameHome);
    EXPECT_TRUE(lines.back().starts_with("state: ")) << lines.back();
}

TEST_F(PartySimulation, DisbandingIsAskedAndANoKeepsTheParty) {
    // Seed 5 starts with guild member 985 at home.
    const auto lines = play("found 985\nanswer no\ndisband 1\nsetup\ndisband 1\nsetup\n");
    const std::string question = "confirm: 파티 파티명 없음을 해체하시겠습니까?";
    EXPECT_EQ(after(lines, "disband 1"), std::vector<std::string>{question}) << "a No keeps it";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), question), 2);
    // Listed when founded and at the first look; gone at the second.
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "list[partylist]: 1 파티명 없음"), 2);
}

TEST_F(PartySimulation, ChoicesThatAreNotOnTheListAreRefused) {
    const auto lines = play("add 1 5\ndisband 3\ntake 20 1\ndefence 1\n");
    for (const char* action : {"add 1 5", "disband 3", "take 20 1", "defence 1"})
        EXPECT_EQ(after(lines, action), (std::vector<std::string>{"refused: not offered"}))
            << action;
}

// The guild window, with its panels and the party setup opened from it, needs a
// branch in the city.
TEST_F(PartySimulation, WhereTheCityHasNoBranchTheGuildWindowAndPartySetupAreRefused) {
    dir.copySampleWorld();
    GameState state;
    const GamePaths paths = dir.paths();
    Dice dice(5);
    TranscriptPresenter presenter;
    Game game(state, paths, dice, presenter);
    createRandomWorld(game);
    state.guildBranches.fill(0);
    saveGame(state, paths, 1);

    const std::vector<std::string> lines =
        testing::runSim(
            "--game-dir " + dir.root().string() + " --seed 5 --load 1 " +
            testing::actionsArgument(dir.root(),
                                     "guild\ninfo 985\npartyinfo 1\nsetup\nfound 985\nadd 1 985\n"))
            .lines;
    const std::string refused = std::string("refused: ") + kNoGuildBranchHere;
    for (const char* action :
         {"guild", "info 985", "partyinfo 1", "setup", "found 985", "add 1 985"})
        EXPECT_EQ(after(lines, action), std::vector<std::string>{refused}) << action;
}

}  // namespace
}  // namespace orrowvale::testing
