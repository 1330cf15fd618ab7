#include "guild/chooser.h"

#include <algorithm>

#include "parties/party.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

bool inAnyParty(const GameState& state, int adventurer) {
    return std::any_of(state.parties.begin(), state.parties.end(), [adventurer](const TParty& p) {
        return std::find(p.members.begin(), p.members.end(), adventurer) != p.members.end();
    });
}

}  // namespace

ListRows adventurerChoices(const GameState& state, int city, int memberState, bool freeOnly) {
    ListRows rows;
    for (int number = 1; number <= kMaxAdventurers; ++number) {
        const TAdven& a = state.adventurers[number];
        // A freed slot keeps nothing worth offering, whatever its stale fields say.
        if (a.isFree() || a.location != city || a.isGuildMember != memberState) continue;
        if (freeOnly && inAnyParty(state, number)) continue;
        rows.push_back(adventurerRow(state, number, number, MainCharacterMark::Shown));
    }
    return rows;
}

ListRows partyChoices(const GameState& state, int city, int row) {
    ListRows rows;
    // Only the first row of the table ever holds parties.
    if (row != 1) return rows;
    for (int number = 1; number <= kMaxParties; ++number) {
        const TParty& p = state.parties[number];
        if (p.inUse && p.location == city && !p.onMission && !p.travelling)
            rows.push_back({number, partyRowText(state, number)});
    }
    return rows;
}

}  // namespace orrowvale
