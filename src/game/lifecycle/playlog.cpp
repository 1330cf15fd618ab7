#include "lifecycle/playlog.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string_view>
#include <utility>

#include "game.h"
#include "lifecycle/savegame.h"
#include "lifecycle/slotdirectory.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamepaths.h"

#ifndef ORROWVALE_VERSION
#define ORROWVALE_VERSION "unknown"
#endif

namespace orrowvale {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFirstLine = "# orrowvale play log";
constexpr std::string_view kLogPrefix = "play-";
constexpr std::string_view kLogSuffix = ".txt";

// 64-bit FNV-1a: small, stable across builds and machines.
class Checksum {
  public:
    void add(std::string_view bytes) {
        for (unsigned char byte : bytes) {
            hash_ ^= byte;
            hash_ *= 0x100000001b3ULL;
        }
    }
    std::string hex() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash_));
        return text;
    }

  private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

// Every regular file under `folder`, by its path relative to it with '/', sorted so
// that the order never depends on the file system. `skipped` (relative, lower case)
// is left out with all it holds.
std::vector<std::pair<std::string, fs::path>> filesUnder(const fs::path& folder,
                                                         std::string_view skipped) {
    std::vector<std::pair<std::string, fs::path>> files;
    std::error_code ec;
    fs::recursive_directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string relative = it->path().lexically_relative(folder).generic_string();
        std::string lower = relative;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (!skipped.empty() && lower == skipped) {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file(ec)) files.emplace_back(std::move(relative), it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string checksumOf(const fs::path& folder, std::string_view skipped) {
    Checksum sum;
    for (const auto& [name, path] : filesUnder(folder, skipped)) {
        sum.add(name);
        sum.add(std::string_view("\0", 1));
        // Read as every file of the game is read: a file that never ends, or one
        // too large for the game to take, counts by why it could not be read.
        try {
            sum.add(readPlainFile(path, name));
        } catch (const DataError& error) {
            sum.add(error.what());
        }
        sum.add(std::string_view("\0", 1));
    }
    return sum.hex();
}

// A file descriptor closed on every path out of a scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

// Writes all of `bytes` to `fd`; false when the disk refused some.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = ENOSPC;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool isLogName(std::string_view name) {
    return name.starts_with(kLogPrefix) && name.ends_with(kLogSuffix);
}

// "# NAME VALUE" to VALUE, for the header line of NAME.
std::optional<std::string> headerValue(std::string_view line, std::string_view name) {
    const std::string prefix = "# " + std::string(name) + " ";
    if (!line.starts_with(prefix)) return std::nullopt;
    line.remove_prefix(prefix.size());
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.remove_suffix(1);
    return std::string(line);
}

// When a log's game started, to the second, as its name tells it.
std::string logStamp() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return stamp;
}

// "play-20261208-093000-00.txt": the log's name tells when its game started, and
// the count tells apart the games started within one second.
std::string logFileName(const std::string& stamp, int count) {
    char counted[16];
    std::snprintf(counted, sizeof counted, "-%02d", count);
    return std::string(kLogPrefix) + stamp + counted + std::string(kLogSuffix);
}

}  // namespace

const char* programVersion() {
    return ORROWVALE_VERSION;
}

std::string worldChecksum(const GamePaths& paths) {
    // The world is what the data folder holds; the slots in it change as the game is
    // played, and whatever else lies in the game directory is no part of it.
    return checksumOf(paths.gameDirectory() / "data", "save");
}

std::string slotChecksum(const fs::path& slot) {
    return checksumOf(standingSlot(slot), {});
}

fs::path playLogFolder(const fs::path& autosaveFolder) {
    return autosaveFolder.empty() ? fs::path{} : autosaveFolder.parent_path() / "logs";
}

