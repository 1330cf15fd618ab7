// What the autosave adds to a press of "완료", beside the press without it:
//
//   EndTurnPress/without_autosave   confirmAndEndTurn on a new random sample world
//   EndTurnPress/with_autosave      the same, with the turn start kept in three
//                                   rotating folders (written before the timing
//                                   starts, so no write is a first write)
//
// The write runs on its own thread; the player's next press comes seconds later, so
// the timing pauses while the write ends. The difference is what the press costs
// the player: the copy of the state and the start of the thread.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "game.h"
#include "lifecycle/autosave.h"
#include "lifecycle/createworld.h"
#include "parties/turn.h"
#include "sampleworld.h"
#include "transcript.h"
#include "world/dice.h"
#include "world/gamestate.h"

namespace {

using namespace orrowvale;
using bench::gameDirectory;
using bench::skipWithoutSampleWorld;

struct PressedGame {
    PressedGame() : game(*state, gameDirectory(), dice, presenter) { createRandomWorld(game); }

    void press() {
        presenter.queueAnswers({true});
        confirmAndEndTurn(game);
    }

    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    Dice dice{20261207};
    TranscriptPresenter presenter{[](const std::string&) {}};
    Game game;
};

void pressWithoutAutosave(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    PressedGame pressed;
    for (auto _ : state)
        pressed.press();
}

void pressWithAutosave(benchmark::State& state) {
    if (skipWithoutSampleWorld(state)) return;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("orrowvale-autosave-bench-" + std::to_string(::getpid()));
    {
        PressedGame pressed;
        Autosaver autosaver(gameDirectory().gameDirectory(), folder);
        pressed.game.autosaver = &autosaver;
        // Every folder and its spare written once.
        for (int press = 0; press < 2 * kAutosaves; ++press)
            pressed.press();
        autosaver.waitForWrite();
        for (auto _ : state) {
            pressed.press();
            state.PauseTiming();
            autosaver.waitForWrite();
            state.ResumeTiming();
        }
        if (auto failure = autosaver.takeFailure()) state.SkipWithError(failure->c_str());
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

BENCHMARK(pressWithoutAutosave)
    ->Name("EndTurnPress/without_autosave")
    ->Unit(benchmark::kMillisecond);
// Each write lasts far longer than the press: a fixed count keeps the run short.
BENCHMARK(pressWithAutosave)
    ->Name("EndTurnPress/with_autosave")
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

}  // namespace
