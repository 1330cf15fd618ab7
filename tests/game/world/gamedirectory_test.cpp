// Where the game finds its world when the player names none, and where it keeps
// the player's saves.

#include "world/gamedirectory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "game/testfiles.h"
#include "world/datafiles.h"

namespace orrowvale {
namespace {

namespace fs = std::filesystem;

// An installed game, an author's world and a build tree side by side in one
// temporary folder.
struct Layout {
    testing::TempGameDir top;
    fs::path prefix = top.root() / "usr";
    fs::path installed = prefix / "share" / "games" / "orrowvale";
    fs::path working = top.root() / "author" / "world";
    fs::path build = top.root() / "build" / "game";

    Layout() {
        for (const fs::path& folder : {prefix / "games", prefix / "bin", installed, working, build})
            fs::create_directories(folder);
    }
    // Puts an empty file at `relative` under `folder`; nothing for a null name.
    static void put(const fs::path& folder, const char* relative) {
        if (relative == nullptr) return;
        fs::create_directories((folder / relative).parent_path());
        std::ofstream(folder / relative) << "";
    }
};

TEST(GameDirectory, TheInstalledGameComesFirstThenTheWorkingDirectoryThenTheBuild) {
    enum Found { Installed, Working, Build };
    struct Case {
        const char* what;
        const char* installed;  // the file each folder holds, or null
        const char* working;
        const char* build;
        Found expected;
    };
    const char* city = "data/city.txt";
    const std::vector<Case> cases = {
        {"all three are games", city, city, city, Installed},
        {"only the installed one is", city, nullptr, nullptr, Installed},
        {"an author inside a world beside the build", nullptr, city, city, Working},
        {"an installed folder without the city list is no game", "data/map.jpg", city, city,
         Working},
        {"a working directory without the city list is no game", nullptr, "data/readme.txt", city,
         Build},
        {"a world authored on a system that ignores case", nullptr, "DATA/City.TXT", city, Working},
        {"no game anywhere: the working directory, to be told about", nullptr, "data/x.txt",
         nullptr, Working},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Layout layout;
        Layout::put(layout.installed, c.installed);
        Layout::put(layout.working, c.working);
        Layout::put(layout.build, c.build);
        const fs::path expected = c.expected == Installed ? layout.installed
                                  : c.expected == Working ? layout.working
                                                          : layout.build;
        // The game lives in P/games, the tools in P/bin; both find P/share/games.
        for (const char* programs : {"games", "bin"})
            EXPECT_EQ(chooseGameDirectory(layout.prefix / programs, layout.working, layout.build),
                      expected)
                << programs;
        // A program that cannot tell where it is skips the installed game.
        if (c.expected != Installed) {
            EXPECT_EQ(chooseGameDirectory({}, layout.working, layout.build), expected);
        }
    }
}

// What the save folder decision was asked and what it answered.
struct SaveCase {
    const char* what;
    bool installedGame;
    bool hasSaveFolder;  // the game directory has data/save
    bool writable;       // what access() says of the folder asked about
    std::optional<std::string> xdg;
    std::optional<std::string> home;
    SaveFolder::Place expected;
    const char* expectedUnder;  // the save folder under the temporary folder, for Home
};

TEST(SaveFolder, AWorldTheAuthorMayWriteKeepsItsSavesAndAllOthersGoHome) {
    using Place = SaveFolder::Place;
    const std::string xdg = "@/xdg";  // "@" stands for the temporary folder
    const std::string home = "@/home/player";
    const char* xdgSaves = "xdg/orrowvale/save";
    const char* homeSaves = "home/player/.local/share/orrowvale/save";
    const std::vector<SaveCase> cases = {
        {"an author's world", false, true, true, xdg, home, Place::GameDirectory, nullptr},
        {"a world whose save folder is read-only", false, true, false, xdg, home, Place::Home,
         xdgSaves},
        {"a world without a save folder, its data folder writable", false, false, true, xdg, home,
         Place::GameDirectory, nullptr},
        {"a world without a save folder in a read-only data folder", false, false, false,
         std::nullopt, home, Place::Home, homeSaves},
        {"the installed game, even for root who may write anything", true, false, true, xdg, home,
         Place::Home, xdgSaves},
        {"an empty XDG_DATA_HOME", true, false, true, "", home, Place::Home, homeSaves},
        {"a relative XDG_DATA_HOME", true, false, true, "share", home, Place::Home, homeSaves},
        {"a relative XDG_DATA_HOME and no HOME", true, false, true, "share", std::nullopt,
         Place::Nowhere, nullptr},
        {"no XDG_DATA_HOME and a relative HOME", true, false, true, std::nullopt, "player",
         Place::Nowhere, nullptr},
        {"a read-only world and no home at all", false, true, false, std::nullopt, std::nullopt,
         Place::Nowhere, nullptr},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.what);
        Layout layout;
        Layout::put(layout.installed, "data/city.txt");
        Layout::put(layout.working, "data/city.txt");
        if (c.hasSaveFolder) {
            fs::create_directories(layout.installed / "data/save");
            fs::create_directories(layout.working / "data/save");
        }
        auto placed = [&](const std::optional<std::string>& value) -> std::optional<std::string> {
            if (!value || !value->starts_with("@")) return value;
            return layout.top.root().string() + value->substr(1);
        };
        std::vector<fs::path> asked;
        SaveFolderFacts facts;
        facts.installedGameDirectory = installedGameDirectory(layout.prefix / "games");
        facts.xdgDataHome = placed(c.xdg);
        facts.home = placed(c.home);
        facts.mayWrite = [&](const fs::path& folder) {
            asked.push_back(folder);
            return c.writable;
        };
        // The installed game is recognised however its folder is named: here
        // through a link beside it.
        fs::path gameDirectory = layout.working;
        if (c.installedGame) {
            gameDirectory = layout.top.root() / "linked";
            fs::create_directory_symlink(layout.installed, gameDirectory);
        }

        const SaveFolder chosen = chooseSaveFolder(gameDirectory, facts);
        EXPECT_EQ(chosen.place, c.expected);
        if (c.expected == Place::Home) {
            EXPECT_EQ(chosen.folder, layout.top.root() / c.expectedUnder);
        }
        if (c.expected == Place::Nowhere) {
            EXPECT_NE(chosen.problem.find("HOME"), std::string::npos) << chosen.problem;
        }
        if (!c.installedGame) {
            ASSERT_EQ(asked.size(), 1u);
            EXPECT_EQ(asked[0], gameDirectory / (c.hasSaveFolder ? "data/save" : "data"));
        }
        const GamePaths paths(gameDirectory, chosen);
        if (c.expected == Place::GameDirectory) {
            EXPECT_EQ(paths.resolve("data\\save\\save3"), gameDirectory / "data/save/save3");
        }
        if (c.expected == Place::Home) {
            // Every spelling of a save path lands in the home; other files stay.
            EXPECT_EQ(paths.resolve("DATA/Save\\save3\\mainsave.sav"),
                      chosen.folder / "save3/mainsave.sav");
            EXPECT_EQ(paths.shownPath("data\\save\\save3"), (chosen.folder / "save3").string());
            EXPECT_EQ(paths.resolve("data\\city.txt"), gameDirectory / "data/city.txt");
            EXPECT_EQ(paths.resolve("data\\saved.txt"), gameDirectory / "data/saved.txt");
        }
        if (c.expected == Place::Nowhere) {
            EXPECT_THROW(paths.resolve("data\\save\\save3"), DataError);
        }
    }
}

// access() cannot refuse root anything, so this case needs an ordinary user; for
// root the table above answers for access() instead.
TEST(SaveFolder, AReadOnlySaveFolderSendsTheSavesHome) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write into any folder";
    Layout layout;
    Layout::put(layout.working, "data/city.txt");
    const fs::path saves = layout.working / "data/save";
    fs::create_directories(saves);
    ::chmod(saves.c_str(), 0555);
    SaveFolderFacts facts = SaveFolderFacts::ofThisProgram();
    facts.xdgDataHome = (layout.top.root() / "xdg").string();
    const SaveFolder chosen = chooseSaveFolder(layout.working, facts);
    ::chmod(saves.c_str(), 0755);
    EXPECT_EQ(chosen.place, SaveFolder::Place::Home);
    EXPECT_EQ(chosen.folder, layout.top.root() / "xdg/orrowvale/save");
    EXPECT_EQ(chooseSaveFolder(layout.working, facts).place, SaveFolder::Place::GameDirectory);
}

