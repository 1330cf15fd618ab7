#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "lifecycle/slotdirectory.h"
#include "listrow.h"

namespace orrowvale {

class GamePaths;
class TParty;
struct Game;
struct GameState;

inline constexpr int kSaveSlots = 10;
// The file of a slot that keeps the names the player has heard, one a line.
inline constexpr std::string_view kHeardNamesFile = "heard.sav";
// The file of a slot that keeps the closing chapter of goals once it is open.
inline constexpr std::string_view kGoalsFile = "goals.sav";

// The ten lines the save and load windows list, slot 1 first: "빈 공간" for an
// empty slot, the main character's name and the saved date for a used one, and a
// line saying so for a slot whose main file cannot be read (the other nine are
// still listed): so is a slot or main file that is a link, a pipe or a device, or a
// main file over the loader's 16 MB. Listing reads only the head of each main file,
// and writes, moves and locks nothing.
std::array<std::string, kSaveSlots> listSaveSlots(const GamePaths& paths);
// The same lines as the rows of those windows' list, each numbered with its slot
// and beginning with it ("3. ...").
ListRows saveSlotRows(const GamePaths& paths);

// One line for the save and load windows telling the player where the slots are:
// "저장 폴더: " and the folder, or why there is nowhere to save.
std::string saveFolderNote(const GamePaths& paths);

// Writes the game into slot 1..10. The slot is written beside the old one and
// swapped in only when every file is complete and on disk, so a crash or a full
// disk leaves either the old save or the new one. Throws DataError naming the
// file on failure; the old save is then untouched.
void saveGame(const GameState& state, const GamePaths& paths, int slot);
// The same, with `beforeStep` called between the steps of the write (see
// SlotStepHook), so a test can stop a save anywhere.
void saveGame(const GameState& state, const GamePaths& paths, int slot,
              const SlotStepHook& beforeStep);

// The question before a used slot is written over, a line each: the slot's number
// with kSlotInUse, what the slot holds (its line in listSaveSlots), kOverwriteQuestion.
inline constexpr const char* kSlotInUse = "번 슬롯에는 이미 저장된 게임이 있습니다.";
inline constexpr const char* kOverwriteQuestion =
    "이 게임을 지우고 지금의 게임을 저장하시겠습니까?";
// What the status panel says once a save is written.
inline constexpr const char* kSaved = "저장했습니다.";

// The save window's "확인" on slot 1..10: a slot that holds a save is written over
// only when the player says Yes to the question above, whose box offers No first.
// Saves the running game and remembers it as kept, so that leaving afterwards asks
// nothing. False when the player kept the old save. Throws DataError as saveGame
// does, with the old save untouched.
bool saveToSlot(Game& game, int slot);

// True when slot 1..10 holds a save (its main file exists), which saving over
// would replace.
bool slotHoldsSave(const GamePaths& paths, int slot);

// A digest of everything a save of `state` would hold: two states with the same
// digest save alike. Empty when the state cannot be saved at all (a name outside
// CP949), which counts as unsaved progress.
std::optional<std::uint64_t> progressDigest(const GameState& state);
// Remembers the game as it stands as kept: after a save, a load or a new world.
void markProgressKept(Game& game);
// True when leaving the game now would lose what the player did since the last
// save, load or new world. A game that ended with the main character's death has
// nothing left to lose.
bool hasUnsavedProgress(const Game& game);

// The slot folder as the data files write it: "data\save\save3" for slot 3.
// Throws std::out_of_range for a slot outside 1..10.
std::string slotGamePath(int slot);

// The 36 lines of a party file (CP949, CR LF); truth values are "true" / "FALSE".
std::string partyFileBytes(const TParty& party, const std::string& displayName);
void saveParty(const TParty& party, const std::filesystem::path& file,
               const std::string& displayName);

}  // namespace orrowvale
