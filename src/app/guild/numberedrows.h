#pragma once

#include <string>
#include <vector>

#include "listrow.h"

namespace orrowvale {

// The rows of a list that the game gives as plain numbers: each number with the text
// `textOf` gives it.
template <typename TextOf>
ListRows numberedRows(const std::vector<int>& numbers, TextOf textOf) {
    ListRows rows;
    rows.reserve(numbers.size());
    for (int number : numbers)
        rows.push_back({number, std::string(textOf(number))});
    return rows;
}

}  // namespace orrowvale
