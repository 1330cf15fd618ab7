#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace orrowvale {

// Where the ten save slots live. A world folder keeps them in its own "data\save",
// as worlds always have; an installed game, or a game directory the player may not
// write, keeps them in a folder of the player's home instead; with no home to put
// them in there is nowhere to save, and `problem` says why.
struct SaveFolder {
    enum class Place { GameDirectory, Home, Nowhere };
    Place place = Place::GameDirectory;
    // The folder that holds save1..save10, when the place is Home.
    std::filesystem::path folder;
    // Why there is nowhere to save, when the place is Nowhere.
    std::string problem;
};

// Maps game paths as the data files write them ("data\common\city.txt") to files
// under the game directory. Separators become native, doubled or leading ones are
// harmless, and a name that only matches with another letter case is found too,
// since content is often authored on systems that ignore case. The save slots
// ("data\save\save3" and what is in it) go to the save folder wherever that is.
class GamePaths {
  public:
    // The game reads no file larger than this: its largest data file is far smaller,
    // and a device or a runaway file would otherwise fill the memory.
    static constexpr std::uintmax_t kMaxFileBytes = 16u * 1024u * 1024u;

    // The working directory.
    GamePaths();
    explicit GamePaths(std::filesystem::path gameDirectory);
    GamePaths(std::filesystem::path gameDirectory, SaveFolder saves);

    const std::filesystem::path& gameDirectory() const { return root_; }
    const SaveFolder& saveFolder() const { return saves_; }
    // The folder holding the slot folders, as the player would look for it:
    // "<game directory>/data/save" or the folder in the home. Empty when there is
    // nowhere to save.
    std::filesystem::path saveFolderPath() const;

    // A path relative to the game directory, e.g. "data\city.txt"; a save path
    // ("data\save\...") lands in the save folder. Throws DataError for a name that
    // would leave the game directory (see isInsideGameDirectory), and for a save
    // path when there is nowhere to save.
    std::filesystem::path resolve(std::string_view gamePath) const;
    // Whether a name taken from a data file or a save stays inside the game directory:
    // no ".." step and no NUL byte. Leading separators and drive letters are harmless,
    // since every name is taken relative to the game directory.
    static bool isInsideGameDirectory(std::string_view gamePath);
    // How messages show a game path: "data\city.txt" as "data/city.txt".
    static std::string shown(std::string_view gamePath);
    // As shown(), but a save path kept in the player's home is shown as the whole
    // path there, so that the player can find the file a message names.
    std::string shownPath(std::string_view gamePath) const;
    // Whether `gamePath` names the save folder or something in it.
    static bool isSavePath(std::string_view gamePath);
    // A file name as written inside a data file: relative to "data\".
    std::filesystem::path data(std::string_view nameInData) const;
    // A file the game itself writes outside the slots (the diagnostic copy of an
    // adventurer), and how messages name it: in "data" of a game directory that
    // keeps its saves, else beside the save folder in the player's home, since an
    // installed game directory is never written. The home folder is made if missing.
    // Throws DataError when there is nowhere to write.
    struct WrittenFile {
        std::filesystem::path file;
        std::string shown;
    };
    WrittenFile writtenDataFile(std::string_view nameInData) const;
    // Whether a file named inside a data file exists (a folder is no file).
    bool hasDataFile(std::string_view nameInData) const;

    // While one lives, a file read through these paths comes from the disk once and
    // then from memory: a turn with a thousand parties away reads each mission file
    // once instead of a thousand times. A turn or a new world writes no data file, so
    // nothing kept goes stale; nested caches share the outermost one. The game
    // directory is held open meanwhile, and each file is looked up from it rather
    // than from the root of the disk.
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
    // The bytes of a game path outside the save folder, read through the game
    // directory an open ReadCache holds, with the checks of readPlainFile. Empty when
    // no cache is open, or when the name as written is no plain file on the game
    // directory's disk (a name in another letter case, a link, a file elsewhere):
    // the caller then reads it through resolve(). Throws DataError naming `shown`.
    std::optional<std::string> readInGameDirectory(std::string_view gamePath,
                                                   const std::string& shown) const;
    void keepBytes(const std::string& gamePath, const std::string& bytes) const;

  private:
    struct Kept;
    std::filesystem::path root_;
    SaveFolder saves_;
    mutable std::shared_ptr<Kept> kept_;
};

}  // namespace orrowvale
