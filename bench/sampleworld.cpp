#include "sampleworld.h"

#include <filesystem>

namespace orrowvale::bench {

const GamePaths& gameDirectory() {
    static const GamePaths paths{std::filesystem::path(ORROWVALE_GAME_DIR)};
    return paths;
}

bool skipWithoutSampleWorld(benchmark::State& state) {
    if (std::filesystem::exists(gameDirectory().resolve("data\\city.txt"))) return false;
    state.SkipWithError("no sample world: " ORROWVALE_GAME_DIR "/data/city.txt is missing");
    return true;
}

}  // namespace orrowvale::bench
