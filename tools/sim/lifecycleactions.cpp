// The actions of the save window and the title's Load Game.

#include "game.h"
#include "lifecycle/loadgame.h"
#include "lifecycle/savegame.h"
#include "playscript.h"

namespace orrowvale::sim {
namespace {

void saveAction(Player& player, const Action& action) {
    saveToSlot(player.game, action.values[0]);
}

void loadAction(Player& player, const Action& action) {
    loadGame(player.game, action.values[0]);
}

}  // namespace

std::vector<ActionForm> lifecycleActions() {
    return {
        {"save", {saveSlotArg()}, NameUse::None, false, saveAction},
        {"load", {saveSlotArg()}, NameUse::None, false, loadAction},
    };
}

}  // namespace orrowvale::sim
