// Saving and loading by the simulator: its --save and --load, a hand edit of the slot
// loaded and played on, and the scripted "save" asking before it writes over a slot.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "game/testfiles.h"
#include "lifecycle/autosave.h"
#include "sim/simrun.h"

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

TEST(SimulatorSaves, TheSaveActionAsksBeforeWritingOverAUsedSlotAndANoKeepsIt) {
    testing::TempGameDir dir;
    dir.copySampleWorld();
    auto play = [&](const std::string& actions) {
        return testing::runSim("--game-dir " + dir.root().string() + " --seed 4 --new random " +
                               testing::actionsArgument(dir.root(), actions))
            .lines;
    };
    EXPECT_EQ(testing::printedAfter(play("save 2\n"), "save 2"), std::vector<std::string>{})
        << "an empty slot is written without a question";
    const std::string before = dir.readBytes("data\\save\\save2\\mainsave.sav");

    const std::vector<std::string> kept = play("end\nanswer no\nsave 2\n");
    const std::vector<std::string> asked = testing::printedAfter(kept, "save 2");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].starts_with("confirm: 2번 슬롯에는 이미 저장된 게임이 있습니다.\\n"))
        << asked[0];
    EXPECT_TRUE(
        asked[0].ends_with(": 200년 4월 1주 1턴\\n이 게임을 지우고 지금의 게임을 "
                           "저장하시겠습니까?"))
        << asked[0];
    EXPECT_EQ(dir.readBytes("data\\save\\save2\\mainsave.sav"), before);

    EXPECT_EQ(testing::printedAfter(play("end\nsave 2\n"), "save 2"), asked)
        << "questions are answered Yes";
    EXPECT_NE(dir.readBytes("data\\save\\save2\\mainsave.sav"), before);
}

// Once the main character has fallen the game is over: the windows offer no save
// after the ending, and a --save is refused with the slot left as it was.
TEST(SimulatorSaves, RefusesToSaveAGameThatEndedWithTheMainCharacter) {
    testing::TempGameDir dir;
    dir.copySampleWorld();
    // Seed 5 makes adventurer 1000 the main character; the first dungeon of
    // 은빛나루 now holds only a monster no party survives.
    dir.write("data\\monster\\rats.txt", "1\n괴물\n100000\n100000\n0\n");
    const auto slotsBefore = testing::folderSnapshot(dir.root() / "data/save");
    const testing::SimRun run = testing::runSim(
        "--game-dir " + dir.root().string() + " --seed 5 --new random " +
        testing::actionsArgument(dir.root(), "found 1000\ndispatch 1 dungeon 1 1\n") +
        " --turns 3 --save 2");
    EXPECT_EQ(run.exitCode, 2);
    ASSERT_GE(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[run.lines.size() - 2],
              "refused: --save 2: the main character has died and the game has ended; an "
              "ended game is not saved");
    EXPECT_EQ(testing::folderSnapshot(dir.root() / "data/save"), slotsBefore);
}

