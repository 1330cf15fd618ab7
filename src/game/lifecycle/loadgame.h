#pragma once

#include <filesystem>
#include <string>

namespace orrowvale {

class TParty;
struct Game;

// Rebuilds a fresh world from the data files and reads slot 1..10 over it. The
// game's state is replaced only when the whole slot was read; on a DataError
// (naming the file, the line and what was expected) it is exactly as it was.
void loadGame(Game& game, int slot);

// Reads a 36-line party file. A truth line is true only when it is exactly "true".
// The party is changed only when the whole file was read.
void loadParty(TParty& party, const std::filesystem::path& file, const std::string& displayName);

}  // namespace orrowvale
