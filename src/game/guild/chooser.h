#pragma once

#include <functional>
#include <optional>

#include "listrow.h"

namespace orrowvale {

struct GameState;

// Shows the rows and waits for the player: the number of the chosen row, or nothing
// when the player cancelled or chose nothing. The window opens the chooser dialog;
// the scripted player picks from its script.
using Chooser = std::function<std::optional<int>(const ListRows& rows)>;

// The adventurers standing in `city` whose guild membership is `memberState`, in
// number order; with `freeOnly`, those who belong to no party are left. The main
// character's row carries the mark after the name.
ListRows adventurerChoices(const GameState& state, int city, int memberState, bool freeOnly);

// The parties of `row` of the party table standing in `city` that are neither on a
// mission nor on the road, by name, in number order.
ListRows partyChoices(const GameState& state, int city, int row);

}  // namespace orrowvale
