// The cautious player's survey: its table, and games that replay as action files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/testfiles.h"
#include "sim/simrun.h"

namespace orrowvale {
namespace {

std::vector<std::string> fileLines(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(Survey, PrintsAMonthlyTableAndEachGameReplaysThroughActions) {
    testing::TempGameDir dir;
    dir.copySampleWorld();
    const std::string game = "--game-dir " + dir.root().string();
    const std::filesystem::path transcripts = dir.root() / "transcripts";
    const testing::SimRun survey = testing::runSim(game +
                                                   " --seed 3 --new story:0 --survey 2 "
                                                   "--months 1 --transcripts " +
                                                   transcripts.string());
    ASSERT_EQ(survey.exitCode, 0);
    ASSERT_EQ(survey.lines.size(), 7u);
    EXPECT_EQ(survey.lines[0], "survey story:0: 2 games, 1 months, cautious player");
    // The chapters the games reached, the story's first chapter always among them.
    EXPECT_NE(survey.lines[1].find("  in pub  chapter 1/"), std::string::npos) << survey.lines[1];
    EXPECT_TRUE(survey.lines[1].ends_with("/epilogue")) << survey.lines[1];
    // Nobody sees the epilogue in April.
    EXPECT_TRUE(survey.lines[2].starts_with("    1  ")) << survey.lines[2];
    EXPECT_TRUE(survey.lines[2].ends_with("%/0%")) << survey.lines[2];
    EXPECT_TRUE(survey.lines[3].starts_with("first recruit: never ")) << survey.lines[3];
    EXPECT_TRUE(survey.lines[5].starts_with("endings: main character died ")) << survey.lines[5];
    EXPECT_EQ(survey.lines[6], "epilogue: not shown 100%; within 1 months 0%");

    // The second game played with seed 4: only player actions, so the same actions
    // with the same seed give the same guild.
    const std::vector<std::string> actions = fileLines(transcripts / "game2.txt");
    ASSERT_GT(actions.size(), 10u);
    const testing::SimRun replay = testing::runSim(game + " --seed 4 --new story:0 --actions " +
                                                   (transcripts / "game2.txt").string());
    ASSERT_EQ(replay.exitCode, 0) << replay.lines.back();
    const std::string& kept = actions.back();  // "# gold=G adventureFame=F"
    const std::string gold = kept.substr(2, kept.find(' ', 2) - 2);
    EXPECT_NE(replay.lines.back().find(" " + gold + " "), std::string::npos)
        << replay.lines.back() << " against " << kept;
    EXPECT_NE(replay.lines.back().find(kept.substr(kept.find("adventureFame"))), std::string::npos);
}

}  // namespace
}  // namespace orrowvale
