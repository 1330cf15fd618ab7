#include "guild/guildwindow.h"

#include <algorithm>

#include "parties/party.h"
#include "world/gamestate.h"

namespace orrowvale {

GuildLists guildWindowLists(const GameState& state) {
    GuildLists lists;
    const auto& roster = state.guildRoster[1];
    for (int i = 1; i <= kRosterRowLength; ++i) {
        const int member = roster[i];
        // A roster entry naming no adventurer, or one who has since died, shows nothing.
        if (decltype(state.adventurers)::contains(member)) {
            const TAdven& a = state.adventurers[member];
            if (!a.isFree() && a.location == state.currentCity)
                lists.members.push_back(
                    adventurerRow(state, member, member, MainCharacterMark::Omitted));
        }
        if (i <= kMaxParties && state.parties[i].inUse)
            lists.parties.push_back({i, partyRowText(state, i)});
    }
    return lists;
}

bool hasGuildBranchHere(const GameState& state) {
    return CityFlags::contains(state.currentCity) && state.guildBranches[state.currentCity] == 1;
}

Refusal guildWindowRefusal(const GameState& state) {
    if (hasGuildBranchHere(state)) return std::nullopt;
    return kNoGuildBranchHere;
}

bool guildOffersParty(const GameState& state, int party) {
    return PartyTable::contains(party) && state.parties[party].inUse;
}

bool guildOffersAdventurer(const GameState& state, int adventurer) {
    if (!decltype(state.adventurers)::contains(adventurer)) return false;
    const GuildLists lists = guildWindowLists(state);
    if (offers(lists.members, adventurer)) return true;
    return std::any_of(lists.parties.begin(), lists.parties.end(), [&](const ListRow& party) {
        return !isNotMember(state, party.number, adventurer);
    });
}

}  // namespace orrowvale
