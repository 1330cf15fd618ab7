#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orrowvale {

// What one game can hold. Loading refuses a save beyond these limits, and every way
// a value comes into the game (a world file, a script command, the player's action)
// holds it to the same ones, so that every save the game writes loads again.

// A name or file name the game keeps: one line of at most this many characters.
// At this length every text of a main save file still leaves it well under the
// largest file the game reads (GamePaths::kMaxFileBytes).
inline constexpr std::size_t kMaxTextCharacters = 100;

// The years a calendar can show. The turn never takes the year past the last one.
inline constexpr std::int32_t kFirstYear = 0;
inline constexpr std::int32_t kLastYear = 1000000;

// Item codes: 0 is no item, 1 to 8 the items of the game (their names in itemName).
inline constexpr std::int32_t kLastItemCode = 8;

inline bool isItemCode(std::int32_t code) {
    return code >= 0 && code <= kLastItemCode;
}

// The characters (not bytes) of a UTF-8 text.
std::size_t characterCount(std::string_view utf8);

// Why the game cannot keep `utf8` as a name (a line break, a character the save
// files' code page lacks, more than kMaxTextCharacters characters), as a phrase
// such as "holds a line break"; nothing when it can.
std::optional<std::string> textProblem(std::string_view utf8);

// The same for a file name relative to "data\" that the game opens later, which must
// also stay inside the game directory.
std::optional<std::string> fileNameProblem(std::string_view nameInData);

}  // namespace orrowvale