std::vector<std::string> headerLines(const PlayLogHeader& header) {
    std::vector<std::string> lines = {std::string(kFirstLine), "# version " + header.version,
                                      "# world " + header.world, "# start " + header.start};
    if (!header.slot.empty()) lines.push_back("# slot " + header.slot);
    lines.push_back("# seed " + std::to_string(header.seed));
    return lines;
}

PlayLogHeader readPlayLogHeader(std::istream& in, const std::string& fileName) {
    PlayLogHeader header;
    bool haveSeed = false;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.starts_with("#")) break;
        if (auto v = headerValue(line, "version")) header.version = *v;
        if (auto v = headerValue(line, "world")) header.world = *v;
        if (auto v = headerValue(line, "start")) {
            header.start = *v;
            header.startLine = number;
        }
        if (auto v = headerValue(line, "slot")) header.slot = *v;
        if (auto v = headerValue(line, "seed")) {
            auto [end, error] = std::from_chars(v->data(), v->data() + v->size(), header.seed);
            if (error != std::errc() || end != v->data() + v->size())
                throw DataError(fileName, number, "the seed must be a number, not \"" + *v + "\"");
            haveSeed = true;
        }
    }
    // Named at the first line after the header, where the missing line was due.
    const auto need = [&](bool present, const char* what) {
        if (!present)
            throw DataError(
                fileName, std::max(number, 1),
                std::string("this is no play log: its header has no ") + what + " line");
    };
    need(!header.version.empty(), "\"# version\"");
    need(!header.world.empty(), "\"# world\"");
    need(!header.start.empty(), "\"# start\"");
    need(haveSeed, "\"# seed\"");
    return header;
}

std::vector<std::string> replayMismatches(const PlayLogHeader& log, const PlayLogHeader& here) {
    std::vector<std::string> differences;
    if (log.version != here.version)
        differences.push_back("the log was written by version " + log.version +
                              ", this is version " + here.version);
    if (log.world != here.world)
        differences.push_back("the log was played in another world (game directory checksum " +
                              log.world + ", this one is " + here.world + ")");
    if (!log.slot.empty() && log.slot != here.slot)
        differences.push_back("the save the log started from (" + log.start + ", checksum " +
                              log.slot + ") is not the one here (checksum " +
                              (here.slot.empty() ? std::string("none") : here.slot) + ")");
    return differences;
}

PlayLog::PlayLog(Game& game, Sink sink) : game_(game), sink_(std::move(sink)) {
    game_.playLog = this;
}

PlayLog::~PlayLog() {
    if (game_.playLog == this) game_.playLog = nullptr;
}

void PlayLog::writeHeader(const PlayLogHeader& header) {
    for (const std::string& line : headerLines(header))
        write(line);
}

void PlayLog::answered(bool yes) {
    // A question outside any recorded action is not one the log can replay.
    if (depth_ > 0) answers_.push_back(yes);
}

void PlayLog::write(const std::string& line) {
    sink_(line);
}

RecordedAction::RecordedAction(Game& game, std::string line)
    : log_(game.playLog), line_(std::move(line)) {
    if (log_) ++log_->depth_;
}

RecordedAction::~RecordedAction() {
    if (!log_ || --log_->depth_ > 0) return;
    std::vector<bool> answers = std::exchange(log_->answers_, {});
    if (line_.empty()) return;
    try {
        for (bool yes : answers)
            log_->write(yes ? "answer yes" : "answer no");
        log_->write(line_);
    } catch (...) {
        // A log that cannot be written never stops the game.
    }
}

void RecordedAction::forgetAnswers() {
    if (log_) log_->answers_.clear();
}

bool askPlayer(Game& game, const std::string& question, DefaultAnswer offered) {
    const bool yes = game.presenter.confirm(question, offered);
    if (game.playLog) game.playLog->answered(yes);
    return yes;
}

void startPlayLog(Game& game, const std::string& start, const fs::path& loadedSlot) {
    if (!game.playLogKeeper) return;
    game.playLogKeeper->reseed();
    game.playLogKeeper->startLog(start, loadedSlot);
}

