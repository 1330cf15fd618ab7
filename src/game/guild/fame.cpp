#include "guild/fame.h"

#include <algorithm>

#include "world/gamestate.h"

namespace orrowvale {

int fameBarValue(int fame) {
    return std::clamp(fame, 0, kFameBarMaximum);
}

std::string fameNumberText(int fame) {
    return std::to_string(fame) + " / " + std::to_string(kFameBarMaximum);
}

FameBars fameBars(const GameState& state) {
    return {fameBarValue(state.adventureFame), fameBarValue(state.politicalFame),
            fameBarValue(state.covertFame)};
}

}  // namespace orrowvale
