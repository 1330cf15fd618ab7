// A damaged or hostile script never crashes the game or writes outside a table:
// both runners either finish or throw DataError. The first byte picks the runner
// and whether a party is set; the rest is the script.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "game.h"
#include "parties/party.h"
#include "scripts/eventrunner.h"
#include "scripts/scenariorunner.h"
#include "transcript.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace {

using namespace orrowvale;

const std::filesystem::path& gameDirectory() {
    static const std::filesystem::path root = [] {
        auto dir = std::filesystem::temp_directory_path() / "orrowvale-fuzz-scripts";
        std::filesystem::create_directories(dir / "data");
        return dir;
    }();
    return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned plan = data[0];
    {
        std::ofstream out(gameDirectory() / "data" / "fuzz.scn", std::ios::binary);
        out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    auto state = std::make_unique<GameState>();
    state->cityCount = 3;
    state->currentCity = 1;
    state->mainchrnum = 1000;
    state->adventurers[1000].name = "Hero";
    state->adventurers[1].name = "Member";
    state->parties[1].inUse = true;
    addMember(*state, 1, 1);
    addMember(*state, 1, 1000);
    const GamePaths paths(gameDirectory());
    Dice dice(plan);
    TranscriptPresenter presenter([](const std::string&) {});
    Game game(*state, paths, dice, presenter);
    game.currentParty = (plan & 2) != 0 ? 1 : 0;
    try {
        if ((plan & 1) != 0)
            runEvent(game, "fuzz.scn");
        else
            runScript(game, "fuzz.scn");
    } catch (const DataError&) {
    }
    return 0;
}
