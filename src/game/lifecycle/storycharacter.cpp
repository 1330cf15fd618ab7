#include "lifecycle/storycharacter.h"

#include "world/datafiles.h"

namespace orrowvale {

StoryCharacterCard readStoryCharacterCard(const GamePaths& paths, int character) {
    LineReader file = LineReader::openData(paths, "chrname" + std::to_string(character) + ".txt");
    StoryCharacterCard card;
    card.name = file.readLine();
    card.sex = file.readLine();
    card.home = file.readLine();
    while (!file.atEnd())
        card.description.push_back(file.readLine());
    return card;
}

}  // namespace orrowvale
