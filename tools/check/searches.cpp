#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

void checkSearchFile(Core& core, const std::string&, const SourceFile& file) {
    std::set<std::string> used;
    Cursor c(file);
    core.forEachBlock(c, [&](const Where& opened) {
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
            core.error(opened,
                       "the block has no \"-startopt\" line: its conditions are never read");
            c.skipIfNext(marker::end);
            return;
        }
        Core::Closing conditions =
            core.checkConditions(c, Dialect::Scenario, opened, used, kConditionBreakers);
        if (conditions == Core::Closing::Broken) c.skipIfNext(marker::end);
        if (conditions == Core::Closing::Closed)
            core.checkActions(c, Dialect::Scenario, opened, marker::end, {}, used, kBlockBreakers);
    });
}

void checkSearchSiteLists(Core& core) {
    core.checkSites("data\\searchcity.txt", false);
}

}  // namespace

const FileKind searchesKind = {
    .checkFiles = checkSearchSiteLists, .layout = Layout::Search, .checkScript = checkSearchFile};

}  // namespace orrowvale::check
