// How long the turn advance takes, each beside a floor measured in the same run:
//
//   AdvanceTurn/busy_parties_1000   one advanceTurn(1) on a random sample world whose
//                                   1000 parties are all in use, in turn on a quest, a
//                                   search, a war, in a dungeon, on a transport and on
//                                   the road (the world is put back between turns, so
//                                   every turn finds the same mix)
//   AdvanceTurn/floor_turn_files    only reading the bytes of the files one turn
//                                   opens (date events and scenario)
//   AdvanceTurn/floor_mission_files the same plus the file each of those 1000
//                                   parties' missions opens (a war's twice), read raw
//   YearOfTurns/end_turn_240        a game year: 240 presses of "완료" on a new random
//                                   world (made outside the timing)
//   YearOfTurns/floor_turn_files    the bytes of the files that year opens: the turn
//                                   files 240 times and the trade files 12 times

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "game.h"
#include "lifecycle/createworld.h"
#include "parties/dispatch.h"
#include "parties/party.h"
#include "parties/travel.h"
#include "parties/turn.h"
#include "sampleworld.h"
#include "transcript.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace {

using namespace orrowvale;
using bench::gameDirectory;
using bench::skipWithoutSampleWorld;

constexpr int kTurnsInAYear = 5 * 4 * 12;

// A random world on the sample data, with the messages of its turns thrown away.
struct SampleGame {
    SampleGame() : game(*state, gameDirectory(), dice, presenter) { createRandomWorld(game); }

    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    Dice dice{20261207};
    TranscriptPresenter presenter{[](const std::string&) {}};
    Game game;
};

// The first site of the sample world that is open, in city order.
template <typename Sites>
std::string firstOpenSite(const GameState& state, const Sites& sitesOf) {
    for (int city = 1; city <= state.cityBound(); ++city)
        for (const auto& site : sitesOf(state, city))
            if (site.open == 1 && site.file != kNone) return site.file;
    return kNone;
}

// Every party in use with one member, the six kinds taking turns. Searches have
// the gold they need and never run out of turns; journeys never end.
void sendPartiesOnEveryKindOfMission(GameState& state) {
    const std::string search = firstOpenSite(
        state, [](const GameState& s, int city) -> const auto& { return s.searchSites[city]; });
    const std::string dungeon = firstOpenSite(
        state, [](const GameState& s, int city) -> const auto& { return s.dungeonSites[city]; });
    state.gold = 1'000'000'000;
    for (int p = 1; p <= kMaxParties; ++p) {
        TParty& party = state.parties[p];
        party.inUse = true;
        party.location = 1;
        if (state.adventurers[p].isFree()) state.adventurers[p].name = "Bench";
        addMember(state, p, p);
        switch (p % 6) {
            case 0:
                startQuest(state, p, 1);
                break;
            case 1:
                startSearch(state, p, search, 1'000'000);
                break;
            case 2:
                startWar(state, p, state.wars[1].file);
                break;
            case 3:
                startDungeon(state, p, dungeon, 100, 1, 1);
                break;
            case 4:
                startTransport(state, p, "Bench", 100, 5, 5, 1'000'000);
                break;
            default:
                startTravel(state, p, 1'000'000, 2);
                break;
        }
    }
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::filesystem::path> turnFiles(const GameState& state) {
    const GamePaths& paths = gameDirectory();
    return {paths.data("dateevn\\dateevn" + std::to_string(state.characterNumber) + ".evn"),
            paths.data(state.scenarioFiles[1])};
}

std::vector<std::filesystem::path> tradeFiles(const GameState& state) {
    const GamePaths& paths = gameDirectory();
    std::vector<std::filesystem::path> files = {paths.data("common\\trade.txt")};
    LineReader list = LineReader::openData(paths, "common\\trade.txt");
    for (int city = 1; city <= state.cityBound(); ++city)
        files.push_back(paths.data(list.readLine()));
    return files;
}

// The files the missions of the parties open in one turn, besides the monster and
// level files of the dungeons.
std::vector<std::filesystem::path> missionFiles(const GameState& state) {
    const GamePaths& paths = gameDirectory();
    std::vector<std::filesystem::path> files = turnFiles(state);
    for (const TParty& party : state.parties) {
        if (!party.onMission) continue;
        switch (party.missionKind) {
            case kQuestMission:
                files.push_back(paths.data(state.quests[party.missionValue].file));
                break;
            case kWarMission:
                files.push_back(paths.data(party.missionFile));
                [[fallthrough]];
            case kSearchMission:
            case kDungeonMission:
                files.push_back(paths.data(party.missionFile));
                break;
            default:
                break;
        }
    }
    return files;
}

void readAll(const std::vector<std::filesystem::path>& files) {
    for (const auto& file : files) {
        std::string bytes = readBytes(file);
        benchmark::DoNotOptimize(bytes);
    }
}

void advanceTurnWithBusyParties(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    SampleGame sample;
    sendPartiesOnEveryKindOfMission(sample.game.state);
    const GameState before = sample.game.state;
    std::int64_t reports = 0;
    TranscriptPresenter counter{[&reports](const std::string&) { ++reports; }};
    Game game(sample.game.state, gameDirectory(), sample.dice, counter);
    for (auto _ : state) {
        advanceTurn(game, 1);
        state.PauseTiming();
        game.state = before;
        game.mainCharacterDied = false;
        state.ResumeTiming();
    }
    state.counters["reports_per_turn"] =
        benchmark::Counter(static_cast<double>(reports) / static_cast<double>(state.iterations()));
    state.SetLabel("1000 parties: quest, search, war, dungeon, transport, travel");
}

void readTurnFiles(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    SampleGame sample;
    const auto files = turnFiles(sample.game.state);
    for (auto _ : state)
        readAll(files);
    state.SetLabel("floor: raw bytes of the turn's files");
}

void readMissionFiles(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    SampleGame sample;
    sendPartiesOnEveryKindOfMission(sample.game.state);
    const auto files = missionFiles(sample.game.state);
    for (auto _ : state)
        readAll(files);
    state.SetLabel("floor: raw bytes of the turn's and the missions' files");
}

void playAYear(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    for (auto _ : state) {
        state.PauseTiming();
        auto sample = std::make_unique<SampleGame>();
        state.ResumeTiming();
        for (int press = 0; press < kTurnsInAYear && !sample->game.mainCharacterDied; ++press)
            endTurn(sample->game);
        state.PauseTiming();
        sample.reset();
        state.ResumeTiming();
    }
    state.SetLabel("240 presses of the end-turn button");
}

void readAYearOfFiles(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    SampleGame sample;
    const auto perTurn = turnFiles(sample.game.state);
    const auto perMonth = tradeFiles(sample.game.state);
    for (auto _ : state) {
        for (int turn = 0; turn < kTurnsInAYear; ++turn)
            readAll(perTurn);
        for (int month = 0; month < 12; ++month)
            readAll(perMonth);
    }
    state.SetLabel("floor: raw bytes of a year's files");
}

BENCHMARK(advanceTurnWithBusyParties)
    ->Name("AdvanceTurn/busy_parties_1000")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(readTurnFiles)->Name("AdvanceTurn/floor_turn_files")->Unit(benchmark::kMicrosecond);
BENCHMARK(readMissionFiles)->Name("AdvanceTurn/floor_mission_files")->Unit(benchmark::kMicrosecond);
BENCHMARK(playAYear)->Name("YearOfTurns/end_turn_240")->Unit(benchmark::kMillisecond);
BENCHMARK(readAYearOfFiles)->Name("YearOfTurns/floor_turn_files")->Unit(benchmark::kMillisecond);

}  // namespace
