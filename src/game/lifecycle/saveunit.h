#pragma once

#include <array>
#include <functional>
#include <string>

namespace orrowvale {

class GamePaths;
struct GameState;

inline constexpr int kSaveSlots = 10;

// The ten lines the save and load windows list, slot 1 first: "빈 공간" for an
// empty slot, the main character's name and the saved date for a used one, and a
// line saying so for a slot whose main file cannot be read (the other nine are
// still listed).
std::array<std::string, kSaveSlots> listSaveSlots(const GamePaths& paths);

// Writes the game into slot 1..10. The slot is written beside the old one and
// swapped in only when every file is complete and on disk, so a crash or a full
// disk leaves either the old save or the new one. Throws DataError naming the
// file on failure; the old save is then untouched.
void saveGame(const GameState& state, const GamePaths& paths, int slot);

}  // namespace orrowvale
