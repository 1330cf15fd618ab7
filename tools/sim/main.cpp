// orrowvale-sim: plays a game without windows and prints what the player would see.
//
//   orrowvale-sim [--game-dir DIR] [--seed N] (--new random|story:K | --load SLOT|auto)
//                 [--actions FILE|-] [--turns T] [--save SLOT]
//   orrowvale-sim [--game-dir DIR] --replay LOG [--turns T] [--save SLOT]
//   orrowvale-sim [--game-dir DIR] [--seed N] --new random|story:K --survey N
//                 [--policy cautious|first-quest] [--months M] [--plot FILE.png] [--transcripts
//                 DIR]
//
// Without --game-dir the game directory is found as the game finds it: the installed
// game beside the program, else the working directory, else the build's. Slots are
// those the game itself uses: the game directory's data/save/saveN, or the player's
// home folder for the installed game or a game directory the player may not write.
//
// Creates the world (or loads save slot 1..10, or the newest autosave), plays the
// action file as a player would (checked whole before anything is played), then ends
// T turns as the "완료" button does, answering every question Yes, and saves into a
// slot if asked. With --replay the start, the seed and the actions come from a play
// log the game wrote; a log of another version or world is refused, naming what
// differs, with exit 2. Prints one line per message, announcement, dialogue and ending, and
// a last "state:" line. A data error prints "error: FILE:LINE: MESSAGE" and exits 2;
// so does a --save after the main character died, refused with "refused: --save".

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game.h"
#include "lifecycle/autosave.h"
#include "lifecycle/createworld.h"
#include "lifecycle/loadgame.h"
#include "lifecycle/playlog.h"
#include "lifecycle/savegame.h"
#include "parties/turn.h"
#include "playscript.h"
#include "survey.h"
#include "transcript.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamedirectory.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace {

using namespace orrowvale;

constexpr int kUsageError = 64;
constexpr int kDataError = 2;
constexpr int kInternalError = 3;

struct Options {
    std::optional<std::string> gameDir;
    std::optional<std::uint64_t> seed;
    bool storyPlay = false;
    int character = 0;
    int turns = 0;
    std::optional<int> loadSlot;
    bool loadAutosave = false;
    // The autosave folder a replayed log started from; the newest when none.
    std::optional<int> autosaveNumber;
    std::optional<std::string> replayFile;
    std::optional<std::string> recordFile;
    std::optional<int> saveSlot;
    std::optional<std::string> actionFile;
    std::optional<int> surveyGames;
    int surveyMonths = 3;
    bool takesFirstQuest = false;
    std::optional<std::string> plotFile;
    std::optional<std::string> transcriptDir;
};

constexpr const char* kUsage =
    "Usage: orrowvale-sim [--game-dir DIR] [--seed N] "
    "(--new random|story:K | --load SLOT|auto) [--actions FILE|-] [--turns T] "
    "[--save SLOT]\n"
    "       orrowvale-sim [--game-dir DIR] --replay LOG [--turns T] [--save SLOT]\n"
    "Plays a game without windows and prints what the player would see.\n"
    "\n"
    "Options:\n"
    "  --game-dir DIR        the game directory (default: the installed game, else\n"
    "                        the working directory, else the build's game directory)\n"
    "  --seed N              seed the dice (default: ORROWVALE_SEED, else the clock)\n"
    "  --new random|story:K  start a new game in random play or as story character K\n"
    "  --load SLOT|auto      load save slot 1..10 instead, or the newest autosave\n"
    "  --actions FILE|-      play the actions in FILE (- for standard input)\n"
    "  --record LOG          write the game's play log into LOG as the game does\n"
    "  --replay LOG|-        play a play log the game wrote (in the logs folder\n"
    "                        beside the autosaves) from its start and seed\n"
    "  --turns T             then end T turns, answering every question Yes\n"
    "  --save SLOT           then save into slot 1..10\n"
    "  --survey N            instead, play N games (seeds N, N+1, ...) with the\n"
    "                        cautious player and print a table month by month\n"
    "  --policy cautious|first-quest  the survey's player: careful throughout, or\n"
    "                        one who first sends the starting party on the first\n"
    "                        quest the board shows\n"
    "  --months M            how long each survey game lasts (default 3)\n"
    "  --plot FILE.png       also draw the survey's table as a chart\n"
    "  --transcripts DIR     write each survey game's actions as DIR/gameK.txt\n"
    "  -h, --help            print this and exit\n"
    "\n"
    "Saves go to DIR/data/save/saveN, or to $XDG_DATA_HOME/orrowvale/save/saveN\n"
    "(~/.local/share/orrowvale/save/saveN) for the installed game or a game\n"
    "directory the player may not write. Autosaves are in\n"
    "$XDG_DATA_HOME/orrowvale/autosave (~/.local/share/orrowvale/autosave).\n";

