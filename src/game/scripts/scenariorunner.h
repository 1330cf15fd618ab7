#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orrowvale {

struct Game;
class LineReader;

// The scenario runner: the script language of story chapters, quests, dungeon
// rewards, wars, searches and the monthly trade refresh.

// Runs every block of "data\" + `file` whose conditions hold, in file order. A file
// that does not exist does nothing.
void runScript(Game& game, std::string_view file);
// Reads one condition block up to "-optend-" (or the end of the file) and tells
// whether it holds. Every condition is read and every die rolled, even after one
// has failed.
bool readConditions(Game& game, LineReader& file);
// Executes one action line, reading its operand lines from the file. A line that
// is no action keyword is ignored.
void executeAction(Game& game, const std::string& line, LineReader& file);

// Runs the trade script of every city, adding transport contracts to its trading
// post.
void refreshTradeGoods(Game& game);

// The keywords the scenario runner knows, in the order it tests them, for tools
// that check scripts before they are played.
std::vector<std::string_view> scenarioConditionKeywords();
std::vector<std::string_view> scenarioActionKeywords();

// The text block after ":announce" or ":talk": the lines after the first "&start",
// up to "&end" or the end of the file.
std::vector<std::string> readTextBlock(LineReader& file);

}  // namespace orrowvale
