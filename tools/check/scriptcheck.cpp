#include <algorithm>
#include <cctype>

#include "checkerimpl.h"
#include "scripts/scriptactions.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

using enum Operand;
using Shapes = std::vector<std::pair<std::string_view, std::vector<Operand>>>;

// The operand lines of every keyword, dialect by dialect.
const Shapes& scenarioConditions() {
    static const Shapes shapes = {
        {":switch", {State, Switch}}, {":samevar", {Variable, Value}}, {":location", {City}},
        {":per", {Percent}},          {":perspip", {Value}},           {":chrnum", {Value}},
        {":fam", {Fame, Value}},      {":pervar", {Variable}},         {":aftertime", {Date}},
    };
    return shapes;
}

const Shapes& scenarioActions() {
    static const Shapes shapes = {
        {":dlg", {Text}},
        {":announce", {TextBlock}},
        {":talk", {Text, TextBlock}},
        {":switch", {State, Switch}},
        {":exitfile", {}},
        {":addgoto", {City, Text, EventFile}},
        {":addcarry", {City, Text, Value, Value, Value, Value}},
        {":change", {ScenarioEntry, ScriptFile}},
        {":onwar", {War}},
        {":stopquest", {}},
        {":famadd", {Fame, SmallAmount}},
        {":ondungeon", {City, Dungeon}},
        {":fight", {Text, Value, Value, Value}},
        {":additem", {Item}},
        {":addvar", {Variable, Value}},
        {":killone", {}},
        {":setvar", {Variable, Value}},
        {":addrandom", {}},
        {":openguild", {}},
        {":gp", {SmallAmount}},
        {":changequest", {Quest, ScriptFile}},
        {":onquest", {Quest, Value}},
        {":offquest", {Quest}},
    };
    return shapes;
}

const Shapes& eventConditions() {
    static const Shapes shapes = {
        {":switch", {State, Switch}}, {":aftertime", {TwoDates}}, {":chrnum", {Value}}};
    return shapes;
}

const Shapes& eventActions() {
    static const Shapes shapes = {
        {":dlg", {Text}},
        {":talk", {Text, TextBlock}},
        {":talkchr", {TextBlock}},
        {":switch", {State, Switch}},
        {":exitfile", {}},
        {":gp", {SmallAmount}},
        {":addgoto", {City, Text, EventFile}},
        {":addrandom", {}},
        {":openguild", {}},
        {":famadd", {Fame, SmallAmount}},
        {":ondungeon", {City, Dungeon}},
    };
    return shapes;
}

const std::vector<Operand>* find(const Shapes& shapes, std::string_view word) {
    for (const auto& [keyword, operands] : shapes)
        if (keyword == word) return &operands;
    return nullptr;
}

