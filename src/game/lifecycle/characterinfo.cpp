#include "lifecycle/characterinfo.h"

#include "game.h"
#include "world/adventurer.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {

const TAdven& showAdventurerInfo(GameState& state, int adventurer) {
    if (decltype(state.adventurers)::contains(adventurer))
        state.infoAdventurer = state.adventurers[adventurer];
    return state.infoAdventurer;
}

const TAdven& copySampleAdventurer(Game& game) {
    TAdven sample;
    loadAdventurer(sample, game.paths, "data\\richard.txt");
    const GamePaths::WrittenFile copy = game.paths.writtenDataFile("amugae.txt");
    saveAdventurer(sample, copy.file, copy.shown);
    game.state.infoAdventurer = sample;
    return game.state.infoAdventurer;
}

}  // namespace orrowvale
