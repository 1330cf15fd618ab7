#include "world/worldload.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "game/testfiles.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

using testing::TempGameDir;

class WorldLoad : public ::testing::Test {
  protected:
    void SetUp() override { state.cityCount = 3; }

    std::string placeOf(int city, int entry) {
        const Place& place = state.cityPlaces[city][entry];
        return place.name + "|" + place.eventFile;
    }

    TempGameDir dir;
    GameState state;
};

TEST_F(WorldLoad, CityListSetsCountAndNamesAndStopsAtTheEndOfTheFile) {
    state.cityNames[3] = "옛 이름";
    dir.write("data\\city.txt", "3\n아르덴\n벨카\n");
    loadCityList(state, dir.paths());
    EXPECT_EQ(state.cityCount, 3);
    EXPECT_EQ(state.cityNames[1], "아르덴");
    EXPECT_EQ(state.cityNames[2], "벨카");
    EXPECT_EQ(state.cityNames[3], "옛 이름");
}

TEST_F(WorldLoad, CityListWithMoreCitiesThanTheTableKeepsTheFirstHundred) {
    std::string text = "150\n";
    for (int i = 1; i <= 150; ++i)
        text += "도시" + std::to_string(i) + "\n";
    dir.write("data\\city.txt", text);
    loadCityList(state, dir.paths());
    EXPECT_EQ(state.cityCount, 100);
    EXPECT_EQ(state.cityNames[100], "도시100");
}

TEST_F(WorldLoad, CityListNeedsACountOnItsFirstLine) {
    dir.write("data\\city.txt", "셋\n아르덴\n");
    EXPECT_THROW(loadCityList(state, dir.paths()), DataError);
}

TEST_F(WorldLoad, RectsNationsAndRouteFilesArePerCity) {
    dir.write("data\\citylocs.txt", "10 50 20 40\n  60 100\t5 25 trailing\n\n1 2 3 4\n");
    dir.write("data\\common\\citynat.txt", "1\n2 the river nation\n2\n");
    dir.write("data\\common\\movefile.txt", "move\\m1.txt\n\nmove\\m3.txt\n");
    loadCityRects(state, dir.paths());
    loadCityNations(state, dir.paths(), "common\\citynat.txt");
    loadRouteFiles(state, dir.paths());
    EXPECT_EQ(state.cityRects[1].left, 10);
    EXPECT_EQ(state.cityRects[1].bottom, 40);
    EXPECT_EQ(state.cityRects[2].right, 100);
    EXPECT_EQ(state.cityRects[2].top, 5);
    EXPECT_EQ(state.cityRects[3].top, 3);  // the blank line is passed over
    EXPECT_EQ(state.cityNations[2], 2);
    EXPECT_EQ(state.cityNations[3], 2);
    EXPECT_EQ(state.routeFiles[2], "");  // a blank line is an ordinary (empty) value
    EXPECT_EQ(state.routeFiles[3], "move\\m3.txt");
}

TEST_F(WorldLoad, PlaceListsGiveEarlyEntriesToCityOneAndAppendAcrossFilesAndCities) {
    dir.write("data\\common\\commongo.txt",
              "places of the world\n"
              "대장간\nevn\\smith.evn\n"
              ":city\n2\n"
              "항구\nevn\\port.evn\n"
              ":city\n1\n"
              "신전\nevn\\temple.evn\n"
              "[END]\n"
              "뒤쪽\nevn\\never.evn\n");
    dir.write("data\\extra.txt", "extra places\n:city\n2\n등대\nevn\\light.evn\n");
    loadPlaceList(state, dir.paths(), "common\\commongo.txt");
    loadPlaceList(state, dir.paths(), "extra.txt");
    EXPECT_EQ(state.cityPlaceCount[1], 2);
    EXPECT_EQ(placeOf(1, 1), "대장간|evn\\smith.evn");
    EXPECT_EQ(placeOf(1, 2), "신전|evn\\temple.evn");
    EXPECT_EQ(state.cityPlaceCount[2], 2);
    EXPECT_EQ(placeOf(2, 1), "항구|evn\\port.evn");
    EXPECT_EQ(placeOf(2, 2), "등대|evn\\light.evn");
}