std::vector<std::string_view> words(const Shapes& shapes) {
    std::vector<std::string_view> list;
    for (const auto& shape : shapes)
        list.push_back(shape.first);
    return list;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

std::string inQuotes(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

Dialect other(Dialect dialect) {
    return dialect == Dialect::Scenario ? Dialect::Event : Dialect::Scenario;
}

const char* filesOf(Dialect dialect) {
    return dialect == Dialect::Scenario ? "scenario scripts" : "event files";
}

std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The keyword of the block a slip of the pen most likely meant; empty when none is
// close.
std::string_view likelyKeyword(std::string_view line, const Shapes& shapes) {
    std::string plain;
    for (char c : line)
        if (c != ' ' && c != '\t')
            plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string_view best;
    std::size_t bestDistance = 3;
    for (const auto& [word, operands] : shapes) {
        std::size_t distance = editDistance(plain, word);
        if (distance < bestDistance) {
            best = word;
            bestDistance = distance;
        }
    }
    return best;
}

std::string numberWhat(Operand op) {
    switch (op) {
        case Switch:
            return "a switch number";
        case Variable:
            return "a variable number";
        case City:
            return "a city number";
        case Percent:
            return "a percentage";
        case Fame:
            return "a fame kind";
        case War:
            return "a war number";
        case Quest:
            return "a quest number";
        case Dungeon:
            return "a dungeon number";
        case Item:
            return "an item code";
        case ScenarioEntry:
            return "a scenario file number";
        case SmallAmount:
            return "an amount";
        default:
            return "a number";
    }
}

const std::set<std::string_view> kBlockBreakers = {marker::start};
const std::set<std::string_view> kConditionBreakers = {marker::start, marker::end};
const std::set<std::string_view> kWarBreakers = {marker::warJoin, marker::warEnd};
const std::set<std::string_view> kWarConditionBreakers = {marker::warJoin, marker::warEnd,
                                                          marker::warSectionEnd};
const std::set<std::string_view> kTradeConditionBreakers = {marker::start, marker::end,
                                                            marker::optionStart};

// The marker a line was meant to be when it only differs by blanks or letter case;
// empty when it is no such slip.
std::string_view nearMarker(std::string_view line) {
    static constexpr std::string_view kMarkers[] = {
        marker::start,           marker::end,       marker::optionStart,
        marker::optionEnd,       marker::textStart, marker::textEnd,
        marker::warJoin,         marker::warEnd,    marker::warSectionEnd,
        marker::searchConditions};
    std::string plain;
    for (char c : line)
        if (c != ' ' && c != '\t')
            plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view marker : kMarkers) {
        if (marker == line || plain.size() != marker.size()) continue;
        if (std::equal(plain.begin(), plain.end(), marker.begin(), [](char a, char b) {
                return a == std::tolower(static_cast<unsigned char>(b));
            }))
            return marker;
    }
    return {};
}

// The section marker a mistyped line most likely meant ("[STRAT]", "[onjion]",
// "-opt-end-"): such a line opens or closes nothing, so the lines it was meant to
// guard are lost. Empty when the line is no near miss of a bracket or dash marker.
std::string_view mistypedMarker(std::string_view line) {
    if (line.empty() || (line.front() != '[' && line.front() != '-')) return {};
    return slippedMarker(line, {marker::start, marker::end, marker::warJoin, marker::warEnd,
                                marker::optionEnd, marker::optionStart, marker::searchConditions});
}

// A marker slip of either kind; empty when the line is none.
std::string_view meantMarker(std::string_view line) {
    std::string_view meant = nearMarker(line);
    return meant.empty() ? mistypedMarker(line) : meant;
}

std::string markerSlip(std::string_view line, std::string_view meant) {
    if (nearMarker(line) == meant)
        return inQuotes(line) + " is no " + inQuotes(meant) +
               ": a marker stands alone on its line, without blanks, in this letter case";
    return inQuotes(line) + " is no " + inQuotes(meant) +
           " (a typo?): the game only knows the marker spelt exactly";
}

}  // namespace

std::string_view slippedMarker(std::string_view line,
                               std::initializer_list<std::string_view> markers) {
    std::string plain;
    for (char c : line)
        if (c != ' ' && c != '\t')
            plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string_view best;
    std::size_t bestDistance = 3;
    for (std::string_view marker : markers) {
        if (marker == line) return {};
        if (line.empty() || marker.front() != line.front()) continue;
        std::string lower;
        for (char c : marker)
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::size_t distance = editDistance(plain, lower);
        if (distance < bestDistance) {
            best = marker;
            bestDistance = distance;
        }
    }
    return best;
}

