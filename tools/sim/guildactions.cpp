// The actions of the guild window, the two detail panels, the equipment window and
// the trading post.

#include "game.h"
#include "guild/adventurerpanel.h"
#include "guild/equipment.h"
#include "guild/guildwindow.h"
#include "guild/partypanel.h"
#include "guild/tradingpost.h"
#include "parties/partyoverview.h"
#include "playscript.h"
#include "world/gamestate.h"

namespace orrowvale::sim {
namespace {

void showLines(Player& player, const std::vector<PanelLine>& lines) {
    for (const PanelLine& line : lines)
        player.label(line.control, line.text);
}

void showItems(Player& player) {
    player.list("itemlist", storedItemSlots(player.game.state));
}

// Whether the guild window opens here; prints why when it does not.
bool openGuildWindow(Player& player) {
    const Refusal refusal = guildWindowRefusal(player.game.state);
    if (!refusal) return true;
    player.refused(*refusal);
    return false;
}

void guildAction(Player& player, const Action&) {
    if (openGuildWindow(player)) showGuildLists(player);
}

void infoAction(Player& player, const Action& action) {
    const GameState& state = player.game.state;
    const int adventurer = action.values[0];
    if (!openGuildWindow(player)) return;
    if (!guildOffersAdventurer(state, adventurer)) return player.refused(kNotOffered);
    showLines(player, adventurerPanelLines(state.adventurers[adventurer]));
}

void partyInfoAction(Player& player, const Action& action) {
    const GameState& state = player.game.state;
    const int party = action.values[0];
    if (!openGuildWindow(player)) return;
    if (!guildOffersParty(state, party)) return player.refused(kNotOffered);
    showLines(player, partyPanelLines(state, party));
}

// "파티 현황": every party, wherever it stands.
void overviewAction(Player& player, const Action&) {
    player.list("overviewlist", partyOverviewRows(player.game.state));
}

void equipmentAction(Player& player, const Action&) {
    const GameState& state = player.game.state;
    player.list("partylist", equippableParties(state));
    showItems(player);
    player.label("pitemla", carriedItemName(state, 0));
}

bool offeredSlot(const GameState& state, int slot) {
    return state.guildItems[slot] != 0;
}

void equipAction(Player& player, const Action& action) {
    const int party = action.values[0];
    const int slot = action.values[1];
    if (!canEquip(player.game.state, party) || !offeredSlot(player.game.state, slot))
        return player.refused(kNotOffered);
    if (!equipItem(player.game, party, slot)) return;
    showItems(player);
    player.label("pitemla", carriedItemName(player.game.state, party));
}

void unequipAction(Player& player, const Action& action) {
    const int party = action.values[0];
    if (!canEquip(player.game.state, party)) return player.refused(kNotOffered);
    if (const Refusal refusal = takeOffRefusal(player.game.state, party))
        return player.refused(*refusal);
    if (!takeOffItem(player.game, party)) return;
    showItems(player);
    player.label("pitemla", carriedItemName(player.game.state, party));
}

void discardAction(Player& player, const Action& action) {
    if (!offeredSlot(player.game.state, action.values[0])) return player.refused(kNotOffered);
    if (discardItem(player.game, action.values[0])) showItems(player);
}

// A click on the row of the contract of trade slot `slot`: the reward label shows
// its pay. False (and "not offered") when no row holds it.
bool chooseContract(Player& player, int slot) {
    if (!offers(contractRows(player.game.state), slot)) {
        player.refused(kNotOffered);
        return false;
    }
    player.label("cfeelabel", rewardText(player.game.state, slot));
    const ContractOutline outline = contractOutline(player.game, slot);
    player.label("cwherelabel", outline.where);
    player.label("cturnslabel", outline.turns);
    player.label("crisklabel", outline.risk);
    return true;
}

// The list as the trading post opens, then the row of SLOT when one is named.
void tradeAction(Player& player, const Action& action) {
    player.list("clist", contractRows(player.game.state));
    if (action.given[0]) chooseContract(player, action.values[0]);
}

void takeAction(Player& player, const Action& action) {
    const int slot = action.values[0];
    if (!chooseContract(player, slot)) return;
    takeContract(player.game, slot, chooserPicking(player, action.values[1]));
}

ArgumentForm optionalTradeSlotArg() {
    ArgumentForm arg = tradeSlotArg();
    arg.optional = true;
    return arg;
}

}  // namespace

void showGuildLists(Player& player) {
    const GuildLists lists = guildWindowLists(player.game.state);
    player.list("guildadvlist", lists.members);
    player.list("taskpartylist", lists.parties);
}

std::vector<ActionForm> guildActions() {
    return {
        {"guild", {}, NameUse::None, false, guildAction},
        {"info", {adventurerArg()}, NameUse::None, false, infoAction},
        {"partyinfo", {partyArg()}, NameUse::None, false, partyInfoAction},
        {"overview", {}, NameUse::None, false, overviewAction},
        {"equipment", {}, NameUse::None, false, equipmentAction},
        {"equip", {partyArg(), itemSlotArg()}, NameUse::None, false, equipAction},
        {"unequip", {partyArg()}, NameUse::None, false, unequipAction},
        {"discard", {itemSlotArg()}, NameUse::None, false, discardAction},
        {"trade", {optionalTradeSlotArg()}, NameUse::None, false, tradeAction},
        {"take", {tradeSlotArg(), partyArg()}, NameUse::None, false, takeAction},
    };
}

}  // namespace orrowvale::sim
