#pragma once

namespace orrowvale {

struct Game;

// The two steps the turn advance takes for each party: one turn along its route,
// and one turn of its mission, chosen by the mission kind.
void travelStep(Game& game, int party);
void missionStep(Game& game, int party);

}  // namespace orrowvale
