#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orrowvale {

struct Game;
struct GameState;
class LineReader;

// What the scenario runner and the event runner share: the keywords both dialects
// know, and the reading of condition blocks and action lines by keyword tables.
// Every keyword reads all its operand lines, even when it then does nothing because
// an operand names something outside its table.

inline constexpr std::string_view kSwitchOn = "&on";
inline constexpr std::string_view kSwitchOff = "&off";

// A condition keyword: reads its operands and tells whether it holds.
using ScriptCondition = bool (*)(Game&, LineReader&);
// An action keyword: reads its operands and acts.
using ScriptAction = void (*)(Game&, LineReader&);

template <typename Handler>
struct Keyword {
    std::string_view word;
    Handler handler;
};

// The words of a keyword table, in table order.
template <typename Handler>
std::vector<std::string_view> keywordsOf(std::span<const Keyword<Handler>> keywords) {
    std::vector<std::string_view> words;
    for (const auto& keyword : keywords)
        words.push_back(keyword.word);
    return words;
}
template <typename Handler, std::size_t N>
std::vector<std::string_view> keywordsOf(const Keyword<Handler> (&keywords)[N]) {
    return keywordsOf(std::span<const Keyword<Handler>>(keywords));
}

// Reads condition lines up to "-optend-" (or the end of the file). Every line that
// names a keyword of the table is evaluated, also after one has failed, so that
// operands are consumed and dice rolled alike; other lines are passed over.
bool readConditionBlock(std::span<const Keyword<ScriptCondition>> keywords, Game& game,
                        LineReader& file);
// Runs the action of the keyword equal to `line`; false when the line is none.
bool runActionLine(std::span<const Keyword<ScriptAction>> keywords, Game& game,
                   const std::string& line, LineReader& file);

// Conditions.
bool switchHolds(Game& game, LineReader& file);     // "&on"/"&off", switch N
bool afterDateHolds(Game& game, LineReader& file);  // turn, week, month, year
bool characterHolds(Game& game, LineReader& file);  // story character C
// Whether the calendar has reached the date (turn, week, month, year): an equal
// date counts as reached.
bool dateReached(const GameState& state, std::int32_t turn, std::int32_t week, std::int32_t month,
                 std::int32_t year);

// Actions.
void showMessage(Game& game, LineReader& file);      // ":dlg"
void showTalk(Game& game, LineReader& file);         // ":talk"
void setSwitch(Game& game, LineReader& file);        // ":switch"
void addGold(Game& game, LineReader& file);          // ":gp"
void addPlace(Game& game, LineReader& file);         // ":addgoto"
void addRandomMember(Game& game, LineReader& file);  // ":addrandom"
void openGuildBranch(Game& game, LineReader& file);  // ":openguild"
void addFame(Game& game, LineReader& file);          // ":famadd"
void openDungeon(Game& game, LineReader& file);      // ":ondungeon"

// Whether a number read from a script names an entry of a table of `size` entries.
inline bool inTable(std::int32_t number, int size) {
    return number >= 1 && number <= size;
}
// Fame of kind 1 (adventure), 2 (political) or 3 (covert); null for another kind.
std::int32_t* fameOfKind(GameState& state, std::int32_t kind);
// Gold and fame amounts in scripts are one signed byte: 200 gives -56, 300 gives 44.
std::int32_t signedByte(std::int32_t amount);
// Adds as the game's 32-bit counters do: past the largest value they wrap around.
std::int32_t wrappingAdd(std::int32_t a, std::int32_t b);

}  // namespace orrowvale
