// The headless simulator as authors and the checks use it: a real process on the
// sample world.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
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

TEST(Simulator, RefusesAnUnknownNewGame) {
    EXPECT_EQ(runSim("--game-dir " ORROWVALE_GAME_DIR " --new story:x").exitCode, 64);
    EXPECT_EQ(runSim("--game-dir " ORROWVALE_GAME_DIR).exitCode, 64);
}

}  // namespace