TEST_F(WorldLoad, PlaceListReadsAnEndMarkerWithABlankAsAPlaceName) {
    dir.write("data\\go.txt", "x\n[END] \nevn\\a.evn\n광장\nevn\\b.evn\n");
    loadPlaceList(state, dir.paths(), "go.txt");  // no "[END]": read to the end
    EXPECT_EQ(state.cityPlaceCount[1], 2);
    EXPECT_EQ(placeOf(1, 1), "[END] |evn\\a.evn");
    EXPECT_EQ(placeOf(1, 2), "광장|evn\\b.evn");
}

TEST_F(WorldLoad, PlaceListIgnoresCitiesAndPlacesOutsideTheTables) {
    std::string text = "x\n:city\n101\n바깥\nevn\\x.evn\n:city\n3\n";
    for (int i = 1; i <= 101; ++i)
        text += "곳" + std::to_string(i) + "\nevn\\p.evn\n";
    dir.write("data\\go.txt", text);
    loadPlaceList(state, dir.paths(), "go.txt");
    EXPECT_EQ(state.cityPlaceCount[3], 100);
    EXPECT_EQ(state.cityPlaces[3][100].name, "곳100");
    EXPECT_EQ(state.cityPlaceCount[1], 0);
}

TEST_F(WorldLoad, VisitableCitiesAreReplacedByEachList) {
    dir.write("data\\a.txt", "all cities\n[START]\n1\n2\n3\n[END]\n");
    dir.write("data\\b.txt", "[START]\n2\n101\n[END]\n3\n");
    loadVisitableCities(state, dir.paths(), "a.txt");
    loadVisitableCities(state, dir.paths(), "b.txt");
    EXPECT_EQ(state.visitableCities[1], 0);
    EXPECT_EQ(state.visitableCities[2], 1);
    EXPECT_EQ(state.visitableCities[3], 0);
}

TEST_F(WorldLoad, VisitableCitiesNeedWholeLineNumbers) {
    state.visitableCities[1] = 1;
    dir.write("data\\c.txt", "[START]\n2\n 3 \n[END]\n");
    try {
        loadVisitableCities(state, dir.paths(), "c.txt");
        FAIL() << "no error";
    } catch (const DataError& error) {
        EXPECT_EQ(error.line(), 3);
    }
    EXPECT_EQ(state.visitableCities[1], 1);  // a broken list changes nothing
}

void writeSearchWorld(const TempGameDir& dir) {
    dir.write("data\\searchcity.txt",
              "search\\c1.txt\nsearch\\c1open.txt\n"
              "search\\none.txt\nsearch\\closed.txt\n"
              "search\\c3.txt\nsearch\\c3open.txt\n");
    dir.write("data\\search\\c1.txt", "2\n폐광\nsrch\\mine.txt\n숲\nsrch\\wood.txt\n");
    dir.write("data\\search\\c1open.txt", "open at the start\n[START]\n2\n0\n1\n");
    dir.write("data\\search\\none.txt", "0\n");
    dir.write("data\\search\\closed.txt", "[START]\n0\n");
    dir.write("data\\search\\c3.txt", "1\n늪\nsrch\\swamp.txt\n");
    dir.write("data\\search\\c3open.txt", "[START]\n1\n101\n-4\n");  // no 0: ends at the end
}

TEST_F(WorldLoad, SearchSitesReadPairAndNumberListsPerCity) {
    writeSearchWorld(dir);
    state.searchSites[2][1].name = "stale";
    loadSearchSites(state, dir.paths());
    EXPECT_EQ(state.searchSites[1][1].name, "폐광");
    EXPECT_EQ(state.searchSites[1][2].file, "srch\\wood.txt");
    EXPECT_EQ(state.searchSites[1][1].open, 0);  // the 0 ended the list before the 1
    EXPECT_EQ(state.searchSites[1][2].open, 1);
    EXPECT_EQ(state.searchSites[2][1].name, "None");
    EXPECT_EQ(state.searchSites[3][1].open, 1);
}

