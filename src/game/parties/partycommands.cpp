#include "parties/partycommands.h"

#include "Presenter.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "world/gamestate.h"

namespace orrowvale {

ListRows partiesInCity(const GameState& state, int city) {
    ListRows listed;
    for (int party = 1; party <= kMaxParties; ++party) {
        const TParty& p = state.parties[party];
        if (p.inUse && p.location == city && !p.travelling)
            listed.push_back({party, partyRowText(state, party)});
    }
    return listed;
}

ListRows openCommandList(Game& game, int city) {
    RecordedAction recorded(game, "parties " + std::to_string(city));
    game.state.commandCity = city;
    ListRows listed = partiesInCity(game.state, city);
    if (listed.empty()) game.presenter.inform(kNoPartyHere);
    return listed;
}

Refusal whyPartyCannotLeave(const GameState& state, int party) {
    if (!PartyTable::contains(party) || !state.parties[party].inUse) return kChoosePartyFirst;
    const TParty& p = state.parties[party];
    if (p.travelling) return kPartyTravelling;
    if (p.onMission) return kPartyOnMission;
    return std::nullopt;
}

bool canMoveOrDispatch(const GameState& state, int party) {
    return !whyPartyCannotLeave(state, party);
}

}  // namespace orrowvale