[[noreturn]] void usage(const std::string& problem) {
    std::cerr << "orrowvale-sim: " << problem << "\n" << kUsage;
    std::exit(kUsageError);
}

// True when the first argument asks for help: the usage then goes to standard
// output and the program ends well.
bool asksForHelp(int argc, char** argv) {
    if (argc < 2) return false;
    const std::string_view first = argv[1];
    return first == "--help" || first == "-h";
}

template <typename Number>
Number parseNumber(std::string_view text, const char* what) {
    Number value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        usage(std::string(what) + " must be a number, not \"" + std::string(text) + "\"");
    return value;
}

int parseSlot(std::string_view text, const char* option) {
    const int slot = parseNumber<int>(text, option);
    if (slot < 1 || slot > kSaveSlots)
        usage(std::string(option) + " takes a slot from 1 to " + std::to_string(kSaveSlots) +
              ", not " + std::to_string(slot));
    return slot;
}

Options parseOptions(int argc, char** argv) {
    Options options;
    bool haveNew = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&]() -> std::string_view {
            if (i + 1 >= argc) usage(std::string(arg) + " needs a value");
            return argv[++i];
        };
        if (arg == "--game-dir") {
            options.gameDir = value();
        } else if (arg == "--seed") {
            options.seed = parseNumber<std::uint64_t>(value(), "--seed");
        } else if (arg == "--turns") {
            options.turns = parseNumber<int>(value(), "--turns");
            if (options.turns < 0) usage("--turns must not be negative");
        } else if (arg == "--new") {
            const std::string_view kind = value();
            haveNew = true;
            if (kind == "random") {
                options.storyPlay = false;
            } else if (kind.starts_with("story:")) {
                options.storyPlay = true;
                options.character = parseNumber<int>(kind.substr(6), "the story character");
            } else {
                usage("--new takes random or story:K, not \"" + std::string(kind) + "\"");
            }
        } else if (arg == "--load") {
            const std::string_view slot = value();
            if (slot == "auto")
                options.loadAutosave = true;
            else
                options.loadSlot = parseSlot(slot, "--load");
        } else if (arg == "--actions") {
            options.actionFile = value();
        } else if (arg == "--replay") {
            options.replayFile = value();
        } else if (arg == "--record") {
            options.recordFile = value();
        } else if (arg == "--survey") {
            options.surveyGames = parseNumber<int>(value(), "--survey");
            if (*options.surveyGames < 1) usage("--survey needs at least one game");
        } else if (arg == "--months") {
            options.surveyMonths = parseNumber<int>(value(), "--months");
            if (options.surveyMonths < 1) usage("--months needs at least one month");
        } else if (arg == "--policy") {
            const std::string_view policy = value();
            if (policy != "cautious" && policy != "first-quest")
                usage("--policy takes cautious or first-quest");
            options.takesFirstQuest = policy == "first-quest";
        } else if (arg == "--plot") {
            options.plotFile = value();
        } else if (arg == "--transcripts") {
            options.transcriptDir = value();
        } else if (arg == "--save") {
            options.saveSlot = parseSlot(value(), "--save");
        } else {
            usage("unknown argument \"" + std::string(arg) + "\"");
        }
    }
    if (options.replayFile) {
        if (haveNew || options.loadSlot || options.loadAutosave || options.actionFile ||
            options.seed || options.surveyGames)
            usage("--replay takes its start, seed and actions from the log");
        return options;
    }
    if (haveNew == (options.loadSlot || options.loadAutosave))
        usage("one of --new random|story:K and --load SLOT|auto is required");
    if (options.surveyGames && !haveNew) usage("--survey plays new games: give --new");
    return options;
}

