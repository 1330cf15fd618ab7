#include "listrow.h"

#include <algorithm>

#include "world/adventurer.h"
#include "world/gamestate.h"

namespace orrowvale {

bool offers(const ListRows& rows, int number) {
    return std::any_of(rows.begin(), rows.end(),
                       [number](const ListRow& row) { return row.number == number; });
}

namespace {

std::vector<std::string> adventurerColumns(const GameState& state, int adventurer,
                                           MainCharacterMark mark) {
    if (!Table<TAdven, kMaxAdventurers>::contains(adventurer)) return {};
    const TAdven& a = state.adventurers[adventurer];
    std::string name = fullName(a);
    if (mark == MainCharacterMark::Shown && adventurer == state.mainchrnum)
        name += kMainCharacterMark;
    const int abilities = abilityTotal(a);
    const std::string adventurerClass = className(a.adventurerClass);
    return {std::to_string(adventurer) + ".", name, adventurerClass.empty() ? "-" : adventurerClass,
            "능력 " + std::to_string(abilities)};
}

std::string joinColumns(const std::vector<std::string>& columns) {
    if (columns.empty()) return {};
    std::string text = columns.front() + " " + columns[1];
    for (std::size_t i = 2; i < columns.size(); ++i)
        text += ", " + columns[i];
    return text;
}

}  // namespace

std::string adventurerRowText(const GameState& state, int adventurer, MainCharacterMark mark) {
    return joinColumns(adventurerColumns(state, adventurer, mark));
}

ListRow adventurerRow(const GameState& state, int rowNumber, int adventurer,
                      MainCharacterMark mark) {
    std::vector<std::string> columns = adventurerColumns(state, adventurer, mark);
    std::string text = joinColumns(columns);
    return {rowNumber, std::move(text), std::move(columns)};
}

std::string partyRowText(const GameState& state, int party) {
    if (!PartyTable::contains(party)) return {};
    return state.parties[party].partyName;
}

}  // namespace orrowvale
