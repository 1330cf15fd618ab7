#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orrowvale {

struct GameState;

// One row of the chooser: the adventurer or party number it stands for and the text
// it shows.
struct ChooserRow {
    int number = 0;
    std::string text;
};
using ChooserRows = std::vector<ChooserRow>;

// Shows the rows and waits for the player: the number of the chosen row, or -1 when
// the player cancelled or chose nothing. The window opens the chooser dialog; the
// scripted player picks from its script.
using Chooser = std::function<int(const ChooserRows& rows)>;

// Marks the main character wherever adventurers are listed by name.
inline constexpr const char* kMainCharacterMark = "(*)";

// The adventurers standing in `city` whose guild membership is `memberState`, in
// number order; with `freeOnly`, those who belong to no party are left. The main
// character's row carries the mark after the name.
ChooserRows adventurerChoices(const GameState& state, int city, int memberState, bool freeOnly);

// The parties of `row` of the party table standing in `city` that are neither on a
// mission nor on the road, by name, in number order.
ChooserRows partyChoices(const GameState& state, int city, int row);

// An adventurer's name as party lists show it: with the mark for the main character.
std::string listedName(const GameState& state, int adventurer);

// Whether `number` is offered on one of the rows.
bool offers(const ChooserRows& rows, int number);

}  // namespace orrowvale
