#pragma once

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
// The files go into a staging directory beside the slot, are made durable, and the
// two directories then trade places with one rename; the old one is deleted last.
// A staging directory left by a crash is removed first. Throws DataError naming
// `shownSlot` (the slot as the player sees its path) when anything fails before
// the swap; the old slot is then as it was and no staging directory is left.
void replaceSlotDirectory(const std::filesystem::path& slot, std::string_view shownSlot,
                          const std::vector<SlotFile>& files, const SlotStepHook& hook = {});

// Where a slot is staged while it is written, and where the old slot waits on a
// file system that cannot exchange two directories in one rename.
std::filesystem::path stagingDirectory(const std::filesystem::path& slot);
std::filesystem::path retiredDirectory(const std::filesystem::path& slot);

// A swap without the exchange is two renames; a crash between them leaves the old
// slot under its retired name. This puts it back; a no-op otherwise.
void recoverInterruptedSwap(const std::filesystem::path& slot);

}  // namespace orrowvale
