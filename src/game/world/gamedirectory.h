#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "world/gamepaths.h"

namespace orrowvale {

// A folder is a game directory when it holds this file.
inline constexpr const char* kGameDirectoryMark = "data\\city.txt";

// Whether `folder` holds the city list, in any letter case.
bool isGameDirectory(const std::filesystem::path& folder);

// The game directory an installed game keeps beside its programs:
// "<programFolder>/../share/games/orrowvale" for a program in "<prefix>/games" or
// "<prefix>/bin". Empty when the program folder is unknown (empty).
std::filesystem::path installedGameDirectory(const std::filesystem::path& programFolder);

// The game directory the build made from the sample world.
std::filesystem::path builtGameDirectory();

// The game directory when the player names none: the installed game's, else the
// working directory (an author starts the game inside a world folder), else the
// build's, the first of them that is a game directory. When none is, the working
// directory, and the title window tells the player what is missing there.
std::filesystem::path chooseGameDirectory(
    const std::filesystem::path& programFolder, const std::filesystem::path& workingDirectory,
    const std::filesystem::path& buildGameDirectory = builtGameDirectory());

// The folder of the running program; empty when the system does not say.
std::filesystem::path runningProgramFolder();
// chooseGameDirectory for the running program and the working directory.
std::filesystem::path defaultGameDirectory();

// What the choice of the save folder depends on besides the game directory, so
// that tests can put the player anywhere and answer for the file system.
struct SaveFolderFacts {
    // The installed game directory of the running program (it need not exist).
    std::filesystem::path installedGameDirectory;
    // The environment: XDG_DATA_HOME and HOME, absent when unset.
    std::optional<std::string> xdgDataHome;
    std::optional<std::string> home;
    // Whether the game may create files in an existing folder.
    std::function<bool(const std::filesystem::path&)> mayWrite;

    // The facts of the running program, its environment and its user.
    static SaveFolderFacts ofThisProgram();
};

// The game's folder in the player's home: "$XDG_DATA_HOME/orrowvale", or
// "$HOME/.local/share/orrowvale" when XDG_DATA_HOME is unset, empty or relative;
// empty with neither.
std::filesystem::path playerDataFolder(const SaveFolderFacts& facts);

// Where the saves of the game in `gameDirectory` live. A game directory the player
// may change (its "data\save", or "data" when that is missing, is writable) keeps
// them in "data\save". The installed game directory (even when the game runs as
// root, who may write anything) and one the player may not write keep them in
// "$XDG_DATA_HOME/orrowvale/save", or "$HOME/.local/share/orrowvale/save" when
// XDG_DATA_HOME is unset, empty or relative; with neither there is nowhere to save.
SaveFolder chooseSaveFolder(const std::filesystem::path& gameDirectory,
                            const SaveFolderFacts& facts);

// The paths of the game in `gameDirectory`, with its saves where chooseSaveFolder
// puts them for the running program.
GamePaths openGameDirectory(const std::filesystem::path& gameDirectory);

}  // namespace orrowvale