TEST_F(WorldLoad, DungeonSitesResetTheirTablesEvenWhenAFileIsMissing) {
    dir.write("data\\dungeonlist.txt", "dun\\c1.txt\ndun\\c1open.txt\n");
    dir.write("data\\dun\\c1.txt", "1\n고블린 굴\ndun\\goblin.txt\n");
    state.dungeonSites[1][1].name = "old";
    state.dungeonSites[1][1].deepestLevel = 4;
    try {
        loadDungeonSites(state, dir.paths());
        FAIL() << "no error";
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), "data/dun/c1open.txt");
        EXPECT_NE(std::string(error.what()).find("named by data/dungeonlist.txt:2"),
                  std::string::npos)
            << error.what();
    }
    EXPECT_EQ(state.dungeonSites[1][1].deepestLevel, 0);
    EXPECT_EQ(state.dungeonSites[1][1].name, "고블린 굴");  // what was read stays
}

TEST_F(WorldLoad, QuestsKeepTheirTurnsLeftAndIgnoreNumbersBeyondTheTable) {
    std::string list = "502\n";
    for (int i = 1; i <= 502; ++i)
        list += "의뢰" + std::to_string(i) + "\nquest\\q.txt\n";
    dir.write("data\\quests\\questlist.txt", list);
    dir.write("data\\quests\\questbool.txt", "[START]\n3\n501\n500\n0\n");
    state.quests[3].turnsLeft = 7;
    state.quests[4].active = 1;
    loadQuests(state, dir.paths());
    EXPECT_EQ(state.quests[500].name, "의뢰500");
    EXPECT_EQ(state.quests[3].turnsLeft, 7);
    EXPECT_EQ(state.quests[3].active, 1);
    EXPECT_EQ(state.quests[4].active, 0);
    EXPECT_EQ(state.quests[500].active, 1);
}

TEST_F(WorldLoad, WarsComeFromTheirListAndFlags) {
    dir.write("data\\wars\\warlist.txt",
              "2\n국경 분쟁\nwars\\border.txt\n북방 원정\nwars\\north.txt\n");
    dir.write("data\\wars\\warbool.txt", "[START]\n2\n");
    state.wars[5].name = "옛 전쟁";
    loadWars(state, dir.paths());
    EXPECT_EQ(state.wars[1].name, "국경 분쟁");
    EXPECT_EQ(state.wars[1].active, 0);
    EXPECT_EQ(state.wars[2].active, 1);
    EXPECT_EQ(state.wars[5].name, "None");
}

// A shared world is untrusted: a list entry that steps out of the game directory is
// refused at the line that names it, before anything is opened.
TEST_F(WorldLoad, AFileNameLeavingTheGameDirectoryIsRefusedAtItsLine) {
    const std::string escape = "..\\..\\..\\..\\..\\..\\dev\\zero";
    struct Case {
        const char* what;
        const char* file;
        std::string text;
        int line;
        std::function<void(GameState&, const GamePaths&)> load;
    };
    const Case cases[] = {
        {"a search list's pair file", "data\\searchcity.txt", escape + "\n", 1,
         [](GameState& s, const GamePaths& p) { loadSearchSites(s, p); }},
        {"a quest's file", "data\\quests\\questlist.txt", "1\n숲\n" + escape + "\n", 3,
         [](GameState& s, const GamePaths& p) { loadQuests(s, p); }},
        {"a route file", "data\\common\\movefile.txt", "move\\1.txt\n" + escape + "\n", 2,
         [](GameState& s, const GamePaths& p) { loadRouteFiles(s, p); }},
        {"a place's event file", "data\\places.txt", "x\n:city\n2\n샘\n/a/../../b\n", 5,
         [](GameState& s, const GamePaths& p) { loadPlaceList(s, p, "places.txt"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write(c.file, c.text);
        dir.write("data\\quests\\questbool.txt", "[START]\n0\n");
        try {
            c.load(state, dir.paths());
            ADD_FAILURE() << "loaded";
        } catch (const DataError& error) {
            EXPECT_EQ(error.file(), GamePaths::shown(c.file));
            EXPECT_EQ(error.line(), c.line) << error.what();
            EXPECT_NE(error.problem().find("inside the game directory"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace orrowvale
