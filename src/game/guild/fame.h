#pragma once

#include <string>
#include <vector>

namespace orrowvale {

struct GameState;

// Each fame bar runs from 0 to 5000.
inline constexpr int kFameBarMaximum = 5000;

// Where a fame value stands on its bar: a value past either end shows at that end.
// The fame itself is never changed by showing it.
int fameBarValue(int fame);

// The three bars of the fame window: adventure, politics, covert work.
struct FameBars {
    int adventure = 0;
    int political = 0;
    int covert = 0;
};
FameBars fameBars(const GameState& state);

// The number beside a bar: the fame itself against the bar's end, "38 / 5000".
std::string fameNumberText(int fame);
// What the fame window says beneath its bars: the fame a recruit asks for and the
// political fame the next guild branch needs, each against what the guild has.
std::vector<std::string> fameNeeds(const GameState& state);

}  // namespace orrowvale
