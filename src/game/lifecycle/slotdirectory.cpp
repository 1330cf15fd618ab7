#include "lifecycle/slotdirectory.h"

#include <dirent.h>
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

// What flushes the save folder after the swap; FolderFlushForTests replaces it.
int (*flushFolder)(int fd) = ::fsync;

[[noreturn]] void fail(std::string_view shown, const std::string& action, int error) {
    throw DataError(std::string(shown), 0,
                    "cannot " + action + " (" + std::strerror(error != 0 ? error : EIO) + ")");
}

// A world archive may carry links; one beside a slot would lead the save out of the
// save folder.
[[noreturn]] void refuseLink(const std::string& shown) {
    throw DataError(shown, 0,
                    "it is a symbolic link, and the game never saves through one; nothing was "
                    "changed: remove the link or choose another slot");
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
    int release() { return std::exchange(fd_, -1); }
    // Closes now and reports the error, which for a file may be a late write error.
    int close() {
        int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

// What kind of thing the entry `name` of the folder `dir` is, the entry itself and
// never what a link leads to: S_IFDIR, S_IFLNK, ...; 0 when there is none.
mode_t entryKind(int dir, const std::string& name, struct stat* details = nullptr) {
    struct stat seen {};
    if (::fstatat(dir, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0) return 0;
    if (details != nullptr) *details = seen;
    return seen.st_mode & S_IFMT;
}

std::vector<std::string> entryNames(int dir) {
    std::vector<std::string> names;
    const int listed = ::dup(dir);
    if (listed < 0) return names;
    DIR* entries = ::fdopendir(listed);
    if (entries == nullptr) {
        ::close(listed);
        return names;
    }
    ::rewinddir(entries);
    while (const dirent* entry = ::readdir(entries)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(entries);
    return names;
}

// Removes the entry `name` of `dir`, a folder with all it holds; a link goes as a
// link, and what it leads to stays. Failures are left for the caller to notice.
void removeEntry(int dir, const std::string& name) {
    if (::unlinkat(dir, name.c_str(), 0) == 0 || errno != EISDIR) return;
    {
        Descriptor inner(
            ::openat(dir, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (inner.get() < 0) return;
        for (const std::string& entry : entryNames(inner.get()))
            removeEntry(inner.get(), entry);
    }
    ::unlinkat(dir, name.c_str(), AT_REMOVEDIR);
}

// Opens the file `name` of `dir` to be written from its start. Writing over a file
// where it stands, rather than making a new one, keeps a save of 2000 files fast:
// creating files right after deleting as many is slow on a file system without a
// journal, and a truncation frees blocks that would be allocated again at once.
// Anything else under that name (a link, a folder, a file with a second name that
// may stand anywhere) is removed first, so a new file is made in its place.
// `size` is what the file held before: 0 for a new one. In a folder just made
// (`fresh`) the file is created without a look first: the name can hold nothing
// yet, and should it, the creation fails and the look is made after all.
Descriptor openForWriting(int dir, const std::string& name, const std::string& shown, off_t& size,
                          bool fresh) {
    constexpr int kFlags = O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    size = 0;
    if (fresh) {
        Descriptor out(::openat(dir, name.c_str(), kFlags | O_CREAT | O_EXCL, 0644));
        if (out.get() >= 0) return out;
    }
    struct stat seen {};
    const mode_t kind = entryKind(dir, name, &seen);
    if (kind == S_IFREG && seen.st_nlink == 1) {
        Descriptor out(::openat(dir, name.c_str(), kFlags));
        size = seen.st_size;
        if (out.get() >= 0) return out;
    }
    if (kind != 0) removeEntry(dir, name);
    Descriptor out(::openat(dir, name.c_str(), kFlags | O_CREAT | O_EXCL, 0644));
    if (out.get() < 0) fail(shown, "create the file", errno);
    size = 0;
    return out;
}

void writeFile(int dir, const SlotFile& file, const std::string& shown, bool freshFolder) {
    off_t before = 0;
    Descriptor out = openForWriting(dir, file.name, shown, before, freshFolder);
    const char* data = file.bytes.data();
    std::size_t left = file.bytes.size();
    while (left > 0) {
        ssize_t written = ::write(out.get(), data, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) fail(shown, "write the file", written < 0 ? errno : ENOSPC);
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    // Only a file that was longer keeps bytes past the new end; most files of a
    // save are as long as the last time, and a truncation costs a journal entry.
    const auto size = static_cast<off_t>(file.bytes.size());
    if (before > size && ::ftruncate(out.get(), size) != 0) fail(shown, "write the file", errno);
    if (int error = out.close(); error != 0) fail(shown, "write the file", error);
}

// Files of an older save that the new one does not have (an adventurer who left,
// a party disbanded) go, so the slot holds exactly the new save.
void removeOtherFiles(int dir, const std::vector<SlotFile>& files) {
    std::unordered_set<std::string> wanted;
    for (const SlotFile& file : files)
        wanted.insert(file.name);
    for (const std::string& name : entryNames(dir))
        if (!wanted.contains(name)) removeEntry(dir, name);
}

// The folder holding the slots, as the caller names it.
Descriptor openSaveFolder(const fs::path& folder) {
    return Descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// The spare folder, emptied of nothing yet; made when missing, and then `made` is
// set. Never one that is a link.
Descriptor openSpare(int folder, const std::string& name, const std::string& shown,
                     std::string_view shownSlot, bool& made) {
    const mode_t kind = entryKind(folder, name);
    if (kind == S_IFLNK) refuseLink(shown);
    if (kind != 0 && kind != S_IFDIR) removeEntry(folder, name);
    made = kind != S_IFDIR;
    if (made && ::mkdirat(folder, name.c_str(), 0755) != 0)
        fail(shownSlot, "create a folder beside the slot", errno);
    Descriptor spare(
        ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (spare.get() < 0) fail(shownSlot, "open the folder beside the slot", errno);
    return spare;
}

// The names beside a slot, all in the folder that holds it.
struct SlotNames {
    explicit SlotNames(const fs::path& path)
        : slot(path.filename().string()), spare(slot + ".spare"), retired(slot + ".old") {}
    std::string slot;
    std::string spare;
    std::string retired;
};

// Puts the spare in the place of the slot. Returns the name the old slot is under
// afterwards, empty when there was none.
std::string swapIn(int folder, const SlotNames& names, std::string_view shown) {
    const char* slot = names.slot.c_str();
    const char* spare = names.spare.c_str();
    if (entryKind(folder, names.slot) != S_IFDIR) {
        if (::renameat(folder, spare, folder, slot) != 0) fail(shown, "rename the folder", errno);
        return {};
    }
    if (::renameat2(folder, spare, folder, slot, RENAME_EXCHANGE) == 0) return names.spare;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        fail(shown, "swap in the new save", errno);
    // No exchange here: two renames, and a crash between them is mended by
    // recoverInterruptedSwap the next time the slot is touched.
    const char* retired = names.retired.c_str();
    if (::renameat(folder, slot, folder, retired) != 0) fail(shown, "rename the folder", errno);
    if (::renameat(folder, spare, folder, slot) != 0) {
        int error = errno;
        ::renameat(folder, retired, folder, slot);
        fail(shown, "rename the folder", error);
    }
    return names.retired;
}

// Undoes swapIn: the old slot, if any, back in its place and the new save in the
// spare, as after a save that failed before the swap.
void swapBack(int folder, const SlotNames& names, const std::string& old) {
    const char* slot = names.slot.c_str();
    const char* spare = names.spare.c_str();
    if (old == names.spare) {
        ::renameat2(folder, spare, folder, slot, RENAME_EXCHANGE);
    } else if (::renameat(folder, slot, folder, spare) == 0 && !old.empty()) {
        ::renameat(folder, old.c_str(), folder, slot);
    }
    flushFolder(folder);
}

}  // namespace

FolderFlushForTests::FolderFlushForTests(int (*flush)(int fd))
    : previous_(std::exchange(flushFolder, flush)) {}

FolderFlushForTests::~FolderFlushForTests() {
    flushFolder = previous_;
}

SlotLock::SlotLock(const fs::path& slot, std::string_view shownSlot, SlotAccess access,
                   std::chrono::milliseconds wait)
    : name_(slot.filename().string() + ".lock") {
    std::error_code ec;
    if (access == SlotAccess::Write)
        fs::create_directories(slot.parent_path(), ec);
    else if (!fs::is_directory(slot.parent_path(), ec))
        return;
    Descriptor folder = openSaveFolder(slot.parent_path());
    if (folder.get() < 0) fail(shownSlot, "lock the slot", errno);
    const std::string shownLock = std::string(shownSlot) + ".lock";
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        int opened = ::openat(folder.get(), name_.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
        if (opened < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
            // A folder the game may not write: nobody can save there, so a load reads
            // it unlocked, and a save fails on its own files with the usual message.
            opened = ::openat(folder.get(), name_.c_str(), O_RDONLY | kFlags);
            if (opened < 0) return;
        }
        Descriptor lock(opened);
        if (lock.get() < 0 && errno == ELOOP) refuseLink(shownLock);
        if (lock.get() < 0) fail(shownSlot, "lock the slot", errno);
        struct stat held {};
        if (::fstat(lock.get(), &held) != 0 || !S_ISREG(held.st_mode))
            throw DataError(shownLock, 0, "it is not a plain file: remove it and try again");
        while (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error != EWOULDBLOCK && error != EINTR) fail(shownSlot, "lock the slot", error);
            if (std::chrono::steady_clock::now() >= deadline)
                throw DataError(std::string(shownSlot), 0,
                                "another game is saving or loading this slot; nothing was "
                                "changed, try again in a moment");
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        // The game that held the lock before may have removed the file as it let go:
        // a lock on a file no longer in the folder keeps nobody out.
        struct stat named {};
        if (::fstatat(folder.get(), name_.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == held.st_dev && named.st_ino == held.st_ino) {
            folder_ = folder.release();
            lock_ = lock.release();
            return;
        }
    }
}

SlotLock::~SlotLock() {
    if (lock_ >= 0) {
        // Removed while still held, so no other game can be holding this file.
        ::unlinkat(folder_, name_.c_str(), 0);
        ::close(lock_);  // closing the only descriptor of the lock releases it
    }
    if (folder_ >= 0) ::close(folder_);
}

fs::path stagingDirectory(const fs::path& slot) {
    return slot.parent_path() / (slot.filename().string() + ".spare");
}

fs::path retiredDirectory(const fs::path& slot) {
    return slot.parent_path() / (slot.filename().string() + ".old");
}

void recoverInterruptedSwap(const fs::path& slot) {
    const fs::path retired = retiredDirectory(slot);
    if (standingSlot(slot) == retired) ::rename(retired.c_str(), slot.c_str());
}

fs::path standingSlot(const fs::path& slot) {
    const fs::path retired = retiredDirectory(slot);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(slot, ec)) &&
        fs::is_directory(fs::symlink_status(retired, ec)))
        return retired;
    return slot;
}

void replaceSlotDirectory(const fs::path& slot, std::string_view shownSlot,
                          const std::vector<SlotFile>& files, const SlotStepHook& hook) {
    auto step = [&](std::string_view name) {
        if (hook) hook(name);
    };
    const std::string shown(shownSlot);
    std::error_code ec;
    fs::create_directories(slot.parent_path(), ec);
    if (ec) fail(shownSlot, "create the save folder", ec.value());
    const Descriptor folder = openSaveFolder(slot.parent_path());
    if (folder.get() < 0) fail(shownSlot, "open the save folder", errno);
    const SlotNames names(slot);
    if (entryKind(folder.get(), names.slot) == S_IFLNK) refuseLink(shown);
    recoverInterruptedSwap(slot);
    if (entryKind(folder.get(), names.slot) == S_IFDIR) removeEntry(folder.get(), names.retired);
    bool freshSpare = false;
    const Descriptor spare =
        openSpare(folder.get(), names.spare, shown + ".spare", shownSlot, freshSpare);

    // A failure from here on leaves the spare folder half written; it is never
    // read, and the next save writes over it.
    for (const SlotFile& file : files) {
        step(file.name);
        writeFile(spare.get(), file, shown + "/" + file.name, freshSpare);
    }
    removeOtherFiles(spare.get(), files);
    step("sync");
    // One syncfs makes the whole staged slot durable with a single journal commit
    // and device flush, where a flush per file would cost one each for 2000 files.
    // It returns only when every file's data and the directory entries are on disk,
    // and reports a writeback error, so the swap never publishes a slot that was lost.
    if (::syncfs(spare.get()) != 0) fail(shownSlot, "flush the save to disk", errno);
    step("swap");
    const std::string old = swapIn(folder.get(), names, shownSlot);
    // The rename itself is made durable; a save whose rename may not outlive a crash
    // is no save, and the old one goes back.
    if (flushFolder(folder.get()) != 0) {
        const int error = errno;
        swapBack(folder.get(), names, old);
        fail(shownSlot, "flush the save folder to disk", error);
    }
    step("cleanup");
    // The save before this one becomes the spare that the next save writes over.
    if (!old.empty() && old != names.spare)
        ::renameat(folder.get(), old.c_str(), folder.get(), names.spare.c_str());
}

}  // namespace orrowvale
