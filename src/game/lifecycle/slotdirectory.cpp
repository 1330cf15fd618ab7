#include "lifecycle/slotdirectory.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <thread>
#include <unordered_set>
#include <utility>

#include "world/datafiles.h"

namespace orrowvale {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void fail(std::string_view shown, const std::string& action, int error) {
    throw DataError(std::string(shown), 0,
                    "cannot " + action + " (" + std::strerror(error != 0 ? error : EIO) + ")");
}

// Closes a descriptor on every path out of a step.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&&) = delete;

    int get() const { return fd_; }
    // Closes now and reports the error, which for a file may be a late write error.
    int close() {
        int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

// Writes over the file where it stands. Reusing the spare folder's files, rather
// than making new ones, keeps a save of 2000 files fast: creating files right
// after deleting as many is slow on a file system without a journal, and a
// truncation frees blocks that would be allocated again at once.
void writeFile(const fs::path& file, const std::string& bytes, const std::string& shown) {
    Descriptor out(::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    if (out.get() < 0) fail(shown, "create the file", errno);
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(out.get(), data, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) fail(shown, "write the file", written < 0 ? errno : ENOSPC);
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::ftruncate(out.get(), static_cast<off_t>(bytes.size())) != 0)
        fail(shown, "write the file", errno);
    if (int error = out.close(); error != 0) fail(shown, "write the file", error);
}

// Files of an older save that the new one does not have (an adventurer who left,
// a party disbanded) go, so the slot holds exactly the new save.
void removeOtherFiles(const fs::path& dir, const std::vector<SlotFile>& files) {
    std::unordered_set<std::string> wanted;
    for (const SlotFile& file : files)
        wanted.insert(file.name);
    std::error_code ec;
    std::vector<fs::path> unwanted;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        if (!wanted.contains(entry.path().filename().string())) unwanted.push_back(entry.path());
    for (const fs::path& path : unwanted)
        fs::remove_all(path, ec);
}

Descriptor openDirectory(const fs::path& dir, std::string_view shown) {
    Descriptor fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) fail(shown, "open the folder", errno);
    return fd;
}

void removeTree(const fs::path& dir) {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
}

bool isDirectory(const fs::path& dir) {
    std::error_code ec;
    return fs::is_directory(dir, ec);
}

// One syncfs makes the whole staged slot durable with a single journal commit and
// device flush, where a flush per file would cost one each for 2000 files. It
// returns only when every file's data and the directory entries are on disk, and
// reports a writeback error, so the swap never publishes a slot that was lost.
void makeDurable(const fs::path& staging, std::string_view shown) {
    Descriptor dir = openDirectory(staging, shown);
    if (::syncfs(dir.get()) != 0) fail(shown, "flush the save to disk", errno);
}

// Puts `staging` in the place of `slot`; afterwards the old slot, if there was
// one, is under the returned path.
fs::path swapIn(const fs::path& staging, const fs::path& slot, std::string_view shown) {
    if (!isDirectory(slot)) {
        if (::rename(staging.c_str(), slot.c_str()) != 0) fail(shown, "rename the folder", errno);
        return {};
    }
    if (::renameat2(AT_FDCWD, staging.c_str(), AT_FDCWD, slot.c_str(), RENAME_EXCHANGE) == 0)
        return staging;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        fail(shown, "swap in the new save", errno);
    // No exchange here: two renames, and a crash between them is mended by
    // recoverInterruptedSwap the next time the slot is touched.
    const fs::path retired = retiredDirectory(slot);
    if (::rename(slot.c_str(), retired.c_str()) != 0) fail(shown, "rename the folder", errno);
    if (::rename(staging.c_str(), slot.c_str()) != 0) {
        int error = errno;
        ::rename(retired.c_str(), slot.c_str());
        fail(shown, "rename the folder", error);
    }
    return retired;
}

}  // namespace

SlotLock::SlotLock(const fs::path& slot, std::string_view shownSlot, SlotAccess access,
                   std::chrono::milliseconds wait)
    : fd_(-1) {
    std::error_code ec;
    if (access == SlotAccess::Write)
        fs::create_directories(slot.parent_path(), ec);
    else if (!isDirectory(slot.parent_path()))
        return;
    const fs::path lockFile = fs::path(slot).concat(".lock");
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        // A folder the game may not write: nobody can save there, so a load reads
        // it unlocked, and a save fails on its own files with the usual message.
        fd_ = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) return;
    }
    if (fd_ < 0) fail(shownSlot, "lock the slot", errno);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if ((error != EWOULDBLOCK && error != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            ::close(fd_);
            if (error != EWOULDBLOCK && error != EINTR) fail(shownSlot, "lock the slot", error);
            throw DataError(std::string(shownSlot), 0,
                            "another game is saving or loading this slot; nothing was changed, "
                            "try again in a moment");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

SlotLock::~SlotLock() {
    if (fd_ >= 0) ::close(fd_);  // closing the only descriptor of the lock releases it
}

fs::path stagingDirectory(const fs::path& slot) {
    return slot.parent_path() / (slot.filename().string() + ".spare");
}

fs::path retiredDirectory(const fs::path& slot) {
    return slot.parent_path() / (slot.filename().string() + ".old");
}

void recoverInterruptedSwap(const fs::path& slot) {
    const fs::path retired = retiredDirectory(slot);
    std::error_code ec;
    if (!fs::exists(slot, ec) && isDirectory(retired)) ::rename(retired.c_str(), slot.c_str());
}

void replaceSlotDirectory(const fs::path& slot, std::string_view shownSlot,
                          const std::vector<SlotFile>& files, const SlotStepHook& hook) {
    auto step = [&](std::string_view name) {
        if (hook) hook(name);
    };
    recoverInterruptedSwap(slot);
    const fs::path staging = stagingDirectory(slot);
    std::error_code ec;
    if (fs::exists(staging, ec) && !isDirectory(staging)) fs::remove(staging, ec);
    if (isDirectory(slot)) removeTree(retiredDirectory(slot));

    fs::create_directories(slot.parent_path(), ec);
    if (ec) fail(shownSlot, "create the save folder", ec.value());
    if (!isDirectory(staging) && ::mkdir(staging.c_str(), 0755) != 0)
        fail(shownSlot, "create a folder beside the slot", errno);
    // A failure from here on leaves the spare folder half written; it is never
    // read, and the next save writes over it.
    for (const SlotFile& file : files) {
        step(file.name);
        writeFile(staging / file.name, file.bytes, std::string(shownSlot) + "/" + file.name);
    }
    removeOtherFiles(staging, files);
    step("sync");
    makeDurable(staging, shownSlot);
    step("swap");
    const fs::path old = swapIn(staging, slot, shownSlot);
    // The rename itself is made durable; from here on the new save stands.
    if (Descriptor parent(::open(slot.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        parent.get() >= 0)
        ::fsync(parent.get());
    step("cleanup");
    // The save before this one becomes the spare that the next save writes over.
    if (!old.empty() && old != staging) ::rename(old.c_str(), staging.c_str());
}

}  // namespace orrowvale
