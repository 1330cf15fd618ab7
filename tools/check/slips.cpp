#include "slips.h"

#include <algorithm>
#include <cctype>

#include "core.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

char lowerCase(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The line as it is compared with what it may have meant.
std::string withoutBlanksInLowerCase(std::string_view line) {
    std::string plain;
    for (char c : line)
        if (c != ' ' && c != '\t') plain += lowerCase(c);
    return plain;
}

// How many letters of `plain` must be left out, added or changed to give `word` in
// lower case.
std::size_t lettersApart(std::string_view plain, std::string_view word) {
    std::vector<std::size_t> row(word.size() + 1);
    for (std::size_t j = 0; j <= word.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= plain.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= word.size(); ++j) {
            std::size_t above = row[j];
            bool changed = plain[i - 1] != lowerCase(word[j - 1]);
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + changed});
            diagonal = above;
        }
    }
    return row[word.size()];
}

}  // namespace

bool sameButBlanksOrCase(std::string_view line, std::string_view marker) {
    std::string plain = withoutBlanksInLowerCase(line);
    return std::equal(plain.begin(), plain.end(), marker.begin(), marker.end(),
                      [](char a, char b) { return a == lowerCase(b); });
}

std::string_view closestWord(std::string_view line, const std::vector<std::string_view>& words) {
    std::string plain = withoutBlanksInLowerCase(line);
    std::string_view closest;
    std::size_t closestApart = 3;
    for (std::string_view word : words) {
        std::size_t apart = lettersApart(plain, word);
        if (apart < closestApart) {
            closest = word;
            closestApart = apart;
        }
    }
    return closest;
}

std::string_view slippedMarker(std::string_view line,
                               std::initializer_list<std::string_view> markers) {
    if (line.empty() || std::find(markers.begin(), markers.end(), line) != markers.end()) return {};
    std::vector<std::string_view> sameStart;
    for (std::string_view marker : markers)
        if (marker.front() == line.front()) sameStart.push_back(marker);
    return closestWord(line, sameStart);
}

std::string_view slippedScriptMarker(std::string_view line) {
    for (std::string_view marker :
         {marker::start, marker::end, marker::optionStart, marker::optionEnd, marker::textStart,
          marker::textEnd, marker::warJoin, marker::warEnd, marker::warSectionEnd,
          marker::searchConditions})
        if (marker != line && sameButBlanksOrCase(line, marker)) return marker;
    // A slip of the pen in a bracket or dash marker: the block it opens or closes, or
    // the conditions it guards, are lost.
    return slippedMarker(line, {marker::start, marker::end, marker::warJoin, marker::warEnd,
                                marker::optionEnd, marker::optionStart, marker::searchConditions});
}

std::string slippedMarkerMessage(std::string_view line, std::string_view marker) {
    if (sameButBlanksOrCase(line, marker))
        return inQuotes(line) + " is no " + inQuotes(marker) +
               ": a marker stands alone on its line, without blanks, in this letter case";
    return inQuotes(line) + " is no " + inQuotes(marker) +
           " (a typo?): the game only knows the marker spelt exactly";
}

}  // namespace orrowvale::check
