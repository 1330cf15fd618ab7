#pragma once

#include <string>
#include <vector>

namespace orrowvale {

class TAdven;

// One label of a detail panel: its control name and the text it shows.
struct PanelLine {
    std::string control;
    std::string text;
};

// Every label of the adventurer panel, top to bottom, from the adventurer's
// description: name, sex, race, class, alignment, the six abilities, the two
// weapons, armour and helmet.
std::vector<PanelLine> adventurerPanelLines(const TAdven& adventurer);

}  // namespace orrowvale
