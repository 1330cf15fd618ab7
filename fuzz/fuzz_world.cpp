// A damaged or hostile world never crashes the game: creating a random or a story
// world over the sample world with one of its files replaced either succeeds or
// throws DataError. The first byte picks the file and the kind of world; the rest
// is the file. A new world then plays a few turns, which reads the route, trade,
// scenario and date files.
#include <cstdint>
#include <iterator>
#include <string>

#include "fuzzworld.h"
#include "lifecycle/createworld.h"
#include "parties/travel.h"
#include "parties/turn.h"
#include "world/worldload.h"

namespace {

using namespace orrowvale;

constexpr const char* kFiles[] = {
    "data/city.txt",
    "data/citylocs.txt",
    "data/common/citynat.txt",
    "data/common/movefile.txt",
    "data/common/commongo.txt",
    "data/common/commoncity.txt",
    "data/common/trade.txt",
    "data/searchcity.txt",
    "data/dungeonlist.txt",
    "data/wars/warlist.txt",
    "data/wars/warbool.txt",
    "data/quests/questlist.txt",
    "data/quests/questbool.txt",
    "data/chrstat0.txt",
    "data/story/hero0.txt",
    "data/story/places0.txt",
    "data/story/cities0.txt",
    "data/malename.txt",
    "data/fmlname.txt",
    "data/fnames.txt",
    "data/prologue/alfred.txt",
    "data/prologue/common.txt",
    "data/move/01.txt",
    "data/scenario/scenario1.scn",
    "data/dateevn/dateevn0.evn",
};
constexpr unsigned kFileCount = std::size(kFiles);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::filesystem::path& root = fuzz::worldCopy("fuzz-world");
    const unsigned plan = data[0];
    const std::filesystem::path file = root / kFiles[plan % kFileCount];
    const bool existed = std::filesystem::exists(file);
    const std::string original = existed ? fuzz::readFile(file) : std::string();
    fuzz::writeFile(file, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    {
        fuzz::QuietGame quiet(root, plan);
        Game& game = quiet.game;
        try {
            if ((plan & 0x80) != 0) {
                createStoryWorld(game, 0);
            } else {
                loadCityList(game.state, quiet.paths);
                createRandomWorld(game);
            }
            for (int turn = 0; turn < 3; ++turn)
                advanceTurn(game, 1);
            prepareMove(game, game.state.currentCity);
        } catch (const DataError&) {
        }
    }
    if (existed)
        fuzz::writeFile(file, original);
    else
        std::filesystem::remove(file);
    return 0;
}
