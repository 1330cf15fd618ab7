#pragma once

#include <benchmark/benchmark.h>

#include "world/gamepaths.h"

namespace orrowvale::bench {

// The game directory the build made from the sample world.
const GamePaths& gameDirectory();
// True, with the benchmark marked skipped, when the build has not made it.
bool skipWithoutSampleWorld(benchmark::State& state);

}  // namespace orrowvale::bench
