#include "core.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
using enum Operand;

const std::set<std::string_view> kBlockBreakers = {marker::start};
const std::set<std::string_view> kConditionBreakers = {marker::start, marker::end};

// ---- blocks ----

Core::Closing Core::checkConditions(Cursor& cursor, Dialect dialect, const Where& opened,
                                    std::set<std::string>& used,
                                    const std::set<std::string_view>& breakers) {
    while (!cursor.atEnd()) {
        std::string line = cursor.read();
        if (line == marker::optionEnd) return Closing::Closed;
        if (breakers.contains(line)) {
            error(opened, "the conditions of the block have no \"-optend-\" before line " +
                              std::to_string(cursor.line()) + " (" + inQuotes(line) + ")");
            cursor.back();
            return Closing::Broken;
        }
        if (const auto* operands = conditionOperands(dialect, line)) {
            used.insert(line);
            warnPartyKeyword(cursor, line);
            checkOperands(cursor, line, *operands);
        } else if (!isBlankLine(line)) {
            reportStrayLine(cursor, line, dialect, true);
        }
    }
    error(opened,
          "the conditions of the block have no \"-optend-\": they run to the end of the file");
    return Closing::Ended;
}

void Core::checkActionLine(Cursor& cursor, const std::string& line, Dialect dialect,
                           std::string_view extra, std::set<std::string>& used) {
    if (!extra.empty() && line == warKeyword::over && line == extra) {
        used.insert(line);
        auto war = readNumberToken(cursor, numberWhat(War));
        if (!war || !inTable(*war, War, cursor.here())) return;
        // A party leaves whatever war is named, but only the named war closes.
        auto served = state_.warsOfFile.find(cursor.shownPath());
        if (served != state_.warsOfFile.end() && !served->second.contains(*war))
            warning(cursor, "\":endthewar\" closes war " + std::to_string(*war) +
                                ", but this file is war " +
                                std::to_string(*served->second.begin()) +
                                ": its own war stays open to new parties");
    } else if (!extra.empty() && line == extra) {
        used.insert(line);
        checkOperands(cursor, line, {line == warKeyword::merit ? Variable : War});
    } else if (const auto* operands = actionOperands(dialect, line)) {
        used.insert(line);
        warnPartyKeyword(cursor, line);
        checkOperands(cursor, line, *operands);
    } else if (!isBlankLine(line)) {
        reportStrayLine(cursor, line, dialect, false);
    }
}

void Core::warnPartyKeyword(const Cursor& cursor, const std::string& word) {
    if (state_.checkingWithParty) return;
    const char* runner = state_.checkingLayout == Layout::Trade
                             ? "no party runs the trade files"
                             : "no party runs this script (it is no quest or level script)";
    if (word == ":perspip")
        warning(cursor, "\":perspip\" never holds here: " + std::string(runner));
    else if (word == ":fight" || word == ":killone" || word == ":stopquest")
        warning(cursor, inQuotes(word) + " does nothing here: " + runner);
}

Core::Closing Core::checkActions(Cursor& cursor, Dialect dialect, const Where& opened,
                                 std::string_view closer, std::string_view extra,
                                 std::set<std::string>& used,
                                 const std::set<std::string_view>& breakers) {
    while (!cursor.atEnd()) {
        std::string line = cursor.read();
        if (line == closer) return Closing::Closed;
        if (breakers.contains(line)) {
            error(opened, "the block has no " + inQuotes(closer) + " before line " +
                              std::to_string(cursor.line()) + " (" + inQuotes(line) + ")");
            cursor.back();
            return Closing::Broken;
        }
        checkActionLine(cursor, line, dialect, extra, used);
    }
    error(opened, "the block has no " + inQuotes(closer) + ": it runs to the end of the file");
    return Closing::Ended;
}

void Core::forEachBlock(Cursor& cursor,
                        const std::function<void(const Where& opened)>& checkBlock) {
    while (!cursor.atEnd()) {
        std::string line = cursor.read();
        if (line != marker::start) {
            reportLineOutsideBlock(cursor, line);
            // A slip in "[START]" is reported once; the block is read as meant.
            if (slippedScriptMarker(line) != marker::start) continue;
        }
        checkBlock(cursor.here());
    }
}

std::set<std::string> Core::checkBlocks(Cursor& cursor, Dialect dialect,
                                        const BlockActions& onBlock) {
    std::set<std::string> used;
    forEachBlock(cursor, [&](const Where& opened) {
        Closing conditions = checkConditions(cursor, dialect, opened, used, kConditionBreakers);
        if (conditions == Closing::Broken) cursor.skipIfNext(marker::end);
        if (conditions != Closing::Closed) return;
        std::set<std::string> actions;
        checkActions(cursor, dialect, opened, marker::end, {}, actions, kBlockBreakers);
        if (onBlock) onBlock(opened, actions);
        used.insert(actions.begin(), actions.end());
    });
    return used;
}

}  // namespace orrowvale::check