// The programs read the player's environment; a folder without a data folder is
// one no game may write, for root too.
TEST(SaveFolder, TheProgramsTakeTheFolderFromTheEnvironment) {
    testing::TempGameDir top;
    const fs::path noData = top.root() / "empty";
    fs::create_directories(noData);
    const std::string root = top.root().string();
    struct Case {
        std::optional<std::string> xdg;
        std::optional<std::string> home;
        std::string expected;  // empty: nowhere to save
    };
    for (const Case& c :
         {Case{root + "/xdg", root + "/home", root + "/xdg/orrowvale/save"},
          Case{"relative", root + "/home", root + "/home/.local/share/orrowvale/save"},
          Case{std::nullopt, std::nullopt, ""}}) {
        SCOPED_TRACE(c.expected);
        testing::ScopedEnvironment environment;
        auto put = [&](const char* name, const std::optional<std::string>& value) {
            if (value)
                environment.set(name, *value);
            else
                environment.unset(name);
        };
        put("XDG_DATA_HOME", c.xdg);
        put("HOME", c.home);
        const GamePaths paths = openGameDirectory(noData);
        EXPECT_EQ(paths.saveFolderPath(), fs::path(c.expected));
        EXPECT_EQ(paths.saveFolder().place,
                  c.expected.empty() ? SaveFolder::Place::Nowhere : SaveFolder::Place::Home);
    }
}

}  // namespace
}  // namespace orrowvale
