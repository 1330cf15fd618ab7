// A damaged or hostile save never crashes the game: loading a slot either gives a
// game or throws DataError, and a loaded game plays a few turns. The input is the
// slot: files, each after a line "#file NAME" (NAME of letters, digits and dots),
// as scripts/sanitize packs a slot the simulator saved.
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

// Writes the slot's files; returns false when the input holds none.
bool writeSlot(const std::filesystem::path& slot, std::string_view input) {
    constexpr std::string_view kHeader = "#file ";
    std::filesystem::remove_all(slot);
    std::filesystem::create_directories(slot);
    bool any = false;
    std::size_t at = 0;
    while (at < input.size() && input.substr(at, kHeader.size()) == kHeader) {
        const std::size_t nameEnd = input.find('\n', at);
        if (nameEnd == std::string_view::npos) break;
        const std::string_view name =
            input.substr(at + kHeader.size(), nameEnd - at - kHeader.size());
        std::size_t next = input.find("\n#file ", nameEnd);
        next = next == std::string_view::npos ? input.size() : next + 1;
        if (plainName(name)) {
            fuzz::writeFile(slot / std::string(name),
                            input.substr(nameEnd + 1, next - nameEnd - 1));
            any = true;
        }
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
    try {
        loadGame(quiet.game, 1);
        for (int turn = 0; turn < 2; ++turn)
            advanceTurn(quiet.game, 1);
    } catch (const DataError&) {
    }
    return 0;
}
