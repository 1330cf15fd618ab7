#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

const std::set<std::string_view> kTradeConditionBreakers = {marker::start, marker::end,
                                                            marker::optionStart};

void queueTradeFiles(Core& core) {
    core.checkFilePerCity("data\\common\\trade.txt", "trade file",
                          [&core](const std::string& trade) { core.queue(trade, Layout::Trade); });
}

void checkTradeFile(Core& core, const std::string&, const SourceFile& file) {
    std::set<std::string> used;
    Cursor cursor(file);
    core.forEachBlock(cursor, [&](const Where& opened) {
        bool guarded = false;
        bool closed = false;
        while (!closed && !cursor.atEnd()) {
            std::string next = cursor.read();
            if (next == marker::end) {
                closed = true;
            } else if (next == marker::start) {
                core.error(opened, "the block has no \"[END]\" before line " +
                                       std::to_string(cursor.line()) + " (" + inQuotes(next) + ")");
                cursor.back();
                break;
            } else if (next == marker::optionStart) {
                guarded = true;
                Where condition = cursor.here();
                core.checkConditions(cursor, Dialect::Scenario, condition, used,
                                     kTradeConditionBreakers);
            } else if (!guarded && (actionOperands(Dialect::Scenario, next) != nullptr)) {
                core.warning(cursor,
                             inQuotes(next) + " comes before the block's \"-opt-\": it never runs");
                core.skipOperands(cursor, *actionOperands(Dialect::Scenario, next));
            } else if (guarded) {
                core.checkActionLine(cursor, next, Dialect::Scenario, {}, used);
            }
        }
        if (!closed && cursor.atEnd())
            core.error(opened, "the block has no \"[END]\": it runs to the end of the file");
        if (!guarded) core.error(opened, "the block has no \"-opt-\" line: its lines never run");
    });
}

}  // namespace

const FileKind tradeKind = {
    .checkFiles = queueTradeFiles, .layout = Layout::Trade, .checkScript = checkTradeFile};

}  // namespace orrowvale::check
