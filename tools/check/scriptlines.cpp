#include "core.h"
#include "scripts/scriptactions.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
using enum Operand;

// ---- operands ----

namespace {

struct DateField {
    const char* what;
    const char* name;
    int highest;  // 0: no upper bound
};
// A year has 12 months of 4 weeks of 5 turns.
constexpr DateField kDateFields[] = {{"the turn of a date", "turn", 5},
                                     {"the week of a date", "week", 4},
                                     {"the month of a date", "month", 12},
                                     {"the year of a date", "year", 0}};

// "&start" or "&end" in other blanks or letter case; a slip of the pen in them is
// taken for a line of the text.
std::string_view slippedTextMarker(std::string_view line) {
    for (std::string_view marker : {marker::textStart, marker::textEnd})
        if (sameButBlanksOrCase(line, marker)) return marker;
    return {};
}

}  // namespace

void Core::checkDateField(int field, std::int32_t value, const Where& at) {
    const DateField& part = kDateFields[field];
    if (part.highest == 0 || (value >= 1 && value <= part.highest)) return;
    warning(at, "a date with " + std::string(part.name) + " " + std::to_string(value) +
                    ": the calendar counts " + part.name + "s 1 to " +
                    std::to_string(part.highest) + ", so the date is never the one meant");
}

void Core::checkOperands(Cursor& cursor, const std::string& word,
                         const std::vector<Operand>& operands) {
    Where keyword = cursor.here();
    int city = 0;
    for (Operand op : operands) {
        if (op == TextBlock) {
            checkTextBlock(cursor, word, keyword);
        } else if (op == TwoDates) {
            checkTwoDates(cursor, keyword);
        } else if (op == Date) {
            if (!checkDate(cursor)) return;
        } else if (op == Text || op == State || op == EventFile || op == ScriptFile) {
            if (!checkLineOperand(cursor, word, op, keyword)) return;
        } else if (auto n = readNumberToken(cursor, numberWhat(op))) {
            if (op == City) city = *n;
            inTable(*n, op, cursor.here(), city);
        }
    }
}

bool Core::checkDate(Cursor& cursor) {
    for (int field = 0; field < 4; ++field) {
        auto n = readNumberToken(cursor, kDateFields[field].what);
        if (!n) return false;
        checkDateField(field, *n, cursor.here());
    }
    return true;
}

// An operand of one line that is no number; false when the keyword's operands stop here.
bool Core::checkLineOperand(Cursor& cursor, const std::string& word, Operand op,
                            const Where& keyword) {
    if (cursor.atEnd()) {
        error(keyword, inQuotes(word) + " needs more operand lines: the file ends first");
        return false;
    }
    const std::string& line = cursor.read();
    if (isStructuralMarker(line)) {
        error(cursor, inQuotes(line) + " is read as an operand of " + inQuotes(word) +
                          ", which needs more lines");
        cursor.back();
        return false;
    }
    if (op == Text && line == marker::textStart) {
        error(cursor, inQuotes(word) +
                          " has no line before its text: \"&start\" is read as "
                          "that line and the text shows nothing");
        cursor.back();
        skipOperands(cursor, {TextBlock});
        return false;
    }
    if (op == State && line != kSwitchOn && line != kSwitchOff)
        error(cursor, "expected \"&on\" or \"&off\", found " +
                          (line.empty() ? std::string("an empty line") : inQuotes(line)));
    if (op == EventFile) {
        if (auto path = namedFile(line, cursor.here(), "event file")) queue(*path, Layout::Event);
    }
    if (op == ScriptFile) queueScriptOperand(cursor, word, line);
    return true;
}

void Core::queueScriptOperand(const Cursor& cursor, const std::string& word,
                              const std::string& line) {
    bool quest = word == ":changequest";
    auto path = namedFile(line, cursor.here(), quest ? "quest script" : "scenario file");
    if (!path) return;
    queue(*path, Layout::Scenario);
    if (quest) {
        state_.questFiles.push_back(*path);
        state_.partyScripts.insert(*path);
    }
}

void Core::checkTwoDates(Cursor& cursor, const Where& keyword) {
    for (int field = 0; field < 8; ++field) {
        while (!cursor.atEnd() &&
               isBlankLine(cursor.source().lines[static_cast<std::size_t>(cursor.line())]))
            cursor.read();
        if (cursor.atEnd()) {
            error(keyword,
                  "\":aftertime\" in an event file needs two dates of four numbers; "
                  "the file ends first");
            return;
        }
        const std::string& line = cursor.read();
        std::int32_t value = 0;
        std::string token = line.substr(line.find_first_not_of(" \t"));
        token = token.substr(0, token.find_first_of(" \t\r"));
        if (parseWholeNumber(token, value)) {
            warnNumbersSideBySide(cursor, line, value);
            checkDateField(field % 4, value, cursor.here());
            continue;
        }
        if (field == 4)
            error(keyword,
                  "\":aftertime\" in an event file takes two dates (eight number lines); "
                  "with one date, line " +
                      std::to_string(cursor.line()) + " (" + inQuotes(line) +
                      ") is read as a number and stops the run");
        else
            error(cursor,
                  "expected a number of the dates of \":aftertime\", found " + inQuotes(line));
        if (isStructuralMarker(line) || line.starts_with(":")) cursor.back();
        return;
    }
}

void Core::checkTextBlock(Cursor& cursor, const std::string& word, const Where& keyword) {
    bool started = false;
    auto noStart = [&] {
        if (!started)
            error(keyword, "the text of " + inQuotes(word) +
                               " has no \"&start\" line: the window shows nothing");
    };
    while (!cursor.atEnd()) {
        const std::string& line = cursor.read();
        if (line == marker::textEnd) {
            noStart();
            return;
        }
        if (line == marker::textStart) {
            started = true;
        } else if (std::string_view meant = slippedTextMarker(line); !meant.empty()) {
            error(cursor, slippedMarkerMessage(line, meant));
        } else if (isStructuralMarker(line)) {
            noStart();
            error(keyword, "the text of " + inQuotes(word) + " has no \"&end\" before line " +
                               std::to_string(cursor.line()) + " (" + inQuotes(line) + ")");
            cursor.back();
            return;
        }
    }
    noStart();
    error(keyword,
          "the text of " + inQuotes(word) + " has no \"&end\": it runs to the end of the file");
}

void Core::skipOperands(Cursor& cursor, const std::vector<Operand>& operands) {
    auto skipLine = [&](bool overBlanks) {
        while (!cursor.atEnd()) {
            const std::string& line = cursor.read();
            if (isStructuralMarker(line)) {
                cursor.back();
                return;
            }
            if (!overBlanks || !isBlankLine(line)) return;
        }
    };
    for (Operand op : operands) {
        switch (op) {
            case Text:
            case State:
            case EventFile:
            case ScriptFile:
                skipLine(false);
                break;
            case Date:
                for (int i = 0; i < 4; ++i)
                    skipLine(true);
                break;
            case TwoDates:
                for (int i = 0; i < 8; ++i)
                    skipLine(true);
                break;
            case TextBlock:
                while (!cursor.atEnd()) {
                    const std::string& line = cursor.read();
                    if (line == marker::textEnd) break;
                    if (isStructuralMarker(line)) {
                        cursor.back();
                        break;
                    }
                }
                break;
            default:
                skipLine(true);
                break;
        }
    }
}

}  // namespace orrowvale::check
