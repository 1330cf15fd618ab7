// The actions of the party command list and its move and dispatch windows.

#include "game.h"
#include "parties/dispatch.h"
#include "parties/errandsummary.h"
#include "parties/partycommands.h"
#include "parties/travel.h"
#include "playscript.h"
#include "world/gamestate.h"

namespace orrowvale::sim {
namespace {

void partiesAction(Player& player, const Action& action) {
    const GameState& state = player.game.state;
    const int city = action.given[0] ? action.values[0] : state.currentCity;
    // The map offers only the cities of the world.
    if (city < 1 || city > state.cityBound()) return player.refused(kNotOffered);
    player.list("partylist", openCommandList(player.game, city));
}

// Chooses the party in the command list of the city where it stands and presses
// "이동" or "모험": false, after saying why, when it is not listed there or the
// button is disabled for it.
bool chooseListedParty(Player& player, int party) {
    const GameState& state = player.game.state;
    const int city = state.parties[party].location;
    if (!offers(partiesInCity(state, city), party)) {
        player.refused(kNotOffered);
        return false;
    }
    openCommandList(player.game, city);
    if (const Refusal why = whyPartyCannotLeave(state, party)) {
        player.refused(*why);
        return false;
    }
    return true;
}

// ROUTE counts the routes listed for the destination, as their rows are printed: a
// script names a route by its place in the drop-down, which shows no number of its
// own; "-" presses "확인" with no route chosen.
void moveAction(Player& player, const Action& action) {
    const int party = action.values[0];
    if (!chooseListedParty(player, party)) return;
    Game& game = player.game;
    const RouteFile routes = prepareMove(game, game.state.commandCity);
    const ListRows cities = destinationCities(game.state, routes);
    player.list("destcombo", cities);
    const int destination = action.values[1];
    if (!offers(cities, destination)) return player.refused(kNotOffered);
    const ListRows ways = routesTo(game.state, routes, destination);
    for (std::size_t row = 0; row < ways.size(); ++row)
        player.list("waycombo", static_cast<int>(row) + 1, ways[row].text);
    const int row = action.values[2];  // 0 for "-"
    if (row > static_cast<int>(ways.size())) return player.refused(kNotOffered);
    int route = 0;
    if (row > 0) {
        route = ways[static_cast<std::size_t>(row - 1)].number;
        const TWay& way = routes.ways[route];
        player.label("costlabel", kCostCaption + std::to_string(way.costPerMember));
        player.label("timelabel", kTimeCaption + std::to_string(way.travelTime));
    }
    departParty(game, party, routes, destination, route);
}

// The lines under the targets once one is chosen, as the window shows them.
void showErrandSummary(Player& player, int party, Errand kind, int target, int number) {
    const auto summary = errandSummary(player.game, party, kind, target, number);
    if (!summary) return;
    player.label("wherelabel", summary->where);
    player.label("lengthlabel", summary->length);
    player.label("rewardlabel", summary->reward);
    if (!summary->cost.empty()) player.label("costlabel", summary->cost);
    player.label("risklabel", summary->risk);
    player.label("successlabel", summary->success);
}

// N is typed into the kind's field (the depth of a dungeon, the turns of a search),
// which holds it to what the target allows; left out, the field keeps what it held.
// A quest or a war takes no number.
void dispatchAction(Player& player, const Action& action) {
    const int party = action.values[0];
    if (!chooseListedParty(player, party)) return;
    Game& game = player.game;
    const auto kind = static_cast<Errand>(action.values[1]);
    const ListRows targets = openTargets(game.state, kind, game.state.commandCity);
    player.list("datacombo", targets);
    const std::string note = missingSitesNote(game.state, kind, game.state.commandCity);
    if (!note.empty()) player.label("notargetlabel", note);
    const int target = action.values[2];
    if (!offers(targets, target)) return player.refused(kNotOffered);
    int* field = kind == Errand::Dungeon  ? &player.depthField
                 : kind == Errand::Search ? &player.turnsField
                                          : nullptr;
    if (field && action.given[3]) *field = action.values[3];
    if (field) *field = numberForTarget(game, party, kind, target, *field);
    const int number = field ? *field : 1;
    showErrandSummary(player, party, kind, target, number);
    dispatchParty(game, party, kind, target, number);
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

std::vector<ActionForm> partyActions() {
    return {
        {"parties", {optionalCityArg()}, NameUse::None, false, partiesAction},
        {"move", {partyArg(), cityArg(), routeArg()}, NameUse::None, false, moveAction},
        {"dispatch",
         {partyArg(), errandArg(), entryArg(), numberFieldArg()},
         NameUse::None,
         false,
         dispatchAction},
    };
}

}  // namespace orrowvale::sim
