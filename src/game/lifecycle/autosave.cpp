#include "lifecycle/autosave.h"

#include <signal.h>
#include <unistd.h>

#include <fstream>
#include <utility>

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

}  // namespace

fs::path homeAutosaveFolder(const SaveFolderFacts& facts) {
    const fs::path data = playerDataFolder(facts);
    return data.empty() ? fs::path{} : data / "autosave";
}

Autosaver::Autosaver(const fs::path& gameDirectory, fs::path folder)
    : paths_(gameDirectory, SaveFolder{SaveFolder::Place::Home, folder, {}}),
      folder_(std::move(folder)) {}

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

RunningMark::RunningMark(fs::path folder) {
    if (folder.empty()) return;
    mark_ = folder / "running";
    std::ifstream before(mark_);
    pid_t holder = 0;
    if (before && before >> holder)
        // A second program running at the same time leaves its own mark.
        lastRunEndedAbnormally_ = holder <= 0 || ::kill(holder, 0) != 0 || holder == ::getpid();
    else
        lastRunEndedAbnormally_ = before.is_open();
    before.close();
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::ofstream(mark_, std::ios::trunc) << ::getpid() << "\n";
}

RunningMark::~RunningMark() {
    if (mark_.empty()) return;
    std::error_code ec;
    fs::remove(mark_, ec);
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
