#include "lifecycle/autosave.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game.h"
#include "game/testfiles.h"
#include "lifecycle/createworld.h"
#include "lifecycle/savegame.h"
#include "parties/turn.h"
#include "transcript.h"
#include "world/datafiles.h"
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
    const fs::path kept = played.autosaver.folder();
    EXPECT_EQ(kept.parent_path(), played.autosaves);
    EXPECT_EQ(slotContents(kept / "save1"), slotContents(byHand[4]));
    EXPECT_EQ(slotContents(kept / "save2"), slotContents(byHand[2]));
    EXPECT_EQ(slotContents(kept / "save3"), slotContents(byHand[3]));
    EXPECT_FALSE(fs::exists(kept / "save4"));

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
    EXPECT_FALSE(continueOffer(played.autosaver, played.paths, true)) << "no autosave yet";
    played.presenter.queueAnswers({true});
    confirmAndEndTurn(played.game);
    EXPECT_TRUE(continueOffer(played.autosaver, played.paths, true));
    EXPECT_FALSE(continueOffer(played.autosaver, played.paths, false));
    saveGame(*played.state, played.paths, 7);
    EXPECT_FALSE(continueOffer(played.autosaver, played.paths, true)) << "a slot is newer";
}

// Another world (here the sample world with one file changed) shares the autosave
// folder but never sees the first world's autosaves, nor writes over them.
TEST(Autosave, AWorldContinuesOnlyItsOwnAutosaves) {
    AutosavedGame played;
    played.presenter.queueAnswers({true});
    confirmAndEndTurn(played.game);
    played.autosaver.waitForWrite();

    testing::TempGameDir otherDir;
    otherDir.copySampleWorld();
    otherDir.write("data\\malename.txt", "1\n민준\n");
    Autosaver other(otherDir.root(), played.autosaves);
    EXPECT_NE(other.folder(), played.autosaver.folder());
    EXPECT_FALSE(other.latest());
    EXPECT_FALSE(continueOffer(other, otherDir.paths(), true));
    EXPECT_THROW(other.loadLatest(played.game), DataError);
    EXPECT_TRUE(played.autosaver.latest()) << "the first world's autosave is still there";
}

// A mark is read and cleared as a process's own, whatever else lies in the folder.
class RunningMarks : public ::testing::Test {
  protected:
    fs::path mark(const std::string& name) const { return folder / name; }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

    testing::TempGameDir dir;
    fs::path folder = dir.root() / "autosave";
};

TEST_F(RunningMarks, EachProgramClearsOnlyItsOwnMarkAndADeadOwnerIsAlwaysSeenAsDead) {
    {
        const RunningMark first(folder);
        EXPECT_FALSE(first.lastRunEndedAbnormally());
        ASSERT_FALSE(first.markName().empty());
        // A second program on the same folder: the first is alive, so no news.
        auto second = std::make_unique<RunningMark>(folder);
        EXPECT_FALSE(second->lastRunEndedAbnormally());
        EXPECT_EQ(names().size(), 2u);
        second.reset();
        EXPECT_EQ(names(), std::vector<std::string>{first.markName()})
            << "the second cleared its own mark only";
    }
    EXPECT_TRUE(names().empty()) << "a normal end leaves no mark";

    // A program killed while another runs: its mark outlives it, no lock with it.
    const RunningMark living(folder);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const RunningMark killed(folder);
        ::_exit(killed.markName().empty() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    // A mark naming a process that lives now (after a restart, another got its pid).
    std::ofstream(mark("running")) << ::getpid() << "\n";
    EXPECT_EQ(names().size(), 3u);
    const RunningMark next(folder);
    EXPECT_TRUE(next.lastRunEndedAbnormally());
    EXPECT_EQ(names().size(), 2u) << "the dead marks are taken, the living one stays";
    const RunningMark after(folder);
    EXPECT_FALSE(after.lastRunEndedAbnormally()) << "one end is told once";
}

// A link, a pipe or a folder under a mark's name is neither read, written nor removed,
// and the program starts at once.
TEST_F(RunningMarks, AnythingButAPlainFileUnderAMarksNameIsLeftAlone) {
    fs::create_directories(folder);
    const fs::path players = dir.root() / "letter.txt";
    std::ofstream(players) << "dear diary";
    fs::create_symlink(players, mark("running"));
    ASSERT_EQ(::mkfifo(mark("running-1").c_str(), 0600), 0);
    fs::create_directory(mark("running-2"));
    fs::create_symlink(players, mark("running-" + std::to_string(::getpid())));
    {
        const RunningMark mark(folder);
        EXPECT_FALSE(mark.lastRunEndedAbnormally());
        EXPECT_FALSE(mark.markName().empty()) << "a name of its own is found";
    }
    std::ifstream in(players);
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "dear diary");
    EXPECT_TRUE(fs::is_symlink(mark("running")));
    EXPECT_TRUE(fs::is_fifo(mark("running-1")));
    EXPECT_TRUE(fs::is_directory(mark("running-2")));
    EXPECT_EQ(names().size(), 4u);

    // An autosave folder that is a link keeps no mark, and nothing is written there.
    const fs::path elsewhere = dir.root() / "elsewhere";
    fs::create_directory(elsewhere);
    fs::create_directory_symlink(elsewhere, dir.root() / "linked");
    const RunningMark linked(dir.root() / "linked");
    EXPECT_TRUE(linked.markName().empty());
    EXPECT_TRUE(fs::is_empty(elsewhere));
}

}  // namespace
}  // namespace orrowvale
