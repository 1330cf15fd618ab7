// The actions of the command window that stay in the city: ending turns, answering
// questions, visiting a place, contacting someone and the guild branch.

#include <algorithm>
#include <limits>
#include <optional>

#include "city/citycommands.h"
#include "city/heardnames.h"
#include "city/visit.h"
#include "game.h"
#include "parties/turn.h"
#include "playscript.h"
#include "transcript.h"

namespace orrowvale::sim {
namespace {

// `end N` stops a run of turns after N of them, as Escape or "멈춤" does.
void endAction(Player& player, const Action& action) {
    if (action.given[0]) player.presenter.stopTurnsAfter(action.values[0]);
    confirmAndEndTurn(player.game);
    player.presenter.stopTurnsAfter(std::numeric_limits<int>::max());
}

void answerAction(Player& player, const Action& action) {
    player.presenter.queueAnswers({action.values[0] == 0});
}

// The dialog lists the places before anything is chosen; PLACE must be one of them.
void visitAction(Player& player, const Action& action) {
    const ListRows places = placeRows(player.game.state);
    player.list("realcombo", places);
    std::optional<std::string> place;
    if (action.hasName) {
        if (std::none_of(places.begin(), places.end(),
                         [&](const ListRow& row) { return row.text == action.name; }))
            return player.refused(kNotOffered);
        place = action.name;
    }
    visitPlace(player.game, place);
}

// The box offers the names heard so far; the name is typed (or one of them chosen).
void contactAction(Player& player, const Action& action) {
    player.list(kHeardNamesControl, heardNameRows(player.game.state));
    contactPerson(player.game, action.name);
}

void branchAction(Player& player, const Action&) {
    if (offerGuildBranch(player.game) == BranchOffer::HasBranch) showGuildLists(player);
}

ArgumentForm stopAfterArg() {
    ArgumentForm arg;
    arg.what = "turns";
    arg.min = 1;
    arg.max = kEndTurnLimit;
    arg.optional = true;
    return arg;
}

ArgumentForm answerArg() {
    ArgumentForm arg;
    arg.what = "answer";
    arg.words = {"yes", "no"};
    return arg;
}

}  // namespace

std::vector<ActionForm> cityActions() {
    return {
        {"end", {stopAfterArg()}, NameUse::None, false, endAction},
        {"answer", {answerArg()}, NameUse::None, false, answerAction},
        {"visit", {}, NameUse::Optional, false, visitAction},
        {"contact", {}, NameUse::Optional, false, contactAction},
        {"branch", {}, NameUse::None, false, branchAction},
    };
}

}  // namespace orrowvale::sim
