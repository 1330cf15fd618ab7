#include "lifecycle/autosave.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string_view>
#include <utility>
#include <vector>

#include "Presenter.h"
#include "game.h"
#include "lifecycle/loadgame.h"
#include "lifecycle/playlog.h"
#include "lifecycle/savegame.h"
#include "lifecycle/slotdirectory.h"
#include "world/datafiles.h"
#include "world/gamedirectory.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

namespace fs = std::filesystem;

// When the save in slot folder `slot` was written; empty when it holds none.
std::optional<fs::file_time_type> savedAt(const fs::path& slot) {
    std::error_code ec;
    const fs::file_time_type written = fs::last_write_time(standingSlot(slot) / "mainsave.sav", ec);
    if (ec) return std::nullopt;
    return written;
}

// The marks of running programs: "running-PID", and the bare "running" an older
// version of the game left.
bool isMarkName(std::string_view name) {
    return name == "running" || name.starts_with("running-");
}

// Whether the mark `name` of `folder` was left by a program that is gone: a plain
// file nobody holds the lock on. Such a mark is removed, and only the program that
// removes it is told, so two programs starting together hear of one end once. A
// mark still empty is one whose program is between making and locking it.
bool takeAbandonedMark(int folder, const std::string& name) {
    struct stat seen {};
    if (::fstatat(folder, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(seen.st_mode))
        return false;
    const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    bool abandoned = false;
    struct stat held {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && held.st_size > 0 &&
        held.st_ino == seen.st_ino && held.st_dev == seen.st_dev)
        abandoned = ::unlinkat(folder, name.c_str(), 0) == 0;
    ::close(fd);
    return abandoned;
}

std::vector<std::string> markNames(int folder) {
    std::vector<std::string> names;
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0) return names;
    DIR* entries = ::fdopendir(listed);
    if (entries == nullptr) {
        ::close(listed);
        return names;
    }
    while (const dirent* entry = ::readdir(entries))
        if (isMarkName(entry->d_name)) names.emplace_back(entry->d_name);
    ::closedir(entries);
    return names;
}

}  // namespace

fs::path homeAutosaveFolder(const SaveFolderFacts& facts) {
    const fs::path data = playerDataFolder(facts);
    return data.empty() ? fs::path{} : data / "autosave";
}

fs::path worldAutosaveFolder(const fs::path& autosaveFolder, const GamePaths& world) {
    if (autosaveFolder.empty()) return {};
    return autosaveFolder / ("world-" + worldChecksum(world));
}

Autosaver::Autosaver(const fs::path& gameDirectory, fs::path autosaveFolder)
    : autosaveFolder_(std::move(autosaveFolder)),
      folder_(worldAutosaveFolder(autosaveFolder_, GamePaths(gameDirectory))),
      paths_(gameDirectory, SaveFolder{SaveFolder::Place::Home, folder_, {}}) {}

Autosaver::~Autosaver() {
    waitForWrite();
}

void Autosaver::waitForWrite() {
    if (writer_.joinable()) writer_.join();
}

std::optional<std::string> Autosaver::takeFailure() {
    waitForWrite();
    const std::lock_guard lock(failureMutex_);
    return std::exchange(failure_, std::nullopt);
}

std::optional<std::string> Autosaver::failureToTell() {
    std::optional<std::string> failure = takeFailure();
    if (!failure) {
        failureTold_ = false;
        return std::nullopt;
    }
    if (std::exchange(failureTold_, true)) return std::nullopt;
    return failure;
}

void Autosaver::keepTurnStart(const GameState& state) {
    if (folder_.empty()) return;
    waitForWrite();
    if (nextNumber_ == 0) {
        const std::optional<Autosave> newest = latest();
        nextNumber_ = newest ? newest->number % kAutosaves + 1 : 1;
    }
    const int number = nextNumber_;
    nextNumber_ = number % kAutosaves + 1;
    // The copy is the snapshot: the player plays on while it is written.
    auto snapshot = std::make_unique<GameState>(state);
    writer_ = std::thread([this, number, snapshot = std::move(snapshot)] {
        try {
            saveGame(*snapshot, paths_, number);
        } catch (const std::exception& error) {
            const std::lock_guard lock(failureMutex_);
            failure_ = error.what();
        }
    });
}

