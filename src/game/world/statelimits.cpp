#include "world/statelimits.h"

#include <algorithm>

#include "world/codec.h"
#include "world/gamepaths.h"

namespace orrowvale {
std::size_t characterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::optional<std::string> textProblem(std::string_view utf8) {
    // A line end inside a value would shift every later line of a save.
    if (utf8.find('\r') != std::string_view::npos) return "holds a line break (a CR)";
    if (utf8.find('\n') != std::string_view::npos) return "holds a line break (an LF)";
    if (characterCount(utf8) > kMaxTextCharacters)
        return "is longer than " + std::to_string(kMaxTextCharacters) + " characters";
    if (!fitsCp949(utf8)) return "holds a character CP949 cannot hold";
    return std::nullopt;
}

std::optional<std::string> fileNameProblem(std::string_view nameInData) {
    if (auto problem = textProblem(nameInData)) return problem;
    // "data\\" before the name adds no ".." step and no NUL byte.
    if (!GamePaths::isInsideGameDirectory(nameInData)) return "leaves the game directory";
    return std::nullopt;
}

}  // namespace orrowvale
