#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game.h"
#include "game/testfiles.h"
#include "lifecycle/characterinfo.h"
#include "lifecycle/createworld.h"
#include "lifecycle/loadgame.h"
#include "lifecycle/savegame.h"
#include "parties/party.h"
#include "transcript.h"
#include "world/codec.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/statelimits.h"
#include "world/worldload.h"

namespace orrowvale {
namespace {

namespace fs = std::filesystem;

// Line numbers of "mainsave.sav" the tests edit by hand.
constexpr int kFirstAdventurerMarker = 21207;
constexpr int kCharacterNumberLine = 123308;
constexpr int kMainCharacterNumberLine = 123310;
constexpr int kMainFileLines = 206813;

// A copy of the sample world in a folder of its own, so saves never touch the
// build's game directory, with a game in play on it.
struct SaveGame {
    SaveGame() { dir.copySampleWorld(); }

    void newRandomGame() {
        loadCityList(*state, paths);
        createRandomWorld(game);
    }

    std::string slotFile(int slot, const std::string& name) const {
        return dir.readBytes(slotGamePath(slot) + "\\" + name);
    }
    bool hasSlotFile(int slot, const std::string& name) const {
        return fs::exists(dir.path(slotGamePath(slot) + "\\" + name));
    }
    // Replaces line `number` (1-based) of a slot file; the file keeps its CR LF.
    void editLine(int slot, const std::string& name, int number, const std::string& text) const {
        std::string bytes = slotFile(slot, name);
        std::size_t start = 0;
        for (int line = 1; line < number; ++line)
            start = bytes.find("\r\n", start) + 2;
        bytes.replace(start, bytes.find("\r\n", start) - start, encodeCp949(text));
        dir.writeBytes(slotGamePath(slot) + "\\" + name, bytes);
    }
    // The number of the first line of a slot file that reads `text`; 0 when none.
    int lineOf(int slot, const std::string& name, const std::string& text) const {
        LineReader in = LineReader::fromBytes(slotFile(slot, name), name);
        while (!in.atEnd())
            if (in.readLine() == text) return in.lineNumber();
        return 0;
    }
    std::vector<std::string> leftovers() const {
        std::vector<std::string> names;
        // Beside the slots only their spare folders, which are never loaded.
        for (const auto& entry : fs::directory_iterator(dir.path("data\\save"))) {
            const std::string name = entry.path().filename().string();
            if (name.find('.') != std::string::npos && !name.ends_with(".spare") &&
                !name.ends_with(".lock"))
                names.push_back(name);
        }
        return names;
    }

