#pragma once

namespace orrowvale {

struct GameState;

// The city whose map rectangle holds the point (x, y) of the map picture, or 0.
// A border line belongs to no city; where rectangles overlap the lowest-numbered
// city wins.
int cityAt(const GameState& state, int x, int y);

}  // namespace orrowvale
