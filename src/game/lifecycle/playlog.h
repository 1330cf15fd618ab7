#pragma once

// The play log: every game played in the windows is written down as an action file
// of the scripted player (orrowvale-sim), headed by what is needed to play it again
// to the same state: the program's version, the world, how the game started and the
// dice's seed. `orrowvale-sim --replay LOG` plays it back, so a player who meets a
// fault sends one file.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Presenter.h"
#include "world/dice.h"

namespace orrowvale {

class GamePaths;
struct Game;

// How many logs are kept in the logs folder; the oldest go first.
inline constexpr int kPlayLogsKept = 10;

// The version a log names; a log of another version is not replayed.
const char* programVersion();

// A checksum of every file under the game directory's data folder but its save
// slots, as 16 hex digits: two game directories with the same checksum hold the
// same world.
std::string worldChecksum(const GamePaths& paths);
// A checksum of every file in one save slot folder.
std::string slotChecksum(const std::filesystem::path& slot);

// Where the logs live, beside the autosaves: "<player data folder>/logs" for the
// autosave folder "<player data folder>/autosave". Empty when `autosaveFolder` is.
std::filesystem::path playLogFolder(const std::filesystem::path& autosaveFolder);

// The head of a log. `start` is how the game began, as the simulator's options name
// it without the dashes: "new random", "new story:K", "load N" (a save slot) or
// "load auto:N" (autosave folder N); `slot` is the checksum of the loaded save.
struct PlayLogHeader {
    std::string version;
    std::string world;
    std::string start;
    std::string slot;
    std::uint64_t seed = 0;
    // The line of the log that named the start, when the header was read from one.
    int startLine = 0;
};

// The header's lines, comments to the scripted player.
std::vector<std::string> headerLines(const PlayLogHeader& header);
// Reads the header from the comment lines at the top of a log. Throws DataError
// naming `fileName` and a line when a field is missing or unreadable.
PlayLogHeader readPlayLogHeader(std::istream& in, const std::string& fileName);
// What differs between the game a log was played in and the one here, a sentence
// each; empty when the log can be replayed here. `slot` is compared only when the
// log started from a save.
std::vector<std::string> replayMismatches(const PlayLogHeader& log, const PlayLogHeader& here);

// Records the player actions of one game for as long as it lives, one line at a
// time into `sink` (the program's sink flushes each line, so that a program killed
// in the middle of a game leaves every action taken before). Player actions record
// themselves through RecordedAction; the answers to the questions an action asks
// are written before its line, as the scripted player queues them. A game has no
// log unless its owner made one (the program does; the simulator with --record).
class PlayLog {
  public:
    using Sink = std::function<void(const std::string& line)>;
    PlayLog(Game& game, Sink sink);
    ~PlayLog();
    PlayLog(const PlayLog&) = delete;
    PlayLog& operator=(const PlayLog&) = delete;

    void writeHeader(const PlayLogHeader& header);
    // A question of the action in progress was answered.
    void answered(bool yes);

  private:
    friend class RecordedAction;
    void write(const std::string& line);

    Game& game_;
    Sink sink_;
    // Actions in progress: one action may call the function of another (a new
    // company rolled as a conversation ends), and only the outermost is the player's.
    int depth_ = 0;
    std::vector<bool> answers_;
};

// One player action, recorded as the scope ends: the answers given meanwhile, then
// `line`. Nothing when the game keeps no log, the action was nested in another, or
// the line is empty (the action was cancelled before anything happened).
class RecordedAction {
  public:
    RecordedAction(Game& game, std::string line = {});
    ~RecordedAction();
    RecordedAction(const RecordedAction&) = delete;
    RecordedAction& operator=(const RecordedAction&) = delete;

    void setLine(std::string line) { line_ = std::move(line); }
    // The answers given so far are not the log's to replay.
    void forgetAnswers();

  private:
    PlayLog* log_;
    std::string line_;
};

// A loaded game starts: after a save was loaded from the slot folder `loadedSlot`
// ("load N", "load auto:N"). When the game keeps logs, a new one starts and the
// dice is seeded anew.
void startPlayLog(Game& game, const std::string& start, const std::filesystem::path& loadedSlot);

// A new world is being made. The dice is seeded anew at once, since making the world
// rolls it; once the world is in place, `keep` starts its log ("new random", "new
// story:K"). A world that could not be made puts the old dice back, so the game in
// play goes on as it was, its log too.
class NewWorldSeed {
  public:
    explicit NewWorldSeed(Game& game);
    ~NewWorldSeed();
    NewWorldSeed(const NewWorldSeed&) = delete;
    NewWorldSeed& operator=(const NewWorldSeed&) = delete;

    void keep(const std::string& start);

  private:
    Game& game_;
    Dice previous_;
    bool kept_ = false;
};

// Every question a rule asks the player goes through here, so that its answer is in
// the log.
bool askPlayer(Game& game, const std::string& question, DefaultAnswer offered = DefaultAnswer::Yes);

// The logs folder of the program, kept for one game object for as long as it lives:
// each new or loaded game starts a new file there (see startPlayLog), and the ten
// newest are kept, the one just started always among them. A log is made only as a
// new plain file inside the folder itself, opened without following a link: a link
// or anything else under the name a log would take is passed over for another name. The game's dice
// is seeded anew as each log starts, and the seed is written in its header.
class PlayLogKeeper {
  public:
    PlayLogKeeper(Game& game, std::filesystem::path folder);
    ~PlayLogKeeper();
    PlayLogKeeper(const PlayLogKeeper&) = delete;
    PlayLogKeeper& operator=(const PlayLogKeeper&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    // The file being written; empty before the first game or when it could not open.
    const std::filesystem::path& currentFile() const { return currentFile_; }

    // The first game of a run keeps the seed the program started with
    // (ORROWVALE_SEED or the clock); every later one takes a new seed from the clock.
    void reseed();
    // A new log, headed with the dice's seed as it stands.
    void startLog(const std::string& start, const std::filesystem::path& loadedSlot);

  private:
    void closeLog();
    void dropOldLogs(int folder, const std::string& current);

    Game& game_;
    std::filesystem::path folder_;
    std::filesystem::path currentFile_;
    std::optional<std::string> world_;
    int file_ = -1;
    // The second the last log was started in, and its count within that second.
    std::string lastStamp_;
    int lastCount_ = 0;
    std::unique_ptr<PlayLog> log_;
    bool firstGame_ = true;
};

}  // namespace orrowvale
