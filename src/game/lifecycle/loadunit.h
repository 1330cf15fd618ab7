#pragma once

namespace orrowvale {

struct Game;

// Rebuilds a fresh world from the data files and reads slot 1..10 over it. The
// game's state is replaced only when the whole slot was read; on a DataError
// (naming the file, the line and what was expected) it is exactly as it was.
void loadGame(Game& game, int slot);

}  // namespace orrowvale
