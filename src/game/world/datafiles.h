#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orrowvale {

class GamePaths;

// A data or save file that cannot be read as the game expects. The message names
// the file, the line (0 when the file could not be opened at all) and what was
// expected there, so an author can go straight to the fault.
class DataError : public std::runtime_error {
  public:
    DataError(std::string file, int line, std::string problem);

    const std::string& file() const { return file_; }
    int line() const { return line_; }
    const std::string& problem() const { return problem_; }

  private:
    std::string file_;
    int line_;
    std::string problem_;
};

// Markers of the section file format; a line is a marker only when it equals one
// exactly, without blanks around it.
namespace marker {
inline constexpr std::string_view start = "[START]";
inline constexpr std::string_view end = "[END]";
inline constexpr std::string_view city = ":city";
inline constexpr std::string_view optionStart = "-opt-";
inline constexpr std::string_view optionEnd = "-optend-";
inline constexpr std::string_view textStart = "&start";
inline constexpr std::string_view textEnd = "&end";
// A search file's block reads its conditions after this line.
inline constexpr std::string_view searchConditions = "-startopt";
// A war file: the section run as a party joins, the one run at the war's end, and
// the line that closes either.
inline constexpr std::string_view warJoin = "[onjoin]";
inline constexpr std::string_view warEnd = "[onend]";
inline constexpr std::string_view warSectionEnd = ":end";
}  // namespace marker

// The two keywords only war files know, each in its own section: merit into
// variable 100 as a party joins, and closing the war at its end.
namespace warKeyword {
inline constexpr std::string_view merit = ":addpiptovar100";
inline constexpr std::string_view over = ":endthewar";
}  // namespace warKeyword

// How a reader takes a file that is a symbolic link: a data file may be one its
// author made; a file of a save slot never is.
enum class FileLinks { Follow, Refuse };

// The bytes of the plain file `file`, read as every reader of the game reads: never
// a folder, pipe or device (none is even opened), never a file of /proc or /sys,
// whose size says nothing of what it holds, and at most GamePaths::kMaxFileBytes.
// A file is taken only when reading it gives exactly what its size says, so one that
// never ends or changes while it is read is refused. With `lineLimit` above 0,
// reading stops once that many lines are in. Throws DataError naming `shown`.
std::string readPlainFile(const std::filesystem::path& file, const std::string& shown,
                          FileLinks links = FileLinks::Follow, int lineLimit = 0);

// The plain files of one folder, read one after another by their names: the folder
// is looked up once, and each file in it with the checks of readPlainFile. A loaded
// slot reads some 2000 files this way.
class FolderReader {
  public:
    explicit FolderReader(const std::filesystem::path& folder);
    ~FolderReader();
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    // The bytes of the plain file `name` in the folder, as readPlainFile reads them,
    // or DataError naming `shown`; the name may lead through subfolders ("data/x.txt"). Empty when
    // the name is no plain file standing on the folder's own disk (missing, a link, a folder, a
    // device, another mount): the caller then reads it by its whole path, with everything that
    // entails.
    std::optional<std::string> read(const std::string& name, const std::string& shown) const;

  private:
    int folder_ = -1;           // -1 when the folder cannot be read this way
    std::uint64_t device_ = 0;  // the folder's disk, known to be no /proc or /sys
};

// Writes `bytes` as the whole of `file`, creating it when missing. Never writes
// through a symbolic link, a pipe or a device, nor into a file with a second name
// that may stand outside the game folder (a new file takes the name instead).
// Throws DataError naming `shown` when the file cannot be written.
void writePlainFile(const std::filesystem::path& file, std::string_view bytes,
                    const std::string& shown);

// Reads a CP949 text file line by line with the four primitives every reader of
// the game is built from. Lines end in CR LF or a bare LF; they come back as UTF-8
// without their line end. Blank lines are ordinary lines, except to number tokens.
class LineReader {
  public:
    // Opens a file; `displayName` is how errors name it.
    LineReader(const std::filesystem::path& file, std::string displayName,
               FileLinks links = FileLinks::Follow);
    // Reads bytes already in memory as if they were a file of that name.
    static LineReader fromBytes(std::string bytes, std::string displayName);
    // Opens a file given as the data files write it, relative to the game directory.
    static LineReader open(const GamePaths& paths, std::string_view gamePath);
    // Opens a file named inside a data file, relative to "data\".
    static LineReader openData(const GamePaths& paths, std::string_view nameInData);
    // Opens a file that the line last read from `namer` names, so that an author
    // whose list points at a missing or misnamed file is told where the name came
    // from. An empty name is an error at that line.
    static LineReader openNamedBy(const GamePaths& paths, std::string_view nameInData,
                                  const LineReader& namer);

    bool atEnd() const { return pos_ >= text_.size(); }
    // Number of the line last read from, 1-based; 0 before the first read.
    int lineNumber() const { return line_; }
    const std::string& displayName() const { return name_; }