void printState(const GameState& state) {
    std::cout << "state: year=" << state.gameYear << " month=" << state.gameMonth
              << " week=" << state.gameWeek << " turn=" << state.gameTurn << " gold=" << state.gold
              << " adventureFame=" << state.adventureFame
              << " politicalFame=" << state.politicalFame << " covertFame=" << state.covertFame
              << " currentCity=" << state.currentCity << "\n";
}

// Standard input, read once and no further than an action file may be long: an
// endless stream is refused at its first overlong line or at the file limit.
std::string readStandardInput(const std::string& shown) {
    std::string bytes;
    std::size_t lineStart = 0;
    int line = 1;
    char buffer[1 << 16];
    while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(std::cin.gcount()));
        for (std::size_t end; (end = bytes.find('\n', lineStart)) != std::string::npos; ++line)
            lineStart = end + 1;
        if (bytes.size() - lineStart > sim::kMaxActionLineBytes + 1)
            throw DataError(shown, line,
                            "the line is longer than " + std::to_string(sim::kMaxActionLineBytes) +
                                " bytes; no action is that long");
        if (bytes.size() > sim::kMaxActionFileBytes)
            throw DataError(shown, 0,
                            "the action file is larger than " +
                                std::to_string(sim::kMaxActionFileBytes / (1024 * 1024)) +
                                " MB; no action file is that long");
    }
    if (std::cin.bad()) throw DataError(shown, 0, "cannot read standard input");
    return bytes;
}

// The bytes of an action file or a play log, read once: "-" is standard input, and
// a name is read as the game reads its files (a plain file, no pipe or device, at
// most 16 MB). A pipe given by name, such as /dev/stdin fed by one, is refused with
// a word on "-".
std::string readActionBytes(const std::string& name) {
    if (name == "-") return readStandardInput("-");
    try {
        return readPlainFile(name, name);
    } catch (const DataError& error) {
        struct stat seen {};
        if (::stat(name.c_str(), &seen) == 0 && S_ISFIFO(seen.st_mode))
            throw DataError(name, 0, error.problem() + "; give - to read standard input");
        throw;
    }
}

// The action file, checked whole before anything is played.
std::vector<sim::Action> readActionFile(const std::string& name) {
    std::istringstream in(readActionBytes(name));
    return sim::readActions(in, name);
}

// The windows never offer a save once the ending was shown (the map closes with
// it), and an ended game saved would only load into its ending again.
bool saveUnlessEnded(const Game& game, int slot) {
    if (game.mainCharacterDied) {
        std::cout << "refused: --save " << slot
                  << ": the main character has died and the game has ended; an ended game is "
                     "not saved\n";
        return false;
    }
    saveGame(game.state, game.paths, slot);
    return true;
}

int survey(const Options& options) {
    const GamePaths paths = openGameDirectory(
        options.gameDir ? std::filesystem::path(*options.gameDir) : defaultGameDirectory());
    sim::SurveyOptions survey;
    survey.games = *options.surveyGames;
    survey.months = options.surveyMonths;
    survey.takesFirstQuest = options.takesFirstQuest;
    survey.storyPlay = options.storyPlay;
    survey.character = options.character;
    survey.firstSeed = options.seed.value_or(1);
    if (options.transcriptDir) survey.transcriptDir = *options.transcriptDir;
    const sim::SurveyResult result = sim::runSurvey(survey, paths);
    sim::printSurveyTable(result, std::cout);
    if (options.plotFile) sim::plotSurvey(result, *options.plotFile);
    return 0;
}

