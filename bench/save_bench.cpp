// Saving, loading and new worlds, each beside its floor measured in the same run,
// on a full slot: 1000 adventurers and 1000 parties in use.
//
//   SaveFullSlot/durable_atomic   saveGame: every file built, written into the slot's
//                                 spare folder, flushed to disk and swapped in.
//                                 Counters: the median of the whole save and of each
//                                 step, both floors, and the ratios
//   LoadFullSlot/load_game        loadGame: the fresh world rebuilt, then the slot
//                                 read over it. Counters: the floor (the slot read
//                                 and parsed, plus the world's own rebuild) and the
//                                 ratio
//   NewWorld/random               createRandomWorld on the sample world
//
// Each label states the goal against the floor that matches the work and says PASS
// or SLOW; scripts/bench prints them as one table.
//   SimYearFromFullSlot/peak_memory
//                                 orrowvale-sim --load of the full slot playing 240
//                                 turns; its peak resident memory beside that of a
//                                 new random game that plays no turn
//
// The floors: writing the slot's bytes into as many new files in a fresh folder,
// one plain buffered stream each, then flushing them to disk with one syncfs (the
// disk work of a durable save into an empty slot); writing them over the files of
// a folder that already holds them, unflushed (what a save into a used slot does
// before its flush); reading them back and parsing every integer line.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "game.h"
#include "lifecycle/createworld.h"
#include "lifecycle/loadgame.h"
#include "lifecycle/savegame.h"
#include "parties/party.h"
#include "sampleworld.h"
#include "transcript.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace {

using namespace orrowvale;
using bench::gameDirectory;
using bench::skipWithoutSampleWorld;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kSlot = 1;

