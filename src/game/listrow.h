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
    // The same text cut into the columns a window lines up, one entry a column;
    // empty for a row that is one text.
    std::vector<std::string> columns = {};

    // The columns are the text cut up: two rows are the same by number and text.
    bool operator==(const ListRow& other) const {
        return number == other.number && text == other.text;
    }
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

// The text of an adventurer's row: the adventurer's number, name, class and the sum
// of the six abilities, so that two adventurers of the same name are told apart, as
// "985. 강산(*), 전사, 능력 63". This is the one place a list of adventurers gets its
// text: the chooser, the guild window's members, the pub's company and a party's
// members in party setup all show what this gives. Empty for a number outside the
// table.
std::string adventurerRowText(const GameState& state, int adventurer, MainCharacterMark mark);
// The row of `adventurer` numbered `rowNumber` (the adventurer's number, or a member
// slot), with adventurerRowText's text and its four columns.
ListRow adventurerRow(const GameState& state, int rowNumber, int adventurer,
                      MainCharacterMark mark);

// The text of a party's row. This is the one place a list of parties gets its text:
// the chooser, the guild window, party setup, the equipment window and the party
// command list all show what this gives. Empty for a number outside the table.
std::string partyRowText(const GameState& state, int party);

}  // namespace orrowvale
