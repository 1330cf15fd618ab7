#pragma once

// The core every kind of content file is checked with: reading files the way the game
// does, numbers and their tables, list shapes several kinds share and the blocks of
// script files. The checks of each kind live in a file of their own, listed in kinds.h.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "checker.h"
#include "report.h"
#include "world/gamepaths.h"

namespace orrowvale::check {

// A place in a content file; line 0 stands for the file as a whole.
struct Where {
    std::string file;
    int line = 0;
};

// A content file read whole with the game's line reader.
struct SourceFile {
    std::string shownPath;  // the game path as messages show it
    std::vector<std::string> lines;

    Where at(int line) const { return {shownPath, line}; }
};

// Walks the lines of a file; line numbers are 1-based, 0 before the first read.
class Cursor {
  public:
    explicit Cursor(const SourceFile& file) : file_(file) {}

    bool atEnd() const { return next_ >= file_.lines.size(); }
    int line() const { return static_cast<int>(next_); }
    const std::string& read() { return file_.lines[next_++]; }
    // Puts the line last read back, so that it is read again.
    void back() { --next_; }
    // Reads the next line only when it is `line`.
    void skipIfNext(std::string_view line) {
        if (!atEnd() && read() != line) back();
    }
    const std::string& shownPath() const { return file_.shownPath; }
    const SourceFile& source() const { return file_; }
    // The line last read.
    Where here() const { return {file_.shownPath, line()}; }

  private:
    const SourceFile& file_;
    std::size_t next_ = 0;
};

// How the lines of a script file form blocks: one layout for each runner.
enum class Layout { Scenario, Event, Search, War, Trade, Dungeon };

// What a script operand line holds.
enum class Operand {
    Text,
    State,
    Switch,
    Variable,
    Value,
    City,
    Percent,
    Fame,
    Date,
    TwoDates,
    TextBlock,
    EventFile,
    ScriptFile,
    ScenarioEntry,
    War,
    Quest,
    Dungeon,
    Item,
    SmallAmount
};

// What the checks learn as they go and hand on to the checks after them.
struct CheckState {
    int cityCount = -1;               // -1 while unknown: city numbers are then not checked
    std::map<int, int> dungeonCount;  // city -> dungeons in its list
    int warCount = -1, questCount = -1;
    // The scripts the lists name, checked after the lists in this order, each once:
    // `queuedFiles` holds every file queued so far by its resolved path.
    std::vector<std::pair<std::string, Layout>> scriptQueue;
    std::set<std::pair<std::string, Layout>> queuedFiles;
    std::set<std::string> loadedFiles;  // the shown path of every file read so far
    std::vector<std::string> questFiles;
    std::map<std::string, std::set<int>> warsOfFile;  // shown path -> war numbers it serves
    std::set<std::string> partyScripts;               // scenario-dialect scripts a party runs
    std::set<std::string> pubEvents;                  // the pub event files
    // The file being checked: its layout, whether a party runs it, whether it is a pub
    // event file.
    Layout checkingLayout = Layout::Scenario;
    bool checkingWithParty = false;
    bool checkingPubEvent = false;
};

// What every kind of file is checked with: the game directory, the report, what the
// checks learnt so far, and the helpers that read files, numbers, the list shapes
// several kinds share and the blocks of script files. One Core checks a whole game
// directory; each kind's checks are functions that are handed it.
class Core {
  public:
    Core(const GamePaths& paths, Report& report, CheckState& state)
        : paths_(paths), report_(report), state_(state) {}
    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;

    const GamePaths& paths() const { return paths_; }
    CheckState& state() { return state_; }

    void error(const Cursor& cursor, std::string message) {
        report_.error(cursor.shownPath(), cursor.line(), std::move(message));
    }
    void warning(const Cursor& cursor, std::string message) {
        report_.warning(cursor.shownPath(), cursor.line(), std::move(message));
    }
    void error(const Where& at, std::string message) {
        report_.error(at.file, at.line, std::move(message));
    }
    void warning(const Where& at, std::string message) {
        report_.warning(at.file, at.line, std::move(message));
    }
    void report(Severity severity, const Where& at, std::string message) {
        if (severity == Severity::Error)
            error(at, std::move(message));
        else
            warning(at, std::move(message));
    }

    // Files, by their game path: the path as data files write it ("data\city.txt").
    // The path as messages show it ("data/city.txt").
    std::string shownPath(const std::string& gamePath) const;
    // A file named at `at` (relative to "data\"): reports it when missing or found
    // only with another letter case; the game path to read, or nothing.
    std::optional<std::string> namedFile(const std::string& nameInData, const Where& at,
                                         std::string_view what, Severity missing = Severity::Error,
                                         std::string_view consequence = {});
    // A file at a path fixed in the game, which opens it itself; a missing one is
    // reported on the file.
    std::optional<std::string> fixedFile(const std::string& gamePath,
                                         Severity missing = Severity::Error,
                                         std::string_view consequence = {});
    // The file read whole, its encoding checked the first time; nothing when it cannot
    // be read (reported).
    std::optional<SourceFile> load(const std::string& gamePath);
    std::optional<SourceFile> loadFixedFile(const std::string& gamePath,
                                            Severity missing = Severity::Error,
                                            std::string_view consequence = {});
    // Runs one of the game's own loaders on a file: what it refuses is reported at the
    // line it names. False when it refused the file.
    bool runGameLoader(const std::string& gamePath, const std::function<void()>& load);
    // Puts a script in the queue of files checked after the lists that name them.
    void queue(const std::string& gamePath, Layout layout);

