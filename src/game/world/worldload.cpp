#include "world/worldload.h"

#include <algorithm>
#include <functional>
#include <string>

#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

// A number list: free text up to "[START]", then number tokens up to a 0 or the end
// of the file. Calls `open` for every number.
void readNumberList(LineReader& reader, const std::function<void(int)>& open) {
    reader.skipToMarker(marker::start);
    for (;;) {
        int number = reader.readNumberToken("a number (0 ends the list)");
        if (number == 0) return;
        open(number);
    }
}

// A pair list: a count, then name and file lines. Calls `store` for entries
// 1..limit; pairs beyond the table are read and dropped.
void readPairList(LineReader& reader, int limit,
                  const std::function<void(int, std::string, std::string)>& store) {
    int count = reader.readNumberToken("the number of entries");
    for (int k = 1; k <= count && !reader.atEnd(); ++k) {
        std::string name = reader.readText("a name");
        std::string file = reader.readFileName("a file name");
        if (k <= limit) store(k, std::move(name), std::move(file));
    }
}

template <typename Site>
void loadSites(Table<Table<Site, kMaxSitesPerCity>, kMaxCities>& sites, const GameState& state,
               const GamePaths& paths, std::string_view listFile) {
    for (auto& city : sites)
        city.fill(Site{});
    LineReader list = LineReader::open(paths, listFile);
    for (int city = 1; city <= state.cityBound(); ++city) {
        auto& citySites = sites[city];
        std::string pairFile = list.readFileName("a file name");
        LineReader pairs = LineReader::openNamedBy(paths, pairFile, list);
        readPairList(pairs, kMaxSitesPerCity, [&](int k, std::string name, std::string file) {
            citySites[k].name = std::move(name);
            citySites[k].file = std::move(file);
        });
        std::string numberFile = list.readFileName("a file name");
        LineReader numbers = LineReader::openNamedBy(paths, numberFile, list);
        readNumberList(numbers, [&](int n) {
            if (citySites.contains(n)) citySites[n].open = 1;
        });
    }
}

template <typename Entry, int N>
void loadCampaigns(Table<Entry, N>& table, const GamePaths& paths, std::string_view listFile,
                   std::string_view flagFile) {
    for (Entry& entry : table) {
        entry.name = kNone;
        entry.file = kNone;
        entry.active = 0;
    }
    LineReader list = LineReader::open(paths, listFile);
    readPairList(list, N, [&](int k, std::string name, std::string file) {
        table[k].name = std::move(name);
        table[k].file = std::move(file);
    });
    LineReader flags = LineReader::open(paths, flagFile);
    readNumberList(flags, [&](int n) {
        if (table.contains(n)) table[n].active = 1;
    });
}

}  // namespace

void loadCityList(GameState& state, const GamePaths& paths) {
    LineReader reader = LineReader::open(paths, "data\\city.txt");
    int count = reader.readWholeNumber("the number of cities");
    // More cities than the tables hold: the first hundred are the world.
    state.cityCount = std::clamp(count, 0, kMaxCities);
    for (int city = 1; city <= state.cityCount && !reader.atEnd(); ++city)
        state.cityNames[city] = reader.readLine();
}

void loadCityRects(GameState& state, const GamePaths& paths) {
    LineReader reader = LineReader::open(paths, "data\\citylocs.txt");
    for (int city = 1; city <= state.cityBound(); ++city) {
        CityRect& rect = state.cityRects[city];
        rect.left = reader.readNumberTokenOnLine("the left edge of the city's rectangle");
        rect.right = reader.readNumberTokenOnLine("the right edge of the city's rectangle");
        rect.top = reader.readNumberTokenOnLine("the top edge of the city's rectangle");
        rect.bottom = reader.readNumberTokenOnLine("the bottom edge of the city's rectangle");
        reader.skipRestOfLine();
    }
}

void loadCityNations(GameState& state, const GamePaths& paths, std::string_view file) {
    LineReader reader = LineReader::openData(paths, file);
    for (int city = 1; city <= state.cityBound(); ++city)
        state.cityNations[city] = reader.readNumberToken("the nation number of the city");
}

void loadRouteFiles(GameState& state, const GamePaths& paths) {
    LineReader reader = LineReader::open(paths, kRouteList);
    for (int city = 1; city <= state.cityBound(); ++city)
        state.routeFiles[city] = reader.readFileName("a route file name");
}

void loadPlaceList(GameState& state, const GamePaths& paths, std::string_view file) {
    LineReader reader = LineReader::openData(paths, file);
    reader.readLine();
    int city = 1;
    while (!reader.atEnd()) {
        std::string line = reader.readText("a place name, \":city\" or \"[END]\"");
        if (line == marker::end) break;
        if (line == marker::city) {
            int next = reader.readNumberToken("a city number");
            // Entries under a city outside the table are dropped until the next ":city".
            city = state.cityPlaceCount.contains(next) ? next : 0;
            continue;
        }
        std::string eventFile = reader.readFileName("an event file name");
        if (city == 0) continue;
        std::int32_t& count = state.cityPlaceCount[city];
        if (count < 0 || count >= kMaxPlacesPerCity) continue;
        ++count;
        state.cityPlaces[city][count] = Place{std::move(line), std::move(eventFile)};
    }
}

void loadVisitableCities(GameState& state, const GamePaths& paths, std::string_view file) {
    LineReader reader = LineReader::openData(paths, file);
    CityFlags cities;
    reader.skipToMarker(marker::start);
    while (!reader.atEnd()) {
        std::string line = reader.readLine();
        if (line == marker::end) break;
        std::int32_t city = 0;
        if (!parseWholeNumber(line, city)) reader.fail("a city number or \"[END]\"", line);
        if (cities.contains(city)) cities[city] = 1;
    }
    state.visitableCities = std::move(cities);
}

void loadSearchSites(GameState& state, const GamePaths& paths) {
    loadSites(state.searchSites, state, paths, "data\\searchcity.txt");
}

void loadDungeonSites(GameState& state, const GamePaths& paths) {
    loadSites(state.dungeonSites, state, paths, "data\\dungeonlist.txt");
}

void loadWars(GameState& state, const GamePaths& paths) {
    loadCampaigns(state.wars, paths, "data\\wars\\warlist.txt", "data\\wars\\warbool.txt");
}

void loadQuests(GameState& state, const GamePaths& paths) {
    loadCampaigns(state.quests, paths, "data\\quests\\questlist.txt",
                  "data\\quests\\questbool.txt");
}

}  // namespace orrowvale
