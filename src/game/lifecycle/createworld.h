#pragma once

#include <functional>
#include <string>

namespace orrowvale {

struct Game;
struct NameLists;

// Told how far world creation has come, 0 to 100, so a window can move its gauge.
using CreationProgress = std::function<void(int percent)>;

// Part `part` (from 1) of the prologue of a story character whose number is not 0,
// relative to "data\": "prologue\story" + number + "_" + part + ".txt". Character 0
// has the four-part prologue of its own ("prologue\alfred.txt" and on). A story
// character shows the parts that exist in a row from the first; with none it starts
// without a prologue.
std::string storyProloguePart(int character, int part);

// Builds a new game for story character `character` (its "data\chrstat" + number
// + ".txt") or for random play, then shows the prologue. The world is built apart,
// every file read by itself (the city list too), and replaces the game's state
// only when every file was read; a DataError leaves the state, and the windows
// told of it, as they were.
void createStoryWorld(Game& game, int character, const CreationProgress& progress = {});
void createRandomWorld(Game& game, const CreationProgress& progress = {});

// What a new random world does and a loaded game does not.
struct FreshWorldSteps {
    bool populate = true;  // people in every city; a loaded game brings its own
    CreationProgress progress;
};

// The start of a random world, into the game's own (fresh) state: starting values,
// a rolled main character in the top adventurer slot and the guild, every world
// file, empty parties, the trade offers. Loading builds on it before it reads a
// slot; it shows nothing to the player.
void buildFreshWorld(Game& building, const NameLists& names, const FreshWorldSteps& steps);

}  // namespace orrowvale
