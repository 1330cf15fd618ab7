#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "game.h"
#include "game/testfiles.h"
#include "guild/equipment.h"
#include "guild/partysetup.h"
#include "lifecycle/createworld.h"
#include "lifecycle/loadgame.h"
#include "lifecycle/savegame.h"
#include "parties/travel.h"
#include "scripts/scenariorunner.h"
#include "transcript.h"
#include "world/codec.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/statelimits.h"
#include "world/worldload.h"

namespace orrowvale {
namespace {

// Lines of "mainsave.sav": the first place name, the party markers, the player's
// nation (after which "mainchr.adv" is read) and the first guild item.
constexpr int kFirstPlaceLine = 1107;
constexpr int kFirstPartyMarker = 122207;
constexpr int kPlayerNationLine = 123309;
constexpr int kFirstGuildItemLine = 206813 - kGuildItemSlots + 1;

// A game in play over a copy of the sample world with party 5 founded, and a second
// game, also in play, into which its slots are loaded.
class SaveLimits : public ::testing::Test {
  protected:
    SaveLimits() {
        dir.copySampleWorld();
        for (Game* each : {&game, &loading}) {
            loadCityList(each->state, paths);
            createRandomWorld(*each);
        }
        TParty& party = state.parties[5];
        party.inUse = true;
        party.location = state.currentCity;
    }

    std::string slotPath(int slot, const std::string& name) const {
        return slotGamePath(slot) + "\\" + name;
    }
    // Saves the running game into slot 2 and writes `text` over line `number` of a file.
    void saveDamaged(const std::string& name, int number, const std::string& text) {
        saveGame(state, paths, 2);
        std::string bytes = dir.readBytes(slotPath(2, name));
        std::size_t start = 0;
        for (int line = 1; line < number; ++line)
            start = bytes.find("\r\n", start) + 2;
        bytes.replace(start, bytes.find("\r\n", start) - start, encodeCp949(text));
        dir.writeBytes(slotPath(2, name), bytes);
    }
    // The file and line `action` refuses, the loading game left exactly as it was.
    template <typename Action>
    std::pair<std::string, int> refusal(Action action) {
        const auto before = progressDigest(loading.state);
        try {
            action();
        } catch (const DataError& error) {
            EXPECT_EQ(progressDigest(loading.state), before) << error.what();
            return {error.file(), error.line()};
        }
        return {"no refusal", 0};
    }
    std::pair<std::string, int> loadRefusal() {
        return refusal([&] { loadGame(loading, 2); });
    }
    // Runs one scenario block of actions in the running game.
    void runActions(const std::string& actions) {
        dir.write("data\\scen\\t.scn", "[START]\n-optend-\n" + actions + "[END]\n");
        runScript(game, "scen\\t.scn");
    }
    // What such a block refuses leaves the running game as it was.
    std::pair<std::string, int> scriptRefusal(const std::string& actions) {
        const auto before = progressDigest(state);
        const auto where = refusal([&] { runActions(actions); });
        EXPECT_EQ(progressDigest(state), before);
        return where;
    }
    // The running game, saved and loaded into the other game, saves byte for byte alike.
    void expectLoadsAlike() {
        saveGame(state, paths, 1);
        loadGame(loading, 1);
        EXPECT_EQ(progressDigest(loading.state), progressDigest(state));
    }

