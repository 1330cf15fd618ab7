#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orrowvale {

// One file of a save slot, its bytes complete.
struct SlotFile {
    std::string name;
    std::string bytes;
};

// Called before each step of writing a slot: with a file's name before that file is
// written, then "sync", "swap" and "cleanup". Tests use it to stop a save at any
// point; what it throws ends the save.
using SlotStepHook = std::function<void(std::string_view step)>;

// Replaces the directory `slot` by one that holds exactly `files`, so that at every
// instant the directory is either the old one, whole, or the new one, whole.
// The files are written into the spare directory beside the slot, made durable,
// and the two directories then trade places with one rename: the spare then holds
// the save before, which the next save writes over. The spare is never loaded.
// Throws DataError naming `shownSlot` (the slot as the player sees its path) when
// anything fails, the slot itself then as it was; also when the rename cannot be
// made durable, after the old save is put back.
// Nothing is written, emptied or removed through a symbolic link: a slot, spare or
// lock that is one is refused, and one inside the spare is removed as a link. The
// folder holding the slots is trusted as given.
void replaceSlotDirectory(const std::filesystem::path& slot, std::string_view shownSlot,
                          const std::vector<SlotFile>& files, const SlotStepHook& hook = {});

// How the folder holding the slots is flushed to disk after the swap: fsync. A test
// puts a failing one in its place for as long as this lives, as a disk that fails
// at that moment would.
class FolderFlushForTests {
  public:
    explicit FolderFlushForTests(int (*flush)(int fd));
    ~FolderFlushForTests();
    FolderFlushForTests(const FolderFlushForTests&) = delete;
    FolderFlushForTests& operator=(const FolderFlushForTests&) = delete;

  private:
    int (*previous_)(int fd);
};

// Keeps other games (a second window of the game, or the simulator on the same game
// directory) out of a slot while this one saves or loads it: an advisory lock on
// the lock file beside the slot ("save3.lock"), which never moves when the slot
// directory is swapped. A second game waits up to `wait` for the lock and then
// throws DataError naming the slot, so a save that did not land is never reported
// as saved. The lock ends with the object, or with the process however it ends.
// The lock file lasts only as long as a lock: its holder removes it as it lets go,
// and a game that gets a lock on a file already removed tries again on a new one.
// One left by a game that was killed is taken over and removed in turn.
// A lock file that is a symbolic link is refused, naming it.
// In a folder the game may not write, where no game can save, none is taken.
// Reading creates no folder: where the slots' folder is missing there is nothing to
// read and nobody saving, so no lock is needed; a save creates it.
enum class SlotAccess { Read, Write };

class SlotLock {
  public:
    static constexpr std::chrono::milliseconds kDefaultWait{3000};

    SlotLock(const std::filesystem::path& slot, std::string_view shownSlot, SlotAccess access,
             std::chrono::milliseconds wait = kDefaultWait);
    ~SlotLock();
    SlotLock(const SlotLock&) = delete;
    SlotLock& operator=(const SlotLock&) = delete;

  private:
    // The folder holding the lock file, and the lock file; -1 when none is held.
    int folder_ = -1;
    int lock_ = -1;
    std::string name_;
};

// The spare directory a slot is written in, and where the old slot waits on a
// file system that cannot exchange two directories in one rename.
std::filesystem::path stagingDirectory(const std::filesystem::path& slot);
std::filesystem::path retiredDirectory(const std::filesystem::path& slot);

// A swap without the exchange is two renames; a crash between them leaves the old
// slot under its retired name. This puts it back; a no-op otherwise.
void recoverInterruptedSwap(const std::filesystem::path& slot);
// Where the slot's save stands without anything being moved: the slot, or its
// retired folder when a swap cut in two left it there. The slot list reads this.
std::filesystem::path standingSlot(const std::filesystem::path& slot);

}  // namespace orrowvale
