#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

void checkSearchFile(Core& core, const std::string&, const SourceFile& file) {
    std::set<std::string> used;
    Cursor cursor(file);
    core.forEachBlock(cursor, [&](const Where& opened) {
        bool found = false;
        while (!found && !cursor.atEnd()) {
            const std::string& next = cursor.read();
            found = next == marker::searchConditions;
            if (next == marker::start || next == marker::end) {
                cursor.back();
                break;
            }
        }
        if (!found) {
            core.error(opened,
                       "the block has no \"-startopt\" line: its conditions are never read");
            cursor.skipIfNext(marker::end);
            return;
        }
        Core::Closing conditions =
            core.checkConditions(cursor, Dialect::Scenario, opened, used, kConditionBreakers);
        if (conditions == Core::Closing::Broken) cursor.skipIfNext(marker::end);
        if (conditions == Core::Closing::Closed)
            core.checkActions(cursor, Dialect::Scenario, opened, marker::end, {}, used,
                              kBlockBreakers);
    });
}

void checkSearchSiteLists(Core& core) {
    core.checkSites("data\\searchcity.txt", false);
}

}  // namespace

const FileKind searchesKind = {
    .checkFiles = checkSearchSiteLists, .layout = Layout::Search, .checkScript = checkSearchFile};

}  // namespace orrowvale::check
