#include "listrow.h"

#include <algorithm>

#include "world/gamestate.h"

namespace orrowvale {

bool offers(const ListRows& rows, int number) {
    return std::any_of(rows.begin(), rows.end(),
                       [number](const ListRow& row) { return row.number == number; });
}

std::string adventurerRowText(const GameState& state, int adventurer, MainCharacterMark mark) {
    if (!Table<TAdven, kMaxAdventurers>::contains(adventurer)) return {};
    const std::string& name = state.adventurers[adventurer].name;
    if (mark == MainCharacterMark::Shown && adventurer == state.mainchrnum)
        return name + kMainCharacterMark;
    return name;
}

std::string partyRowText(const GameState& state, int party) {
    if (!PartyTable::contains(party)) return {};
    return state.parties[party].partyName;
}

}  // namespace orrowvale
