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

// Where the autosaves live, beside the home save folder whatever world is played:
// "$XDG_DATA_HOME/orrowvale/autosave", or "$HOME/.local/share/orrowvale/autosave"
// when XDG_DATA_HOME is unset, empty or relative. Empty with neither: the game then
// keeps no autosave.
std::filesystem::path homeAutosaveFolder(const SaveFolderFacts& facts);

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
// progress. An Autosaver with no folder keeps nothing.
class Autosaver {
  public:
    Autosaver(const std::filesystem::path& gameDirectory, std::filesystem::path folder);
    ~Autosaver();
    Autosaver(const Autosaver&) = delete;
    Autosaver& operator=(const Autosaver&) = delete;

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
    // The slot format's paths, with "data\save\saveN" in the autosave folder.
    GamePaths paths_;
    std::filesystem::path folder_;
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

// Marks the autosave folder while the program runs (a file naming the process),
// and clears the mark as the program ends normally. A mark found at start whose
// process is gone tells that the last run did not end normally.
class RunningMark {
  public:
    explicit RunningMark(std::filesystem::path folder);
    ~RunningMark();
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

    bool lastRunEndedAbnormally() const { return lastRunEndedAbnormally_; }

  private:
    std::filesystem::path mark_;
    bool lastRunEndedAbnormally_ = false;
};

// What the title offers to continue: after a run that did not end normally, the
// newest autosave when it is newer than every save slot of `paths`.
std::optional<Autosave> continueOffer(Autosaver& autosaver, const GamePaths& paths,
                                      bool lastRunEndedAbnormally);

}  // namespace orrowvale
