// The actions of the command window and the map: ending turns, answering
// questions, visiting, contacting, the guild branch, saving and loading.

#include <algorithm>
#include <optional>

#include "Presenter.h"
#include "game.h"
#include "lifecycle/loadunit.h"
#include "lifecycle/saveunit.h"
#include "parties/movedialog.h"
#include "parties/turn.h"
#include "playscript.h"
#include "scripts/citycommands.h"
#include "transcript.h"
#include "world/gamestate.h"

namespace orrowvale::sim {
namespace {

void endAction(Player& player, const Action&) {
    if (!player.presenter.confirm(kEndTurnQuestion)) return;
    endTurn(player.game);
}

void answerAction(Player& player, const Action& action) {
    player.presenter.queueAnswers({action.values[0] == 0});
}

void visitAction(Player& player, const Action& action) {
    std::optional<std::string> place;
    if (action.hasName) {
        const std::vector<std::string> names = placeNames(player.game.state);
        if (std::find(names.begin(), names.end(), action.name) == names.end())
            return player.refused(kNotOffered);
        place = action.name;
    }
    visitPlace(player.game, place);
}

void contactAction(Player& player, const Action& action) {
    contactPerson(player.game, action.name);
}

void branchAction(Player& player, const Action&) {
    if (offerGuildBranch(player.game) == BranchOffer::HasBranch) showGuildLists(player);
}

void saveAction(Player& player, const Action& action) {
    saveGame(player.game.state, player.game.paths, action.values[0]);
}

void loadAction(Player& player, const Action& action) {
    loadGame(player.game, action.values[0]);
}

ArgSpec answerArg() {
    ArgSpec arg;
    arg.what = "answer";
    arg.words = {"yes", "no"};
    return arg;
}

}  // namespace

std::vector<ActionSpec> cityActions() {
    return {
        {"end", {}, NameUse::None, false, endAction},
        {"answer", {answerArg()}, NameUse::None, false, answerAction},
        {"visit", {}, NameUse::Optional, false, visitAction},
        {"contact", {}, NameUse::Optional, false, contactAction},
        {"branch", {}, NameUse::None, false, branchAction},
        {"save", {saveSlotArg()}, NameUse::None, false, saveAction},
        {"load", {saveSlotArg()}, NameUse::None, false, loadAction},
    };
}

}  // namespace orrowvale::sim
