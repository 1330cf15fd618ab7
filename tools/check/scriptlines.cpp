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
    int last;  // 0: no upper bound
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
    const DateField& f = kDateFields[field];
    if (f.last == 0 || (value >= 1 && value <= f.last)) return;
    warning(at, "a date with " + std::string(f.name) + " " + std::to_string(value) +
                    ": the calendar counts " + f.name + "s 1 to " + std::to_string(f.last) +
                    ", so the date is never the one meant");
}

void Core::checkOperands(Cursor& c, const std::string& word, const std::vector<Operand>& operands) {
    Where keyword{c.file(), c.line()};
    int city = 0;
    for (Operand op : operands) {
        if (op == TextBlock) {
            checkTextBlock(c, word, keyword);
        } else if (op == TwoDates) {
            checkTwoDates(c, keyword);
        } else if (op == Date) {
            if (!checkDate(c)) return;
        } else if (op == Text || op == State || op == EventFile || op == ScriptFile) {
            if (!checkLineOperand(c, word, op, keyword)) return;
        } else if (auto n = numberToken(c, numberWhat(op))) {
            if (op == City) city = *n;
            inTable(*n, op, {c.file(), c.line()}, city);
        }
    }
}

bool Core::checkDate(Cursor& c) {
    for (int field = 0; field < 4; ++field) {
        auto n = numberToken(c, kDateFields[field].what);
        if (!n) return false;
        checkDateField(field, *n, {c.file(), c.line()});
    }
    return true;
}

// An operand of one line that is no number; false when the keyword's operands stop here.
bool Core::checkLineOperand(Cursor& c, const std::string& word, Operand op, const Where& keyword) {
    if (c.atEnd()) {
        error(keyword, inQuotes(word) + " needs more operand lines: the file ends first");
        return false;
    }
    const std::string& line = c.read();
    if (isStructuralMarker(line)) {
        error(c, inQuotes(line) + " is read as an operand of " + inQuotes(word) +
                     ", which needs more lines");
        c.back();
        return false;
    }
    if (op == Text && line == marker::textStart) {
        error(c, inQuotes(word) +
                     " has no line before its text: \"&start\" is read as "
                     "that line and the text shows nothing");
        c.back();
        skipOperands(c, {TextBlock});
        return false;
    }
    if (op == State && line != kSwitchOn && line != kSwitchOff)
        error(c, "expected \"&on\" or \"&off\", found " +
                     (line.empty() ? std::string("an empty line") : inQuotes(line)));
    if (op == EventFile) {
        if (auto path = named(line, {c.file(), c.line()}, "event file"))
            queue(*path, Layout::Event);
    }
    if (op == ScriptFile) queueScriptOperand(c, word, line);
    return true;
}

void Core::queueScriptOperand(const Cursor& c, const std::string& word, const std::string& line) {
    bool quest = word == ":changequest";
    auto path = named(line, {c.file(), c.line()}, quest ? "quest script" : "scenario file");
    if (!path) return;
    queue(*path, Layout::Scenario);
    if (quest) {
        state_.questFiles.push_back(*path);
        state_.partyScripts.insert(*path);
    }
}

void Core::checkTwoDates(Cursor& c, const Where& keyword) {
    for (int field = 0; field < 8; ++field) {
        while (!c.atEnd() && isBlankLine(c.source().lines[static_cast<std::size_t>(c.line())]))
            c.read();
        if (c.atEnd()) {
            error(keyword,
                  "\":aftertime\" in an event file needs two dates of four numbers; "
                  "the file ends first");
            return;
        }
        const std::string& line = c.read();
        std::int32_t value = 0;
        std::string token = line.substr(line.find_first_not_of(" \t"));
        token = token.substr(0, token.find_first_of(" \t\r"));
        if (parseWholeNumber(token, value)) {
            numbersSideBySide(c, line, value);
            checkDateField(field % 4, value, {c.file(), c.line()});
            continue;
        }
        if (field == 4)
            error(keyword,
                  "\":aftertime\" in an event file takes two dates (eight number lines); "
                  "with one date, line " +
                      std::to_string(c.line()) + " (" + inQuotes(line) +
                      ") is read as a number and stops the run");
        else
            error(c, "expected a number of the dates of \":aftertime\", found " + inQuotes(line));
        if (isStructuralMarker(line) || line.starts_with(":")) c.back();
        return;
    }
}

void Core::checkTextBlock(Cursor& c, const std::string& word, const Where& keyword) {
    bool started = false;
    auto noStart = [&] {
        if (!started)
            error(keyword, "the text of " + inQuotes(word) +
                               " has no \"&start\" line: the window shows nothing");
    };
    while (!c.atEnd()) {
        const std::string& line = c.read();
        if (line == marker::textEnd) {
            noStart();
            return;
        }
        if (line == marker::textStart) {
            started = true;
        } else if (std::string_view meant = slippedTextMarker(line); !meant.empty()) {
            error(c, slippedMarkerMessage(line, meant));
        } else if (isStructuralMarker(line)) {
            noStart();
            error(keyword, "the text of " + inQuotes(word) + " has no \"&end\" before line " +
                               std::to_string(c.line()) + " (" + inQuotes(line) + ")");
            c.back();
            return;
        }
    }
    noStart();
    error(keyword,
          "the text of " + inQuotes(word) + " has no \"&end\": it runs to the end of the file");
}

void Core::skipOperands(Cursor& c, const std::vector<Operand>& operands) {
    auto skipLine = [&](bool overBlanks) {
        while (!c.atEnd()) {
            const std::string& line = c.read();
            if (isStructuralMarker(line)) {
                c.back();
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
                while (!c.atEnd()) {
                    const std::string& line = c.read();
                    if (line == marker::textEnd) break;
                    if (isStructuralMarker(line)) {
                        c.back();
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
