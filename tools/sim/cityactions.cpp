// The actions of the command window and the map: ending turns, answering
// questions, visiting, contacting, the guild branch, the party command list with
// its move and dispatch windows, saving and loading.

#include <algorithm>
#include <optional>

#include "Presenter.h"
#include "city/citycommands.h"
#include "city/visit.h"
#include "game.h"
#include "lifecycle/loadgame.h"
#include "lifecycle/savegame.h"
#include "parties/dispatch.h"
#include "parties/partycommands.h"
#include "parties/travel.h"
#include "parties/turn.h"
#include "playscript.h"
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

void partiesAction(Player& player, const Action& action) {
    const GameState& state = player.game.state;
    const int city = action.given[0] ? action.values[0] : state.currentCity;
    // The map offers only the cities of the world.
    if (city < 1 || city > state.cityBound()) return player.refused(kNotOffered);
    for (int party : openCommandList(player.game, city))
        player.list("partylist", party, state.parties[party].partyName);
}

// Chooses the party in the command list of the city where it stands and presses
// "이동" or "모험": false, after saying why, when it is not listed there or the
// button is disabled for it.
bool chooseListedParty(Player& player, int party) {
    const GameState& state = player.game.state;
    const int city = state.parties[party].location;
    const std::vector<int> listed = partiesInCity(state, city);
    if (std::find(listed.begin(), listed.end(), party) == listed.end()) {
        player.refused(kNotOffered);
        return false;
    }
    openCommandList(player.game, city);
    const std::string why = whyPartyCannotLeave(state, party);
    if (!why.empty()) {
        player.refused(why);
        return false;
    }
    return true;
}

// ROUTE counts the routes listed for the destination, as their rows are printed;
// "-" presses "확인" with no route chosen.
void moveAction(Player& player, const Action& action) {
    const int party = action.values[0];
    if (!chooseListedParty(player, party)) return;
    Game& game = player.game;
    const RouteFile routes = prepareMove(game, game.state.commandCity);
    const std::vector<int> cities = destinationCities(game.state, routes);
    for (int city : cities)
        player.list("destcombo", city, game.state.cityNames[city]);
    const int destination = action.values[1];
    if (std::find(cities.begin(), cities.end(), destination) == cities.end())
        return player.refused(kNotOffered);
    const std::vector<int> ways = routesTo(game.state, routes, destination);
    for (std::size_t row = 0; row < ways.size(); ++row)
        player.list("waycombo", static_cast<int>(row) + 1, routes.ways[ways[row]].wayName);
    const int row = action.values[2];
    if (row > static_cast<int>(ways.size())) return player.refused(kNotOffered);
    int route = 0;
    if (row > 0) {
        route = ways[row - 1];
        const TWay& way = routes.ways[route];
        player.label("costlabel", kCostCaption + std::to_string(way.costPerMember));
        player.label("timelabel", kTimeCaption + std::to_string(way.travelTime));
    }
    departParty(game, party, routes, destination, route);
}

// N is typed into the number field only where the kind enables it; otherwise, and
// when left out, the field keeps what it held.
void dispatchAction(Player& player, const Action& action) {
    const int party = action.values[0];
    if (!chooseListedParty(player, party)) return;
    Game& game = player.game;
    const auto kind = static_cast<Errand>(action.values[1]);
    const ListRows targets = openTargets(game.state, kind, game.state.commandCity);
    for (const ListRow& target : targets)
        player.list("datacombo", target.number, target.text);
    const int target = action.values[2];
    if (std::none_of(targets.begin(), targets.end(),
                     [target](const ListRow& t) { return t.number == target; }))
        return player.refused(kNotOffered);
    if (action.given[3] && numberFieldFor(kind).enabled) player.numberField = action.values[3];
    dispatchParty(game, party, kind, target, player.numberField);
}

void saveAction(Player& player, const Action& action) {
    saveGame(player.game.state, player.game.paths, action.values[0]);
}

void loadAction(Player& player, const Action& action) {
    loadGame(player.game, action.values[0]);
}

ArgumentForm answerArg() {
    ArgumentForm arg;
    arg.what = "answer";
    arg.words = {"yes", "no"};
    return arg;
}

ArgumentForm optionalCityArg() {
    ArgumentForm arg = cityArg();
    arg.optional = true;
    return arg;
}

ArgumentForm routeArg() {
    ArgumentForm arg;
    arg.what = "route";
    arg.min = 1;
    arg.max = kMaxWays;
    arg.dash = true;
    return arg;
}

// In the order of the dispatch window's kinds.
ArgumentForm errandArg() {
    ArgumentForm arg;
    arg.what = "kind";
    arg.words = {"quest", "search", "war", "dungeon"};
    return arg;
}

ArgumentForm numberFieldArg() {
    ArgumentForm arg;
    arg.what = "number";
    arg.min = kNumberFieldMin;
    arg.max = kNumberFieldMax;
    arg.optional = true;
    return arg;
}

}  // namespace

std::vector<ActionForm> cityActions() {
    return {
        {"end", {}, NameUse::None, false, endAction},
        {"answer", {answerArg()}, NameUse::None, false, answerAction},
        {"visit", {}, NameUse::Optional, false, visitAction},
        {"contact", {}, NameUse::Optional, false, contactAction},
        {"branch", {}, NameUse::None, false, branchAction},
        {"parties", {optionalCityArg()}, NameUse::None, false, partiesAction},
        {"move", {partyArg(), cityArg(), routeArg()}, NameUse::None, false, moveAction},
        {"dispatch",
         {partyArg(), errandArg(), entryArg(), numberFieldArg()},
         NameUse::None,
         false,
         dispatchAction},
        {"save", {saveSlotArg()}, NameUse::None, false, saveAction},
        {"load", {saveSlotArg()}, NameUse::None, false, loadAction},
    };
}

}  // namespace orrowvale::sim
