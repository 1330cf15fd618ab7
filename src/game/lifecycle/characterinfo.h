#pragma once

namespace orrowvale {

class TAdven;
struct Game;
struct GameState;

// The adventurer the information window shows is a copy kept in the game state
// (`infoAdventurer`); these fill it and return it for the window.

// A double click on a party member in party setup: the window shows that
// adventurer as it is now. An adventurer number outside the table changes nothing.
const TAdven& showAdventurerInfo(GameState& state, int adventurer);

// The map window's hidden button: reads the sample adventurer "data\richard.txt"
// and writes it back as "amugae.txt" (where GamePaths::writtenDataFile puts it),
// which proves that the adventurer reader and writer agree; the window then shows
// it. Throws DataError naming the file, and then nothing is shown anew.
const TAdven& copySampleAdventurer(Game& game);

}  // namespace orrowvale