    // The next whole line; at the end of the file an empty line.
    std::string readLine();
    // A line holding a decimal integer: blanks before it are allowed, nothing else.
    std::int32_t readWholeNumber(std::string_view what = "a whole-line number");
    // Skips blanks and line ends, reads a decimal integer and drops the rest of its
    // line. At the end of the file the value is 0.
    std::int32_t readNumberToken(std::string_view what = "a number");
    // As readNumberToken, but the end of the file is an error rather than a 0.
    std::int32_t readRequiredNumberToken(std::string_view what);
    // As readNumberToken, but leaves the rest of the line for further tokens.
    std::int32_t readNumberTokenOnLine(std::string_view what = "a number");
    // A line the game keeps as a name (see textProblem); any other is an error at
    // this line. At the end of the file an empty line.
    std::string readText(std::string_view what);
    // A line naming a file relative to "data\" (see fileNameProblem); a name that
    // leaves the game directory, or one the game could not keep, is an error at this
    // line.
    std::string readFileName(std::string_view what);
    // Checks that nothing but blank lines follows the record just read, and, when
    // `wholeLastLine`, that the record's last line kept its line end: a file the game
    // wrote always ends in one, so a file without it was cut short.
    void expectEndOfRecord(std::string_view layout, bool wholeLastLine);
    // A whole-line number from `low` to `high`; any other is an error at its line.
    std::int32_t readNumberInRange(std::string_view what, std::int32_t low, std::int32_t high);
    // Drops what is left of the current line.
    void skipRestOfLine();
    // Reads lines up to and including one equal to `markerLine`; false when the file
    // ended first.
    bool skipToMarker(std::string_view markerLine);

    // Throws DataError at the line last read: expected this, found that line.
    [[noreturn]] void fail(std::string_view expected, std::string_view found) const;
    [[noreturn]] void failAtEnd(std::string_view expected) const;

  private:
    LineReader() = default;

    std::string text_;  // the raw CP949 bytes
    std::size_t pos_ = 0;
    int line_ = 0;
    bool midLine_ = false;  // a token was read from the current line
    std::string name_;
};

// A story text: the lines after a line "&start", up to a line "&end" or the end of
// the file. A file without "&start" gives no lines.
std::vector<std::string> readStoryText(const GamePaths& paths, std::string_view nameInData);

// Parses a whole decimal integer as the game's strict conversion does; false when
// the text is anything else or does not fit in 32 bits.
bool parseWholeNumber(std::string_view text, std::int32_t& value);

// Builds a CP949 text file with CR LF line ends in memory; `saveTo` writes it out.
class TextFileWriter {
  public:
    // What the writer keeps of its lines: the file's bytes, or only a digest of them,
    // for telling whether two games would save alike without building their files.
    enum class Keeps { Bytes, Digest };

    explicit TextFileWriter(std::string displayName, Keeps keeps = Keeps::Bytes)
        : name_(std::move(displayName)), keeps_(keeps) {}

    // A text the game can read back (see textProblem); any other throws DataError
    // naming this line, so a file is never written with it.
    void writeLine(std::string_view utf8);
    void writeNumber(std::int64_t value);
    // The same checks as LineReader::readFileName and readNumberInRange make.
    void writeFileName(std::string_view nameInData);
    void writeNumberInRange(std::int64_t value, std::int64_t low, std::int64_t high,
                            std::string_view what);

    // Room for this many bytes, so a large file is not copied as it grows.
    void reserve(std::size_t bytes) { bytes_.reserve(bytes); }
    const std::string& bytes() const { return bytes_; }
    // The bytes, moved out: the writer is done with.
    std::string takeBytes() && { return std::move(bytes_); }
    // Creates or truncates the file. Throws DataError when it cannot be written.
    void saveTo(const std::filesystem::path& file) const;
    // With Keeps::Digest, a digest of every line written so far, in order: the same
    // lines give the same digest, and a line changed, added or left out changes it.
    // The same checks as for bytes run first, so a line that could not be written
    // throws here too. Numbers are the game's 32-bit values.
    std::uint64_t digest() const;

  private:
    // Adds a line already known to be its own CP949 encoding, and its line end.
    void appendLine(std::string_view ascii);
    // Ends the line whose CP949 bytes stand in bytes_ from `start`.
    void endEncodedLine(std::size_t start);
    void digestText(std::string_view bytes);
    void digestWord(std::uint64_t word);

    std::string bytes_;
    std::string name_;
    int lines_ = 0;
    Keeps keeps_;
    // Each line goes into the lane of its number modulo 4, so that the processor
    // mixes four lines at once rather than waiting on each; digest() joins them.
    std::array<std::uint64_t, 4> digestLanes_{1, 2, 3, 4};
};

}  // namespace orrowvale
