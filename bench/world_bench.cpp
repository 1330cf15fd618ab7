// How long the sample world takes to load and to people, each beside a floor that
// shows how much of the time is the work itself:
//
//   LoadSampleWorld/parse                 every world loader and the name lists, into
//                                         a fresh GameState (built outside the timing)
//   LoadSampleWorld/floor_read_raw_bytes  only reading the bytes of the same files
//   PopulateAdventurers/fresh_state       what world creation does: a new GameState,
//                                         then people in every city of the sample world
//   PopulateAdventurers/floor_fresh_state the new GameState alone
//
// Run after the build has made the game directory; without it every benchmark is
// skipped with a message.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "sampleworld.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace {

using namespace orrowvale;
using bench::gameDirectory;
using bench::skipWithoutSampleWorld;

void loadWholeWorld(GameState& world, const GamePaths& paths) {
    loadCityList(world, paths);
    loadCityRects(world, paths);
    loadRouteFiles(world, paths);
    loadPlaceList(world, paths, "common\\commongo.txt");
    loadVisitableCities(world, paths, "common\\commoncity.txt");
    loadSearchSites(world, paths);
    loadWars(world, paths);
    loadQuests(world, paths);
    loadDungeonSites(world, paths);
    loadCityNations(world, paths, "common\\citynat.txt");
}

// Every file the loaders above open, as often as they open it: the fixed files,
// and the two files per city that the site lists name.
std::vector<std::filesystem::path> worldFiles(const GamePaths& paths) {
    std::vector<std::filesystem::path> files;
    for (const char* file :
         {"data\\city.txt", "data\\citylocs.txt", "data\\common\\movefile.txt",
          "data\\common\\commongo.txt", "data\\common\\commoncity.txt", "data\\searchcity.txt",
          "data\\wars\\warlist.txt", "data\\wars\\warbool.txt", "data\\quests\\questlist.txt",
          "data\\quests\\questbool.txt", "data\\dungeonlist.txt", "data\\common\\citynat.txt",
          "data\\malename.txt", "data\\fmlname.txt", "data\\fnames.txt"})
        files.push_back(paths.resolve(file));
    GameState world;
    loadCityList(world, paths);
    for (const char* siteList : {"data\\searchcity.txt", "data\\dungeonlist.txt"}) {
        LineReader list = LineReader::open(paths, siteList);
        for (int line = 1; line <= 2 * world.cityBound(); ++line)
            files.push_back(paths.data(list.readLine()));
    }
    return files;
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::int64_t totalBytes(const std::vector<std::filesystem::path>& files) {
    std::int64_t total = 0;
    for (const auto& file : files)
        total += static_cast<std::int64_t>(readBytes(file).size());
    return total;
}

void describeFiles(benchmark::State& state, const std::vector<std::filesystem::path>& files,
                   std::int64_t bytes) {
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["KiB"] = static_cast<double>(bytes) / 1024.0;
}

void loadSampleWorld(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    const GamePaths& paths = gameDirectory();
    const auto files = worldFiles(paths);
    std::unique_ptr<GameState> world;
    int cities = 0;
    for (auto _ : state) {
        state.PauseTiming();
        world = std::make_unique<GameState>();
        state.ResumeTiming();
        loadWholeWorld(*world, paths);
        NameLists names = loadNameLists(paths);
        benchmark::DoNotOptimize(names);
        cities = world->cityCount;
    }
    describeFiles(state, files, totalBytes(files));
    state.counters["cities"] = cities;
    state.SetLabel("parsed into a fresh GameState");
}

void readSampleWorldBytes(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    const auto files = worldFiles(gameDirectory());
    for (auto _ : state) {
        for (const auto& file : files) {
            std::string bytes = readBytes(file);
            benchmark::DoNotOptimize(bytes);
        }
    }
    describeFiles(state, files, totalBytes(files));
    state.SetLabel("floor: raw bytes of the same files, no parsing");
}

void populateSampleWorld(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    GameState sample;
    loadCityList(sample, gameDirectory());
    const NameLists names = loadNameLists(gameDirectory());
    Dice dice(12345);
    std::int64_t people = 0;
    for (auto _ : state) {
        auto world = std::make_unique<GameState>();
        world->cityCount = sample.cityCount;
        people += populateAdventurers(*world, dice, names);
        benchmark::DoNotOptimize(world.get());
    }
    state.SetItemsProcessed(people);
    state.counters["cities"] = sample.cityCount;
    state.counters["people"] =
        benchmark::Counter(static_cast<double>(people), benchmark::Counter::kAvgIterations);
    state.SetLabel("new GameState + people for every city");
}

void constructGameState(benchmark::State& state) {
    for (auto _ : state) {
        auto world = std::make_unique<GameState>();
        benchmark::DoNotOptimize(world.get());
    }
    state.SetLabel("floor: the new GameState alone");
}

BENCHMARK(loadSampleWorld)->Name("LoadSampleWorld/parse")->Unit(benchmark::kMicrosecond);
BENCHMARK(readSampleWorldBytes)
    ->Name("LoadSampleWorld/floor_read_raw_bytes")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(populateSampleWorld)
    ->Name("PopulateAdventurers/fresh_state")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(constructGameState)
    ->Name("PopulateAdventurers/floor_fresh_state")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