// The slot folder a logged game was loaded from.
std::filesystem::path startSlotFolder(const Options& options, const GamePaths& paths) {
    if (options.loadSlot) return paths.resolve(slotGamePath(*options.loadSlot));
    return worldAutosaveFolder(homeAutosaveFolder(SaveFolderFacts::ofThisProgram()), paths) /
           ("save" + std::to_string(options.autosaveNumber.value_or(0)));
}

// Creates the world or loads the save the options name; returns how the game
// started as a play log writes it.
std::string startGame(Options& options, Game& game) {
    if (options.loadSlot) {
        loadGame(game, *options.loadSlot);
        return "load " + std::to_string(*options.loadSlot);
    }
    if (options.loadAutosave) {
        Autosaver autosaves(game.paths.gameDirectory(),
                            homeAutosaveFolder(SaveFolderFacts::ofThisProgram()));
        const std::optional<Autosave> newest = autosaves.latest();
        // A replay starts from the autosave its log names, which must still be the newest.
        if (newest && options.autosaveNumber && newest->number != *options.autosaveNumber)
            throw DataError(autosaves.folder().string(), 0,
                            "the autosave the log started from (" +
                                std::to_string(*options.autosaveNumber) +
                                ") is no longer the newest");
        autosaves.loadLatest(game);
        options.autosaveNumber = newest ? newest->number : 0;
        return "load auto:" + std::to_string(*options.autosaveNumber);
    }
    if (options.storyPlay) {
        createStoryWorld(game, options.character);
        return "new story:" + std::to_string(options.character);
    }
    createRandomWorld(game);
    return "new random";
}

// The file of --record: each line is written as it comes, so that a game stopped
// halfway leaves every action before; the first write that fails is kept and told
// when the game is over, since a log that cannot be written never stops the game.
class RecordFile {
  public:
    explicit RecordFile(std::string name)
        : name_(std::move(name)),
          fd_(::open(name_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)) {
        if (fd_ < 0) throw DataError(name_, 0, failure(errno));
    }
    ~RecordFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    void write(const std::string& line) {
        if (problem_) return;
        const std::string withEnd = line + "\n";
        std::string_view bytes = withEnd;
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) {
                problem_ = failure(written < 0 ? errno : ENOSPC);
                return;
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    // Closes the file; throws DataError when a line or the close failed.
    void finish() {
        if (::close(std::exchange(fd_, -1)) != 0 && !problem_) problem_ = failure(errno);
        if (problem_) throw DataError(name_, 0, *problem_);
    }

  private:
    static std::string failure(int error) {
        return std::string("cannot write the play log (") + std::strerror(error) + ")";
    }

    std::string name_;
    int fd_;
    std::optional<std::string> problem_;
};

// The play log of --record, headed as the game heads its own.
std::unique_ptr<PlayLog> startRecording(RecordFile& file, const Options& options, Game& game,
                                        const std::string& start) {
    PlayLogHeader header;
    header.version = programVersion();
    header.world = worldChecksum(game.paths);
    header.start = start;
    header.seed = game.dice.seed();
    if (start.starts_with("load")) header.slot = slotChecksum(startSlotFolder(options, game.paths));
    auto log =
        std::make_unique<PlayLog>(game, [&file](const std::string& line) { file.write(line); });
    log->writeHeader(header);
    return log;
}

int play(Options options, const std::vector<sim::Action>& actions) {
    const GamePaths paths = openGameDirectory(
        options.gameDir ? std::filesystem::path(*options.gameDir) : defaultGameDirectory());
    Dice dice = options.seed ? Dice(*options.seed) : Dice::fromEnvironment();
    TranscriptPresenter presenter([](const std::string& line) { std::cout << line << "\n"; });
    auto state = std::make_unique<GameState>();
    Game game(*state, paths, dice, presenter);

    const std::string start = startGame(options, game);
    // A loaded game plays on from the seed, as the game's own log starts one.
    if (options.seed && (options.loadSlot || options.loadAutosave)) dice = Dice(*options.seed);
    std::optional<RecordFile> recordFile;
    std::unique_ptr<PlayLog> record;
    if (options.recordFile) {
        recordFile.emplace(*options.recordFile);
        record = startRecording(*recordFile, options, game, start);
    }
    sim::Player player(game, presenter, [](const std::string& line) { std::cout << line << "\n"; });
    const int actionErrors = player.play(actions);
    for (int press = 0; press < options.turns && !game.mainCharacterDied; ++press) {
        RecordedAction recorded(game, "end");
        endTurn(game);
    }
    const bool saved = !options.saveSlot || saveUnlessEnded(game, *options.saveSlot);
    printState(game.state);
    record.reset();
    if (recordFile) recordFile->finish();
    return actionErrors == 0 && saved ? 0 : kDataError;
}

int play(const Options& options) {
    return play(options, options.actionFile ? readActionFile(*options.actionFile)
                                            : std::vector<sim::Action>{});
}

// A number of a log's header, from `first` to `last`.
int loggedNumber(std::string_view text, int first, int last, const std::string& log, int line,
                 const std::string& what) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < first || value > last)
        throw DataError(log, line,
                        "the " + what + " must be a number from " + std::to_string(first) + " to " +
                            std::to_string(last) + ", not \"" + std::string(text) + "\"");
    return value;
}

