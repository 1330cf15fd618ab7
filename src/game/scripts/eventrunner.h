#pragma once

#include <string_view>
#include <vector>

namespace orrowvale {

struct Game;

// The event runner: the smaller dialect of date, pub, place and contact events.
// Runs every block of "data\" + `file` whose conditions hold; ":exitfile" takes
// effect at the end of its block. A missing file throws DataError.
void runEvent(Game& game, std::string_view file);

// The keywords the event runner knows, in the order it tests them.
std::vector<std::string_view> eventConditionKeywords();
std::vector<std::string_view> eventActionKeywords();

}  // namespace orrowvale
