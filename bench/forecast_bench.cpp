// What a forecast costs, the window's wait each time the player changes the kind,
// the target or the number of the dispatch window:
//
//   Forecast/copies       the floor: the game copied over the one copy the plays
//                         are made on, once a play
//   Forecast/dungeon      forecastErrand for three hands into the home city's first
//                         dungeon, as deep as it goes (kForecastPlays plays)
//   Forecast/search       the same for five turns of its first search site

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "game.h"
#include "lifecycle/createworld.h"
#include "parties/dispatch.h"
#include "parties/forecast.h"
#include "parties/party.h"
#include "sampleworld.h"
#include "transcript.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace {

using namespace orrowvale;
using bench::gameDirectory;
using bench::skipWithoutSampleWorld;

// A new random world whose party 1 is three of the home city's hands.
struct ForecastGame {
    ForecastGame() : game(*state, gameDirectory(), dice, presenter) {
        loadCityList(*state, gameDirectory());
        createRandomWorld(game);
        TParty& p = state->parties[1];
        p.inUse = true;
        p.location = state->currentCity;
        int hired = 0;
        for (int n = 1; n <= kMaxAdventurers && hired < 3; ++n) {
            TAdven& a = state->adventurers[n];
            if (a.isFree() || n == state->mainchrnum || a.isGuildMember != 0) continue;
            a.isGuildMember = 1;
            a.location = state->currentCity;
            a.busyFlag = 0;
            addMember(*state, 1, n);
            ++hired;
        }
        p.leader = p.members[1];
    }
    int firstTarget(Errand kind) const {
        const ListRows targets = openTargets(*state, kind, state->currentCity);
        return targets.empty() ? 0 : targets.front().number;
    }

    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    Dice dice{20261208};
    TranscriptPresenter presenter{[](const std::string&) {}};
    Game game;
};

void copies(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    ForecastGame forecast;
    auto copy = std::make_unique<GameState>(*forecast.state);
    for (auto _ : state)
        for (int play = 0; play < kForecastPlays; ++play) {
            *copy = *forecast.state;
            benchmark::DoNotOptimize(copy.get());
        }
}

void forecastOf(benchmark::State& state, Errand kind, int number) {
    if (skipWithoutSampleWorld(state)) return;
    ForecastGame forecast;
    const int target = forecast.firstTarget(kind);
    if (target == 0) return state.SkipWithError("the home city has no such target");
    for (auto _ : state)
        benchmark::DoNotOptimize(forecastErrand(forecast.game, 1, kind, target, number));
}

void dungeon(benchmark::State& state) {
    forecastOf(state, Errand::Dungeon, kNumberFieldMax);
}

void search(benchmark::State& state) {
    forecastOf(state, Errand::Search, 5);
}

BENCHMARK(copies)->Name("Forecast/copies")->Unit(benchmark::kMillisecond);
BENCHMARK(dungeon)->Name("Forecast/dungeon")->Unit(benchmark::kMillisecond);
BENCHMARK(search)->Name("Forecast/search")->Unit(benchmark::kMillisecond);

}  // namespace
