#include <algorithm>

#include "core.h"
#include "world/datafiles.h"
#include "world/gamestate.h"

namespace orrowvale::check {
namespace {

constexpr int kItemCodes = 8;

}  // namespace

std::optional<std::int32_t> Core::readNumberToken(Cursor& cursor, std::string_view what) {
    while (!cursor.atEnd()) {
        const std::string& line = cursor.read();
        std::size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos) continue;
        std::size_t end = line.find_first_of(" \t\r", start);
        std::string token = line.substr(start, end == std::string::npos ? end : end - start);
        std::int32_t value = 0;
        if (parseWholeNumber(token, value)) {
            warnNumbersSideBySide(cursor, line, value);
            return value;
        }
        error(cursor, "expected " + std::string(what) + ", found " + inQuotes(line));
        // A marker or keyword is left for the block around it.
        if (isStructuralMarker(line) || line.starts_with(":")) cursor.back();
        return {};
    }
    error(cursor, "expected " + std::string(what) + ", found the end of the file");
    return {};
}

// Only the first number of a line is read: numbers written side by side leave the
// lines below to be read in their place.
void Core::warnNumbersSideBySide(const Cursor& cursor, const std::string& line,
                                 std::int32_t value) {
    std::size_t first = line.find_first_not_of(" \t\r");
    std::size_t end = first == std::string::npos ? first : line.find_first_of(" \t\r", first);
    std::size_t next = end == std::string::npos ? end : line.find_first_not_of(" \t\r", end);
    if (next == std::string::npos) return;
    std::int32_t ignored = 0;
    if (parseWholeNumber(line.substr(next, line.find_first_of(" \t\r", next) - next), ignored))
        warning(cursor, "only the first number of a line is read: " + inQuotes(line) + " gives " +
                            std::to_string(value) + " (write each number on its own line)");
}

std::optional<std::int32_t> Core::readNumberLine(Cursor& cursor, std::string_view what) {
    if (cursor.atEnd()) {
        error(cursor, "expected " + std::string(what) + ", found the end of the file");
        return {};
    }
    const std::string& line = cursor.read();
    std::int32_t value = 0;
    if (parseWholeNumber(line, value)) return value;
    error(cursor, "expected " + std::string(what) + ", found " +
                      (line.empty() ? std::string("an empty line") : inQuotes(line)));
    if (isStructuralMarker(line)) cursor.back();  // a block cut short: the marker opens the next
    return {};
}

bool Core::inTable(std::int32_t n, Operand kind, const Where& at, int city) {
    switch (kind) {
        case Operand::City:
        case Operand::War:
        case Operand::Quest:
        case Operand::Dungeon:
            return inCountedTable(n, kind, at, city);
        default:
            return inFixedRange(n, kind, at);
    }
}

// The tables the world's lists count: cities, wars, quests, a city's dungeons.
bool Core::inCountedTable(std::int32_t n, Operand kind, const Where& at, int city) {
    auto outside = [&](std::string message) {
        error(at, std::move(message));
        return false;
    };
    std::string number = std::to_string(n);
    switch (kind) {
        case Operand::City:
            if (state_.cityCount >= 0 && (n < 1 || n > state_.cityCount))
                return outside("there is no city " + number + ": data/city.txt lists " +
                               std::to_string(state_.cityCount));
            if (n < 1 || n > kMaxCities) return outside("city " + number + " is outside 1..100");
            return true;
        case Operand::War:
            if (n < 1 || (state_.warCount >= 0 && n > state_.warCount) || n > kMaxWars)
                return outside("there is no war " + number + ": data/wars/warlist.txt lists " +
                               std::to_string(std::max(state_.warCount, 0)));
            return true;
        case Operand::Quest:
            if (n < 1 || (state_.questCount >= 0 && n > state_.questCount) || n > kMaxQuests)
                return outside("there is no quest " + number +
                               ": data/quests/questlist.txt lists " +
                               std::to_string(std::max(state_.questCount, 0)));
            return true;
        case Operand::Dungeon: {
            auto known = state_.dungeonCount.find(city);
            if (n < 1 || n > kMaxSitesPerCity ||
                (known != state_.dungeonCount.end() && known->second >= 0 && n > known->second))
                return outside("city " + std::to_string(city) + " has no dungeon " + number +
                               (known != state_.dungeonCount.end()
                                    ? ": its dungeon list holds " + std::to_string(known->second)
                                    : std::string()));
            return true;
        }
        default:
            return true;
    }
}

// The numbers whose range the game fixes.
bool Core::inFixedRange(std::int32_t n, Operand kind, const Where& at) {
    auto outside = [&](std::string message) {
        error(at, std::move(message));
        return false;
    };
    std::string number = std::to_string(n);
    switch (kind) {
        case Operand::Switch:
            if (n < 1 || n > kMaxSwitches)
                return outside("switch " + number + " is outside 1..1000");
            return true;
        case Operand::Variable:
            if (n < 1 || n > kMaxVariables)
                return outside("variable " + number + " is outside 1..1000");
            return true;
        case Operand::Fame:
            if (n < 1 || n > 3)
                return outside("fame kind " + number +
                               " does not exist: 1 is adventure, 2 political, 3 covert fame");
            return true;
        case Operand::Item:
            if (n < 1 || n > kItemCodes)
                return outside("item code " + number + " does not exist: items are 1 to 8");
            return true;
        case Operand::ScenarioEntry:
            if (n < 1 || n > kMaxScenarioFiles)
                return outside("scenario file number " + number + " is outside 1..100");
            if (n != 1)
                warning(at, "scenario file number " + number +
                                " is kept but never run: only number 1 runs at every turn");
            return true;
        case Operand::Percent:
            if (n < 0 || n > 100) warning(at, "a chance of " + number + "% is outside 0..100");
            return true;
        case Operand::SmallAmount:
            if (n < -128 || n > 127)
                warning(at, "the amount " + number + " is taken as " +
                                std::to_string(static_cast<std::int8_t>(n & 0xFF)) +
                                ": amounts run from -128 to 127");
            return true;
        default:
            return true;
    }
}

}  // namespace orrowvale::check