// The goals, each against the floor measured beside it in the same run.
constexpr double kSaveGoal = 1.3;          // before the flush, x the overwrite floor
constexpr double kDurableSaveGoalMs = 40;  // the whole save, flush and swap included
constexpr double kLoadGoal = 1.3;          // x (the read floor + the world's rebuild)
constexpr double kNewWorldGoalMs = 2.5;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// "1.12x overwrite floor (goal <= 1.3x) PASS": one figure against its goal.
std::string verdict(double value, const char* unit, double goal, const char* against = "") {
    char text[160];
    std::snprintf(text, sizeof text, "%.2f%s%s (goal <= %.4g%s) %s", value, unit, against, goal,
                  unit, value <= goal ? "PASS" : "SLOW");
    return text;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A copy of the sample world in a folder of its own beside the build's game
// directory, which never holds a bench save. Not under the shared temporary folder:
// other programs' churn of files there slows the creation of new files.
struct BenchGameDir {
    BenchGameDir()
        : root(fs::path(ORROWVALE_GAME_DIR).parent_path() /
               ("bench-saves-" + std::to_string(::getpid()))) {
        fs::remove_all(root);
        fs::copy(gameDirectory().gameDirectory(), root, fs::copy_options::recursive);
    }
    ~BenchGameDir() { fs::remove_all(root); }
    fs::path root;
    GamePaths paths{root};
};

struct BenchGame {
    explicit BenchGame(const GamePaths& paths) : game(*state, paths, dice, presenter) {}
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    Dice dice{20261207};
    TranscriptPresenter presenter{[](const std::string&) {}};
    Game game;
};

// A random world whose every adventurer slot is taken and whose 1000 parties are
// in use, each with one member, every other one away on a quest.
void fillEverySlot(Game& game) {
    GameState& state = game.state;
    const NameLists names = loadNameLists(game.paths);
    for (int i = 1; i <= kMaxAdventurers; ++i)
        if (state.adventurers[i].isFree()) {
            generateAdventurer(state.adventurers[i], game.dice, names);
            state.adventurers[i].location = 1 + i % std::max(1, state.cityBound());
        }
    for (int p = 1; p <= kMaxParties; ++p) {
        TParty& party = state.parties[p];
        party.inUse = true;
        party.location = state.adventurers[p].location;
        addMember(state, p, p);
        if (p % 2 == 0 && p != state.mainchrnum) {
            party.missionKind = kQuestMission;
            party.missionValue = 1;
            party.missionFile = state.quests[1].file;
            setOnMission(state, p, true);
        }
    }
}

// Waits until the disk has taken everything written so far (outside the timing), so
// one measurement does not pay for the writes and deletions of the one before.
void settle(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::syncfs(fd);
    ::close(fd);
}

// Milliseconds to write files into a fresh folder, and to have them on disk too.
struct FreshFolderFloor {
    double written = 0;
    double durable = 0;
};

FreshFolderFloor writePlainFiles(const std::vector<SlotFile>& files, const fs::path& folder) {
    fs::remove_all(folder);
    settle(folder.parent_path());
    FreshFolderFloor floor;
    const auto start = Clock::now();
    fs::create_directory(folder);
    for (const SlotFile& file : files) {
        std::ofstream out(folder / file.name, std::ios::binary);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    }
    floor.written = millisecondsSince(start);
    settle(folder);
    floor.durable = millisecondsSince(start);
    fs::remove_all(folder);
    settle(folder.parent_path());
    return floor;
}

// The same bytes over the files already in `folder`, without truncating them first.
double overwritePlainFiles(const std::vector<SlotFile>& files, const fs::path& folder) {
    fs::create_directory(folder);
    for (const SlotFile& file : files)
        std::ofstream(folder / file.name, std::ios::binary | std::ios::app).flush();
    settle(folder.parent_path());
    const auto start = Clock::now();
    for (const SlotFile& file : files) {
        std::fstream out(folder / file.name, std::ios::binary | std::ios::in | std::ios::out);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    }
    return millisecondsSince(start);
}

// Milliseconds from the start of one save to each of its steps.
struct SaveSteps {
    double flush = 0;    // every file built and written
    double swap = 0;     // on disk
    double cleanup = 0;  // swapped in
    double done = 0;     // the old slot kept as the spare
};

SaveSteps timedSave(const GameState& game, const GamePaths& paths) {
    SaveSteps steps;
    const auto start = Clock::now();
    saveGame(game, paths, kSlot, [&](std::string_view step) {
        if (step == "sync") steps.flush = millisecondsSince(start);
        if (step == "swap") steps.swap = millisecondsSince(start);
        if (step == "cleanup") steps.cleanup = millisecondsSince(start);
    });
    steps.done = millisecondsSince(start);
    return steps;
}

// The full slot, saved once for all benchmarks of one run.
struct FullSlot {
    FullSlot() {
        BenchGame sample(dir.paths);
        createRandomWorld(sample.game);
        fillEverySlot(sample.game);
        settle(dir.root);
        firstSave = timedSave(*sample.state, dir.paths);
        state = std::move(sample.state);
        for (const auto& entry : fs::directory_iterator(slotFolder())) {
            std::ifstream in(entry.path(), std::ios::binary);
            files.push_back({entry.path().filename().string(),
                             std::string(std::istreambuf_iterator<char>(in), {})});
            bytes += static_cast<std::int64_t>(files.back().bytes.size());
        }
        settle(dir.root);
        firstFloor = writePlainFiles(files, dir.root / "floor");
    }
    fs::path slotFolder() const { return dir.paths.resolve(slotGamePath(kSlot)); }

    BenchGameDir dir;
    SaveSteps firstSave;
    FreshFolderFloor firstFloor;
    std::unique_ptr<GameState> state;
    std::vector<SlotFile> files;
    std::int64_t bytes = 0;
};

FullSlot& fullSlot() {
    static FullSlot slot;
    return slot;
}

void saveFullSlot(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    FullSlot& slot = fullSlot();
    const fs::path floorFolder = slot.dir.root / "floor";
    const fs::path overwriteFolder = slot.dir.root / "overwrite";
    std::vector<SaveSteps> saves;
    std::vector<FreshFolderFloor> floors;
    std::vector<double> overwriteFloors;
    for (auto _ : state) {
        settle(slot.dir.root);
        const SaveSteps steps = timedSave(*slot.state, slot.dir.paths);
        state.SetIterationTime(steps.done / 1000.0);
        saves.push_back(steps);
        settle(slot.dir.root);
        floors.push_back(writePlainFiles(slot.files, floorFolder));
        overwriteFloors.push_back(overwritePlainFiles(slot.files, overwriteFolder));
    }
    fs::remove_all(overwriteFolder);
    auto medianOf = [&](auto field) {
        std::vector<double> values;
        for (const SaveSteps& steps : saves)
            values.push_back(field(steps));
        return median(values);
    };
    auto floorMedian = [&](double FreshFolderFloor::*part) {
        std::vector<double> values;
        for (const FreshFolderFloor& floor : floors)
            values.push_back(floor.*part);
        return median(values);
    };
    const double floor = floorMedian(&FreshFolderFloor::durable);
    const double beforeFlush = medianOf([](const SaveSteps& s) { return s.flush; });
    const double whole = medianOf([](const SaveSteps& s) { return s.done; });
    state.counters["save_ms"] = whole;
    state.counters["build_write_ms"] = beforeFlush;
    state.counters["flush_ms"] = medianOf([](const SaveSteps& s) { return s.swap - s.flush; });
    state.counters["swap_ms"] = medianOf([](const SaveSteps& s) { return s.cleanup - s.swap; });
    const double overwriteFloor = median(overwriteFloors);
    state.counters["floor_ms"] = floor;
    state.counters["x_floor_before_flush"] = beforeFlush / floorMedian(&FreshFolderFloor::written);
    state.counters["x_floor"] = whole / floor;
    state.counters["overwrite_floor_ms"] = overwriteFloor;
    state.counters["x_overwrite_floor_before_flush"] = beforeFlush / overwriteFloor;
    state.counters["files"] = static_cast<double>(slot.files.size());
    // The first save of the run, into an empty slot, and the first floor: nothing
    // was deleted on this disk shortly before them, as between a player's saves.
    // Both end with the files on disk.
    state.counters["first_save_ms"] = slot.firstSave.done;
    state.counters["first_floor_ms"] = slot.firstFloor.durable;
    state.counters["first_x_floor_before_flush"] = slot.firstSave.flush / slot.firstFloor.written;
    state.SetBytesProcessed(state.iterations() * slot.bytes);
    // A save into a used slot writes over its files: the overwrite floor is its
    // measure. Only the first save of all makes its files, in a fresh folder.
    state.SetLabel(
        "before flush " +
        verdict(beforeFlush / overwriteFloor, "x", kSaveGoal, " overwrite floor") +
        "; whole save " + verdict(whole, " ms", kDurableSaveGoalMs) + "; first save " +
        verdict(slot.firstSave.done / slot.firstFloor.durable, "x", 1.0, " fresh-folder floor"));
}

// Reads every file of the slot and parses each line that holds an integer.
double readAndParse(const fs::path& folder) {
    const auto start = Clock::now();
    std::int64_t sum = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(in), {});
        for (std::size_t at = 0; at < bytes.size();) {
            std::size_t end = bytes.find('\n', at);
            if (end == std::string::npos) end = bytes.size();
            std::int32_t value = 0;
            if (std::from_chars(bytes.data() + at, bytes.data() + end, value).ec == std::errc())
                sum += value;
            at = end + 1;
        }
    }
    benchmark::DoNotOptimize(sum);
    return millisecondsSince(start);
}

