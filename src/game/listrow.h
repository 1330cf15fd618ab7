#pragma once

#include <string>
#include <vector>

namespace orrowvale {

// One row of a list the player chooses from: the number of the thing it stands for
// (an adventurer, a party, a trade slot, a quest entry) and the text the row shows.
// Every list of the game is built as these rows, so a window and the scripted player
// show the same rows and name the same numbers.
struct ListRow {
    int number = 0;
    std::string text;

    bool operator==(const ListRow&) const = default;
};
using ListRows = std::vector<ListRow>;

}  // namespace orrowvale
