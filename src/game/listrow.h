#pragma once

#include <string>
#include <vector>

namespace orrowvale {

struct GameState;

// One row of a list the player chooses from: the number of the thing it stands for
// (an adventurer, a party, a trade slot, a quest entry) and the text the row shows.
// Every list of the game is built as these rows by a game function, so a window and
// the scripted player show the same rows and name the same numbers.
struct ListRow {
    int number = 0;
    std::string text;

    bool operator==(const ListRow&) const = default;
};
using ListRows = std::vector<ListRow>;

// Whether `number` is offered on one of the rows.
bool offers(const ListRows& rows, int number);

// Marks the main character wherever adventurers are listed by name.
inline constexpr const char* kMainCharacterMark = "(*)";

// Whether an adventurer's row carries kMainCharacterMark after the main character's
// name. Every list of adventurers shows it but the guild window's member list, which
// shows names alone.
enum class MainCharacterMark { Shown, Omitted };

// The text of an adventurer's row. This is the one place a list of adventurers gets
// its text: the chooser, the guild window's members, the pub's company and a party's
// members in party setup all show what this gives. Empty for a number outside the
// table.
std::string adventurerRowText(const GameState& state, int adventurer, MainCharacterMark mark);

// The text of a party's row. This is the one place a list of parties gets its text:
// the chooser, the guild window, party setup, the equipment window and the party
// command list all show what this gives. Empty for a number outside the table.
std::string partyRowText(const GameState& state, int party);

}  // namespace orrowvale