    testing::TempGameDir dir;
    GamePaths paths = dir.paths();
    std::unique_ptr<GameState> states[2] = {std::make_unique<GameState>(),
                                            std::make_unique<GameState>()};
    GameState& state = *states[0];
    Dice dice{42};
    TranscriptPresenter presenter;
    Game game{state, paths, dice, presenter};
    Game loading{*states[1], paths, dice, presenter};
};

using Where = std::pair<std::string, int>;
const std::string kSlot2 = "data/save/save2/";

TEST_F(SaveLimits, ALineBreakInANameIsRefusedWhereTheNameIsRead) {
    state.tradeGoods[1][1].name = "비단";
    saveGame(state, paths, 2);
    LineReader main = LineReader::open(paths, slotPath(2, "mainsave.sav"));
    while (!main.atEnd() && main.readLine() != "비단") {
    }
    const std::vector<Where> damaged = {{"prt5.prt", 36},
                                        {"prt5.prt", 23},
                                        {"adv999.adv", 1},
                                        {"mainsave.sav", 1},
                                        {"mainsave.sav", kFirstPlaceLine},
                                        {"mainsave.sav", main.lineNumber()}};
    for (const auto& [file, line] : damaged) {
        saveDamaged(file, line, "이\r름");
        EXPECT_EQ(loadRefusal(), Where(kSlot2 + file, line));
    }
    // World files give the names of a new world and of every loaded one.
    const std::string names = dir.readBytes("data\\malename.txt");
    dir.write("data\\malename.txt", "2\n민준\n서\r준\n");
    EXPECT_EQ(refusal([&] { createRandomWorld(loading); }), Where("data/malename.txt", 3));
    dir.writeBytes("data\\malename.txt", names);
    dir.write("data\\common\\commongo.txt", "장소\n:city\n1\n항구\r부두\nplaces\\dock.evn\n");
    EXPECT_EQ(refusal([&] { loadGame(loading, 2); }), Where("data/common/commongo.txt", 4));
}

TEST_F(SaveLimits, AnItemCodeNoItemHasIsRefusedByTheLoaderTheScriptAndTheEquipment) {
    saveDamaged("mainsave.sav", kFirstGuildItemLine, "9");
    EXPECT_EQ(loadRefusal(), Where(kSlot2 + "mainsave.sav", kFirstGuildItemLine));
    state.guildItems.fill(0);
    EXPECT_EQ(scriptRefusal(":additem\n9\n"), Where("data/scen/t.scn", 4));

    runActions(":additem\n8\n");
    state.guildItems[2] = 9;  // only a damaged state holds one
    EXPECT_FALSE(equipItem(game, 5, 2));
    ASSERT_TRUE(equipItem(game, 5, 1));
    EXPECT_EQ(state.parties[5].partyItem, 8);
    state.guildItems[2] = 0;
    expectLoadsAlike();
}

TEST_F(SaveLimits, AFileNameAScriptWouldKeepIsHeldToTheLoadersRuleAtItsLine) {
    state.tradeGoods[1].fill(TradeGood{});
    const std::vector<std::pair<std::string, int>> refused = {
        {":change\n2\n..\\..\\evil.scn\n", 5},      {":change\n1\n..\\..\\x\n", 5},
        {":changequest\n1\n..\\..\\evil.qst\n", 5}, {":addgoto\n1\n샘\n..\\..\\evil.evn\n", 6},
        {":addcarry\n1\n..\n1\n2\n3\n4\n", 5},  // the goods become a transport's mission file
        {":change\n3\nscen\\a\rb.scn\n", 5},
    };
    for (const auto& [actions, line] : refused)
        EXPECT_EQ(scriptRefusal(actions), Where("data/scen/t.scn", line)) << actions;

    runActions(
        ":change\n2\nscen\\next.scn\n:changequest\n1\nquests\\q.qst\n"
        ":addgoto\n1\n샘\nplaces\\well.evn\n:addcarry\n1\n소금\n1\n2\n3\n4\n");
    EXPECT_EQ(state.scenarioFiles[2], "scen\\next.scn");
    expectLoadsAlike();
}

// The turn stops the year where a load would start refusing it, rather than the
// load refusing every date a turn could push past it.
TEST_F(SaveLimits, TheCalendarStaysInTheLastYearASaveMayHold) {
    std::tie(state.gameYear, state.gameMonth, state.gameWeek, state.gameTurn) =
        std::make_tuple(kLastYear, 12, 4, 5);
    advanceCalendar(state, 1);
    EXPECT_EQ(std::make_tuple(state.gameYear, state.gameMonth, state.gameWeek, state.gameTurn),
              std::make_tuple(kLastYear, 1, 1, 1));
    expectLoadsAlike();
    saveDamaged("mainsave.sav", 2, std::to_string(kLastYear + 1));
    EXPECT_EQ(loadRefusal(), Where(kSlot2 + "mainsave.sav", 2));
}

TEST_F(SaveLimits, ANameIsCappedWhereItIsGivenAtTheLengthALoadAccepts) {
    std::string longest;
    for (std::size_t i = 0; i < kMaxTextCharacters; ++i)
        longest += "가";
    const std::string tooLong = longest + "a";
    presenter.clear();
    EXPECT_FALSE(renameParty(game, 5, std::string(9'000'000, 'x')));
    EXPECT_FALSE(renameParty(game, 5, tooLong));
    EXPECT_EQ(presenter.lines(),
              std::vector<std::string>(2, std::string("inform: ") + kPartyNameTooLong));
    ASSERT_TRUE(renameParty(game, 5, longest));
    expectLoadsAlike();

    saveDamaged("prt5.prt", 36, tooLong);
    EXPECT_EQ(loadRefusal(), Where(kSlot2 + "prt5.prt", 36));
    EXPECT_EQ(scriptRefusal(":addgoto\n1\n" + tooLong + "\nplaces\\x.evn\n"),
              Where("data/scen/t.scn", 5));
    // The save's own last check, for a name that came in by no way above.
    const std::string damagedSlot = dir.readBytes(slotPath(2, "prt5.prt"));
    state.parties[5].partyName = tooLong;
    EXPECT_EQ(refusal([&] { saveGame(state, paths, 2); }), Where(kSlot2 + "prt5.prt", 36));
    EXPECT_EQ(dir.readBytes(slotPath(2, "prt5.prt")), damagedSlot);
}

TEST_F(SaveLimits, AMissingPartyOrMainCharacterFileNamesTheMainFileLineThatAskedForIt) {
    const std::pair<std::string, std::string> cases[] = {
        {"prt5.prt",
         "named by " + kSlot2 + "mainsave.sav:" + std::to_string(kFirstPartyMarker + 4)},
        {"mainchr.adv",
         "due after " + kSlot2 + "mainsave.sav:" + std::to_string(kPlayerNationLine)},
    };
    for (const auto& [file, asked] : cases) {
        saveGame(state, paths, 2);
        std::filesystem::remove(dir.path(slotPath(2, file)));
        try {
            loadGame(loading, 2);
            ADD_FAILURE() << "loaded without " << file;
        } catch (const DataError& error) {
            EXPECT_EQ(Where(error.file(), error.line()), Where(kSlot2 + file, 0));
            EXPECT_NE(error.problem().find(asked), std::string::npos) << error.what();
        }
    }
}

// A save of a larger world names cities this one lacks: refused where each is read.
TEST_F(SaveLimits, ACityTheWorldDoesNotHaveIsRefusedAtItsLine) {
    const std::string beyond = std::to_string(state.cityCount + 1);
    const int currentCityLine = kPlayerNationLine - kMaxCities - 2;
    // The party's city, the destination of its journey, and the city of its dungeon.
    for (const auto& [file, line] : std::vector<Where>{{"mainsave.sav", currentCityLine},
                                                       {"prt5.prt", 19},
                                                       {"prt5.prt", 27},
                                                       {"prt5.prt", 33}}) {
        saveDamaged(file, line, beyond);
        EXPECT_EQ(loadRefusal(), Where(kSlot2 + file, line));
        saveDamaged(file, line, std::to_string(state.cityCount));
        EXPECT_NO_THROW(loadGame(loading, 2)) << file << ":" << line;
    }
}

// Values that reached a save by other ways than the names, items, files and dates
// above.
TEST_F(SaveLimits, AJourneyAndAnArrivalKeepWhatALoadAccepts) {
    startTravel(state, 5, -3, 2);  // a route file may give less than no time
    EXPECT_EQ(state.parties[5].travelTurnsLeft, 0);
    expectLoadsAlike();
    // A party that stands in no city (a damaged save) leaves the player where they are.
    const int city = state.currentCity;
    state.parties[5].location = 0;
    state.parties[5].travelDestination = 0;
    state.parties[5].members[1] = state.mainchrnum;
    travelOneTurn(game, 5);
    EXPECT_EQ(state.currentCity, city);
}

}  // namespace
}  // namespace orrowvale
