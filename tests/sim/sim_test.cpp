// The headless simulator as authors and the checks use it: a real process on the
// sample world.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "game/testfiles.h"
#include "sim/simrun.h"

namespace {

using orrowvale::testing::runSim;
using orrowvale::testing::SimRun;

int count(const SimRun& run, const std::string& prefix) {
    int n = 0;
    for (const auto& line : run.lines)
        n += line.starts_with(prefix) ? 1 : 0;
    return n;
}

TEST(Simulator, PlaysAStoryYearOnTheSampleWorldAndEndsWithTheState) {
    const SimRun run =
        runSim("--game-dir " ORROWVALE_GAME_DIR " --seed 3 --new story:0 --turns 240");
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_FALSE(run.lines.empty());
    ASSERT_GT(run.lines.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(run.lines[i].starts_with("announce[프롤로그]: ")) << i;
    EXPECT_FALSE(run.lines[4].starts_with("announce")) << "the prologue has four parts";
    EXPECT_TRUE(run.lines.back().starts_with("state: ")) << run.lines.back();
    EXPECT_NE(run.lines.back().find("year=201 month=4 week=1 turn=1 "), std::string::npos)
        << run.lines.back();
    EXPECT_GT(count(run, "inform: "), 0);  // the story speaks during the year
}

TEST(Simulator, TheSameSeedPlaysTheSameGame) {
    const std::string arguments =
        "--game-dir " ORROWVALE_GAME_DIR " --seed 11 --new random --turns 60";
    const SimRun first = runSim(arguments);
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.lines, runSim(arguments).lines);
}

TEST(Simulator, ADataErrorNamesTheFileAndExitsWithTwo) {
    orrowvale::testing::TempGameDir dir;
    const SimRun run = runSim("--game-dir " + dir.root().string() + " --new random");
    EXPECT_EQ(run.exitCode, 2);
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_TRUE(run.lines[0].starts_with("error: data/city.txt:")) << run.lines[0];
}

// An action file is read whole before anything is played, and with bounds: a
// folder, a device that never ends or a file larger than any script is refused
// with the file named, and what was read is not echoed.
TEST(Simulator, RefusesAnActionFileThatIsNoFileOrHasNoEnd) {
    orrowvale::testing::TempGameDir dir;
    std::ofstream huge(dir.root() / "huge.txt", std::ios::binary);
    for (int line = 0; line < 17 * 1024; ++line)
        huge << '#' << std::string(1000, '-') << '\n';
    huge.close();
    ASSERT_EQ(::mkfifo((dir.root() / "pipe").c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {".", "error: .: cannot open the file (it is a directory)"},
        {"- < /dev/zero", "error: -:1: the line is longer than 1024 bytes; no action is that long"},
        {"/dev/zero", "error: /dev/zero: cannot open the file (it is not a regular file)"},
        {"pipe",
         "error: pipe: cannot open the file (it is not a regular file); give - to read standard "
         "input"},
        {"huge.txt", "error: huge.txt: the file is larger than 16 MB; no game file is that large"},
    };
    for (const auto& [actions, expected] : cases) {
        const SimRun run = orrowvale::testing::runCommand(
            "cd " + dir.root().string() +
            " && " ORROWVALE_SIM_TOOL " --game-dir " ORROWVALE_GAME_DIR " --new random --actions " +
            actions);
        EXPECT_EQ(run.exitCode, 2) << actions;
        EXPECT_EQ(run.lines, std::vector<std::string>{expected}) << actions;
    }
}

TEST(Simulator, RefusesAnUnknownNewGame) {
    EXPECT_EQ(runSim("--game-dir " ORROWVALE_GAME_DIR " --new story:x").exitCode, 64);
    EXPECT_EQ(runSim("--game-dir " ORROWVALE_GAME_DIR).exitCode, 64);
}

}  // namespace
