#include "parties/travel.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "Presenter.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "parties/party.h"
#include "parties/partycommands.h"
#include "parties/turnreport.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/numbers.h"
#include "world/particles.h"
#include "world/worldload.h"

namespace orrowvale {
namespace {

bool isCityOfTheWorld(const GameState& state, std::int64_t city) {
    return city >= 1 && city <= state.cityBound();
}

void readDestinations(LineReader& reader, RouteFile& routes) {
    int count = 0;
    while (!reader.atEnd()) {
        std::string line = reader.readLine();
        if (line == marker::end) return;
        std::int32_t city = 0;
        if (!parseWholeNumber(line, city)) reader.fail("a destination city number or [END]", line);
        // Destinations beyond the hundredth are read and dropped.
        if (++count <= kMaxDestinations) routes.destinations[count] = city;
    }
}

TWay readWay(LineReader& reader) {
    TWay way;
    way.wayDefined = true;
    way.wayName = reader.readLine();
    way.travelTime = reader.readWholeNumber("the travel time of the route");
    way.costPerMember = reader.readWholeNumber("the cost per member of the route");
    way.wayText = reader.readLine();
    way.wayDestination = reader.readWholeNumber("the destination city of the route");
    way.waySpare = reader.readWholeNumber("the spare number of the route");
    return way;
}

}  // namespace

RouteFile readRouteFile(const GamePaths& paths, const std::string& nameInData) {
    LineReader reader = LineReader::openData(paths, nameInData);
    RouteFile routes;
    reader.readLine();
    readDestinations(reader, routes);
    reader.readWholeNumber("a number after the destinations");
    for (int block = 1; block <= kMaxWays && reader.skipToMarker(marker::start); ++block)
        routes.ways[block] = readWay(reader);
    return routes;
}

RouteFile prepareMove(const Game& game, int origin) {
    if (!isCityOfTheWorld(game.state, origin)) return {};
    // A route list shorter than the city list leaves the later cities without one.
    if (game.state.routeFiles[origin].empty())
        throw DataError(GamePaths::shown(kRouteList), origin,
                        "expected the route file of city " + std::to_string(origin) +
                            ", found an empty line or the end of the file");
    return readRouteFile(game.paths, game.state.routeFiles[origin]);
}

ListRows destinationCities(const GameState& state, const RouteFile& routes) {
    ListRows cities;
    for (std::int32_t city : routes.destinations)
        if (city != 0 && isCityOfTheWorld(state, city))
            cities.push_back({city, state.cityNames[city]});
    return cities;
}

ListRows routesTo(const GameState& state, const RouteFile& routes, int destination) {
    ListRows found;
    if (destination == 0 || !offers(destinationCities(state, routes), destination)) return found;
    for (int number = 1; number <= kMaxWays; ++number) {
        const TWay& way = routes.ways[number];
        if (way.wayDefined && way.wayDestination == destination)
            found.push_back({number, way.wayName});
    }
    return found;
}

Departure departParty(Game& game, int party, const RouteFile& routes, int destination, int route) {
    GameState& state = game.state;
    // A party already on the road or away on a mission cannot set off (and pay) again.
    if (!canMoveOrDispatch(state, party) || destination == 0) return Departure::NoChoice;
    const ListRows ways = routesTo(state, routes, destination);
    const auto chosen = std::find_if(ways.begin(), ways.end(),
                                     [route](const ListRow& row) { return row.number == route; });
    if (chosen == ways.end()) {
        game.presenter.inform(kChooseRoute);
        return Departure::Refused;
    }
    // The scripted player names a route by its row in the drop-down.
    RecordedAction recorded(game, "move " + std::to_string(party) + " " +
                                      std::to_string(destination) + " " +
                                      std::to_string(chosen - ways.begin() + 1));
    const TWay& way = routes.ways[route];
    if (state.cityNations[way.wayDestination] != state.playerNation) {
        game.presenter.inform("적국으로의 이동은 불가능합니다.");
        return Departure::Refused;
    }
    std::int64_t price = std::int64_t{memberCount(state, party)} * way.costPerMember;
    if (price >= state.gold) {
        game.presenter.inform("돈이 모자랍니다.");
        return Departure::Refused;
    }
    state.gold = saturatingAdd(state.gold, -price);
    startTravel(state, party, way.travelTime, way.wayDestination);
    game.presenter.inform("이동에는 " + std::to_string(way.travelTime) + "턴이 걸립니다.");
    return Departure::Left;
}

Departure departParty(Game& game, int party, int destination, int route) {
    return departParty(game, party, prepareMove(game, game.state.parties[party].location),
                       destination, route);
}

void startTravel(GameState& state, int party, int time, int destination) {
    TParty& p = state.parties[party];
    p.travelling = true;
    // A journey given less than no time takes none, as a save can only hold that.
    p.travelTurnsLeft = std::max(time, 0);
    p.travelDestination = destination;
    for (std::int32_t member : p.members)
        if (Table<TAdven, kMaxAdventurers>::contains(member))
            state.adventurers[member].busyFlag = 1;
}

void travelOneTurn(Game& game, int party) {
    GameState& state = game.state;
    TParty& p = state.parties[party];
    if (p.travelTurnsLeft > 0) --p.travelTurnsLeft;
    // A journey given no time, or less than none, is over at once rather than never.
    if (p.travelTurnsLeft > 0) return;

    p.travelling = false;
    // A destination that names no city of the world (a damaged save) leaves the
    // party where it set out from.
    if (isCityOfTheWorld(state, p.travelDestination)) p.location = p.travelDestination;
    for (std::int32_t member : p.members) {
        if (!Table<TAdven, kMaxAdventurers>::contains(member)) continue;
        TAdven& adventurer = state.adventurers[member];
        adventurer.busyFlag = 0;
        adventurer.location = p.location;
        // A party standing in no city (a damaged save) takes nobody's city away.
        if (member == state.mainchrnum && CityTable::contains(p.location)) {
            state.currentCity = p.location;
            game.presenter.enableGuildButtons();
        }
    }
    std::string cityName =
        CityTable::contains(p.location) ? state.cityNames[p.location] : std::string();
    tellReport(game, withParticle(p.partyName, Particle::Subject, "이(가)") + " " +
                         withParticle(cityName, Particle::Direction, "으로") +
                         "의 이동을 완료하였습니다.");
}

}  // namespace orrowvale
