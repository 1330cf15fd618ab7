#include "world/gamedirectory.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#ifndef ORROWVALE_INSTALLED_GAME_DIR
#error "ORROWVALE_INSTALLED_GAME_DIR must name the installed game directory beside the programs"
#endif
#ifndef ORROWVALE_BUILD_GAME_DIR
#error "ORROWVALE_BUILD_GAME_DIR must name the game directory the build makes"
#endif

namespace orrowvale {
namespace {

namespace fs = std::filesystem;

// A folder name an environment variable gives: only an absolute one counts, since
// a relative one would put the saves wherever the game happened to be started.
std::optional<fs::path> absoluteFolder(const std::optional<std::string>& value) {
    if (!value || value->empty()) return std::nullopt;
    fs::path folder(*value);
    if (!folder.is_absolute()) return std::nullopt;
    return folder;
}

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

bool isSameFolder(const fs::path& a, const fs::path& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

}  // namespace

bool isGameDirectory(const fs::path& folder) {
    std::error_code ec;
    return !folder.empty() &&
           fs::is_regular_file(GamePaths(folder).resolve(kGameDirectoryMark), ec);
}

fs::path installedGameDirectory(const fs::path& programFolder) {
    if (programFolder.empty()) return {};
    return (programFolder / ORROWVALE_INSTALLED_GAME_DIR).lexically_normal();
}

fs::path builtGameDirectory() {
    return ORROWVALE_BUILD_GAME_DIR;
}

fs::path chooseGameDirectory(const fs::path& programFolder, const fs::path& workingDirectory,
                             const fs::path& buildGameDirectory) {
    for (const fs::path& candidate :
         {installedGameDirectory(programFolder), workingDirectory, buildGameDirectory})
        if (isGameDirectory(candidate)) return candidate;
    return workingDirectory;
}

fs::path runningProgramFolder() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return program.parent_path();
}

fs::path defaultGameDirectory() {
    std::error_code ec;
    fs::path working = fs::current_path(ec);
    if (ec) working = ".";
    return chooseGameDirectory(runningProgramFolder(), working);
}

SaveFolderFacts SaveFolderFacts::ofThisProgram() {
    SaveFolderFacts facts;
    facts.installedGameDirectory = orrowvale::installedGameDirectory(runningProgramFolder());
    facts.xdgDataHome = environment("XDG_DATA_HOME");
    facts.home = environment("HOME");
    facts.mayWrite = [](const fs::path& folder) {
        return ::access(folder.c_str(), W_OK | X_OK) == 0;
    };
    return facts;
}

fs::path playerDataFolder(const SaveFolderFacts& facts) {
    if (const auto dataHome = absoluteFolder(facts.xdgDataHome)) return *dataHome / "orrowvale";
    if (const auto home = absoluteFolder(facts.home))
        return *home / ".local" / "share" / "orrowvale";
    return {};
}

SaveFolder chooseSaveFolder(const fs::path& gameDirectory, const SaveFolderFacts& facts) {
    const GamePaths inGame(gameDirectory);
    const bool installed = isSameFolder(gameDirectory, facts.installedGameDirectory);
    // The folder a save there would be written in, or the one it would be made in.
    std::error_code ec;
    fs::path saves = inGame.resolve("data\\save");
    if (!fs::is_directory(saves, ec)) saves = inGame.resolve("data");
    if (!installed && facts.mayWrite && facts.mayWrite(saves)) return {};

    SaveFolder home;
    if (const fs::path data = playerDataFolder(facts); !data.empty()) {
        home.place = SaveFolder::Place::Home;
        home.folder = data / "save";
    } else {
        home.place = SaveFolder::Place::Nowhere;
        home.problem =
            (installed ? std::string("the installed game keeps saves in the player's home")
                       : "the game may not write into " + saves.string()) +
            ", but neither HOME nor XDG_DATA_HOME names an absolute folder for them";
    }
    return home;
}

GamePaths openGameDirectory(const fs::path& gameDirectory) {
    return GamePaths(gameDirectory,
                     chooseSaveFolder(gameDirectory, SaveFolderFacts::ofThisProgram()));
}

}  // namespace orrowvale
