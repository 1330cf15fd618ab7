#pragma once

#include <functional>

namespace orrowvale {

struct Game;

// Told how far world creation has come, 0 to 100, so a window can move its gauge.
using CreationProgress = std::function<void(int percent)>;

// Builds a new game for story character `character` (its "data\chrstat" + number
// + ".txt") or for random play, then shows the prologue. The world is built apart
// and replaces the game's state only when every file was read; a DataError leaves
// the state as it was. The city list already in the state (the map window loads it
// first) is carried over.
void createStoryWorld(Game& game, int character, const CreationProgress& progress = {});
void createRandomWorld(Game& game, const CreationProgress& progress = {});

}  // namespace orrowvale
