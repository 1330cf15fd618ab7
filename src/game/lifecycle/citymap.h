#pragma once

#include <string>
#include <vector>

#include "world/gamestate.h"

namespace orrowvale {

struct Game;

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

// What the map shows of one city beside its spot, and what the keyboard walks
// between.
struct CityMark {
    int city = 0;
    std::string name;
    bool mainCharacterHere = false;
    bool guildBranch = false;
    // Parties standing in the city, neither on the road nor away on an errand.
    int waitingParties = 0;
    // Cities joined to this one by a route, either way round, in number order.
    std::vector<int> neighbours;
    // Where the city's name stands on the map picture.
    CityRect spot;
    // The city as a screen reader says it: "은빛나루, 주인공 윤한결, 길드 지부, 파티 2".
    std::string spoken;
};

// One mark per city of the world, in city number order (city n is entry n - 1).
// A route file that cannot be read joins its city to nothing here: the move
// window reports it when the player sets out.
std::vector<CityMark> cityMarks(const Game& game);

enum class MapDirection { Left, Right, Up, Down };

// The city the arrow key in `direction` goes to from `from`: the nearest
// neighbour lying that way on the map, else the nearest city lying that way, else
// `from` itself. "That way" is within a cone about twice as wide as it is long.
int cityToward(const std::vector<CityMark>& marks, int from, MapDirection direction);

}  // namespace orrowvale
