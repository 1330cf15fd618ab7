// A damaged or hostile save never crashes or stops the game: listing the slots gives
// a line for each, and loading a slot either gives a game or throws DataError, and
// a loaded game plays a few turns. The input is the slot, one entry after another:
// a file after a line "#file NAME", as scripts/sanitize packs a slot the simulator
// saved; "#link NAME TARGET" for a symbolic link, to a name in the slot, to ".."
// (the save folder) or to /dev/zero; "#fifo NAME" for a named pipe. NAME is of
// letters, digits and dots.
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzzworld.h"
#include "lifecycle/loadgame.h"
#include "lifecycle/savegame.h"
#include "parties/turn.h"

namespace {

using namespace orrowvale;

bool plainName(std::string_view name) {
    if (name.empty() || name.size() > 32 || name.front() == '.') return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.')) return false;
    return true;
}

// Links lead only where reading is harmless: into the slot, to the folder above it,
// or to a device that never ends.
bool allowedTarget(std::string_view target) {
    return target == ".." || target == "/dev/zero" || plainName(target);
}

// Where the entry starting at `from` ends: at the next line starting an entry.
std::size_t entryEnd(std::string_view input, std::size_t from) {
    std::size_t end = input.size();
    for (std::string_view header : {"\n#file ", "\n#link ", "\n#fifo "})
        end = std::min(end, input.find(header, from));
    return end == input.size() ? end : end + 1;
}

void makeEntry(const std::filesystem::path& slot, std::string_view kind, std::string_view header,
               std::string_view body) {
    const std::string_view name = header.substr(0, header.find(' '));
    if (!plainName(name)) return;
    const std::filesystem::path path = slot / std::string(name);
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
    if (kind == "#file ") {
        fuzz::writeFile(path, body);
    } else if (kind == "#fifo ") {
        ::mkfifo(path.c_str(), 0644);
    } else if (const std::size_t blank = header.find(' '); blank != std::string_view::npos) {
        const std::string_view target = header.substr(blank + 1);
        if (allowedTarget(target)) std::filesystem::create_symlink(std::string(target), path, ec);
    }
}

// Writes the slot's entries; returns false when the input holds none.
bool writeSlot(const std::filesystem::path& slot, std::string_view input) {
    std::filesystem::remove_all(slot);
    std::filesystem::create_directories(slot);
    bool any = false;
    std::size_t at = 0;
    while (at < input.size()) {
        const std::string_view kind = input.substr(at, 6);
        if (kind != "#file " && kind != "#link " && kind != "#fifo ") break;
        const std::size_t headerEnd = input.find('\n', at);
        if (headerEnd == std::string_view::npos) break;
        const std::size_t next = entryEnd(input, headerEnd);
        makeEntry(slot, kind, input.substr(at + 6, headerEnd - at - 6),
                  input.substr(headerEnd + 1, next - std::min(next, headerEnd + 1)));
        any = true;
        at = next;
    }
    return any;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path& root = fuzz::worldCopy("fuzz-loadgame");
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (!writeSlot(root / "data" / "save" / "save1", input)) return 0;
    fuzz::QuietGame quiet(root, size);
    listSaveSlots(quiet.paths);
    try {
        loadGame(quiet.game, 1);
        for (int turn = 0; turn < 2; ++turn)
            advanceTurn(quiet.game, 1);
    } catch (const DataError&) {
    }
    return 0;
}
