#include "lifecycle/citymap.h"

#include "world/gamestate.h"

namespace orrowvale {

int cityAt(const GameState& state, int x, int y) {
    for (int city = 1; city <= state.cityBound(); ++city) {
        const CityRect& r = state.cityRects[city];
        if (r.left < x && x < r.right && r.top < y && y < r.bottom) return city;
    }
    return 0;
}

}  // namespace orrowvale
