// The play log: a game recorded as it is played replays to the very same save, and a
// log from another world is refused.

#include <gtest/gtest.h>

#include <string>

#include "game/testfiles.h"
#include "sim/simrun.h"

namespace orrowvale {
namespace {

// Random play on seed 5: guild members 985 to 1000 at home in 은빛나루 (see the
// whole game's script).
TEST(Replay, ARecordedGameReplaysToTheSameSaveByteForByte) {
    testing::TempGameDir dir;
    dir.copySampleWorld();
    const std::string game = "--game-dir " + dir.root().string() + " ";
    const std::string log = (dir.root() / "play.txt").string();
    const testing::SimRun played = testing::runSim(
        game + "--seed 5 --new random --record " + log + " " +
        testing::actionsArgument(dir.root(),
                                 "pub\nrumour\nlook\nclose\nfame\nleave\n"
                                 "setup\nfound 985\nadd 1 986\nadd 1 987\nplace 1 986 5\n"
                                 "leader 1 987\nrename 1 새벽 원정대\nanswer no\ndisband 1\n"
                                 "dispatch 1 dungeon 1 1\nfound 988\nmove 2 2 1\nend\n"
                                 "trade\ntake 1 1\nsave 3\n") +
        " --turns 2 --save 1");
    ASSERT_EQ(played.exitCode, 0) << played.lines.back();
    const std::string logText = dir.readBytes("play.txt");
    EXPECT_NE(logText.find("\nanswer no\ndisband 1\n"), std::string::npos) << logText;
    EXPECT_NE(logText.find("\nmove 2 2 1\n"), std::string::npos) << logText;
    EXPECT_TRUE(logText.ends_with("\nsave 3\nend\nend\n")) << logText;

    const testing::SimRun replayed = testing::runSim(game + "--replay " + log + " --save 2");
    ASSERT_EQ(replayed.exitCode, 0) << replayed.lines.back();
    EXPECT_EQ(replayed.lines.back(), played.lines.back());
    const std::string saves = dir.root().string() + "/data/save/";
    EXPECT_EQ(testing::runCommand("diff -r " + saves + "save1 " + saves + "save2").exitCode, 0)
        << "the replayed slot differs";
}

TEST(Replay, ALogFromAnotherWorldOrAChangedSaveIsRefusedNamingWhatDiffers) {
    testing::TempGameDir dir;
    dir.copySampleWorld();
    const std::string game = "--game-dir " + dir.root().string() + " ";
    const std::string log = (dir.root() / "play.txt").string();
    ASSERT_EQ(testing::runSim(game + "--seed 3 --new random --save 4").exitCode, 0);
    ASSERT_EQ(testing::runSim(game + "--seed 3 --load 4 --record " + log + " --turns 1").exitCode,
              0);
    EXPECT_EQ(testing::runSim(game + "--replay " + log).exitCode, 0);

    // The save it started from was written over.
    ASSERT_EQ(testing::runSim(game + "--seed 3 --new random --turns 1 --save 4").exitCode, 0);
    testing::SimRun refused = testing::runSim(game + "--replay " + log);
    EXPECT_EQ(refused.exitCode, 2);
    ASSERT_FALSE(refused.lines.empty());
    EXPECT_NE(refused.lines.back().find("load 4"), std::string::npos) << refused.lines.back();

    // A world file changed: another world.
    dir.writeBytes("data\\gossip\\gossip.txt", dir.readBytes("data\\gossip\\gossip.txt") + "\r\n");
    refused = testing::runSim(game + "--replay " + log);
    EXPECT_EQ(refused.exitCode, 2);
    ASSERT_FALSE(refused.lines.empty());
    EXPECT_NE(refused.lines.front().find("another world"), std::string::npos)
        << refused.lines.front();
    EXPECT_EQ(refused.lines.size(), 2u) << "both differences are named";
}

}  // namespace
}  // namespace orrowvale