// The world's own data files read and its tables built, as a load rebuilds them
// before it reads the slot over them: work a load cannot skip.
double rebuildWorld(const GamePaths& paths) {
    BenchGame scratch(paths);
    const auto start = Clock::now();
    buildFreshWorld(scratch.game, loadNameLists(paths), {.populate = false, .progress = {}});
    return millisecondsSince(start);
}

void loadFullSlot(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    FullSlot& slot = fullSlot();
    std::vector<double> loads, floors, rebuilds;
    for (auto _ : state) {
        BenchGame loader(slot.dir.paths);
        const auto start = Clock::now();
        loadGame(loader.game, kSlot);
        const double ms = millisecondsSince(start);
        state.SetIterationTime(ms / 1000.0);
        loads.push_back(ms);
        floors.push_back(readAndParse(slot.slotFolder()));
        rebuilds.push_back(rebuildWorld(slot.dir.paths));
    }
    const double floor = median(floors) + median(rebuilds);
    state.counters["load_ms"] = median(loads);
    state.counters["read_floor_ms"] = median(floors);
    state.counters["world_rebuild_ms"] = median(rebuilds);
    state.counters["floor_ms"] = floor;
    state.counters["x_floor"] = median(loads) / floor;
    state.SetLabel("load " + verdict(median(loads) / floor, "x", kLoadGoal,
                                     " floor (slot read and parsed + the world's rebuild)"));
}

void newRandomWorld(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    std::vector<double> times;
    for (auto _ : state) {
        state.PauseTiming();
        auto sample = std::make_unique<BenchGame>(gameDirectory());
        state.ResumeTiming();
        const auto start = Clock::now();
        createRandomWorld(sample->game);
        times.push_back(millisecondsSince(start));
        state.PauseTiming();
        sample.reset();
        state.ResumeTiming();
    }
    state.counters["new_world_ms"] = median(times);
    state.SetLabel("new world " + verdict(median(times), " ms", kNewWorldGoalMs));
}

// Runs orrowvale-sim to the end, its output thrown away; its peak resident set in KiB.
long simPeakKiB(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    std::vector<std::string> all = {ORROWVALE_SIM_TOOL};
    all.insert(all.end(), arguments.begin(), arguments.end());
    for (std::string& arg : all)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

void simYearFromFullSlot(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    FullSlot& slot = fullSlot();
    const std::string dir = slot.dir.root.string();
    long year = 0;
    long fresh = 0;
    for (auto _ : state) {
        year = simPeakKiB({"--game-dir", dir, "--seed", "5", "--load", "1", "--turns", "240"});
        fresh = simPeakKiB({"--game-dir", dir, "--seed", "5", "--new", "random"});
    }
    if (year < 0 || fresh < 0) {
        state.SkipWithError("orrowvale-sim failed");
        return;
    }
    state.counters["peak_MiB"] = static_cast<double>(year) / 1024.0;
    state.counters["new_game_peak_MiB"] = static_cast<double>(fresh) / 1024.0;
    state.SetLabel("target: < 100 MB");
}

BENCHMARK(saveFullSlot)
    ->Name("SaveFullSlot/durable_atomic")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);
BENCHMARK(loadFullSlot)
    ->Name("LoadFullSlot/load_game")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);
BENCHMARK(newRandomWorld)->Name("NewWorld/random")->Unit(benchmark::kMillisecond);
BENCHMARK(simYearFromFullSlot)
    ->Name("SimYearFromFullSlot/peak_memory")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
