#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "world/gamepaths.h"

namespace orrowvale::testing {

// A game directory of its own for one test, removed afterwards. Files are written
// as authors write them (UTF-8, "\n") and stored as the game reads them (CP949,
// CR LF).
class TempGameDir {
  public:
    TempGameDir();
    ~TempGameDir();
    TempGameDir(const TempGameDir&) = delete;
    TempGameDir& operator=(const TempGameDir&) = delete;

    const std::filesystem::path& root() const { return root_; }
    GamePaths paths() const { return GamePaths(root_); }

    // Fills the directory with the sample world the build made, with ten empty save
    // slots whatever the player saved there: a test never sees a player's saves
    // and never writes into the build's game directory.
    void copySampleWorld() const;

    // `gamePath` as the data files write it, e.g. "data\\city.txt".
    void write(std::string_view gamePath, std::string_view utf8Text) const;
    void writeBytes(std::string_view gamePath, std::string_view bytes) const;
    std::string readBytes(std::string_view gamePath) const;
    std::filesystem::path path(std::string_view gamePath) const;

  private:
    std::filesystem::path root_;
};

// The game directory the build made from the sample world.
GamePaths sampleWorld();

// Every entry under `folder` with its size and time of last change, one line each,
// sorted: two snapshots differ when anything was written, made or removed there.
std::vector<std::string> folderSnapshot(const std::filesystem::path& folder);

// Sets and unsets environment variables for as long as it lives, then puts back
// what each held before.
class ScopedEnvironment {
  public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void set(const std::string& name, const std::string& value);
    void unset(const std::string& name);

  private:
    void remember(const std::string& name);
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace orrowvale::testing