// How a logged game started ("new story:2", "load 3", "load auto:1") as options. A
// start the game never writes is an error at the log's start line.
void takeStart(const PlayLogHeader& logged, const std::string& log, Options& options) {
    const std::string_view text = logged.start;
    const int line = logged.startLine;
    if (text == "new random") return;
    if (text.starts_with("new story:")) {
        options.storyPlay = true;
        options.character = loggedNumber(text.substr(10), 1, std::numeric_limits<int>::max(), log,
                                         line, "story character");
    } else if (text.starts_with("load auto:")) {
        options.loadAutosave = true;
        options.autosaveNumber =
            loggedNumber(text.substr(10), 1, kAutosaves, log, line, "autosave");
    } else if (text.starts_with("load ")) {
        options.loadSlot = loggedNumber(text.substr(5), 1, kSaveSlots, log, line, "save slot");
    } else {
        throw DataError(log, line,
                        "the log starts in a way the game never writes: \"" + logged.start +
                            "\" (new random, new story:K, load N or load auto:N)");
    }
}

// Checks the log's header against this program and world, then plays it as an
// action file from its start and seed. The log is read once, as an action file is.
int replay(Options options) {
    const std::string& name = *options.replayFile;
    const std::string bytes = readActionBytes(name);
    std::istringstream header(bytes);
    const PlayLogHeader logged = readPlayLogHeader(header, name);
    takeStart(logged, name, options);
    std::istringstream actionLines(bytes);
    const std::vector<sim::Action> actions = sim::readActions(actionLines, name);
    const GamePaths paths = openGameDirectory(
        options.gameDir ? std::filesystem::path(*options.gameDir) : defaultGameDirectory());
    PlayLogHeader here;
    here.version = programVersion();
    here.world = worldChecksum(paths);
    if (!logged.slot.empty()) here.slot = slotChecksum(startSlotFolder(options, paths));
    const std::vector<std::string> differences = replayMismatches(logged, here);
    if (!differences.empty()) {
        for (const std::string& difference : differences)
            std::cout << "error: " << name << ": not replayed: " << difference << "\n";
        return kDataError;
    }
    options.seed = logged.seed;
    return play(options, actions);
}

}  // namespace

int main(int argc, char** argv) {
    if (asksForHelp(argc, argv)) {
        std::cout << kUsage;
        return 0;
    }
    const Options options = parseOptions(argc, argv);
    try {
        if (options.replayFile) return replay(options);
        return options.surveyGames ? survey(options) : play(options);
    } catch (const DataError& error) {
        std::cout.flush();
        std::cout << "error: " << error.what() << "\n";
        return kDataError;
    } catch (const std::exception& error) {
        std::cout << "error: internal fault: " << error.what() << "\n";
        return kInternalError;
    }
}
