#include "guild/equipment.h"

#include <utility>

#include "Presenter.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "world/gamestate.h"
#include "world/statelimits.h"

namespace orrowvale {
namespace {

using ItemSlots = decltype(GameState::guildItems);

bool holdsItem(const GameState& state, int slot) {
    return ItemSlots::contains(slot) && state.guildItems[slot] != 0;
}

// A code no item has (only a damaged state could hold one) is never handed to a
// party, whose file could not keep it.
bool holdsEquippableItem(const GameState& state, int slot) {
    return holdsItem(state, slot) && isItemCode(state.guildItems[slot]);
}

}  // namespace

bool canEquip(const GameState& state, int party) {
    if (!PartyTable::contains(party)) return false;
    const TParty& p = state.parties[party];
    return p.inUse && p.location == state.currentCity && !p.onMission && !p.travelling;
}

ListRows equippableParties(const GameState& state) {
    ListRows listed;
    for (int party = 1; party <= kMaxParties; ++party)
        if (canEquip(state, party)) listed.push_back({party, partyRowText(state, party)});
    return listed;
}

ListRows storedItemSlots(const GameState& state) {
    ListRows listed;
    for (int slot = 1; slot <= kGuildItemSlots; ++slot)
        if (holdsItem(state, slot)) listed.push_back({slot, itemName(state.guildItems[slot])});
    return listed;
}

std::string carriedItemName(const GameState& state, int party) {
    return itemName(PartyTable::contains(party) ? state.parties[party].partyItem : 0);
}

bool equipItem(Game& game, int party, int slot) {
    GameState& state = game.state;
    if (!holdsEquippableItem(state, slot)) {
        game.presenter.inform(kChooseItemToEquip);
        return false;
    }
    // Only a party the window offers: one away or on a mission cannot be handed
    // anything, whatever a stale selection says.
    if (!canEquip(state, party)) {
        game.presenter.inform(kChoosePartyToEquip);
        return false;
    }
    RecordedAction recorded(game, "equip " + std::to_string(party) + " " + std::to_string(slot));
    std::swap(state.parties[party].partyItem, state.guildItems[slot]);
    return true;
}

Refusal takeOffRefusal(const GameState& state, int party) {
    if (!canEquip(state, party)) return kChoosePartyToTakeOff;
    if (state.parties[party].partyItem == 0) return kNothingToTakeOff;
    return std::nullopt;
}

bool takeOffItem(Game& game, int party) {
    GameState& state = game.state;
    if (takeOffRefusal(state, party)) return false;
    RecordedAction recorded(game, "unequip " + std::to_string(party));
    if (storePartyItem(state, party)) return true;
    game.presenter.inform(kNoRoomForItem);
    return false;
}

bool storePartyItem(GameState& state, int party) {
    TParty& p = state.parties[party];
    if (p.partyItem == 0) return true;
    for (int slot = 1; slot <= kGuildItemSlots; ++slot) {
        if (state.guildItems[slot] != 0) continue;
        state.guildItems[slot] = p.partyItem;
        p.partyItem = 0;
        return true;
    }
    return false;
}

bool discardItem(Game& game, int slot) {
    if (!holdsItem(game.state, slot)) {
        game.presenter.inform(kChooseItemToDiscard);
        return false;
    }
    RecordedAction recorded(game, "discard " + std::to_string(slot));
    game.state.guildItems[slot] = 0;
    return true;
}

}  // namespace orrowvale
