#include "world/datafiles.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <iterator>
#include <limits>
#include <utility>

#include "world/codec.h"
#include "world/gamepaths.h"
#include "world/statelimits.h"

namespace orrowvale {
namespace {

std::string describeLocation(const std::string& file, int line) {
    return line > 0 ? file + ":" + std::to_string(line) : file;
}

// "cannot open the file (No such file or directory)", from the errno of the failure.
std::string ioProblem(const char* action, int error) {
    return std::string("cannot ") + action + " the file (" +
           (error != 0 ? std::strerror(error) : "unknown error") + ")";
}

std::string tooLarge() {
    return "the file is larger than " + std::to_string(GamePaths::kMaxFileBytes / (1024 * 1024)) +
           " MB; no game file is that large";
}

std::string untrustedSize() {
    return "cannot read the file (what it holds does not match its size: a file of /proc or "
           "/sys, or one that changed while it was read)";
}

// /proc, /sys and their kin make up what a file holds as it is read: a size of 0
// or 4096 says nothing, and some never end or wait for the kernel.
bool isSystemFileSystem(const struct statfs& fileSystem) {
    switch (fileSystem.f_type) {
        case PROC_SUPER_MAGIC:
        case SYSFS_MAGIC:
        case DEBUGFS_MAGIC:
        case TRACEFS_MAGIC:
        case SECURITYFS_MAGIC:
        case BPF_FS_MAGIC:
            return true;
        default:
            return false;
    }
}

// Closes a descriptor however the reading ends.
struct OpenFile {
    explicit OpenFile(int descriptor) : fd(descriptor) {}
    ~OpenFile() {
        if (fd >= 0) ::close(fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd;
};

// Reads into `bytes` from `have` up to its size; returns how far it got, which is
// short of the size only at the end of the file.
std::size_t readInto(int fd, std::string& bytes, std::size_t have, const std::string& shown) {
    while (have < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (got < 0 && errno == EINTR) continue;
        // A plain file never asks a reader to wait; one that does is no plain file.
        if (got < 0 && errno == EAGAIN) throw DataError(shown, 0, untrustedSize());
        if (got < 0) throw DataError(shown, 0, ioProblem("read", errno));
        if (got == 0) break;
        have += static_cast<std::size_t>(got);
    }
    return have;
}

// Plain ASCII without a line break and no longer than a name may be: what nearly
// every line a save writes is. Such a text passes every check of textProblem and
// is its own CP949 encoding.
bool isPlainShortText(std::string_view utf8) {
    if (utf8.size() > kMaxTextCharacters) return false;
    for (const char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\r' || c == '\n') return false;
    return true;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A short, printable excerpt of offending text for an error message; a line break
// in it shows as "\r" or "\n", so the message stays on its line.
std::string excerpt(std::string_view text) {
    constexpr std::size_t kLimit = 40;
    std::size_t cut = std::min(text.size(), kLimit);
    while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    std::string shown;
    for (char c : text.substr(0, cut))
        shown += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return cut < text.size() ? shown + "..." : shown;
}

// The rest of readPlainFile, once `fd` is open on what `seen` described.
std::string readOpenedFile(int fd, const struct stat& seen, const std::string& shown,
                           int lineLimit) {
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) throw DataError(shown, 0, ioProblem("read", errno));
    if (opened.st_dev != seen.st_dev || opened.st_ino != seen.st_ino)
        throw DataError(shown, 0, untrustedSize());

    const auto size = static_cast<std::size_t>(opened.st_size);
    if (opened.st_size < 0 || size > GamePaths::kMaxFileBytes)
        throw DataError(shown, 0, tooLarge());
    // The head of a file is read a little at a time, until its lines are in.
    constexpr std::size_t kHeadBytes = 4096;
    std::string bytes(lineLimit > 0 ? std::min(size, kHeadBytes) : size, '\0');
    std::size_t have = 0;
    for (;;) {
        have = readInto(fd, bytes, have, shown);
        if (have < bytes.size() || have == size) break;
        if (lineLimit > 0 && std::count(bytes.begin(), bytes.end(), '\n') >= lineLimit)
            return bytes;
        bytes.resize(std::min(size, have * 2));
    }
    // Exactly what the size said, and then the end.
    std::string past(1, '\0');
    if (have != size || readInto(fd, past, 0, shown) != 0)
        throw DataError(shown, 0, untrustedSize());
    return bytes;
}

}  // namespace

DataError::DataError(std::string file, int line, std::string problem)
    : std::runtime_error(describeLocation(file, line) + ": " + problem),
      file_(std::move(file)),
      line_(line),
      problem_(std::move(problem)) {}

bool parseWholeNumber(std::string_view text, std::int32_t& value) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    std::int64_t result = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        result = result * 10 + (text[i] - '0');
        if (result > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return false;
    }
    if (negative) result = -result;
    if (result > std::numeric_limits<std::int32_t>::max()) return false;
    value = static_cast<std::int32_t>(result);
    return true;
}

LineReader::LineReader(const std::filesystem::path& file, std::string displayName, FileLinks links)
    : name_(std::move(displayName)) {
    text_ = readPlainFile(file, name_, links);
}

std::string readPlainFile(const std::filesystem::path& file, const std::string& shown,
                          FileLinks links, int lineLimit) {
    // What the name stands for is looked at before it is opened: opening a device
    // may already do something, and opening a pipe waits for a writer.
    struct stat seen {};
    const int looked =
        links == FileLinks::Refuse ? ::lstat(file.c_str(), &seen) : ::stat(file.c_str(), &seen);
    if (looked != 0) throw DataError(shown, 0, ioProblem("open", errno));
    if (S_ISLNK(seen.st_mode))
        throw DataError(shown, 0, "cannot open the file (it is a symbolic link)");
    if (S_ISDIR(seen.st_mode))
        throw DataError(shown, 0, "cannot open the file (it is a directory)");
    // A device or a pipe never ends or never answers: only plain files are read.
    if (!S_ISREG(seen.st_mode))
        throw DataError(shown, 0, "cannot open the file (it is not a regular file)");
    if (struct statfs fileSystem{};
        ::statfs(file.c_str(), &fileSystem) == 0 && isSystemFileSystem(fileSystem))
        throw DataError(shown, 0, untrustedSize());
    if (static_cast<std::uintmax_t>(seen.st_size) > GamePaths::kMaxFileBytes)
        throw DataError(shown, 0, tooLarge());

    const int noFollow = links == FileLinks::Refuse ? O_NOFOLLOW : 0;
    OpenFile in(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | noFollow));
    if (in.fd < 0) throw DataError(shown, 0, ioProblem("open", errno));
    return readOpenedFile(in.fd, seen, shown, lineLimit);
}

FolderReader::FolderReader(const std::filesystem::path& folder)
    : folder_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    struct stat seen {};
    struct statfs fileSystem {};
    if (folder_ < 0) return;
    if (::fstat(folder_, &seen) == 0 && ::fstatfs(folder_, &fileSystem) == 0 &&
        !isSystemFileSystem(fileSystem)) {
        device_ = seen.st_dev;
        return;
    }
    ::close(std::exchange(folder_, -1));
}

FolderReader::~FolderReader() {
    if (folder_ >= 0) ::close(folder_);
}

std::optional<std::string> FolderReader::read(const std::string& name,
                                              const std::string& shown) const {
    if (folder_ < 0) return std::nullopt;
    // Looked at before it is opened, as readPlainFile does.
    struct stat seen {};
    if (::fstatat(folder_, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(seen.st_mode) || seen.st_dev != device_)
        return std::nullopt;
    if (static_cast<std::uintmax_t>(seen.st_size) > GamePaths::kMaxFileBytes)
        throw DataError(shown, 0, tooLarge());
    OpenFile in(::openat(folder_, name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW));
    if (in.fd < 0) throw DataError(shown, 0, ioProblem("open", errno));
    return readOpenedFile(in.fd, seen, shown, 0);
}

LineReader LineReader::fromBytes(std::string bytes, std::string displayName) {
    LineReader reader;
    reader.text_ = std::move(bytes);
    reader.name_ = std::move(displayName);
    return reader;
}

LineReader LineReader::open(const GamePaths& paths, std::string_view gamePath) {
    const std::string key(gamePath);
    if (const std::string* kept = paths.cachedBytes(key))
        return fromBytes(*kept, GamePaths::shown(gamePath));
    std::string shown = GamePaths::shown(gamePath);
    std::optional<std::string> bytes = paths.readInGameDirectory(gamePath, shown);
    LineReader reader = bytes ? fromBytes(std::move(*bytes), std::move(shown))
                              : LineReader(paths.resolve(gamePath), std::move(shown));
    paths.keepBytes(key, reader.text_);
    return reader;
}

LineReader LineReader::openData(const GamePaths& paths, std::string_view nameInData) {
    return open(paths, "data\\" + std::string(nameInData));
}

LineReader LineReader::openNamedBy(const GamePaths& paths, std::string_view nameInData,
                                   const LineReader& namer) {
    if (nameInData.empty()) namer.fail("a file name", "");
    try {
        return openData(paths, nameInData);
    } catch (const DataError& error) {
        throw DataError(error.file(), error.line(),
                        error.problem() + ", named by " + namer.displayName() + ":" +
                            std::to_string(namer.lineNumber()));
    }
}

std::string LineReader::readLine() {
    ++line_;
    if (midLine_) --line_;  // the rest of a line that a token was read from
    midLine_ = false;
    if (atEnd()) return {};
    std::size_t newline = text_.find('\n', pos_);
    std::size_t end = newline == std::string::npos ? text_.size() : newline;
    std::size_t next = newline == std::string::npos ? text_.size() : newline + 1;
    if (end > pos_ && text_[end - 1] == '\r') --end;
    std::string_view raw(text_.data() + pos_, end - pos_);
    pos_ = next;
    return decodeCp949(raw);
}

std::int32_t LineReader::readWholeNumber(std::string_view what) {
    bool ended = atEnd();
    std::string line = readLine();
    std::int32_t value = 0;
    if (!parseWholeNumber(line, value)) {
        if (ended) failAtEnd(what);
        fail(what, line);
    }
    return value;
}

std::int32_t LineReader::readNumberTokenOnLine(std::string_view what) {
    // Pass over blanks and line ends, counting the lines crossed.
    if (!midLine_) ++line_;
    midLine_ = true;
    while (pos_ < text_.size()) {
        char c = text_[pos_];
        if (c == '\n') {
            ++line_;
        } else if (!isBlank(c) && c != '\r') {
            break;
        }
        ++pos_;
    }
    if (atEnd()) {
        midLine_ = false;
        return 0;
    }
    std::size_t start = pos_;
    while (pos_ < text_.size() && !isBlank(text_[pos_]) && text_[pos_] != '\r' &&
           text_[pos_] != '\n')
        ++pos_;
    std::string_view token(text_.data() + start, pos_ - start);
    std::int32_t value = 0;
    if (!parseWholeNumber(token, value)) fail(what, decodeCp949(token));
    return value;
}

std::int32_t LineReader::readNumberToken(std::string_view what) {
    std::int32_t value = readNumberTokenOnLine(what);
    skipRestOfLine();
    return value;
}

std::string LineReader::readText(std::string_view what) {
    std::string line = readLine();
    if (auto problem = textProblem(line))
        throw DataError(name_, line_, std::string(what) + " " + *problem);
    return line;
}

std::string LineReader::readFileName(std::string_view what) {
    std::string line = readText(what);
    // "data\\" before the name adds no ".." step and no NUL byte.
    if (!GamePaths::isInsideGameDirectory(line))
        fail(std::string(what) + " inside the game directory", line);
    return line;
}

std::int32_t LineReader::readNumberInRange(std::string_view what, std::int32_t low,
                                           std::int32_t high) {
    std::int32_t value = readWholeNumber(what);
    if (value < low || value > high) fail(what, std::to_string(value));
    return value;
}

void LineReader::expectEndOfRecord(std::string_view layout, bool wholeLastLine) {
    skipRestOfLine();
    if (wholeLastLine && (pos_ == 0 || text_[pos_ - 1] != '\n'))
        throw DataError(name_, line_, "the last line has no line end: the file was cut short");
    while (!atEnd()) {
        std::string line = readLine();
        if (line.find_first_not_of(" \t") != std::string::npos)
            fail("the end of the file (" + std::string(layout) + ")", line);
    }
}

void LineReader::skipRestOfLine() {
    if (!midLine_) return;
    midLine_ = false;
    std::size_t newline = text_.find('\n', pos_);
    pos_ = newline == std::string::npos ? text_.size() : newline + 1;
}

bool LineReader::skipToMarker(std::string_view markerLine) {
    while (!atEnd())
        if (readLine() == markerLine) return true;
    return false;
}

void LineReader::fail(std::string_view expected, std::string_view found) const {
    std::string shown = found.empty() ? "an empty line" : "\"" + excerpt(found) + "\"";
    throw DataError(name_, line_, "expected " + std::string(expected) + ", found " + shown);
}

void LineReader::failAtEnd(std::string_view expected) const {
    throw DataError(name_, line_,
                    "expected " + std::string(expected) + ", found the end of the file");
}

std::int32_t LineReader::readRequiredNumberToken(std::string_view what) {
    std::int32_t value = readNumberTokenOnLine(what);
    if (atEnd() && !midLine_) failAtEnd(what);
    skipRestOfLine();
    return value;
}

std::vector<std::string> readStoryText(const GamePaths& paths, std::string_view nameInData) {
    LineReader reader = LineReader::openData(paths, nameInData);
    std::vector<std::string> lines;
    bool started = false;
    while (!reader.atEnd()) {
        std::string line = reader.readLine();
        if (line == marker::textEnd) break;
        if (started) lines.push_back(std::move(line));
        started = started || line == marker::textStart;
    }
    return lines;
}

void TextFileWriter::writeLine(std::string_view utf8) {
    ++lines_;
    if (isPlainShortText(utf8)) {
        appendLine(utf8);
        return;
    }
    // A text with other characters is encoded once, straight into the file; only
    // one that fails is looked at again, to say why.
    const std::size_t before = bytes_.size();
    std::size_t bad = 0;
    if (utf8.find_first_of("\r\n") == std::string_view::npos &&
        characterCount(utf8) <= kMaxTextCharacters && tryEncodeCp949(utf8, bytes_, bad)) {
        endEncodedLine(before);
        return;
    }
    bytes_.resize(before);
    // The last check before the disk: what the game could not read back is never
    // written.
    if (auto problem = textProblem(utf8))
        throw DataError(name_, lines_, "the text \"" + excerpt(utf8) + "\" " + *problem);
    bytes_ += encodeCp949(utf8);  // textProblem made sure CP949 holds every character
    endEncodedLine(before);
}

void TextFileWriter::endEncodedLine(std::size_t start) {
    if (keeps_ == Keeps::Digest) {
        digestText(std::string_view(bytes_).substr(start));
        bytes_.resize(start);
        return;
    }
    bytes_.append("\r\n", 2);
}

void TextFileWriter::appendLine(std::string_view ascii) {
    if (keeps_ == Keeps::Digest) {
        digestText(ascii);
        return;
    }
    bytes_.append(ascii);
    bytes_.append("\r\n", 2);
}

namespace {

void mixInto(std::uint64_t& digest, std::uint64_t word) {
    constexpr std::uint64_t kPrime = 0x9E3779B97F4A7C15ULL;
    digest = (digest ^ word) * kPrime;
    digest ^= digest >> 29;
}

}  // namespace

void TextFileWriter::digestWord(std::uint64_t word) {
    mixInto(digestLanes_[static_cast<unsigned>(lines_) % digestLanes_.size()], word);
}

std::uint64_t TextFileWriter::digest() const {
    std::uint64_t digest = 14695981039346656037ULL;
    for (std::uint64_t lane : digestLanes_)
        mixInto(digest, lane);
    mixInto(digest, static_cast<std::uint64_t>(lines_));
    return digest;
}

void TextFileWriter::digestText(std::string_view bytes) {
    // A text of up to seven bytes (most of a save's: "None", "true") is one word, its
    // length in the top byte. A longer one is its bytes eight at a time, then its
    // length. Neither end word can be a 32-bit number widened to 64 bits, whose upper
    // half is all zeros or all ones, nor the other kind of end: so a text never passes
    // for numbers, and "ab" then "c" never for "a" then "bc".
    constexpr std::size_t kShort = sizeof(std::uint64_t) - 1;
    constexpr std::uint64_t kShortEnd = 0xA0ULL << 56;
    constexpr std::uint64_t kLongEnd = 0x5A5A5A5A00000000ULL;
    // The last bytes are gathered in a register: a copy of a few bytes through
    // memory, read back as a word at once, stalls the processor.
    auto tailWord = [](std::string_view tail) {
        std::uint64_t word = 0;
        for (std::size_t i = 0; i < tail.size(); ++i)
            word |= std::uint64_t{static_cast<unsigned char>(tail[i])} << (8 * i);
        return word;
    };
    if (bytes.size() <= kShort) {
        digestWord(tailWord(bytes) | kShortEnd | (std::uint64_t{bytes.size()} << 56));
        return;
    }
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= bytes.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        digestWord(word);
    }
    digestWord(tailWord(bytes.substr(at)));
    digestWord(kLongEnd | bytes.size());
}

void TextFileWriter::writeFileName(std::string_view nameInData) {
    // Nearly every file name of a save is short and plain, and is checked so.
    if (isPlainShortText(nameInData) && GamePaths::isInsideGameDirectory(nameInData)) {
        ++lines_;
        appendLine(nameInData);
        return;
    }
    if (auto problem = fileNameProblem(nameInData))
        throw DataError(name_, lines_ + 1,
                        "the file name \"" + excerpt(nameInData) + "\" " + *problem);
    writeLine(nameInData);
}

void TextFileWriter::writeNumberInRange(std::int64_t value, std::int64_t low, std::int64_t high,
                                        std::string_view what) {
    if (value < low || value > high)
        throw DataError(
            name_, lines_ + 1,
            std::string(what) + " is " + std::to_string(value) + ", outside what a load accepts");
    writeNumber(value);
}

void TextFileWriter::writeNumber(std::int64_t value) {
    // Digits need no encoding; a save writes some 200,000 of these lines.
    ++lines_;
    if (keeps_ == Keeps::Digest) {
        digestWord(static_cast<std::uint64_t>(value));
        return;
    }
    char line[24];
    auto [end, error] = std::to_chars(std::begin(line), std::end(line) - 2, value);
    *end++ = '\r';
    *end++ = '\n';
    bytes_.append(line, end);
}

void TextFileWriter::saveTo(const std::filesystem::path& file) const {
    writePlainFile(file, bytes_, name_);
}

void writePlainFile(const std::filesystem::path& file, std::string_view bytes,
                    const std::string& shown) {
    if (struct stat seen{}; ::lstat(file.c_str(), &seen) == 0) {
        if (S_ISLNK(seen.st_mode))
            throw DataError(shown, 0,
                            "cannot write the file (it is a symbolic link, which the game never "
                            "writes through: remove it)");
        if (!S_ISREG(seen.st_mode))
            throw DataError(shown, 0, "cannot write the file (it is not a regular file)");
        if (seen.st_nlink > 1 && ::unlink(file.c_str()) != 0)
            throw DataError(shown, 0, ioProblem("write", errno));
    }
    OpenFile out(::open(file.c_str(),
                        O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644));
    if (out.fd < 0) throw DataError(shown, 0, ioProblem("write", errno));
    while (!bytes.empty()) {
        const ssize_t written = ::write(out.fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0)
            throw DataError(shown, 0, ioProblem("write", written < 0 ? errno : ENOSPC));
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    const int fd = std::exchange(out.fd, -1);
    // A late write error shows only when the file is closed.
    if (::close(fd) != 0) throw DataError(shown, 0, ioProblem("write", errno));
}

}  // namespace orrowvale
