#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game.h"
#include "game/testfiles.h"
#include "transcript.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"

namespace orrowvale::testing {

// One game over a game directory of its own, with a transcript of what the player
// would see.
class ScriptTest : public ::testing::Test {
  protected:
    TempGameDir dir;
    GamePaths paths = dir.paths();
    GameState state;
    Dice dice{7};
    TranscriptPresenter presenter;
    Game game{state, paths, dice, presenter};

    // A party of one warrior of intelligence 4: a perspip rating of 8.
    int addParty(int number) {
        state.adventurers[900].name = "단원";
        state.adventurers[900].adventurerClass = kWarrior;
        state.adventurers[900].stats.fill(4);
        TParty& party = state.parties[number];
        party.inUse = party.onMission = true;
        party.members[1] = party.leader = 900;
        party.formation[1] = 1;
        return number;
    }
    // The file and line of the DataError that `action` throws.
    template <typename Action>
    std::pair<std::string, int> failure(Action action) {
        try {
            action();
        } catch (const DataError& e) {
            return {e.file(), e.line()};
        }
        return {"no error", 0};
    }
};

}  // namespace orrowvale::testing
