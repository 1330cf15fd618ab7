#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace orrowvale {

// Maps game paths as the data files write them ("data\common\city.txt") to files
// under the game directory. Separators become native, doubled or leading ones are
// harmless, and a name that only matches with another letter case is found too,
// since content is often authored on systems that ignore case.
class GamePaths {
  public:
    // The game reads no file larger than this: its largest data file is far smaller,
    // and a device or a runaway file would otherwise fill the memory.
    static constexpr std::uintmax_t kMaxFileBytes = 16u * 1024u * 1024u;

    // The working directory.
    GamePaths();
    explicit GamePaths(std::filesystem::path gameDirectory);

    const std::filesystem::path& gameDirectory() const { return root_; }

    // A path relative to the game directory, e.g. "data\city.txt". Throws DataError
    // for a name that would leave the game directory (see isInsideGameDirectory).
    std::filesystem::path resolve(std::string_view gamePath) const;
    // Whether a name taken from a data file or a save stays inside the game directory:
    // no ".." step and no NUL byte. Leading separators and drive letters are harmless,
    // since every name is taken relative to the game directory.
    static bool isInsideGameDirectory(std::string_view gamePath);
    // How messages show a game path: "data\city.txt" as "data/city.txt".
    static std::string shown(std::string_view gamePath);
    // A file name as written inside a data file: relative to "data\".
    std::filesystem::path data(std::string_view nameInData) const;
    // Whether a file named inside a data file exists (a folder is no file).
    bool hasDataFile(std::string_view nameInData) const;

    // While one lives, a file read through these paths comes from the disk once and
    // then from memory: a turn with a thousand parties away reads each mission file
    // once instead of a thousand times. A turn writes no data file, so nothing kept
    // goes stale; nested caches share the outermost one.
    class ReadCache {
      public:
        explicit ReadCache(const GamePaths& paths);
        ~ReadCache();
        ReadCache(const ReadCache&) = delete;
        ReadCache& operator=(const ReadCache&) = delete;

      private:
        const GamePaths& paths_;
        bool opened_;
    };
    // The bytes of a game path kept by an open ReadCache; null when none is kept.
    const std::string* cachedBytes(const std::string& gamePath) const;
    void keepBytes(const std::string& gamePath, const std::string& bytes) const;

  private:
    struct Kept;
    std::filesystem::path root_;
    mutable std::shared_ptr<Kept> kept_;
};

}  // namespace orrowvale