    testing::TempGameDir dir;
    GamePaths paths = dir.paths();
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    Dice dice{42};
    TranscriptPresenter presenter;
    Game game{*state, paths, dice, presenter};
};

// Another game, started later, into which a slot is loaded.
struct LoadingGame {
    explicit LoadingGame(const SaveGame& from) : game(*state, from.paths, dice, presenter) {}
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    Dice dice{7};
    TranscriptPresenter presenter;
    Game game;
};

// The lines of a file, decoded, each followed by "|".
std::string decodeLines(const std::string& bytes) {
    LineReader in = LineReader::fromBytes(bytes, "file");
    std::string joined;
    while (!in.atEnd())
        joined += in.readLine() + "|";
    return joined;
}

void makeAGameWorthSaving(GameState& state) {
    state.gold = 123456;
    state.characterNumber = -1;
    state.switches[17] = 1;
    state.scriptVariables[3] = -42;
    state.quests[2].active = 1;
    state.quests[2].turnsLeft = 9;
    state.dungeonSites[1][1].deepestLevel = 4;
    state.guildItems[1] = 7;
    TParty& idle = state.parties[3];  // every truth field off
    idle.inUse = true;
    idle.partyName = "새벽의 검";
    TParty& away = state.parties[5];
    away.inUse = true;
    away.location = 2;
    addMember(state, 5, 999);
    setOnMission(state, 5, true);
    away.travelling = true;
    away.cargoIntact = true;
    away.missionKind = kTransportMission;
    away.missionFile = "비단";
    away.leader = 999;
}

TEST(SaveGame, ASavedGameLoadsIntoAnotherGameAndSavesAgainByteForByte) {
    SaveGame saver;
    saver.newRandomGame();
    makeAGameWorthSaving(saver.game.state);
    const GameState& saved = saver.game.state;
    saveGame(saved, saver.paths, 1);

    LoadingGame loader(saver);
    loadGame(loader.game, 1);
    const GameState& loaded = loader.game.state;
    EXPECT_EQ(loaded.gold, 123456);
    EXPECT_EQ(loaded.characterNumber, -1);
    EXPECT_EQ(
        loaded.gameYear * 1000 + loaded.gameMonth * 100 + loaded.gameWeek * 10 + loaded.gameTurn,
        200411);
    EXPECT_EQ(loaded.mainchrnum, saved.mainchrnum);
    EXPECT_TRUE(loaded.adventurers == saved.adventurers);
    EXPECT_TRUE(loaded.parties == saved.parties);
    EXPECT_TRUE(loaded.guildRoster == saved.guildRoster);
    EXPECT_TRUE(loaded.switches == saved.switches);
    EXPECT_TRUE(loaded.scriptVariables == saved.scriptVariables);
    EXPECT_EQ(loaded.quests[2].turnsLeft, 9);
    EXPECT_EQ(loader.presenter.guildButtonEnables(), 1);

    saveGame(loaded, saver.paths, 2);
    EXPECT_EQ(saver.slotFile(2, "mainsave.sav"), saver.slotFile(1, "mainsave.sav"));
    EXPECT_EQ(saver.slotFile(2, "prt5.prt"), saver.slotFile(1, "prt5.prt"));
    EXPECT_EQ(saver.slotFile(2, "mainchr.adv"), saver.slotFile(1, "mainchr.adv"));
    EXPECT_TRUE(saver.leftovers().empty());
}

TEST(SaveGame, HeardNamesAndGoalsComeBackAndASaveFromBeforeThemLoadsWithout) {
    SaveGame saver;
    saver.newRandomGame();
    saveGame(saver.game.state, saver.paths, 1);  // heard nobody: a slot as every older one
    EXPECT_FALSE(fs::exists(saver.dir.path(slotGamePath(1) + "\\heard.sav")));
    EXPECT_FALSE(fs::exists(saver.dir.path(slotGamePath(1) + "\\goals.sav")));
    saver.game.state.heardNames = {"검은깃털", "달빛 행상"};
    saver.game.state.closingChapter = true;
    saver.game.state.goalsAnnounced = {"rank 100", "members"};
    saveGame(saver.game.state, saver.paths, 2);

    LoadingGame loader(saver);
    loadGame(loader.game, 2);
    EXPECT_EQ(loader.game.state.heardNames, saver.game.state.heardNames);
    EXPECT_TRUE(loader.game.state.closingChapter);
    EXPECT_EQ(loader.game.state.goalsAnnounced, saver.game.state.goalsAnnounced);
    loadGame(loader.game, 1);
    EXPECT_TRUE(loader.game.state.heardNames.empty());
    EXPECT_FALSE(loader.game.state.closingChapter);
    EXPECT_TRUE(loader.game.state.goalsAnnounced.empty());
    EXPECT_TRUE(saver.leftovers().empty());
}

TEST(SaveGame, WritesEveryLineInItsFileKindsSpelling) {
    SaveGame saver;
    saver.newRandomGame();
    makeAGameWorthSaving(saver.game.state);
    const GameState& state = saver.game.state;
    saveGame(state, saver.paths, 4);

    const std::string main = saver.slotFile(4, "mainsave.sav");
    std::size_t lines = 0;
    for (std::size_t at = main.find("\r\n"); at != std::string::npos;
         at = main.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, static_cast<std::size_t>(kMainFileLines));
    EXPECT_EQ(std::count(main.begin(), main.end(), '\n'), kMainFileLines) << "no bare LF";
    LineReader in = LineReader::fromBytes(main, "mainsave.sav");
    EXPECT_EQ(in.readLine(), state.mainCharacter().name);
    for (int i = 2; i <= 6; ++i)
        in.readLine();
    EXPECT_EQ(in.readLine(), "true") << "the branch of city 1";
    EXPECT_EQ(in.readLine(), "false");
    for (int i = 9; i < kCharacterNumberLine; ++i)
        in.readLine();
    EXPECT_EQ(in.readLine(), "-1");

    // A party with its truth fields off spells them "FALSE"; one with them on "true".
    const std::string idle = decodeLines(saver.slotFile(4, "prt3.prt"));
    const std::string away = decodeLines(saver.slotFile(4, "prt5.prt"));
    EXPECT_EQ(idle,
              "0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|true|FALSE|0||0|FALSE|0|0|0|0|0|FALSE|0|0|0|0|"
              "새벽의 검|");
    EXPECT_EQ(away,
              "999|0|0|0|0|0|0|0|0|1|0|0|0|0|0|0|0|0|2|true|true|100|비단|0|true|0|0|0|0|0|true|0|"
              "0|0|999|파티명 없음|");

    // Free adventurer slots and parties not in use get no file.
    int advFiles = 0;
    int occupied = 0;
    for (int i = 1; i <= kMaxAdventurers; ++i) {
        advFiles += saver.hasSlotFile(4, "adv" + std::to_string(i) + ".adv") ? 1 : 0;
        occupied += state.adventurers[i].isFree() ? 0 : 1;
    }
    EXPECT_EQ(advFiles, occupied);
    EXPECT_FALSE(saver.hasSlotFile(4, "prt1.prt"));
    EXPECT_TRUE(saver.hasSlotFile(4, "mainchr.adv"));
}

TEST(LoadGame, KeepsTheQuirksSavedGamesRelyOn) {
    SaveGame saver;
    saver.newRandomGame();
    makeAGameWorthSaving(saver.game.state);
    saveGame(saver.game.state, saver.paths, 3);
    // Only an exact "true" is true; "TRUE" and "false" in a party file are off.
    saver.editLine(3, "prt5.prt", 21, "TRUE");
    saver.editLine(3, "prt5.prt", 25, "false");
    // A character number beyond 16 bits keeps its low bits: 70000 is 4464.
    saver.editLine(3, "mainsave.sav", kCharacterNumberLine, "70000");
    // The main character's own file is read after its slot's file.
    saver.editLine(3, "mainchr.adv", 1, "마지막");

    LoadingGame loader(saver);
    loadGame(loader.game, 3);
    const GameState& loaded = loader.game.state;
    EXPECT_FALSE(loaded.parties[5].onMission);
    EXPECT_FALSE(loaded.parties[5].travelling);
    EXPECT_TRUE(loaded.parties[5].cargoIntact);
    EXPECT_EQ(loaded.characterNumber, 4464);
    EXPECT_EQ(loaded.mainCharacter().name, "마지막");
}

// A hand-edited slot may name another adventurer slot as the main character; the
// player still plays the person of "mainchr.adv", whether that slot held someone
// else or nobody, and saving again writes that person back.
TEST(LoadGame, AMainCharacterMovedToAnotherSlotIsStillTheSavedOne) {
    SaveGame saver;
    saver.newRandomGame();
    const auto& people = saver.game.state.adventurers;
    int freeSlot = 0;
    int otherSlot = 0;
    for (int i = 1; i < kMaxAdventurers; ++i)
        (people[i].isFree() ? freeSlot : otherSlot) = i;
    ASSERT_NE(freeSlot, 0);
    ASSERT_NE(otherSlot, 0);
    saveGame(saver.game.state, saver.paths, 4);
    saver.editLine(4, "mainchr.adv", 1, "마지막");
    const std::string mainFile = saver.slotFile(4, "mainchr.adv");

    for (int slot : {freeSlot, otherSlot}) {
        SCOPED_TRACE(slot);
        saver.editLine(4, "mainsave.sav", kMainCharacterNumberLine, std::to_string(slot));
        LoadingGame loader(saver);
        loadGame(loader.game, 4);
        EXPECT_EQ(loader.game.state.mainchrnum, slot);
        EXPECT_EQ(loader.game.state.mainCharacter().name, "마지막");
        saveGame(loader.game.state, saver.paths, 5);
        EXPECT_EQ(saver.slotFile(5, "mainchr.adv"), mainFile);
    }
}

TEST(LoadGame, AStoryGameComesBackWithTheCommonVisitableCities) {
    SaveGame saver;
    loadCityList(*saver.state, saver.paths);
    createStoryWorld(saver.game, 0);
    ASSERT_EQ(saver.game.state.visitableCities[5], 0);  // the character's own list
    saveGame(saver.game.state, saver.paths, 9);

    LoadingGame loader(saver);
    loadGame(loader.game, 9);
    EXPECT_EQ(loader.game.state.visitableCities[5], 1);
    EXPECT_EQ(loader.game.state.characterNumber, 0);
}

TEST(SaveGame, ASecondSaveWithFewerAdventurersLeavesNoneOfTheOldFiles) {
    SaveGame saver;
    saver.newRandomGame();
    GameState& state = saver.game.state;
    saveGame(state, saver.paths, 6);
    saveGame(state, saver.paths, 6);
    ASSERT_TRUE(saver.hasSlotFile(6, "adv999.adv"));
    removeAdventurer(state.adventurers[999]);
    // Saves are written over the folder of the save before the last one.
    for (int save = 0; save < 2; ++save) {
        saveGame(state, saver.paths, 6);
        EXPECT_FALSE(saver.hasSlotFile(6, "adv999.adv"));
    }

    LoadingGame loader(saver);
    loadGame(loader.game, 6);
    EXPECT_TRUE(loader.game.state.adventurers[999].isFree());
}

TEST(SaveGame, AFileWrittenOverALongerOneKeepsNothingOfItsOldEnd) {
    SaveGame saver;
    saver.newRandomGame();
    GameState& state = saver.game.state;
    TParty& party = state.parties[3];
    party.inUse = true;
    party.partyName = std::string(kMaxTextCharacters, 'x');
    saveGame(state, saver.paths, 6);
    saveGame(state, saver.paths, 6);  // both folders of the slot hold the long name
    party.partyName = "새벽의 검";
    for (int save = 0; save < 2; ++save) {
        saveGame(state, saver.paths, 6);
        EXPECT_EQ(saver.slotFile(6, "prt3.prt"), partyFileBytes(party, "prt3.prt"));
    }

    LoadingGame loader(saver);
    loadGame(loader.game, 6);
    EXPECT_EQ(loader.game.state.parties[3].partyName, "새벽의 검");
}

TEST(LoadGame, ABrokenSlotNamesTheFileAndLineAndLeavesTheRunningGameAsItWas) {
    struct Case {
        const char* what;
        const char* file;  // the file that is broken, as the error names it
        int line;          // the line the error names
        std::function<void(SaveGame&)> breakSlot;
    };
    const std::string slot = "data/save/save2/";
    const std::vector<Case> cases = {
        {"an empty slot", "mainsave.sav", 0,
         [](SaveGame& s) { fs::remove_all(s.dir.path("data\\save\\save2")); }},
        {"a main file cut short", "mainsave.sav", 123208,
         [](SaveGame& s) {
             std::string bytes = s.slotFile(2, "mainsave.sav");
             std::size_t at = 0;
             for (int line = 1; line < 123208; ++line)
                 at = bytes.find("\r\n", at) + 2;
             s.dir.writeBytes("data\\save\\save2\\mainsave.sav", bytes.substr(0, at));
         }},
        {"a bad number in the main file", "mainsave.sav", 6,
         [](SaveGame& s) { s.editLine(2, "mainsave.sav", 6, "12a"); }},
        {"a main character out of the table", "mainsave.sav", 123310,
         [](SaveGame& s) { s.editLine(2, "mainsave.sav", 123310, "1001"); }},
        {"a missing adventurer file", "adv999.adv", 0,
         [](SaveGame& s) { fs::remove(s.dir.path("data\\save\\save2\\adv999.adv")); }},
        {"a missing main character file", "mainchr.adv", 0,
         [](SaveGame& s) { fs::remove(s.dir.path("data\\save\\save2\\mainchr.adv")); }},
        {"a bad number in a party file", "prt5.prt", 19,
         [](SaveGame& s) { s.editLine(2, "prt5.prt", 19, "two"); }},
        {"a party file cut short", "prt5.prt", 36,
         [](SaveGame& s) {
             std::string bytes = s.slotFile(2, "prt5.prt");
             s.dir.writeBytes("data\\save\\save2\\prt5.prt",
                              bytes.substr(0, bytes.rfind("\r\n", bytes.size() - 3) + 2));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SaveGame saver;
        saver.newRandomGame();
        makeAGameWorthSaving(saver.game.state);
        saveGame(saver.game.state, saver.paths, 2);
        c.breakSlot(saver);

        LoadingGame loader(saver);
        loader.game.currentParty = 0;
        loadCityList(loader.game.state, saver.paths);
        createRandomWorld(loader.game);
        const GameState before = loader.game.state;
        try {
            loadGame(loader.game, 2);
            ADD_FAILURE() << "the load succeeded";
        } catch (const DataError& error) {
            EXPECT_EQ(error.file(), slot + c.file);
            EXPECT_EQ(error.line(), c.line) << error.what();
        }
        const GameState& after = loader.game.state;
        EXPECT_EQ(after.gold, before.gold);
        EXPECT_EQ(after.characterNumber, before.characterNumber);
        EXPECT_TRUE(after.adventurers == before.adventurers);
        EXPECT_TRUE(after.parties == before.parties);
        EXPECT_EQ(loader.presenter.guildButtonEnables(), 1) << "only the new game's";
    }
}

TEST(SaveSlots, ListsEachSlotByItsOwnStateAndOneBadSlotHidesNoOther) {
    SaveGame saver;
    saver.newRandomGame();
    GameState& state = saver.game.state;
    state.mainCharacter().name = "아리";
    state.gameYear = 203;
    state.gameTurn = 5;
    fs::remove_all(saver.dir.path("data\\save"));  // no slot folders at all
    saveGame(state, saver.paths, 1);
    saveGame(state, saver.paths, 7);
    saver.editLine(7, "mainsave.sav", 3, "넷");

    const auto lines = listSaveSlots(saver.paths);
    EXPECT_EQ(lines[0], "아리: 203년 4월 1주 5턴");
    EXPECT_EQ(lines[1], "빈 공간");
    EXPECT_EQ(lines[8], "빈 공간");
    EXPECT_NE(lines[6].find("data/save/save7/mainsave.sav:3"), std::string::npos) << lines[6];
    EXPECT_NE(lines[6], "빈 공간");
}

// Answers questions as the transcript does and keeps whether each box offered No first.
class QuestionRecorder : public TranscriptPresenter {
  public:
    bool confirm(const std::string& question, DefaultAnswer offered) override {
        offeredNo.push_back(offered == DefaultAnswer::No);
        return TranscriptPresenter::confirm(question, offered);
    }
    std::vector<bool> offeredNo;
};

TEST(SaveGame, AUsedSlotIsWrittenOverOnlyAfterAYesToAQuestionThatOffersNoFirst) {
    SaveGame saver;
    saver.newRandomGame();
    QuestionRecorder presenter;
    Game game(*saver.state, saver.paths, saver.dice, presenter);
    ASSERT_TRUE(saveToSlot(game, 2));
    EXPECT_TRUE(presenter.lines().empty()) << "an empty slot is written without a question";
    const std::string held = listSaveSlots(saver.paths)[1];
    const std::string before = saver.slotFile(2, "mainsave.sav");

    saver.state->gold += 1;
    presenter.queueAnswers({false});
    EXPECT_FALSE(saveToSlot(game, 2));
    EXPECT_EQ(saver.slotFile(2, "mainsave.sav"), before);
    EXPECT_TRUE(hasUnsavedProgress(game));
    EXPECT_EQ(presenter.lines(), std::vector<std::string>{
                                     "confirm: 2번 슬롯에는 이미 저장된 게임이 있습니다.\\n" +
                                     held + "\\n이 게임을 지우고 지금의 게임을 저장하시겠습니까?"});
    EXPECT_EQ(presenter.offeredNo, std::vector<bool>{true});

    EXPECT_TRUE(saveToSlot(game, 2));
    EXPECT_NE(saver.slotFile(2, "mainsave.sav"), before);
    EXPECT_FALSE(hasUnsavedProgress(game));
}

TEST(SaveGame, ProgressDigestChangesWithAnyLineASaveKeepsAndOnlyWithThose) {
    SaveGame saver;
    saver.newRandomGame();
    makeAGameWorthSaving(*saver.state);
    TAdven& hero = saver.state->adventurers[saver.state->mainchrnum];
    hero.name = "ab";
    hero.familyName = "c";
    const GameState& original = *saver.state;
    const auto kept = progressDigest(original);
    ASSERT_TRUE(kept);
    EXPECT_EQ(progressDigest(*std::make_unique<GameState>(original)), kept);
    // Each edit changes one line of one file of the save.
    const std::vector<std::pair<const char*, std::function<void(GameState&)>>> edits = {
        {"the gold", [](GameState& s) { s.gold += 1; }},
        {"the last script variable", [](GameState& s) { s.scriptVariables[kMaxVariables] = 1; }},
        {"a letter moved from the name to the family name",
         [](GameState& s) {
             s.adventurers[s.mainchrnum].name = "a";
             s.adventurers[s.mainchrnum].familyName = "bc";
         }},
        {"a party's name", [](GameState& s) { s.parties[3].partyName = "새벽의 칼"; }},
        {"a party's formation", [](GameState& s) { s.parties[5].formation[1] = 2; }},
        {"an adventurer gone", [](GameState& s) { s.adventurers[2].name = kNone; }},
    };
    for (const auto& [what, edit] : edits) {
        auto changed = std::make_unique<GameState>(original);
        edit(*changed);
        EXPECT_NE(progressDigest(*changed), kept) << what;
    }
    auto unsaveable = std::make_unique<GameState>(original);
    unsaveable->adventurers[original.mainchrnum].name = "\u2014";  // no CP949 for it
    EXPECT_EQ(progressDigest(*unsaveable), std::nullopt);
}

// Stops a save at one of its steps by throwing there.
void saveStoppingAt(SaveGame& saver, std::string_view stopAt) {
    saveGame(saver.game.state, saver.paths, 5, [&](std::string_view step) {
        if (step == stopAt) throw DataError("disk", 0, "stopped at " + std::string(stopAt));
    });
}

TEST(SaveGame, AFailedSaveLeavesThePreviousSaveWhole) {
    for (const char* stopAt : {"adv990.adv", "prt5.prt", "mainsave.sav", "sync", "swap"}) {
        SCOPED_TRACE(stopAt);
        SaveGame saver;
        saver.newRandomGame();
        saveGame(saver.game.state, saver.paths, 5);
        const std::string before = saver.slotFile(5, "mainsave.sav");
        makeAGameWorthSaving(saver.game.state);
        EXPECT_THROW(saveStoppingAt(saver, stopAt), DataError);
        EXPECT_EQ(saver.slotFile(5, "mainsave.sav"), before);
        EXPECT_FALSE(saver.hasSlotFile(5, "prt5.prt"));
        EXPECT_TRUE(saver.leftovers().empty());
    }
}

TEST(SaveGame, ADiskThatFillsUpNamesTheFileAndKeepsThePreviousSave) {
    SaveGame saver;
    saver.newRandomGame();
    saveGame(saver.game.state, saver.paths, 5);
    const std::string before = saver.slotFile(5, "mainsave.sav");
    saver.game.state.gold = 5;

    // No file may grow past 64 KiB: the main file's writes fail as on a full disk.
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 64 * 1024;
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    try {
        saveGame(saver.game.state, saver.paths, 5);
        ADD_FAILURE() << "the save succeeded";
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), "data/save/save5/mainsave.sav");
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(saver.slotFile(5, "mainsave.sav"), before);
    EXPECT_TRUE(saver.leftovers().empty());
}

// A crash is the process ending inside the save, with nothing cleaned up: a
// child process stops dead at the step; the slot must then hold one whole save.
TEST(SaveGameDeathTest, AProcessKilledInsideASaveLeavesOneWholeSaveThatLoads) {
    struct Case {
        const char* step;
        bool newSaveStands;
    };
    for (const Case& c : {Case{"adv995.adv", false}, Case{"sync", false}, Case{"swap", false},
                          Case{"cleanup", true}}) {
        SCOPED_TRACE(c.step);
        SaveGame saver;
        saver.newRandomGame();
        saveGame(saver.game.state, saver.paths, 5);
        const int oldGold = saver.game.state.gold;
        saver.game.state.gold = 777;
        EXPECT_EXIT(saveGame(saver.game.state, saver.paths, 5,
                             [&](std::string_view step) {
                                 if (step == c.step) ::_exit(9);
                             }),
                    ::testing::ExitedWithCode(9), "");

        LoadingGame loader(saver);
        loadGame(loader.game, 5);
        EXPECT_EQ(loader.game.state.gold, c.newSaveStands ? 777 : oldGold);
        // The next save clears what the crash left behind.
        saveGame(saver.game.state, saver.paths, 5);
        EXPECT_TRUE(saver.leftovers().empty());
    }
}

TEST(SaveSlots, ASlotLeftUnderItsRetiredNameByASwapCutInTwoIsFoundAgain) {
    SaveGame saver;
    saver.newRandomGame();
    saveGame(saver.game.state, saver.paths, 8);
    const fs::path slot = saver.dir.path("data\\save\\save8");
    fs::rename(slot, retiredDirectory(slot));
    fs::create_directories(stagingDirectory(slot));  // a half-written new save

    EXPECT_NE(listSaveSlots(saver.paths)[7], "빈 공간");
    LoadingGame loader(saver);
    EXPECT_NO_THROW(loadGame(loader.game, 8));
    EXPECT_EQ(loader.game.state.gold, saver.game.state.gold);
}

}  // namespace
}  // namespace orrowvale

namespace orrowvale {
namespace {

// Saves and worlds are shared between players: whatever a slot holds, a load either
// gives a game that plays or names the file and line it refuses.
TEST(LoadGame, RefusesDamageAndEscapesWithFileAndLine) {
    struct Case {
        const char* what;
        const char* file;
        std::function<int(SaveGame&)> breakSlot;  // returns the line the error must name
    };
    auto edit = [](const char* file, int line, std::string text) {
        return [=](SaveGame& s) {
            s.editLine(2, file, line, text);
            return line;
        };
    };
    auto scenario = [](std::string text) {
        return [=](SaveGame& s) {
            const int line = s.lineOf(2, "mainsave.sav", "scenario\\scenario1.scn");
            s.editLine(2, "mainsave.sav", line, text);
            return line;
        };
    };
    const std::string_view escape = "..\\..\\..\\..\\..\\..\\dev\\zero";
    const std::vector<Case> cases = {
        {"a year past what a game reaches", "mainsave.sav", edit("mainsave.sav", 2, "2147483647")},
        {"a thirteenth month", "mainsave.sav", edit("mainsave.sav", 3, "13")},
        {"a fifth week", "mainsave.sav", edit("mainsave.sav", 4, "5")},
        {"a sixth turn", "mainsave.sav", edit("mainsave.sav", 5, "2147483647")},
        {"a turn zero", "mainsave.sav", edit("mainsave.sav", 5, "0")},
        {"a scenario out of the game directory", "mainsave.sav",
         scenario("..\\..\\..\\etc\\passwd")},
        {"a scenario hiding a step up behind a NUL", "mainsave.sav",
         scenario(std::string("x\0..", 4))},
        {"a mission file leading to a device", "prt5.prt",
         edit("prt5.prt", 23, std::string(escape))},
        {"a party member out of the table", "prt5.prt", edit("prt5.prt", 1, "1001")},
        {"a negative journey", "prt5.prt", edit("prt5.prt", 26, "-3")},
        {"a party file cut inside its last line", "prt5.prt",
         [](SaveGame& s) {
             std::string bytes = s.slotFile(2, "prt5.prt");
             s.dir.writeBytes("data\\save\\save2\\prt5.prt", bytes.substr(0, bytes.size() - 4));
             return 36;
         }},
        {"a party file with a line too many", "prt5.prt",
         [](SaveGame& s) {
             s.dir.writeBytes("data\\save\\save2\\prt5.prt",
                              s.slotFile(2, "prt5.prt") + "\r\n\r\nextra\r\n");
             return 39;
         }},
        {"an adventurer of sex 256", "adv999.adv", edit("adv999.adv", 3, "256")},
        {"an adventurer of race 0", "adv999.adv", edit("adv999.adv", 9, "0")},
        {"an adventurer file with a line twice", "adv999.adv",
         [](SaveGame& s) {
             std::string bytes = s.slotFile(2, "adv999.adv");
             std::size_t at = 0;  // the start of line 22, the stay flag
             for (int line = 1; line < 22; ++line)
                 at = bytes.find("\r\n", at) + 2;
             bytes.insert(at, bytes.substr(at, bytes.find("\r\n", at) + 2 - at));
             s.dir.writeBytes("data\\save\\save2\\adv999.adv", bytes);
             return 24;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SaveGame saver;
        saver.newRandomGame();
        makeAGameWorthSaving(saver.game.state);
        saveGame(saver.game.state, saver.paths, 2);
        saveGame(saver.game.state, saver.paths, 4);
        const int line = c.breakSlot(saver);

        LoadingGame loader(saver);
        try {
            loadGame(loader.game, 2);
            ADD_FAILURE() << "the load succeeded";
        } catch (const DataError& error) {
            EXPECT_EQ(error.file(), std::string("data/save/save2/") + c.file);
            EXPECT_EQ(error.line(), line) << error.what();
        }
        // The damage stays in its slot.
        EXPECT_NO_THROW(loadGame(loader.game, 4));
        EXPECT_NE(listSaveSlots(saver.paths)[3], "빈 공간");
    }
}

// Two games saving into one slot at once: a child process saves while this one is
// in the middle of its own save, and the other way round. The slot holds one whole
// save, that of the game that said it saved; the other says it did not.
TEST(SaveGame, TwoGamesSavingIntoOneSlotAtOnceNeverBothSucceed) {
    for (const bool childFirst : {false, true}) {
        SCOPED_TRACE(childFirst ? "the other game saves first" : "this game saves first");
        SaveGame saver;
        saver.newRandomGame();
        int toChild[2], toParent[2];
        ASSERT_EQ(::pipe(toChild), 0);
        ASSERT_EQ(::pipe(toParent), 0);
        auto signal = [](int fd) { ASSERT_EQ(::write(fd, "x", 1), 1); };
        auto await = [](int fd) {
            char c;
            ASSERT_EQ(::read(fd, &c, 1), 1);
        };
        // The holder pauses between writing its files and swapping them in.
        auto holdAtSwap = [&](int tell, int waitFor) {
            return [=](std::string_view step) {
                if (step == "swap") {
                    signal(tell);
                    await(waitFor);
                }
            };
        };
        auto refusedNamingTheSlot = [&](int gold) {
            saver.game.state.gold = gold;
            try {
                saveGame(saver.game.state, saver.paths, 6);
            } catch (const DataError& error) {
                return error.file() == "data/save/save6";
            }
            return false;
        };

        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            bool ok = true;
            if (childFirst) {
                saver.game.state.gold = 222;
                try {
                    saveGame(saver.game.state, saver.paths, 6, holdAtSwap(toParent[1], toChild[0]));
                } catch (...) {
                    ok = false;
                }
            } else {
                await(toChild[0]);
                ok = refusedNamingTheSlot(222);
                signal(toParent[1]);
            }
            ::_exit(ok ? 0 : 1);
        }
        if (childFirst) {
            await(toParent[0]);
            EXPECT_TRUE(refusedNamingTheSlot(111));
            signal(toChild[1]);
        } else {
            saver.game.state.gold = 111;
            saveGame(saver.game.state, saver.paths, 6, [&](std::string_view step) {
                if (step == "swap") {
                    signal(toChild[1]);
                    await(toParent[0]);
                }
            });
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        for (int fd : {toChild[0], toChild[1], toParent[0], toParent[1]})
            ::close(fd);

        LoadingGame loader(saver);
        loadGame(loader.game, 6);
        EXPECT_EQ(loader.game.state.gold, childFirst ? 222 : 111);
        EXPECT_TRUE(saver.leftovers().empty());
    }
}

// A world archive a player unpacks may carry links out of the game folder. The
// save refuses a slot, spare, lock or save folder that is one, naming it, and a link
// inside the spare goes as a link: nothing outside the game folder changes, and a
// refused save leaves the game unsaved.
TEST(SaveGame, NeverWritesRenamesOrRemovesThroughALink) {
    struct Case {
        const char* what;
        std::function<void(SaveGame&, const fs::path& outside)> plant;
        const char* refusedFile;  // null when the save goes ahead around the link
    };
    const auto linkAt = [](const char* gamePath, const char* target) {
        return [=](SaveGame& s, const fs::path& outside) {
            fs::remove_all(s.dir.path(gamePath));
            fs::create_directories(s.dir.path(gamePath).parent_path());
            fs::create_symlink(outside / target, s.dir.path(gamePath));
        };
    };
    const std::vector<Case> cases = {
        {"a spare leading to a folder outside", linkAt("data\\save\\save6.spare", ""),
         "data/save/save6.spare"},
        {"a slot leading to a folder outside", linkAt("data\\save\\save6", ""), "data/save/save6"},
        {"a lock leading nowhere yet", linkAt("data\\save\\save6.lock", "made.txt"),
         "data/save/save6.lock"},
        {"the save folder leading outside", linkAt("data\\save", ""), "data/save"},
        {"a file of the spare leading to a file outside",
         linkAt("data\\save\\save6.spare\\mainsave.sav", "kept.txt"), nullptr},
        {"a stray folder link in the spare", linkAt("data\\save\\save6.spare\\old", ""), nullptr},
        {"a file of the spare with a second name outside",
         [](SaveGame& s, const fs::path& outside) {
             fs::create_directories(s.dir.path("data\\save\\save6.spare"));
             fs::create_hard_link(outside / "kept.txt",
                                  s.dir.path("data\\save\\save6.spare\\mainchr.adv"));
         },
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SaveGame saver;
        saver.newRandomGame();
        saver.game.state.gold += 1;
        testing::TempGameDir outside;
        outside.writeBytes("kept.txt", "kept");
        outside.writeBytes("sub\\kept.txt", "kept");
        c.plant(saver, outside.root());
        const auto untouched = testing::folderSnapshot(outside.root());
        if (c.refusedFile) {
            try {
                saveToSlot(saver.game, 6);
                ADD_FAILURE() << "saved";
            } catch (const DataError& error) {
                EXPECT_EQ(error.file(), c.refusedFile);
            }
            EXPECT_TRUE(hasUnsavedProgress(saver.game));
        } else {
            ASSERT_TRUE(saveToSlot(saver.game, 6));
            LoadingGame loader(saver);
            EXPECT_NO_THROW(loadGame(loader.game, 6));
        }
        EXPECT_EQ(testing::folderSnapshot(outside.root()), untouched);
        EXPECT_EQ(outside.readBytes("kept.txt"), "kept");
    }
    // The copy of an adventurer the info window writes keeps to the same rule.
    SaveGame saver;
    testing::TempGameDir outside;
    fs::create_symlink(outside.root() / "made.txt", saver.dir.path("data\\amugae.txt"));
    EXPECT_THROW(copySampleAdventurer(saver.game), DataError);
    EXPECT_TRUE(fs::is_empty(outside.root() / "data"));
}

// The slot list reads a slot's main file as the loader does, and only its head: a
// pipe, a device, a link or a giant is a damaged slot at once, never a frozen window.
// Looking makes no lock file, and a save or load leaves none behind.
TEST(SaveSlots, ASlotThatIsNoPlainFileIsListedAsDamagedAndLookingLeavesNoLock) {
    SaveGame saver;
    saver.newRandomGame();
    saveGame(saver.game.state, saver.paths, 1);
    const auto mainFile = [&](int slot) {
        return saver.dir.path(slotGamePath(slot) + "\\mainsave.sav");
    };
    ASSERT_EQ(::mkfifo(mainFile(2).c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", mainFile(3));
    { std::ofstream(mainFile(4)).flush(); }
    fs::resize_file(mainFile(4), 3ULL << 30);  // sparse: takes no room on the disk
    fs::remove_all(saver.dir.path("data\\save\\save5"));
    fs::create_directory_symlink("save1", saver.dir.path("data\\save\\save5"));
    saver.dir.writeBytes("data\\save\\save7.lock", "");  // left by a game that was killed

    const auto lines = listSaveSlots(saver.paths);
    EXPECT_EQ(lines[0].find("읽을 수 없는"), std::string::npos) << lines[0];
    for (int slot : {2, 3, 4, 5}) {
        const std::string& line = lines[static_cast<std::size_t>(slot - 1)];
        EXPECT_TRUE(line.starts_with("읽을 수 없는 슬롯 (" + GamePaths::shown(slotGamePath(slot))))
            << line;
    }
    LoadingGame loader(saver);
    EXPECT_THROW(loadGame(loader.game, 2), DataError);
    // The game never saves a link: a slot file that is one is no save of its own.
    saveGame(saver.game.state, saver.paths, 6);
    for (const auto& entry : fs::directory_iterator(saver.dir.path(slotGamePath(6)))) {
        if (entry.path().extension() != ".adv") continue;
        const fs::path outside = saver.dir.path("outside.adv");
        fs::rename(entry.path(), outside);
        fs::create_symlink(outside, entry.path());
        break;
    }
    EXPECT_THROW(loadGame(loader.game, 6), DataError);
    loadGame(loader.game, 1);
    saveGame(saver.game.state, saver.paths, 7);
    for (const auto& entry : fs::directory_iterator(saver.dir.path("data\\save")))
        EXPECT_NE(entry.path().extension(), ".lock") << entry.path();
}

// A save whose last rename cannot be made durable may vanish in a crash: it is
// reported as failed, with the slot as it was before.
TEST(SaveGame, AFolderFlushThatFailsIsReportedAndLeavesTheSlotAsItWas) {
    SaveGame saver;
    saver.newRandomGame();
    saveGame(saver.game.state, saver.paths, 5);
    const std::string before = saver.slotFile(5, "mainsave.sav");
    saver.game.state.gold += 1;
    {
        const FolderFlushForTests failing([](int) {
            errno = EIO;
            return -1;
        });
        for (int slot : {5, 6}) {
            try {
                saveGame(saver.game.state, saver.paths, slot);
                ADD_FAILURE() << "saved into slot " << slot;
            } catch (const DataError& error) {
                EXPECT_EQ(error.file(), "data/save/save" + std::to_string(slot));
                EXPECT_NE(error.problem().find("flush"), std::string::npos) << error.what();
            }
        }
    }
    EXPECT_EQ(saver.slotFile(5, "mainsave.sav"), before);
    EXPECT_FALSE(slotHoldsSave(saver.paths, 6));
    saveGame(saver.game.state, saver.paths, 6);
    EXPECT_TRUE(slotHoldsSave(saver.paths, 6));
    EXPECT_TRUE(saver.leftovers().empty());
}

}  // namespace
}  // namespace orrowvale
