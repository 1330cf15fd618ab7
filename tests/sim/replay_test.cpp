// The play log: a game recorded as it is played replays to the very same save, and a
// log from another world is refused.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <utility>

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

// A log is read once, with an action file's bounds: whatever stands under its name,
// the simulator answers at once with one error naming the log, and its line where
// one is at fault.
TEST(Replay, AHostileLogIsRefusedAtOnceWithOneErrorNamingItsLine) {
    testing::TempGameDir dir;
    const std::string head = "# orrowvale play log\n# version 1\n# world 0\n";
    const std::string seed = "# seed 1\n";
    dir.write("slot11.txt", head + "# start load 11\n" + seed);
    dir.write("banana.txt", head + "# start new banana\n" + seed);
    dir.write("noseed.txt", head + "# start new random\npub\n");
    dir.write("long.txt", head + "# start new random\n" + seed + "pub\n" + std::string(2000, 'x'));
    {
        std::ofstream huge(dir.root() / "huge.txt", std::ios::binary);
        for (int line = 0; line < 17 * 1024; ++line)
            huge << '#' << std::string(1000, '-') << '\n';
    }
    ASSERT_EQ(::mkfifo((dir.root() / "pipe").c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {"slot11.txt", "slot11.txt:4: the save slot must be a number from 1 to 10, not \"11\""},
        {"banana.txt", "banana.txt:4: the log starts in a way the game never writes"},
        {"noseed.txt", "noseed.txt:5: this is no play log: its header has no \"# seed\" line"},
        {"long.txt", "long.txt:7: the line is longer than 1024 bytes"},
        {"huge.txt", "huge.txt: the file is larger than 16 MB"},
        {"pipe", "pipe: cannot open the file (it is not a regular file); give - to read"},
        {"/dev/zero", "/dev/zero: cannot open the file (it is not a regular file)"},
        {"- < /dev/zero", "-:1: the line is longer than 1024 bytes"},
    };
    for (const auto& [log, expected] : cases) {
        const testing::SimRun run = testing::runCommand(
            "cd " + dir.root().string() +
            " && timeout 60 " ORROWVALE_SIM_TOOL " --game-dir " ORROWVALE_GAME_DIR " --replay " +
            log);
        EXPECT_EQ(run.exitCode, 2) << log;
        ASSERT_EQ(run.lines.size(), 1u) << log;
        EXPECT_TRUE(run.lines[0].starts_with("error: " + expected)) << run.lines[0];
    }
}

// A log given on standard input is read once and played whole; a record that cannot
// be written, and survey outputs that cannot, are errors naming the file.
TEST(Replay, StandardInputReplaysAndAFailedWriteIsTold) {
    testing::TempGameDir dir;
    dir.copySampleWorld();
    const std::string sim = std::string(ORROWVALE_SIM_TOOL) + " --game-dir " + dir.root().string();
    const std::string log = (dir.root() / "play.txt").string();
    const testing::SimRun played =
        testing::runCommand(sim + " --seed 2 --new random --record " + log + " --turns 2");
    ASSERT_EQ(played.exitCode, 0);
    for (const std::string input : {"/dev/stdin", "-"}) {
        const testing::SimRun replayed =
            testing::runCommand(sim + " --replay " + input + " < " + log);
        EXPECT_EQ(replayed.exitCode, 0) << input;
        EXPECT_EQ(replayed.lines.back(), played.lines.back()) << input;
    }

    const testing::SimRun full =
        testing::runCommand(sim + " --seed 2 --new random --record /dev/full --turns 1");
    EXPECT_EQ(full.exitCode, 2);
    EXPECT_EQ(full.lines.back(),
              "error: /dev/full: cannot write the play log (No space left on device)");
    const std::string survey = sim + " --seed 2 --new random --survey 1 --months 1 ";
    const testing::SimRun plot = testing::runCommand(survey + "--plot /dev/full");
    EXPECT_EQ(plot.exitCode, 2);
    EXPECT_TRUE(plot.lines.back().starts_with("error: /dev/full: cannot write the file"))
        << plot.lines.back();
    const testing::SimRun transcripts = testing::runCommand(survey + "--transcripts " + log);
    EXPECT_EQ(transcripts.exitCode, 2);
    EXPECT_TRUE(transcripts.lines.back().starts_with(
        "error: " + log + ": cannot make the folder for the transcripts ("))
        << transcripts.lines.back();
}

}  // namespace
}  // namespace orrowvale
