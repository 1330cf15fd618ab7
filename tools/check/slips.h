#pragma once

// Slips of the pen: a line an author meant as a marker or a keyword but wrote with
// other blanks, another letter case or a letter left out, added or changed. The game
// reads such a line as no marker at all, so the checker names what was meant.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orrowvale::check {

// Whether `line` is `marker` but for blanks and letter case.
bool sameButBlanksOrCase(std::string_view line, std::string_view marker);

// Of `words`, the one `line` is closest to, blanks and letter case aside, when at
// most two letters tell them apart; the first of equally close ones. Empty when none
// is that close.
std::string_view closestWord(std::string_view line, const std::vector<std::string_view>& words);

// The marker of `markers` that `line` slipped from: one with the same first character
// that the line is, or is closest to (see `closestWord`). Empty when the line is none
// of them, or is one of them exactly.
std::string_view slippedMarker(std::string_view line,
                               std::initializer_list<std::string_view> markers);

// The marker of script files that `line` slipped from: any of them in other blanks or
// letter case, or a bracket or dash marker with a slip of the pen. Empty when none.
std::string_view slippedScriptMarker(std::string_view line);

// What the checker says of a line that slipped from `marker`.
std::string slippedMarkerMessage(std::string_view line, std::string_view marker);

}  // namespace orrowvale::check
