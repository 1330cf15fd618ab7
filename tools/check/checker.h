#pragma once

#include <string_view>
#include <vector>

#include "report.h"

namespace orrowvale {
class GamePaths;
}

namespace orrowvale::check {

// Reads the whole data tree of a game directory the way the game reads it and
// reports every problem an author should fix before playing: missing files, broken
// numbers, indices outside their tables, unclosed blocks, lines no runner knows,
// characters outside CP949 and cities off the map. Keeps going after a problem.
Report checkGame(const GamePaths& paths);

// The keywords the checker knows the operands of, for each dialect and block; they
// must be the runners' own keywords.
enum class Dialect { Scenario, Event };
std::vector<std::string_view> checkedConditionKeywords(Dialect dialect);
std::vector<std::string_view> checkedActionKeywords(Dialect dialect);

}  // namespace orrowvale::check
