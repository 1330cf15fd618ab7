#include "core.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

using enum Operand;
// Each keyword with what its operand lines hold.
using OperandTable = std::vector<std::pair<std::string_view, std::vector<Operand>>>;

// The keywords of each block, dialect by dialect.
const OperandTable& scenarioConditions() {
    static const OperandTable table = {
        {":switch", {State, Switch}}, {":samevar", {Variable, Value}}, {":location", {City}},
        {":per", {Percent}},          {":perspip", {Value}},           {":chrnum", {Value}},
        {":fam", {Fame, Value}},      {":pervar", {Variable}},         {":aftertime", {Date}},
    };
    return table;
}

const OperandTable& scenarioActions() {
    static const OperandTable table = {
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
        {":goals", {}},
        {":changequest", {Quest, ScriptFile}},
        {":onquest", {Quest, Value}},
        {":offquest", {Quest}},
    };
    return table;
}

const OperandTable& eventConditions() {
    static const OperandTable table = {
        {":switch", {State, Switch}}, {":aftertime", {TwoDates}}, {":chrnum", {Value}}};
    return table;
}

const OperandTable& eventActions() {
    static const OperandTable table = {
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
    return table;
}

const std::vector<Operand>* operandsOf(const OperandTable& table, std::string_view word) {
    for (const auto& [keyword, operands] : table)
        if (keyword == word) return &operands;
    return nullptr;
}

std::vector<std::string_view> keywordsOf(const OperandTable& table) {
    std::vector<std::string_view> list;
    for (const auto& [keyword, operands] : table)
        list.push_back(keyword);
    return list;
}

const OperandTable& conditionTable(Dialect dialect) {
    return dialect == Dialect::Scenario ? scenarioConditions() : eventConditions();
}

const OperandTable& actionTable(Dialect dialect) {
    return dialect == Dialect::Scenario ? scenarioActions() : eventActions();
}

Dialect otherDialect(Dialect dialect) {
    return dialect == Dialect::Scenario ? Dialect::Event : Dialect::Scenario;
}

const char* filesOf(Dialect dialect) {
    return dialect == Dialect::Scenario ? "scenario scripts" : "event files";
}

// The keyword of the block a slip of the pen most likely meant; empty when none is
// close.
std::string_view likelyKeyword(std::string_view line, const OperandTable& table) {
    return closestWord(line, keywordsOf(table));
}

}  // namespace

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

bool isStructuralMarker(std::string_view line) {
    return line == marker::start || line == marker::end || line == marker::optionStart ||
           line == marker::optionEnd || line == marker::warJoin || line == marker::warEnd ||
           line == marker::warSectionEnd || line == marker::searchConditions;
}

const std::vector<Operand>* conditionOperands(Dialect dialect, std::string_view word) {
    return operandsOf(conditionTable(dialect), word);
}

const std::vector<Operand>* actionOperands(Dialect dialect, std::string_view word) {
    return operandsOf(actionTable(dialect), word);
}

std::vector<std::string_view> checkedConditionKeywords(Dialect dialect) {
    return keywordsOf(conditionTable(dialect));
}

std::vector<std::string_view> checkedActionKeywords(Dialect dialect) {
    return keywordsOf(actionTable(dialect));
}

// ---- lines that no runner acts on ----

void Core::reportStrayLine(Cursor& cursor, const std::string& line, Dialect dialect,
                           bool inConditions) {
    if (std::string_view meant = slippedScriptMarker(line); !meant.empty()) {
        error(cursor, slippedMarkerMessage(line, meant));
        return;
    }
    const Dialect foreign = otherDialect(dialect);
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
        const OperandTable& table = inConditions ? conditionTable(dialect) : actionTable(dialect);
        std::string_view meant = likelyKeyword(line, table);
        message = inQuotes(line) + " is no " + (inConditions ? "condition" : "action") + " of " +
                  filesOf(dialect) + ": the line is ignored" +
                  (meant.empty() ? std::string() : " (a typo of " + inQuotes(meant) + "?)");
        // A line that looks like a keyword is never a note: the author meant one.
        if (line.starts_with(":") || !meant.empty()) {
            error(cursor, message);
            if (!meant.empty()) skipOperands(cursor, *operandsOf(table, meant));
            return;
        }
    }
    if (keyword)
        error(cursor, message);
    else
        warning(cursor, message);
    if (skip) skipOperands(cursor, *skip);
}

void Core::reportLineOutsideBlock(Cursor& cursor, const std::string& line) {
    if (std::string_view meant = slippedScriptMarker(line); !meant.empty()) {
        error(cursor, slippedMarkerMessage(line, meant));
        return;
    }
    bool keyword = line == marker::optionEnd || line == marker::end || line == warKeyword::merit ||
                   line == warKeyword::over || conditionOperands(Dialect::Scenario, line) ||
                   actionOperands(Dialect::Scenario, line) || actionOperands(Dialect::Event, line);
    if (keyword) warning(cursor, inQuotes(line) + " stands outside any block, so it is ignored");
}

}  // namespace orrowvale::check
