// Saves of an installed game live in the player's home: they are written, listed and
// loaded there, and the game directory is never written.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "game.h"
#include "game/testfiles.h"
#include "lifecycle/createworld.h"
#include "lifecycle/loadgame.h"
#include "lifecycle/savegame.h"
#include "transcript.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamedirectory.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale {
namespace {

namespace fs = std::filesystem;

// A copy of the sample world standing as the installed game (no save folder of its
// own), played by someone whose home is another temporary folder. As for root,
// every folder counts as writable: only its being the installed game keeps the
// saves out of it.
struct InstalledGame {
    explicit InstalledGame(std::optional<std::string> homeFolder) {
        world.copySampleWorld();
        fs::remove_all(world.path("data\\save"));
        SaveFolderFacts facts;
        facts.installedGameDirectory = world.root();
        facts.home = std::move(homeFolder);
        facts.mayWrite = [](const fs::path&) { return true; };
        paths = GamePaths(world.root(), chooseSaveFolder(world.root(), facts));
    }

    testing::TempGameDir world;
    GamePaths paths{fs::path()};
    TranscriptPresenter presenter;
};

TEST(HomeSaves, ASaveLandsInTheHomeListsAndLoadsBackWithTheGameDirectoryUntouched) {
    testing::TempGameDir home;
    InstalledGame installed(home.root().string());
    const fs::path saves = home.root() / ".local/share/orrowvale/save";
    ASSERT_EQ(installed.paths.saveFolderPath(), saves);
    const auto untouched = testing::folderSnapshot(installed.world.root());

    // Before the first save: ten empty slots, and looking made no folder.
    for (const std::string& line : listSaveSlots(installed.paths))
        EXPECT_EQ(line, "빈 공간");
    EXPECT_FALSE(slotHoldsSave(installed.paths, 1));
    auto state = std::make_unique<GameState>();
    Dice dice{42};
    Game game(*state, installed.paths, dice, installed.presenter);
    try {
        loadGame(game, 1);
        ADD_FAILURE() << "an empty slot loaded";
    } catch (const DataError& error) {
        // The player is told the real place of the missing file.
        EXPECT_EQ(error.file(), (saves / "save1/mainsave.sav").string());
    }
    EXPECT_FALSE(fs::exists(home.root() / ".local"));

    loadCityList(*state, installed.paths);
    createRandomWorld(game);
    state->gold = 4321;
    state->mainCharacter().name = "아리";
    ASSERT_TRUE(saveToSlot(game, 1));
    for (const char* file : {"mainsave.sav", "mainchr.adv", "adv1000.adv"})
        EXPECT_TRUE(fs::is_regular_file(saves / "save1" / file)) << file;
    EXPECT_EQ(testing::folderSnapshot(installed.world.root()), untouched);

    const auto lines = listSaveSlots(installed.paths);
    EXPECT_EQ(lines[0], "아리: 200년 4월 1주 1턴");
    EXPECT_EQ(lines[1], "빈 공간");
    EXPECT_TRUE(slotHoldsSave(installed.paths, 1));

    auto loadedState = std::make_unique<GameState>();
    Dice otherDice{7};
    Game loaded(*loadedState, installed.paths, otherDice, installed.presenter);
    loadGame(loaded, 1);
    EXPECT_EQ(loadedState->gold, 4321);
    EXPECT_EQ(progressDigest(*loadedState), progressDigest(*state));
    EXPECT_EQ(testing::folderSnapshot(installed.world.root()), untouched);

    // A damaged save in the home is named where the player can find it.
    std::string main = home.readBytes(".local/share/orrowvale/save/save1/mainsave.sav");
    main.replace(main.find("\r\n") + 2, 3, "abc");
    home.writeBytes(".local/share/orrowvale/save/save1/mainsave.sav", main);
    EXPECT_NE(listSaveSlots(installed.paths)[0].find((saves / "save1/mainsave.sav:2").string()),
              std::string::npos)
        << listSaveSlots(installed.paths)[0];
}

// The hidden button's copy of an adventurer is the one other file the game writes:
// beside the slots of an installed game, in "data" of a world that keeps its own.
TEST(HomeSaves, TheDiagnosticCopyGoesBesideTheSavesNeverIntoTheInstalledGame) {
    testing::TempGameDir home;
    InstalledGame installed(home.root().string());
    const GamePaths::WrittenFile copy = installed.paths.writtenDataFile("amugae.txt");
    EXPECT_EQ(copy.file, home.root() / ".local/share/orrowvale/amugae.txt");
    EXPECT_EQ(copy.shown, copy.file.string());
    EXPECT_TRUE(fs::is_directory(copy.file.parent_path()));
    EXPECT_THROW(installed.paths.writtenDataFile("..\\amugae.txt"), DataError);

    InstalledGame homeless(std::nullopt);
    EXPECT_THROW(homeless.paths.writtenDataFile("amugae.txt"), DataError);

    testing::TempGameDir world;
    world.copySampleWorld();
    const GamePaths::WrittenFile inWorld = GamePaths(world.root()).writtenDataFile("amugae.txt");
    EXPECT_EQ(inWorld.file, world.root() / "data/amugae.txt");
    EXPECT_EQ(inWorld.shown, "data/amugae.txt");
}

TEST(HomeSaves, WithNoHomeASaveFailsClearlyAndWritesNothingAnywhere) {
    InstalledGame installed(std::nullopt);
    ASSERT_EQ(installed.paths.saveFolder().place, SaveFolder::Place::Nowhere);
    auto state = std::make_unique<GameState>();
    Dice dice{42};
    Game game(*state, installed.paths, dice, installed.presenter);
    loadCityList(*state, installed.paths);
    createRandomWorld(game);

    // (The simulator's test shows that nothing lands in the working directory either.)
    const auto untouchedWorld = testing::folderSnapshot(installed.world.root());
    try {
        saveToSlot(game, 1);
        ADD_FAILURE() << "the save succeeded";
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), "data/save/save1");
        EXPECT_NE(error.problem().find("HOME"), std::string::npos) << error.what();
    }
    EXPECT_THROW(loadGame(game, 1), DataError);
    for (const std::string& line : listSaveSlots(installed.paths))
        EXPECT_EQ(line, "빈 공간");
    EXPECT_FALSE(slotHoldsSave(installed.paths, 1));
    EXPECT_TRUE(saveFolderNote(installed.paths).starts_with("저장할 곳이 없습니다."));
    EXPECT_EQ(testing::folderSnapshot(installed.world.root()), untouchedWorld);
}

}  // namespace
}  // namespace orrowvale
