// The simulator saves a game, a hand edit of the slot is loaded, and play goes on.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/simrun.h"
#include "game/testfiles.h"

namespace orrowvale {
namespace {

struct SimRun {
    std::string lastLine;
    int exitCode = -1;
};

SimRun runSim(const testing::TempGameDir& dir, const std::string& arguments) {
    const testing::SimRun run =
        testing::runSim("--game-dir " + dir.root().string() + " --seed 4 " + arguments);
    return {run.lines.empty() ? std::string() : run.lines.back(), run.exitCode};
}

TEST(SimulatorSaves, SavesLoadsAHandEditedSlotAndPlaysOn) {
    testing::TempGameDir dir;
    dir.copySampleWorld();
    ASSERT_EQ(runSim(dir, "--new random --turns 3 --save 2").exitCode, 0);

    // Line 6 of the main file is the gold.
    std::string main = dir.readBytes("data\\save\\save2\\mainsave.sav");
    std::size_t at = 0;
    for (int line = 1; line < 6; ++line)
        at = main.find("\r\n", at) + 2;
    main.replace(at, main.find("\r\n", at) - at, "4321");
    dir.writeBytes("data\\save\\save2\\mainsave.sav", main);

    SimRun loaded = runSim(dir, "--load 2");
    EXPECT_EQ(loaded.exitCode, 0);
    EXPECT_TRUE(loaded.lastLine.starts_with("state: year=200 month=4 week=1 turn=4 gold=4321 "))
        << loaded.lastLine;
    SimRun played = runSim(dir, "--load 2 --turns 2 --save 3");
    EXPECT_EQ(played.exitCode, 0);
    EXPECT_NE(played.lastLine.find("week=2 turn=1 "), std::string::npos) << played.lastLine;
    EXPECT_TRUE(
        runSim(dir, "--load 3").lastLine.starts_with("state: year=200 month=4 week=2 turn=1 "));

    SimRun empty = runSim(dir, "--load 4");
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_TRUE(empty.lastLine.starts_with("error: data/save/save4/mainsave.sav: "))
        << empty.lastLine;
    EXPECT_EQ(runSim(dir, "--load 11").exitCode, 64);
    EXPECT_EQ(runSim(dir, "--new random --load 1").exitCode, 64);
}

}  // namespace
}  // namespace orrowvale
