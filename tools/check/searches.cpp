#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

class Searches : public Core {
  public:
    explicit Searches(const Core& core) : Core(core) {}
    void checkSearch(Cursor& c, std::set<std::string>& used);
};

}  // namespace

void Searches::checkSearch(Cursor& c, std::set<std::string>& used) {
    forEachBlock(c, [&](const Where& opened) {
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
            c.skipIfNext(marker::end);
            return;
        }
        Closing conditions =
            checkConditions(c, Dialect::Scenario, opened, used, kConditionBreakers);
        if (conditions == Closing::Broken) c.skipIfNext(marker::end);
        if (conditions == Closing::Closed)
            checkActions(c, Dialect::Scenario, opened, marker::end, {}, used, kBlockBreakers);
    });
}

const FileKind searchesKind = {
    .checkFiles = [](Core& core) { core.checkSites("data\\searchcity.txt", false); },
    .layout = Layout::Search,
    .checkScript =
        [](Core& core, const std::string&, const SourceFile& file) {
            std::set<std::string> used;
            Cursor c(file);
            Searches(core).checkSearch(c, used);
            return used;
        }};

}  // namespace orrowvale::check
