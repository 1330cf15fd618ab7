#include "lifecycle/citymap.h"

#include <cstdlib>
#include <set>

#include "game.h"
#include "parties/travel.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale {

void readMapData(Game& game) {
    loadCityList(game.state, game.paths);
    loadAdventurer(game.state.infoAdventurer, game.paths, "data\\richard.txt");
}

void readCityRectsForDrawing(Game& game) {
    try {
        loadCityRects(game.state, game.paths);
    } catch (const DataError&) {
    }
}

int cityAt(const GameState& state, int x, int y) {
    for (int city = 1; city <= state.cityBound(); ++city) {
        const CityRect& r = state.cityRects[city];
        if (r.left < x && x < r.right && r.top < y && y < r.bottom) return city;
    }
    return 0;
}

namespace {

// Every pair of cities a route file joins, each city listing the other. Only
// destinations with a route to them count, as in the move window.
std::vector<std::set<int>> joinedCities(const Game& game) {
    const int cities = game.state.cityBound();
    std::vector<std::set<int>> joined(cities + 1);
    for (int city = 1; city <= cities; ++city) {
        RouteFile routes;
        try {
            routes = prepareMove(game, city);
        } catch (const DataError&) {
            continue;
        }
        for (const ListRow& destination : destinationCities(game.state, routes)) {
            if (destination.number == city) continue;
            if (routesTo(game.state, routes, destination.number).empty()) continue;
            joined[city].insert(destination.number);
            joined[destination.number].insert(city);
        }
    }
    return joined;
}

std::string spokenMark(const GameState& state, const CityMark& mark) {
    std::string spoken = mark.name;
    if (mark.mainCharacterHere) spoken += ", 주인공 " + fullName(state.mainCharacter());
    if (mark.guildBranch) spoken += ", 길드 지부";
    if (mark.waitingParties > 0) spoken += ", 파티 " + std::to_string(mark.waitingParties);
    return spoken;
}

bool mainCharacterIn(const GameState& state, int city) {
    return state.currentCity == city &&
           Table<TAdven, kMaxAdventurers>::contains(state.mainchrnum) &&
           !state.mainCharacter().isFree();
}

int partiesWaitingIn(const GameState& state, int city) {
    int waiting = 0;
    for (const TParty& p : state.parties)
        if (p.inUse && p.location == city && !p.travelling && !p.onMission) ++waiting;
    return waiting;
}

}  // namespace

std::vector<CityMark> cityMarks(const Game& game) {
    const GameState& state = game.state;
    const std::vector<std::set<int>> joined = joinedCities(game);
    std::vector<CityMark> marks;
    for (int city = 1; city <= state.cityBound(); ++city) {
        CityMark mark;
        mark.city = city;
        mark.name = state.cityNames[city];
        mark.mainCharacterHere = mainCharacterIn(state, city);
        mark.guildBranch = state.guildBranches[city] == 1;
        mark.waitingParties = partiesWaitingIn(state, city);
        mark.neighbours.assign(joined[city].begin(), joined[city].end());
        mark.spot = state.cityRects[city];
        mark.spoken = spokenMark(state, mark);
        marks.push_back(std::move(mark));
    }
    return marks;
}

namespace {

// How far `to` lies from `from` along `direction`, and how far aside.
std::pair<int, int> offsetToward(const CityMark& from, const CityMark& to, MapDirection direction) {
    // Twice the distance between the centres, to stay in whole pixels.
    const int dx = to.spot.left + to.spot.right - from.spot.left - from.spot.right;
    const int dy = to.spot.top + to.spot.bottom - from.spot.top - from.spot.bottom;
    switch (direction) {
        case MapDirection::Left:
            return {-dx, std::abs(dy)};
        case MapDirection::Right:
            return {dx, std::abs(dy)};
        case MapDirection::Up:
            return {-dy, std::abs(dx)};
        case MapDirection::Down:
            return {dy, std::abs(dx)};
    }
    return {0, 0};
}

// The nearest of `candidates` that way, straight ahead counting nearer than
// aside; 0 for none.
int nearestToward(const std::vector<CityMark>& marks, const CityMark& from,
                  const std::vector<int>& candidates, MapDirection direction) {
    int best = 0;
    long bestScore = 0;
    for (int city : candidates) {
        if (city < 1 || city > static_cast<int>(marks.size()) || city == from.city) continue;
        const auto [along, aside] = offsetToward(from, marks[city - 1], direction);
        if (along <= 0 || aside > along) continue;
        const long score = along + 2L * aside;
        if (best == 0 || score < bestScore) {
            best = city;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace

int cityToward(const std::vector<CityMark>& marks, int from, MapDirection direction) {
    if (from < 1 || from > static_cast<int>(marks.size())) return from;
    const CityMark& here = marks[from - 1];
    if (int city = nearestToward(marks, here, here.neighbours, direction)) return city;
    std::vector<int> everyCity;
    for (const CityMark& mark : marks)
        everyCity.push_back(mark.city);
    if (int city = nearestToward(marks, here, everyCity, direction)) return city;
    return from;
}

}  // namespace orrowvale
