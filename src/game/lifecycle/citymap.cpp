#include "lifecycle/citymap.h"

#include "game.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale {

void readMapData(Game& game) {
    loadCityList(game.state, game.paths);
    loadAdventurer(game.state.infoAdventurer, game.paths, "data\\richard.txt");
}

void readCityRectsForDrawing(Game& game) {
    try {
        loadCityRects(game.state, game.paths);
    } catch (const DataError&) {
    }
}

int cityAt(const GameState& state, int x, int y) {
    for (int city = 1; city <= state.cityBound(); ++city) {
        const CityRect& r = state.cityRects[city];
        if (r.left < x && x < r.right && r.top < y && y < r.bottom) return city;
    }
    return 0;
}

}  // namespace orrowvale
