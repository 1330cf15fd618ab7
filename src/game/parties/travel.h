#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "listrow.h"
#include "world/table.h"

namespace orrowvale {

class GamePaths;
struct Game;
struct GameState;

// One route out of a city, as its route file lists it.
class TWay {
  public:
    bool wayDefined = false;
    std::string wayName;
    std::int32_t travelTime = 0;
    std::int32_t costPerMember = 0;
    std::string wayText;  // read with the route, never shown
    std::int32_t wayDestination = 0;
    std::int32_t waySpare = 0;  // read with the route, never used
};

inline constexpr int kMaxDestinations = 100;
inline constexpr int kMaxWays = 100;

// What the move window offers from one city: the destinations its route file
// lists (0 = empty entry) and its routes (undefined entries are ignored).
struct RouteFile {
    Table<std::int32_t, kMaxDestinations> destinations;
    Table<TWay, kMaxWays> ways;
};

// Reads a route file named inside a data file, relative to "data\": a first line of
// free text, destination city numbers up to "[END]", one unused number, then route
// blocks each opened by "[START]". Throws DataError naming the file and line.
RouteFile readRouteFile(const GamePaths& paths, const std::string& nameInData);
// The route file of a city, as the move window is prepared for a party standing
// there. A city outside the world has no routes.
RouteFile prepareMove(const Game& game, int origin);

// The cities the destination list shows, in list order, by name. A number naming no
// city of the world is left out, so the player can never set off towards it.
ListRows destinationCities(const GameState& state, const RouteFile& routes);
// The routes the route list shows for a chosen destination, each row a route number
// (1-based entry of `ways`) and its name: defined routes leading there, in file
// order; none when the destination is not offered.
ListRows routesTo(const GameState& state, const RouteFile& routes, int destination);

// The move window's two labels: these captions, then the chosen route's price per
// member and its travel time.
inline constexpr const char* kCostCaption = "소요 금액(1인): ";
inline constexpr const char* kTimeCaption = "소요 시간: ";
inline constexpr const char* kChooseRoute =
    "가는 길을 선택하지 않으셨습니다. 경로를 골라 주십시오.";

// How the "확인" button of the move window ended.
enum class Departure {
    Left,      // paid and on the road; the window closes
    Refused,   // the player was told why; the window stays open
    NoChoice,  // no destination was chosen, or the party cannot leave; the window closes
};

// The player's choice in the move window: destination city and route number, 0
// for no selection. Refuses a destination without one of its routes chosen
// (kChooseRoute), then a city of another nation before the price is looked at, and
// a price equal to or above the gold in hand. A party that is not idle in
// its city does not leave.
Departure departParty(Game& game, int party, const RouteFile& routes, int destination, int route);
// The same from the route file of the city where the party stands.
Departure departParty(Game& game, int party, int destination, int route);

// Puts the party on the road; its members are busy until it arrives.
void startTravel(GameState& state, int party, int time, int destination);
// One turn on the road: counts down and, at the end of the journey, brings the
// party into its destination and reports it.
void travelOneTurn(Game& game, int party);

}  // namespace orrowvale
