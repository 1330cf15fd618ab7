#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "listrow.h"

namespace orrowvale {

struct Game;
struct GameState;
class GamePaths;

// The people of "data\contact\list.txt" in the order the list names them; a world
// without the list has nobody to contact.
std::vector<std::string> contactListNames(const GamePaths& paths);

// The player has read `text` (a rumour, a box, a dialogue or an announcement): every
// person of the contact list whose name it holds is heard of from now on, in the
// order first heard. The contact window offers them by name.
void hearNamesIn(Game& game, std::string_view text);

// The names the contact window offers, numbered from 1 in the order heard, under
// the name of the control that lists them.
ListRows heardNameRows(const GameState& state);
inline constexpr const char* kHeardNamesControl = "contactnames";

}  // namespace orrowvale