// The simulator as a package installs it: P/bin/orrowvale-sim beside the game in
// P/share/games/orrowvale, which has no save folder and must never be written.
TEST(SimulatorSaves, AnInstalledSimulatorFindsItsGameAndSavesInTheHome) {
    namespace fs = std::filesystem;
    testing::TempGameDir top;
    const fs::path bin = top.root() / "usr/bin";
    const fs::path game = top.root() / "usr/share/games/orrowvale";
    const fs::path elsewhere = top.root() / "elsewhere";
    const fs::path xdg = top.root() / "xdg";
    for (const fs::path& folder : {bin, game.parent_path(), elsewhere})
        fs::create_directories(folder);
    // A link, not a copy, where the file system allows: the program finds its game
    // from the name it was started by.
    std::error_code linked;
    fs::create_hard_link(ORROWVALE_SIM_TOOL, bin / "orrowvale-sim", linked);
    if (linked) fs::copy_file(ORROWVALE_SIM_TOOL, bin / "orrowvale-sim");
    fs::copy(testing::sampleWorld().gameDirectory(), game, fs::copy_options::recursive);
    fs::remove_all(game / "data/save");
    const auto untouched = testing::folderSnapshot(game);

    auto sim = [&](const std::string& environment, const std::string& arguments) {
        const testing::SimRun run = testing::runCommand(
            "cd " + elsewhere.string() + " && env -u XDG_DATA_HOME -u HOME " + environment + " " +
            (bin / "orrowvale-sim").string() + " --seed 4 " + arguments);
        return SimRun{run.lines.empty() ? std::string() : run.lines.back(), run.exitCode};
    };
    const std::string withXdg = "XDG_DATA_HOME=" + xdg.string();
    const SimRun saved = sim(withXdg, "--new random --turns 1 --save 2");
    EXPECT_EQ(saved.exitCode, 0) << saved.lastLine;
    EXPECT_TRUE(fs::is_regular_file(xdg / "orrowvale/save/save2/mainsave.sav"));
    // The same folder named another way is still the installed game.
    const SimRun loaded =
        sim(withXdg, "--game-dir " + (bin / "../share/games/orrowvale").string() + " --load 2");
    EXPECT_EQ(loaded.exitCode, 0) << loaded.lastLine;
    EXPECT_TRUE(loaded.lastLine.starts_with("state: year=200 month=4 week=1 turn=2 "))
        << loaded.lastLine;

    // No home to save in: a clear error, and nothing written anywhere.
    const SimRun homeless = sim("", "--new random --save 3");
    EXPECT_EQ(homeless.exitCode, 2);
    EXPECT_TRUE(homeless.lastLine.starts_with("error: data/save/save3: ")) << homeless.lastLine;
    EXPECT_NE(homeless.lastLine.find("HOME"), std::string::npos) << homeless.lastLine;
    EXPECT_EQ(testing::folderSnapshot(game), untouched);
    EXPECT_TRUE(fs::is_empty(elsewhere));
}

TEST(SimulatorSaves, LoadAutoLoadsTheNewestAutosaveInTheHome) {
    namespace fs = std::filesystem;
    testing::TempGameDir dir;
    dir.copySampleWorld();
    const fs::path autosaves = dir.root() / "xdg/orrowvale/autosave";
    auto sim = [&](const std::string& arguments) {
        const testing::SimRun run = testing::runCommand(
            "XDG_DATA_HOME=" + (dir.root() / "xdg").string() + " " + ORROWVALE_SIM_TOOL +
            " --game-dir " + dir.root().string() + " --seed 4 " + arguments);
        return SimRun{run.lines.empty() ? std::string() : run.lines.back(), run.exitCode};
    };
    const SimRun none = sim("--load auto");
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_NE(none.lastLine.find("no autosave"), std::string::npos) << none.lastLine;

    // Two autosaves as the game keeps them, the newer one a turn later.
    ASSERT_EQ(runSim(dir, "--new random --turns 1 --save 1").exitCode, 0);
    ASSERT_EQ(runSim(dir, "--load 1 --turns 1 --save 2").exitCode, 0);
    const fs::path world = worldAutosaveFolder(autosaves, dir.paths());
    fs::create_directories(world);
    fs::copy(dir.path("data\\save\\save1"), world / "save3");
    fs::copy(dir.path("data\\save\\save2"), world / "save1");
    const SimRun loaded = sim("--load auto");
    EXPECT_EQ(loaded.exitCode, 0) << loaded.lastLine;
    EXPECT_TRUE(loaded.lastLine.starts_with("state: year=200 month=4 week=1 turn=3 "))
        << loaded.lastLine;

    // Another world of the same home never continues this one's game.
    dir.write("data\\malename.txt", "1\n민준\n");
    const SimRun elsewhere = sim("--load auto");
    EXPECT_EQ(elsewhere.exitCode, 2);
    EXPECT_NE(elsewhere.lastLine.find("no autosave"), std::string::npos) << elsewhere.lastLine;
}

}  // namespace
}  // namespace orrowvale
