#pragma once

namespace orrowvale {

struct Game;
struct GameState;

// What the map window reads as it opens, before a world is made over it: the city
// list, and the sample adventurer its hidden button shows (it proves that the
// adventurer reader works). Throws DataError naming the file.
void readMapData(Game& game);

// The cities' rectangles, for a map drawn from them when its picture cannot be read.
// A broken rectangle file leaves them as they are: world creation reports it, and
// the map stays blank meanwhile.
void readCityRectsForDrawing(Game& game);

// The city whose map rectangle holds the point (x, y) of the map picture, or 0.
// A border line belongs to no city; where rectangles overlap the lowest-numbered
// city wins.
int cityAt(const GameState& state, int x, int y);

}  // namespace orrowvale