std::optional<Autosave> Autosaver::latest() {
    waitForWrite();
    if (folder_.empty()) return std::nullopt;
    std::optional<Autosave> newest;
    for (int number = 1; number <= kAutosaves; ++number) {
        const std::optional<fs::file_time_type> written =
            savedAt(paths_.resolve(slotGamePath(number)));
        if (written && (!newest || *written > newest->written))
            newest = Autosave{number, *written, {}};
    }
    if (newest) newest->line = listSaveSlots(paths_)[static_cast<std::size_t>(newest->number - 1)];
    return newest;
}

void Autosaver::loadLatest(Game& game) {
    const std::optional<Autosave> newest = latest();
    if (!newest) throw DataError(folder_.string(), 0, "no autosave has been kept yet");
    // loadGame reads the world from the game directory and the slot from here.
    const GamePaths paths(game.paths.gameDirectory(), paths_.saveFolder());
    Game loading(game.state, paths, game.dice, game.presenter);
    loadGame(loading, newest->number);
    game.currentParty = loading.currentParty;
    game.scriptStopFlag = loading.scriptStopFlag;
    game.eventStopFlag = loading.eventStopFlag;
    game.mainCharacterDied = loading.mainCharacterDied;
    game.keptProgress = loading.keptProgress;
    startPlayLog(game, "load auto:" + std::to_string(newest->number),
                 folder_ / ("save" + std::to_string(newest->number)));
}

void autosaveTurnStart(Game& game) {
    if (!game.autosaver || game.mainCharacterDied) return;
    if (const std::optional<std::string> failure = game.autosaver->failureToTell())
        game.presenter.inform(std::string(kAutosaveFailed) + "\n" + *failure);
    game.autosaver->keepTurnStart(game.state);
}

RunningMark::RunningMark(const fs::path& folder) {
    if (folder.empty()) return;
    std::error_code ec;
    fs::create_directories(folder, ec);
    folder_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder_ < 0) {
        std::cerr << "orrowvale: no running mark is kept in " << folder << " ("
                  << std::strerror(errno) << ")\n";
        return;
    }
    for (const std::string& name : markNames(folder_))
        if (takeAbandonedMark(folder_, name)) lastRunEndedAbnormally_ = true;
    const std::string pid = std::to_string(::getpid());
    for (int attempt = 0; attempt < 100 && mark_ < 0; ++attempt) {
        std::string name = "running-";
        name += pid;
        if (attempt > 0) {
            name += '-';
            name += std::to_string(attempt);
        }
        mark_ = ::openat(folder_, name.c_str(),
                         O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (mark_ >= 0) name_ = std::move(name);
    }
    if (mark_ < 0) return;
    // Locked before anything is in it: an empty mark is never taken for a dead one.
    const std::string line = pid + "\n";
    if (::flock(mark_, LOCK_EX) != 0 ||
        ::write(mark_, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
        ::unlinkat(folder_, name_.c_str(), 0);
        ::close(std::exchange(mark_, -1));
        name_.clear();
    }
}

RunningMark::~RunningMark() {
    if (mark_ >= 0) {
        // Removed only while the name still stands for this program's own mark.
        struct stat mine {
        }, named{};
        if (::fstat(mark_, &mine) == 0 &&
            ::fstatat(folder_, name_.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            mine.st_ino == named.st_ino && mine.st_dev == named.st_dev)
            ::unlinkat(folder_, name_.c_str(), 0);
        ::close(mark_);
    }
    if (folder_ >= 0) ::close(folder_);
}

std::optional<Autosave> continueOffer(Autosaver& autosaver, const GamePaths& paths,
                                      bool lastRunEndedAbnormally) {
    if (!lastRunEndedAbnormally) return std::nullopt;
    std::optional<Autosave> newest = autosaver.latest();
    if (!newest || paths.saveFolder().place == SaveFolder::Place::Nowhere) return newest;
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        const std::optional<fs::file_time_type> written =
            savedAt(paths.resolve(slotGamePath(slot)));
        if (written && *written >= newest->written) return std::nullopt;
    }
    return newest;
}

}  // namespace orrowvale
