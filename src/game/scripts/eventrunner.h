#pragma once

#include <string_view>

namespace orrowvale {

struct Game;

// The event runner: the smaller dialect of date, pub, place and contact events.
// Runs every block of "data\" + `file` whose conditions hold; ":exitfile" takes
// effect at the end of its block. A missing file throws DataError.
void runEvent(Game& game, std::string_view file);

}  // namespace orrowvale
