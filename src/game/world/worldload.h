#pragma once

#include <string_view>

namespace orrowvale {

class GamePaths;
struct GameState;

// The world loaders: each reads its data files into the game state. A line that
// names an index outside its table is ignored, never written. A missing or broken
// file throws DataError naming the file and line.

// The list of route files, one line per city.
inline constexpr std::string_view kRouteList = "data\\common\\movefile.txt";

// `cityCount` and `cityNames`. Must run before every other loader.
void loadCityList(GameState& state, const GamePaths& paths);
void loadCityRects(GameState& state, const GamePaths& paths);
void loadCityNations(GameState& state, const GamePaths& paths, std::string_view file);
void loadRouteFiles(GameState& state, const GamePaths& paths);
// Appends the places of a place list to the cities' places.
void loadPlaceList(GameState& state, const GamePaths& paths, std::string_view file);
// Replaces the set of cities the visit dialog offers.
void loadVisitableCities(GameState& state, const GamePaths& paths, std::string_view file);
void loadSearchSites(GameState& state, const GamePaths& paths);
void loadDungeonSites(GameState& state, const GamePaths& paths);
void loadWars(GameState& state, const GamePaths& paths);
// Names, files and active flags; the quests' turns left are left alone.
void loadQuests(GameState& state, const GamePaths& paths);

}  // namespace orrowvale
