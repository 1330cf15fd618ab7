#pragma once

#include <vector>

#include "guild/adventurerpanel.h"

namespace orrowvale {

struct GameState;

// Every label of the party panel, top to bottom: name, member count, the ability
// total, the attack and defence ratings and the carried item.
std::vector<PanelLine> partyPanelLines(const GameState& state, int party);

}  // namespace orrowvale
