#include "guild/fame.h"

#include <algorithm>

#include "world/gamestate.h"

namespace orrowvale {

int fameBarValue(int fame) {
    return std::clamp(fame, 0, kFameBarMaximum);
}

FameBars fameBars(const GameState& state) {
    return {fameBarValue(state.adventureFame), fameBarValue(state.politicalFame),
            fameBarValue(state.covertFame)};
}

}  // namespace orrowvale