NewWorldSeed::NewWorldSeed(Game& game) : game_(game), previous_(game.dice) {
    if (game.playLogKeeper) game.playLogKeeper->reseed();
}

NewWorldSeed::~NewWorldSeed() {
    if (!kept_) game_.dice = previous_;
}

void NewWorldSeed::keep(const std::string& start) {
    kept_ = true;
    if (game_.playLogKeeper) game_.playLogKeeper->startLog(start, {});
}

PlayLogKeeper::PlayLogKeeper(Game& game, fs::path folder)
    : game_(game), folder_(std::move(folder)) {
    game_.playLogKeeper = this;
}

PlayLogKeeper::~PlayLogKeeper() {
    closeLog();
    if (game_.playLogKeeper == this) game_.playLogKeeper = nullptr;
}

void PlayLogKeeper::reseed() {
    if (!firstGame_)
        game_.dice = Dice(static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    firstGame_ = false;
}

void PlayLogKeeper::closeLog() {
    log_.reset();
    if (file_ >= 0) ::close(std::exchange(file_, -1));
    currentFile_.clear();
}

void PlayLogKeeper::startLog(const std::string& start, const fs::path& loadedSlot) {
    closeLog();
    if (folder_.empty()) return;
    PlayLogHeader header;
    header.version = programVersion();
    header.start = start;
    if (!loadedSlot.empty()) header.slot = slotChecksum(loadedSlot);
    header.seed = game_.dice.seed();
    if (!world_) world_ = worldChecksum(game_.paths);
    header.world = *world_;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    const Descriptor folder(
        ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (folder.get() < 0) return;
    // Within one second the count goes on from the last log's, so that a name just
    // freed by dropping an old log is not taken again.
    const std::string stamp = logStamp();
    int count = stamp == lastStamp_ ? lastCount_ + 1 : 0;
    std::string name;
    for (const int last = count + 100; count < last && file_ < 0; ++count) {
        name = logFileName(stamp, count);
        file_ = ::openat(folder.get(), name.c_str(),
                         O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    }
    if (file_ < 0) return;
    lastStamp_ = stamp;
    lastCount_ = count - 1;
    currentFile_ = folder_ / name;
    log_ = std::make_unique<PlayLog>(game_, [this](const std::string& line) {
        if (!writeAll(file_, line + "\n"))
            throw DataError(
                currentFile_.string(), 0,
                std::string("cannot write the play log (") + std::strerror(errno) + ")");
    });
    log_->writeHeader(header);
    dropOldLogs(folder.get(), name);
}

void PlayLogKeeper::dropOldLogs(int folder, const std::string& current) {
    struct Log {
        std::string name;
        struct timespec written;
    };
    std::vector<Log> logs;
    const int listed = ::dup(folder);
    DIR* entries = listed < 0 ? nullptr : ::fdopendir(listed);
    if (entries == nullptr) {
        if (listed >= 0) ::close(listed);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const std::string name = entry->d_name;
        struct stat seen {};
        if (name == current || !isLogName(name) ||
            ::fstatat(folder, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(seen.st_mode))
            continue;
        logs.push_back({name, seen.st_mtim});
    }
    ::closedir(entries);
    // Newest first by when each was last written; the log just made is kept whatever
    // its name, since a clock put back gives it a name that sorts before older ones.
    std::sort(logs.begin(), logs.end(), [](const Log& a, const Log& b) {
        if (a.written.tv_sec != b.written.tv_sec) return a.written.tv_sec > b.written.tv_sec;
        if (a.written.tv_nsec != b.written.tv_nsec) return a.written.tv_nsec > b.written.tv_nsec;
        return a.name > b.name;
    });
    for (std::size_t i = kPlayLogsKept - 1; i < logs.size(); ++i)
        ::unlinkat(folder, logs[i].name.c_str(), 0);
}

}  // namespace orrowvale