    // Numbers; `what` names the number in messages. Nothing when there is none (reported).
    // The first number of the next line that is not blank, as the game's lists read it.
    std::optional<std::int32_t> readNumberToken(Cursor& cursor, std::string_view what);
    // The next line read whole as a number.
    std::optional<std::int32_t> readNumberLine(Cursor& cursor, std::string_view what);
    // Whether `number` is inside the table or range of its kind; one outside is reported.
    // A dungeon number counts the dungeons of `city`.
    bool inTable(std::int32_t number, Operand kind, const Where& at, int city = 0);

    // List shapes that several kinds of file share.
    // Reads up to the "[START]" that opens a list; a file without one is warned of,
    // with what that means.
    bool readUpToStart(Cursor& cursor, std::string_view consequence);
    void checkFilePerCity(const std::string& listFile, const std::string& what,
                          const std::function<void(const std::string&)>& check);
    int checkPairList(const std::string& gamePath, int limit, Layout layout,
                      std::string_view entry);
    void checkNumberList(const std::string& gamePath, int count, std::string_view entry);
    void checkSites(const std::string& listFile, bool dungeons);

    // Script blocks.
    // Calls `checkBlock` for each "[START]" block, read up to the line after its
    // "[START]"; lines between the blocks are reported when they look meant for one.
    void forEachBlock(Cursor& cursor, const std::function<void(const Where& opened)>& checkBlock);
    // The "[START]" blocks of a scenario script or an event file; `onBlock` sees the
    // actions of each closed block. Returns the keywords the file uses.
    using BlockActions = std::function<void(const Where&, const std::set<std::string>&)>;
    std::set<std::string> checkBlocks(Cursor& cursor, Dialect dialect,
                                      const BlockActions& onBlock = {});
    enum class Closing { Closed, Broken, Ended };
    // A condition block up to "-optend-". A line of `breakers` means the block was
    // left open: it is reported and put back.
    Closing checkConditions(Cursor& cursor, Dialect dialect, const Where& opened,
                            std::set<std::string>& used,
                            const std::set<std::string_view>& breakers);
    // Action lines up to `closer`; `extra` is a keyword only this section knows.
    Closing checkActions(Cursor& cursor, Dialect dialect, const Where& opened,
                         std::string_view closer, std::string_view extra,
                         std::set<std::string>& used, const std::set<std::string_view>& breakers);
    void checkActionLine(Cursor& cursor, const std::string& line, Dialect dialect,
                         std::string_view extra, std::set<std::string>& used);
    void skipOperands(Cursor& cursor, const std::vector<Operand>& operands);
    void reportLineOutsideBlock(Cursor& cursor, const std::string& line);

  private:
    // NotAFile: something stands at the path, but no plain file (a folder, a pipe...).
    enum class Lookup { Exact, OtherCase, Missing, NotAFile };
    Lookup lookUp(const std::string& gamePath, std::string& actual) const;
    void checkEncoding(const std::string& gamePath, const SourceFile& file);

    void warnNumbersSideBySide(const Cursor& cursor, const std::string& line, std::int32_t value);
    bool inCountedTable(std::int32_t number, Operand kind, const Where& at, int city);
    bool inFixedRange(std::int32_t number, Operand kind, const Where& at);

    void checkOperands(Cursor& cursor, const std::string& word,
                       const std::vector<Operand>& operands);
    bool checkDate(Cursor& cursor);
    bool checkLineOperand(Cursor& cursor, const std::string& word, Operand op,
                          const Where& keyword);
    void queueScriptOperand(const Cursor& cursor, const std::string& word, const std::string& line);
    void checkTextBlock(Cursor& cursor, const std::string& word, const Where& keyword);
    void checkTwoDates(Cursor& cursor, const Where& keyword);
    void checkDateField(int field, std::int32_t value, const Where& at);
    void reportStrayLine(Cursor& cursor, const std::string& line, Dialect dialect,
                         bool inConditions);
    void warnPartyKeyword(const Cursor& cursor, const std::string& word);

    const GamePaths& paths_;
    Report& report_;
    CheckState& state_;
};

// Markers that structure script files.
bool isStructuralMarker(std::string_view line);
const std::vector<Operand>* conditionOperands(Dialect dialect, std::string_view word);
const std::vector<Operand>* actionOperands(Dialect dialect, std::string_view word);
// What a number operand is called in messages ("a city number").
std::string numberWhat(Operand op);

bool isBlankLine(std::string_view line);
std::string inQuotes(std::string_view text);

// The blocks of script files break at these lines.
extern const std::set<std::string_view> kBlockBreakers;
extern const std::set<std::string_view> kConditionBreakers;

}  // namespace orrowvale::check
