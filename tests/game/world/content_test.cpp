// The sample world as the build leaves it in the game directory: every player
// meets it first and every author copies from it, so it must load cleanly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "game/testfiles.h"
#include "world/adventurer.h"
#include "world/codec.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale {
namespace {

std::filesystem::path gameDir() {
    return ORROWVALE_GAME_DIR;
}

class SampleWorld : public ::testing::Test {
  protected:
    void SetUp() override {
        loadCityList(state, paths);
        loadCityRects(state, paths);
        loadCityNations(state, paths, "common\\citynat.txt");
        loadRouteFiles(state, paths);
        loadPlaceList(state, paths, "common\\commongo.txt");
        loadVisitableCities(state, paths, "common\\commoncity.txt");
        loadSearchSites(state, paths);
        loadDungeonSites(state, paths);
        loadWars(state, paths);
        loadQuests(state, paths);
    }

    bool exists(const std::string& nameInData) const {
        return std::filesystem::is_regular_file(paths.data(nameInData));
    }

    GamePaths paths = testing::sampleWorld();
    GameState state;
};

TEST(SampleWorldFiles, AreCp949WithCrLfThroughout) {
    int files = 0;
    const std::filesystem::path saves = gameDir() / "data/save";
    for (auto entry = std::filesystem::recursive_directory_iterator(gameDir() / "data");
         entry != std::filesystem::recursive_directory_iterator(); ++entry) {
        // What a player saved while playing the build's world (slots and their
        // empty lock files) is not part of the world.
        if (entry->path() == saves) {
            entry.disable_recursion_pending();
            continue;
        }
        if (!entry->is_regular_file()) continue;
        // The pictures and the title tune are binary, drawn by the build.
        const auto extension = entry->path().extension();
        if (extension == ".jpg" || extension == ".mid") continue;
        ++files;
        std::ifstream in(entry->path(), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string name = entry->path().string();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << ": a bare line feed";
            }
        }
        ASSERT_TRUE(bytes.size() >= 2 && bytes.ends_with("\r\n")) << name << ": no final line end";
        // Every byte decodes to a real character: nothing was escaped.
        std::string text = decodeCp949(bytes);
        ASSERT_EQ(text.find("\xEF\x9E"), std::string::npos) << name << ": bytes that are not CP949";
        ASSERT_EQ(text.find("\xEF\x9F"), std::string::npos) << name << ": bytes that are not CP949";
    }
    EXPECT_GT(files, 50);
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_TRUE(std::filesystem::is_directory(gameDir() / "data/save" /
                                                  ("save" + std::to_string(slot))));
}

TEST_F(SampleWorld, HasTwelveCitiesInTwoNationsWithSeparateRectanglesOnTheMap) {
    ASSERT_GE(state.cityCount, 12);
    std::set<int> nations;
    for (int c = 1; c <= state.cityCount; ++c) {
        const CityRect& r = state.cityRects[c];
        EXPECT_TRUE(0 <= r.left && r.left < r.right && r.right <= 400) << state.cityNames[c];
        EXPECT_TRUE(0 <= r.top && r.top < r.bottom && r.bottom <= 390) << state.cityNames[c];
        for (int d = 1; d < c; ++d) {
            const CityRect& o = state.cityRects[d];
            bool apart =
                r.right < o.left || o.right < r.left || r.bottom < o.top || o.bottom < r.top;
            EXPECT_TRUE(apart) << state.cityNames[c] << " overlaps " << state.cityNames[d];
        }
        nations.insert(state.cityNations[c]);
        EXPECT_TRUE(exists(state.routeFiles[c])) << state.routeFiles[c];
    }
    EXPECT_GE(nations.size(), 2u);
}

TEST_F(SampleWorld, NamesOnlyFilesThatExist) {
    for (int c = 1; c <= state.cityCount; ++c) {
        for (int p = 1; p <= state.cityPlaceCount[c]; ++p)
            EXPECT_TRUE(exists(state.cityPlaces[c][p].eventFile))
                << state.cityPlaces[c][p].eventFile;
        for (const SearchSite& site : state.searchSites[c])
            EXPECT_TRUE(site.name == "None" || exists(site.file)) << site.file;
        for (const DungeonSite& site : state.dungeonSites[c])
            EXPECT_TRUE(site.name == "None" || exists(site.file)) << site.file;
    }
    int wars = 0, quests = 0;
    for (const War& war : state.wars) {
        wars += war.name != "None";
        EXPECT_TRUE(war.name == "None" || exists(war.file)) << war.file;
    }
    for (const Quest& quest : state.quests) {
        quests += quest.name != "None";
        EXPECT_TRUE(quest.name == "None" || exists(quest.file)) << quest.file;
    }
    EXPECT_GT(wars, 0);
    EXPECT_GT(quests, 0);
}

TEST_F(SampleWorld, NameFilesHoldWhatTheyClaim) {
    NameLists names = loadNameLists(paths);
    EXPECT_GE(names.male.count, 60);
    EXPECT_GE(names.female.count, 60);
    EXPECT_GE(names.family.count, 40);
    EXPECT_EQ(names.male.names.size(), static_cast<std::size_t>(names.male.count));
    EXPECT_EQ(names.female.names.size(), static_cast<std::size_t>(names.female.count));
    EXPECT_EQ(names.family.names.size(), static_cast<std::size_t>(names.family.count));

    Dice dice(3);
    EXPECT_GT(populateAdventurers(state, dice, names), state.cityCount - 1);
    for (const TAdven& a : state.adventurers)
        EXPECT_TRUE(a.isFree() || (!a.name.empty() && !a.familyName.empty()));
}

TEST_F(SampleWorld, StoryCharactersStartFromFilesThatLoad) {
    for (int k = 0; k <= 1; ++k) {
        SCOPED_TRACE("character " + std::to_string(k));
        LineReader start = LineReader::openData(paths, "chrstat" + std::to_string(k) + ".txt");
        int gold = start.readWholeNumber();
        int city = start.readWholeNumber();
        start.readWholeNumber();  // the character number
        std::string adventurerFile = start.readLine();
        std::string placeList = start.readLine();
        std::string cityList = start.readLine();
        EXPECT_GT(gold, 0);
        EXPECT_TRUE(city >= 1 && city <= state.cityCount);
        TAdven hero;
        loadAdventurer(hero, paths, "data\\" + adventurerFile);
        EXPECT_FALSE(hero.isFree());
        EXPECT_NO_THROW(loadPlaceList(state, paths, placeList));
        EXPECT_NO_THROW(loadVisitableCities(state, paths, cityList));
        EXPECT_EQ(state.visitableCities[city], 1);
    }
    TAdven richard;
    EXPECT_NO_THROW(loadAdventurer(richard, paths, "data\\richard.txt"));
}

TEST_F(SampleWorld, ProloguesAndTheEndingHaveText) {
    for (const char* file :
         {"prologue\\alfred.txt", "prologue\\alfred2.txt", "prologue\\alfred3.txt",
          "prologue\\alfred4.txt", "prologue\\common.txt", "\\common\\death.txt"})
        EXPECT_GE(readStoryText(paths, file).size(), 3u) << file;
}

}  // namespace
}  // namespace orrowvale
