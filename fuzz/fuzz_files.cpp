// A damaged route, story text, adventurer or party file never crashes its reader:
// each returns or throws DataError. The first byte picks the reader; the rest is
// the file.
#include <cstdint>
#include <filesystem>
#include <string>

#include "fuzzworld.h"
#include "lifecycle/loadgame.h"
#include "parties/partyrecord.h"
#include "parties/travel.h"
#include "world/adventurer.h"

namespace {

using namespace orrowvale;

// A game folder of its own, removed when the process ends.
const std::filesystem::path& gameDirectory() {
    struct Folder {
        Folder() {
            root = std::filesystem::temp_directory_path() /
                   ("orrowvale-fuzz-files-" + std::to_string(::getpid()));
            std::filesystem::create_directories(root / "data");
        }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(root, ec);
        }
        std::filesystem::path root;
    };
    static const Folder folder;
    return folder.root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::filesystem::path file = gameDirectory() / "data" / "fuzz.txt";
    fuzz::writeFile(file, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    const GamePaths paths(gameDirectory());
    try {
        switch (data[0] % 4) {
            case 0:
                readRouteFile(paths, "fuzz.txt");
                break;
            case 1:
                readStoryText(paths, "fuzz.txt");
                break;
            case 2: {
                TAdven adventurer;
                loadAdventurer(adventurer, file, "fuzz.txt", (data[0] & 4) != 0);
                break;
            }
            default: {
                TParty party;
                loadParty(party, file, "fuzz.txt");
                break;
            }
        }
    } catch (const DataError&) {
    }
    return 0;
}
