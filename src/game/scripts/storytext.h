#pragma once

#include <string>
#include <string_view>

namespace orrowvale {

struct Game;

// Reads the story text "data\" + `file` and shows it in the announcement window.
void showStoryText(Game& game, std::string_view file, const std::string& caption,
                   int scrollEndPosition);

}  // namespace orrowvale
