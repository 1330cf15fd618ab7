#include "lifecycle/autosave.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "game.h"
#include "game/testfiles.h"
#include "lifecycle/createworld.h"
#include "lifecycle/savegame.h"
#include "parties/turn.h"
#include "transcript.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale {
namespace {

namespace fs = std::filesystem;

// Every file of a slot folder by name, with its bytes.
std::map<std::string, std::string> slotContents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] =
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}

// A game on a copy of the sample world whose turn starts are kept in a folder of
// the test's own, apart from its save slots.
struct AutosavedGame {
    AutosavedGame() {
        dir.copySampleWorld();
        game.autosaver = &autosaver;
        loadCityList(*state, paths);
        createRandomWorld(game);
    }

    // A save taken by hand into a folder of its own, for comparison.
    fs::path saveByHand(int number) const {
        const GamePaths reference(dir.root(), SaveFolder{SaveFolder::Place::Home, handSaves, {}});
        saveGame(*state, reference, number);
        return handSaves / ("save" + std::to_string(number));
    }

    testing::TempGameDir dir;
    GamePaths paths = dir.paths();
    fs::path autosaves = dir.root() / "home" / "autosave";
    fs::path handSaves = dir.root() / "home" / "by-hand";
    Autosaver autosaver{dir.root(), autosaves};
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    Dice dice{42};
    TranscriptPresenter presenter;
    Game game{*state, paths, dice, presenter};
};

// A file where the folder holding the autosaves should be: every write fails, and
// the player hears of it once, at a turn's start, until a write lands again.
TEST(Autosave, AFolderThatCannotBeWrittenIsToldOnceNotEveryTurn) {
    AutosavedGame played;
    const fs::path home = played.autosaves.parent_path();
    const auto block = [&] {
        played.autosaver.waitForWrite();
        fs::remove_all(home);
        std::ofstream(home) << "not a folder";
    };
    const auto told = [&] {
        int boxes = 0;
        for (const std::string& line : played.presenter.lines())
            boxes += line.starts_with(std::string("inform: ") + kAutosaveFailed);
        return boxes;
    };
    block();
    for (int turn = 0; turn < 4; ++turn)
        autosaveTurnStart(played.game);
    EXPECT_EQ(told(), 1);

    played.autosaver.waitForWrite();
    fs::remove(home);
    autosaveTurnStart(played.game);  // the write before this one failed: told already
    autosaveTurnStart(played.game);  // the write before this one landed
    EXPECT_EQ(told(), 1);
    block();
    autosaveTurnStart(played.game);
    autosaveTurnStart(played.game);
    EXPECT_EQ(told(), 2) << "a new run of failures is told again";
    played.autosaver.waitForWrite();
}

TEST(Autosave, KeepsTheLastThreeTurnStartsApartFromTheSlotsAsASaveThenWouldHoldThem) {
    AutosavedGame played;
    std::map<int, fs::path> byHand;
    for (int press = 1; press <= 4; ++press) {
        played.presenter.queueAnswers({true});
        ASSERT_EQ(confirmAndEndTurn(played.game), 1);
        byHand[press] = played.saveByHand(press);
        // The player plays on while the turn's start is written.
        played.state->gold += 1000;
    }
    played.presenter.queueAnswers({false});
    confirmAndEndTurn(played.game);  // a No starts no turn and keeps nothing
    played.autosaver.waitForWrite();
    EXPECT_EQ(played.autosaver.takeFailure(), std::nullopt);

    for (int slot = 1; slot <= kSaveSlots; ++slot)
        EXPECT_FALSE(slotHoldsSave(played.paths, slot)) << slot;
    // The fourth turn start went over the first; the second and third are kept.
    EXPECT_EQ(slotContents(played.autosaves / "save1"), slotContents(byHand[4]));
    EXPECT_EQ(slotContents(played.autosaves / "save2"), slotContents(byHand[2]));
    EXPECT_EQ(slotContents(played.autosaves / "save3"), slotContents(byHand[3]));
    EXPECT_FALSE(fs::exists(played.autosaves / "save4"));

    const std::optional<Autosave> newest = played.autosaver.latest();
    ASSERT_TRUE(newest);
    EXPECT_EQ(newest->number, 1);
    EXPECT_TRUE(newest->line.starts_with(played.state->mainCharacter().name + ": "))
        << newest->line;

    const std::int32_t goldAtTurnStart = played.state->gold - 1000;
    played.autosaver.loadLatest(played.game);
    EXPECT_EQ(played.state->gold, goldAtTurnStart);
    EXPECT_FALSE(hasUnsavedProgress(played.game));
}

TEST(Autosave, ContinueIsOfferedOnlyAfterARunThatDiedWithAnAutosaveNewerThanEverySlot) {
    AutosavedGame played;
    {
        const RunningMark first(played.autosaves);
        EXPECT_FALSE(first.lastRunEndedAbnormally());
    }
    {
        const RunningMark afterNormalEnd(played.autosaves);
        EXPECT_FALSE(afterNormalEnd.lastRunEndedAbnormally());
    }
    // A mark left by a process that is gone, as a killed game leaves it.
    std::ofstream(played.autosaves / "running") << 999999999 << "\n";
    const RunningMark afterKill(played.autosaves);
    EXPECT_TRUE(afterKill.lastRunEndedAbnormally());

    EXPECT_FALSE(continueOffer(played.autosaver, played.paths, true)) << "no autosave yet";
    played.presenter.queueAnswers({true});
    confirmAndEndTurn(played.game);
    EXPECT_TRUE(continueOffer(played.autosaver, played.paths, true));
    EXPECT_FALSE(continueOffer(played.autosaver, played.paths, false));
    saveGame(*played.state, played.paths, 7);
    EXPECT_FALSE(continueOffer(played.autosaver, played.paths, true)) << "a slot is newer";
}

}  // namespace
}  // namespace orrowvale
