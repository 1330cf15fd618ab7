// The actions of the party setup window and the chooser it opens.

#include <optional>

#include "game.h"
#include "guild/partysetup.h"
#include "playscript.h"
#include "world/gamestate.h"

namespace orrowvale::sim {
namespace {

void printParties(Player& player) {
    player.list("partylist", partyRows(player.game.state));
}

// The script names a member by its adventurer number, so each row prints that
// rather than the member slot the window keeps.
void printMembers(Player& player, int party) {
    const GameState& state = player.game.state;
    for (const ListRow& row : memberRows(state, party))
        player.list("memberlist", state.parties[party].members[row.number], row.text);
}

// Whether the window can be opened; prints why when it cannot.
bool openSetup(Player& player) {
    const Refusal refusal = partySetupRefusal(player.game.state);
    if (!refusal) return true;
    player.refused(*refusal);
    return false;
}

// The party's row in the party list of the open window; false (and why) when the
// window cannot open or the party has no row.
bool selectParty(Player& player, int party) {
    if (!openSetup(player)) return false;
    if (offers(partyRows(player.game.state), party)) return true;
    player.refused(kNotOffered);
    return false;
}

// The member slot of the adventurer's row in the member list, or 0.
int selectMember(Player& player, int party, int adventurer) {
    const GameState& state = player.game.state;
    for (const ListRow& row : memberRows(state, party))
        if (state.parties[party].members[row.number] == adventurer) return row.number;
    player.refused(kNotOffered);
    return 0;
}

// Whether the button can be pressed; prints its tooltip when it cannot.
bool press(Player& player, SetupAction action, int party, int slot) {
    const Refusal refusal = setupRefusal(player.game.state, action, party, slot);
    if (!refusal) return true;
    player.refused(*refusal);
    return false;
}

void setupAction(Player& player, const Action&) {
    if (openSetup(player)) printParties(player);
}

void foundAction(Player& player, const Action& action) {
    if (!openSetup(player)) return;
    if (foundParty(player.game, chooserPicking(player, action.values[0]))) printParties(player);
}

void addAction(Player& player, const Action& action) {
    const int party = action.values[0];
    if (!selectParty(player, party) || !press(player, SetupAction::Add, party, 0)) return;
    if (addToParty(player.game, party, chooserPicking(player, action.values[1])))
        printMembers(player, party);
}

// Selects the party and the member of `action`, then checks the button: the slot,
// or 0 when the action stops there.
int selectForMember(Player& player, const Action& action, SetupAction button) {
    const int party = action.values[0];
    if (!selectParty(player, party)) return 0;
    const int slot = selectMember(player, party, action.values[1]);
    if (slot == 0 || !press(player, button, party, slot)) return 0;
    return slot;
}

void removeAction(Player& player, const Action& action) {
    const int party = action.values[0];
    const int slot = selectForMember(player, action, SetupAction::Remove);
    if (slot == 0) return;
    switch (removeFromParty(player.game, party, slot)) {
        case Leaving::Left:
            return printMembers(player, party);
        case Leaving::Disbanded:
            return printParties(player);
        case Leaving::Refused:
            return;
    }
}

void leaderAction(Player& player, const Action& action) {
    const int party = action.values[0];
    const int slot = selectForMember(player, action, SetupAction::Leader);
    if (slot != 0 && makeLeader(player.game, party, slot))
        player.label("leaderlabel", leaderName(player.game.state, party));
}

void placeAction(Player& player, const Action& action) {
    const int party = action.values[0];
    const int slot = selectForMember(player, action, SetupAction::Place);
    if (slot == 0) return;
    placeMember(player.game, party, slot, action.values[2]);
    // The grid names whoever stands where the chosen member now stands.
    const auto marks = formationMarks(player.game.state, party, slot);
    const auto names = formationNames(player.game.state, party);
    for (int position = 1; position <= kPartySize; ++position)
        if (marks[static_cast<std::size_t>(position - 1)])
            player.label("loc" + std::to_string(position),
                         names[static_cast<std::size_t>(position - 1)]);
}

void renameAction(Player& player, const Action& action) {
    const int party = action.values[0];
    if (!selectParty(player, party) || !press(player, SetupAction::Rename, party, 0)) return;
    if (renameParty(player.game, party, action.name)) printParties(player);
}

void disbandAction(Player& player, const Action& action) {
    const int party = action.values[0];
    if (!selectParty(player, party) || !press(player, SetupAction::Disband, party, 0)) return;
    if (disbandByPlayer(player.game, party)) printParties(player);
}

void defenceAction(Player& player, const Action& action) {
    const int party = action.values[0];
    if (!selectParty(player, party) || !press(player, SetupAction::Defence, party, 0)) return;
    showDefence(player.game, party);
}

}  // namespace

std::vector<ActionForm> partySetupActions() {
    return {
        {"setup", {}, NameUse::None, false, setupAction},
        {"found", {adventurerArg()}, NameUse::None, false, foundAction},
        {"add", {partyArg(), adventurerArg()}, NameUse::None, false, addAction},
        {"remove", {partyArg(), adventurerArg()}, NameUse::None, false, removeAction},
        {"leader", {partyArg(), adventurerArg()}, NameUse::None, false, leaderAction},
        {"place", {partyArg(), adventurerArg(), positionArg()}, NameUse::None, false, placeAction},
        {"rename", {partyArg()}, NameUse::Optional, false, renameAction},
        {"disband", {partyArg()}, NameUse::None, false, disbandAction},
        {"defence", {partyArg()}, NameUse::None, false, defenceAction},
    };
}

}  // namespace orrowvale::sim
