#pragma once

#include <optional>
#include <string>

#include "listrow.h"

namespace orrowvale {

struct Game;
struct GameState;

// What the visit dialog lists: the places of the city where the main character
// stands, in entry order, each row its entry number and name.
ListRows placeRows(const GameState& state);

// The "이동" button of the visit dialog with the chosen place name, or none. Runs
// the event file of the highest-numbered place of that name in the current city;
// visiting costs nothing and takes no time. Returns whether an event file ran. A
// missing or broken event file throws DataError.
bool visitPlace(Game& game, const std::optional<std::string>& chosenPlace);

}  // namespace orrowvale
