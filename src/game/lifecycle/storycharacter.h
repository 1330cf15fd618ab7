#pragma once

#include <string>
#include <vector>

namespace orrowvale {

class GamePaths;

// The story characters a new game offers are numbered 0 to this one.
inline constexpr int kLastStoryCharacter = 1;

// What character creation shows of story character N: the first three lines of
// "data\chrname" + N + ".txt" and every line after them as the description.
struct StoryCharacterCard {
    std::string name;
    std::string sex;
    std::string home;
    std::vector<std::string> description;
};

// Throws DataError naming the file when it is missing.
StoryCharacterCard readStoryCharacterCard(const GamePaths& paths, int character);

}  // namespace orrowvale
