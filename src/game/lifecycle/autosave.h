#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "world/gamepaths.h"

namespace orrowvale {

struct Game;
struct GameState;
struct SaveFolderFacts;

// How many turn starts are kept; the oldest is written over by the next.
inline constexpr int kAutosaves = 3;

// Where the autosaves live, beside the home save folder:
// "$XDG_DATA_HOME/orrowvale/autosave", or "$HOME/.local/share/orrowvale/autosave"
// when XDG_DATA_HOME is unset, empty or relative. Empty with neither: the game then
// keeps no autosave.
std::filesystem::path homeAutosaveFolder(const SaveFolderFacts& facts);

// The folder inside `autosaveFolder` that keeps the autosaves of one world, named by
// the world's checksum ("world-0123456789abcdef"): a game autosaved in one world is
// never continued in another, and playing one world never writes over another's.
// Empty when `autosaveFolder` is.
std::filesystem::path worldAutosaveFolder(const std::filesystem::path& autosaveFolder,
                                          const GamePaths& world);

// One kept autosave: its folder number (1..3), when it was written, and its line as
// the slot list shows a save ("이름: 200년 4월 1주 2턴").
struct Autosave {
    int number = 0;
    std::filesystem::file_time_type written;
    std::string line;
};

// Writes the game at the start of every turn into the next of three folders, each
// in the slot format, with a slot's atomic write and lock. The state is copied when
// the turn starts and written on a thread of its own, so the end-turn press hardly
// waits; a new write, a load and the end of the Autosaver wait for the one in
// progress. The autosaves of the world in `gameDirectory` are kept in its own folder
// inside `autosaveFolder` (see worldAutosaveFolder). An Autosaver with no folder
// keeps nothing.
class Autosaver {
  public:
    Autosaver(const std::filesystem::path& gameDirectory, std::filesystem::path autosaveFolder);
    ~Autosaver();
    Autosaver(const Autosaver&) = delete;
    Autosaver& operator=(const Autosaver&) = delete;

    // The folder of every world's autosaves, which also holds the running marks.
    const std::filesystem::path& autosaveFolder() const { return autosaveFolder_; }
    // This world's autosaves: save1 to save3.
    const std::filesystem::path& folder() const { return folder_; }

    // Copies `state` now and writes the copy over the oldest autosave.
    void keepTurnStart(const GameState& state);
    // Returns once no write is in progress.
    void waitForWrite();
    // Why the last write failed, once; empty when it landed.
    std::optional<std::string> takeFailure();
    // The same, but only for the first of a run of failed writes: a folder that
    // cannot be written fails every turn, and the player is told once. A write that
    // lands ends the run.
    std::optional<std::string> failureToTell();

    // The newest autosave, after any write in progress; empty when none was kept.
    std::optional<Autosave> latest();
    // Loads the newest autosave as loadGame loads a slot: the running game changes
    // only when every file was read. Throws DataError when there is none.
    void loadLatest(Game& game);

  private:
    std::filesystem::path autosaveFolder_;
    std::filesystem::path folder_;
    // The slot format's paths, with "data\save\saveN" in this world's folder.
    GamePaths paths_;
    std::thread writer_;
    std::mutex failureMutex_;
    std::optional<std::string> failure_;
    bool failureTold_ = false;
    // The folder the next write goes to; 0 until the folder was looked at.
    int nextNumber_ = 0;
};

// After the advance of an end-turn press: the new turn's start goes to the game's
// Autosaver, when it has one and the game goes on. A failure of the last turn's
// write is told first (see failureToTell).
void autosaveTurnStart(Game& game);

// What the player is told when an autosave could not be written; the reason follows.
inline constexpr const char* kAutosaveFailed =
    "지난 턴의 자동 저장을 하지 못했습니다. 게임은 계속되지만, 직접 저장해 두십시오.";

// Marks the autosave folder while the program runs, and clears the mark as the
// program ends normally. Each running program has a mark of its own
// ("running-PID"), and holds a lock on it for as long as it runs; the lock ends
// with the process however it ends, and no lock outlives a restart of the machine.
// A mark found at start that nobody holds tells that a run did not end normally: it
// is taken as that run's news and removed. Marks are made and removed only inside the
// folder itself, opened without following a link; a link, a pipe or anything but a
// plain file under a mark's name is neither read, written nor removed. A program
// clears only its own mark.
class RunningMark {
  public:
    explicit RunningMark(const std::filesystem::path& folder);
    ~RunningMark();
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

    bool lastRunEndedAbnormally() const { return lastRunEndedAbnormally_; }
    // The name of this program's mark in the folder; empty when none could be made.
    const std::string& markName() const { return name_; }

  private:
    int folder_ = -1;
    int mark_ = -1;
    std::string name_;
    bool lastRunEndedAbnormally_ = false;
};

// What the title offers to continue: after a run that did not end normally, the
// newest autosave when it is newer than every save slot of `paths`.
std::optional<Autosave> continueOffer(Autosaver& autosaver, const GamePaths& paths,
                                      bool lastRunEndedAbnormally);

}  // namespace orrowvale