std::string slippedMarkerMessage(std::string_view line, std::string_view meant) {
    std::string plain;
    for (char c : line)
        if (c != ' ' && c != '\t')
            plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    bool onlyBlanksOrCase =
        std::equal(plain.begin(), plain.end(), meant.begin(), meant.end(),
                   [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    if (onlyBlanksOrCase)
        return inQuotes(line) + " is no " + inQuotes(meant) +
               ": a marker stands alone on its line, without blanks, in this letter case";
    return inQuotes(line) + " is no " + inQuotes(meant) +
           " (a typo?): the game only knows the marker spelt exactly";
}

bool isStructuralMarker(std::string_view line) {
    return line == marker::start || line == marker::end || line == marker::optionStart ||
           line == marker::optionEnd || line == marker::warJoin || line == marker::warEnd ||
           line == marker::warSectionEnd || line == marker::searchConditions;
}

const std::vector<Operand>* conditionOperands(Dialect dialect, std::string_view word) {
    return find(dialect == Dialect::Scenario ? scenarioConditions() : eventConditions(), word);
}

const std::vector<Operand>* actionOperands(Dialect dialect, std::string_view word) {
    return find(dialect == Dialect::Scenario ? scenarioActions() : eventActions(), word);
}

std::vector<std::string_view> checkedConditionKeywords(Dialect dialect) {
    return words(dialect == Dialect::Scenario ? scenarioConditions() : eventConditions());
}

std::vector<std::string_view> checkedActionKeywords(Dialect dialect) {
    return words(dialect == Dialect::Scenario ? scenarioActions() : eventActions());
}

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
}  // namespace

void Checker::checkDateField(int field, std::int32_t value, const Where& at) {
    const DateField& f = kDateFields[field];
    if (f.last == 0 || (value >= 1 && value <= f.last)) return;
    warning(at, "a date with " + std::string(f.name) + " " + std::to_string(value) +
                    ": the calendar counts " + f.name + "s 1 to " + std::to_string(f.last) +
                    ", so the date is never the one meant");
}

void Checker::checkOperands(Cursor& c, const std::string& word,
                            const std::vector<Operand>& operands) {
    Where keyword{c.file(), c.line()};
    int city = 0;
    for (Operand op : operands) {
        if (op == TextBlock) {
            checkTextBlock(c, word, keyword);
            continue;
        }
        if (op == TwoDates) {
            checkTwoDates(c, keyword);
            continue;
        }
        if (op == Date) {
            for (int field = 0; field < 4; ++field) {
                auto n = numberToken(c, kDateFields[field].what);
                if (!n) return;
                checkDateField(field, *n, {c.file(), c.line()});
            }
            continue;
        }
        if (op == Text || op == State || op == EventFile || op == ScriptFile) {
            if (c.atEnd()) {
                error(keyword, inQuotes(word) + " needs more operand lines: the file ends first");
                return;
            }
            const std::string& line = c.read();
            if (isStructuralMarker(line)) {
                error(c, inQuotes(line) + " is read as an operand of " + inQuotes(word) +
                             ", which needs more lines");
                c.back();
                return;
            }
            if (op == Text && line == marker::textStart) {
                error(c, inQuotes(word) +
                             " has no line before its text: \"&start\" is read as "
                             "that line and the text shows nothing");
                c.back();
                skipOperands(c, {TextBlock});
                return;
            }
            if (op == State && line != kSwitchOn && line != kSwitchOff)
                error(c, "expected \"&on\" or \"&off\", found " +
                             (line.empty() ? std::string("an empty line") : inQuotes(line)));
            if (op == EventFile) {
                if (auto path = named(line, {c.file(), c.line()}, "event file"))
                    queue(*path, Layout::Event);
            }
            if (op == ScriptFile) {
                bool quest = word == ":changequest";
                if (auto path = named(line, {c.file(), c.line()},
                                      quest ? "quest script" : "scenario file")) {
                    queue(*path, Layout::Scenario);
                    if (quest) {
                        questFiles_.push_back(*path);
                        partyScripts_.insert(*path);
                    }
                }
            }
            continue;
        }
        auto n = numberToken(c, numberWhat(op));
        if (!n) continue;
        if (op == City) city = *n;
        inTable(*n, op, {c.file(), c.line()}, city);
    }
}

void Checker::checkTwoDates(Cursor& c, const Where& keyword) {
    for (int field = 0; field < 8; ++field) {
        while (!c.atEnd() && isBlank(c.source().lines[static_cast<std::size_t>(c.line())]))
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

void Checker::checkTextBlock(Cursor& c, const std::string& word, const Where& keyword) {
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
        } else if (std::string_view meant = nearMarker(line);
                   meant == marker::textEnd || meant == marker::textStart) {
            error(c,
                  inQuotes(line) + " is no " + inQuotes(meant) +
                      ": a marker stands alone on its line, without blanks, in this letter case");
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

void Checker::skipOperands(Cursor& c, const std::vector<Operand>& operands) {
    auto skipLine = [&](bool overBlanks) {
        while (!c.atEnd()) {
            const std::string& line = c.read();
            if (isStructuralMarker(line)) {
                c.back();
                return;
            }
            if (!overBlanks || !isBlank(line)) return;
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

// ---- lines that no runner acts on ----

void Checker::strayLine(Cursor& c, const std::string& line, Dialect dialect, bool inConditions) {
    if (std::string_view meant = meantMarker(line); !meant.empty()) {
        error(c, markerSlip(line, meant));
        return;
    }
    const Dialect foreign = other(dialect);
    const std::vector<Operand>* skip = nullptr;
    std::string message;
    // A keyword the runner does not act on here is an error like a typo: what the
    // author wrote never happens, and a guard written this way never guards.
    bool keyword = true;
    if (inConditions && (skip = actionOperands(dialect, line))) {
        message = inQuotes(line) +
                  " is an action, not a condition: it and its operand lines are ignored here";
    } else if (!inConditions && (skip = conditionOperands(dialect, line))) {
        message = inQuotes(line) +
                  " is a condition, not an action: it and its operand lines are ignored here";
    } else if ((skip = inConditions ? conditionOperands(foreign, line)
                                    : actionOperands(foreign, line)) ||
               (skip = inConditions ? actionOperands(foreign, line)
                                    : conditionOperands(foreign, line))) {
        message = inQuotes(line) + " is a keyword of " + filesOf(foreign) + ", not of " +
                  filesOf(dialect) + ": it and its operand lines are ignored here";
    } else if (line == warKeyword::merit || line == warKeyword::over) {
        message = inQuotes(line) + " works only in the " +
                  std::string(line == warKeyword::merit ? marker::warJoin : marker::warEnd) +
                  " section of a war file: here it is ignored";
        static const std::vector<Operand> warOperand = {Value};
        skip = &warOperand;
    } else if (isStructuralMarker(line)) {
        keyword = false;
        message = inQuotes(line) + " does not belong here: the line is ignored";
    } else {
        keyword = false;
        const Shapes& shapes =
            inConditions ? (dialect == Dialect::Scenario ? scenarioConditions() : eventConditions())
                         : (dialect == Dialect::Scenario ? scenarioActions() : eventActions());
        std::string_view meant = likelyKeyword(line, shapes);
        message = inQuotes(line) + " is no " + (inConditions ? "condition" : "action") + " of " +
                  filesOf(dialect) + ": the line is ignored" +
                  (meant.empty() ? std::string() : " (a typo of " + inQuotes(meant) + "?)");
        // A line that looks like a keyword is never a note: the author meant one.
        if (line.starts_with(":") || !meant.empty()) {
            error(c, message);
            if (!meant.empty()) skipOperands(c, *find(shapes, meant));
            return;
        }
    }
    if (keyword)
        error(c, message);
    else
        warning(c, message);
    if (skip) skipOperands(c, *skip);
}

void Checker::outsideBlock(Cursor& c, const std::string& line) {
    if (std::string_view meant = meantMarker(line); !meant.empty()) {
        error(c, markerSlip(line, meant));
        return;
    }
    bool keyword = line == marker::optionEnd || line == marker::end || line == warKeyword::merit ||
                   line == warKeyword::over || conditionOperands(Dialect::Scenario, line) ||
                   actionOperands(Dialect::Scenario, line) || actionOperands(Dialect::Event, line);
    if (keyword) warning(c, inQuotes(line) + " stands outside any block, so it is ignored");
}

// ---- blocks ----

Checker::Closing Checker::checkConditions(Cursor& c, Dialect dialect, const Where& opened,
                                          std::set<std::string>& used,
                                          const std::set<std::string_view>& breakers) {
    while (!c.atEnd()) {
        std::string line = c.read();
        if (line == marker::optionEnd) return Closing::Closed;
        if (breakers.contains(line)) {
            error(opened, "the conditions of the block have no \"-optend-\" before line " +
                              std::to_string(c.line()) + " (" + inQuotes(line) + ")");
            c.back();
            return Closing::Broken;
        }
        if (const auto* operands = conditionOperands(dialect, line)) {
            used.insert(line);
            partyKeyword(c, line);
            checkOperands(c, line, *operands);
        } else if (!isBlank(line)) {
            strayLine(c, line, dialect, true);
        }
    }
    error(opened,
          "the conditions of the block have no \"-optend-\": they run to the end of the file");
    return Closing::Ended;
}

void Checker::checkActionLine(Cursor& c, const std::string& line, Dialect dialect,
                              std::string_view extra, std::set<std::string>& used) {
    if (!extra.empty() && line == warKeyword::over && line == extra) {
        used.insert(line);
        auto war = numberToken(c, numberWhat(War));
        if (!war || !inTable(*war, War, {c.file(), c.line()})) return;
        // A party leaves whatever war is named, but only the named war closes.
        auto served = warsOfFile_.find(c.file());
        if (served != warsOfFile_.end() && !served->second.contains(*war))
            warning(c, "\":endthewar\" closes war " + std::to_string(*war) +
                           ", but this file is war " + std::to_string(*served->second.begin()) +
                           ": its own war stays open to new parties");
    } else if (!extra.empty() && line == extra) {
        used.insert(line);
        checkOperands(c, line, {line == warKeyword::merit ? Variable : War});
    } else if (const auto* operands = actionOperands(dialect, line)) {
        used.insert(line);
        partyKeyword(c, line);
        checkOperands(c, line, *operands);
    } else if (!isBlank(line)) {
        strayLine(c, line, dialect, false);
    }
}

void Checker::partyKeyword(const Cursor& c, const std::string& word) {
    if (checkingWithParty_) return;
    const char* runner = checking_ == Layout::Trade
                             ? "no party runs the trade files"
                             : "no party runs this script (it is no quest or level script)";
    if (word == ":perspip")
        warning(c, "\":perspip\" never holds here: " + std::string(runner));
    else if (word == ":fight" || word == ":killone" || word == ":stopquest")
        warning(c, inQuotes(word) + " does nothing here: " + runner);
}

Checker::Closing Checker::checkActions(Cursor& c, Dialect dialect, const Where& opened,
                                       std::string_view closer, std::string_view extra,
                                       std::set<std::string>& used,
                                       const std::set<std::string_view>& breakers) {
    while (!c.atEnd()) {
        std::string line = c.read();
        if (line == closer) return Closing::Closed;
        if (breakers.contains(line)) {
            error(opened, "the block has no " + inQuotes(closer) + " before line " +
                              std::to_string(c.line()) + " (" + inQuotes(line) + ")");
            c.back();
            return Closing::Broken;
        }
        checkActionLine(c, line, dialect, extra, used);
    }
    error(opened, "the block has no " + inQuotes(closer) + ": it runs to the end of the file");
    return Closing::Ended;
}

void Checker::checkBlocks(Cursor& c, Dialect dialect, std::set<std::string>& used) {
    while (!c.atEnd()) {
        std::string line = c.read();
        if (line != marker::start) {
            outsideBlock(c, line);
            // A slip in "[START]" is reported once; the block is read as meant.
            if (meantMarker(line) != marker::start) continue;
        }
        Where opened{c.file(), c.line()};
        Closing conditions = checkConditions(c, dialect, opened, used, kConditionBreakers);
        if (conditions == Closing::Closed) {
            std::set<std::string> actions;
            checkActions(c, dialect, opened, marker::end, {}, actions, kBlockBreakers);
            pubEventRepeats(opened, actions);
            used.insert(actions.begin(), actions.end());
        } else if (conditions == Closing::Broken && c.read() != marker::end) {
            c.back();
        }
    }
}

// The pub's event runs at every visit and after every window the player closes in
// the pub: a block that turns no switch says or gives its thing again each time.
void Checker::pubEventRepeats(const Where& block, const std::set<std::string>& actions) {
    if (!checkingPubEvent_ || actions.contains(":switch")) return;
    if (std::all_of(actions.begin(), actions.end(),
                    [](const std::string& word) { return word == ":exitfile"; }))
        return;
    warning(block,
            "the pub event block turns no switch: it runs again at every visit to the pub "
            "(guard it with a switch it turns)");
}

void Checker::checkSearch(Cursor& c, std::set<std::string>& used) {
    while (!c.atEnd()) {
        std::string line = c.read();
        if (line != marker::start) {
            outsideBlock(c, line);
            // A slip in "[START]" is reported once; the block is read as meant.
            if (meantMarker(line) != marker::start) continue;
        }
        Where opened{c.file(), c.line()};
        bool found = false;
        while (!found && !c.atEnd()) {
            const std::string& next = c.read();
            found = next == marker::searchConditions;
            if (next == marker::start || next == marker::end) {
                c.back();
                break;
            }
        }
        if (!found) {
            error(opened, "the block has no \"-startopt\" line: its conditions are never read");
            if (!c.atEnd() && c.read() != marker::end) c.back();
            continue;
        }
        Closing conditions =
            checkConditions(c, Dialect::Scenario, opened, used, kConditionBreakers);
        if (conditions == Closing::Closed)
            checkActions(c, Dialect::Scenario, opened, marker::end, {}, used, kBlockBreakers);
        else if (conditions == Closing::Broken && c.read() != marker::end)
            c.back();
    }
}

void Checker::checkWar(Cursor& c, std::set<std::string>& used) {
    bool joined = false;
    while (!c.atEnd()) {
        std::string line = c.read();
        Where opened{c.file(), c.line()};
        // A slip in a section marker is reported once; the section is read as meant.
        if (line != marker::warJoin && line != marker::warEnd) {
            std::string_view meant = meantMarker(line);
            if (meant == marker::warJoin || meant == marker::warEnd) {
                outsideBlock(c, line);
                line = std::string(meant);
            }
        }
        if (line == marker::warJoin) {
            if (joined) warning(c, "a second \"[onjoin]\" section: only the first one runs");
            joined = true;
            checkActions(c, Dialect::Scenario, opened, marker::warSectionEnd, warKeyword::merit,
                         used, kWarBreakers);
        } else if (line == marker::warEnd) {
            Closing conditions =
                checkConditions(c, Dialect::Scenario, opened, used, kWarConditionBreakers);
            if (conditions == Closing::Closed)
                checkActions(c, Dialect::Scenario, opened, marker::warSectionEnd, warKeyword::over,
                             used, kWarBreakers);
            else if (conditions == Closing::Broken && c.read() != marker::warSectionEnd)
                c.back();
        } else {
            outsideBlock(c, line);
        }
    }
}

void Checker::checkTradeFile(Cursor& c, std::set<std::string>& used) {
    while (!c.atEnd()) {
        std::string line = c.read();
        if (line != marker::start) {
            outsideBlock(c, line);
            // A slip in "[START]" is reported once; the block is read as meant.
            if (meantMarker(line) != marker::start) continue;
        }
        Where opened{c.file(), c.line()};
        bool guarded = false;
        bool closed = false;
        while (!closed && !c.atEnd()) {
            std::string next = c.read();
            if (next == marker::end) {
                closed = true;
            } else if (next == marker::start) {
                error(opened, "the block has no \"[END]\" before line " + std::to_string(c.line()) +
                                  " (" + inQuotes(next) + ")");
                c.back();
                break;
            } else if (next == marker::optionStart) {
                guarded = true;
                Where condition{c.file(), c.line()};
                checkConditions(c, Dialect::Scenario, condition, used, kTradeConditionBreakers);
            } else if (!guarded && (actionOperands(Dialect::Scenario, next) != nullptr)) {
                warning(c, inQuotes(next) + " comes before the block's \"-opt-\": it never runs");
                skipOperands(c, *actionOperands(Dialect::Scenario, next));
            } else if (guarded) {
                checkActionLine(c, next, Dialect::Scenario, {}, used);
            }
        }
        if (!closed && c.atEnd())
            error(opened, "the block has no \"[END]\": it runs to the end of the file");
        if (!guarded) error(opened, "the block has no \"-opt-\" line: its lines never run");
    }
}

std::set<std::string> Checker::checkScript(const SourceFile& file, Layout layout) {
    std::set<std::string> used;
    Cursor c(file);
    switch (layout) {
        case Layout::Scenario:
            checkBlocks(c, Dialect::Scenario, used);
            break;
        case Layout::Event:
            checkBlocks(c, Dialect::Event, used);
            break;
        case Layout::Search:
            checkSearch(c, used);
            break;
        case Layout::War:
            checkWar(c, used);
            break;
        case Layout::Trade:
            checkTradeFile(c, used);
            break;
        case Layout::Dungeon:
            checkDungeon(file);
            break;
    }
    return used;
}

void Checker::checkQueued() {
    for (std::size_t i = 0; i < queue_.size(); ++i) {
        auto [gamePath, layout] = queue_[i];
        auto file = load(gamePath);
        if (!file) continue;
        checking_ = layout;
        checkingPubEvent_ = layout == Layout::Event && pubEvents_.contains(gamePath);
        checkingWithParty_ = layout == Layout::Search || layout == Layout::War ||
                             (layout == Layout::Scenario && partyScripts_.contains(gamePath));
        std::set<std::string> used = checkScript(*file, layout);
        if (layout == Layout::War && !used.contains(std::string(warKeyword::over)))
            report_.error(file->shown, 0,
                          "no \"[onend]\" section ends the war with \":endthewar\": a party sent "
                          "to it never comes back");
        bool quest =
            std::find(questFiles_.begin(), questFiles_.end(), gamePath) != questFiles_.end();
        if (quest && layout == Layout::Scenario && !used.contains(":stopquest"))
            report_.warning(file->shown, 0,
                            "the quest script has no \":stopquest\": a party on this quest only "
                            "comes back when it is wiped out");
    }
}

}  // namespace orrowvale::check
