#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"
#include "world/gamestate.h"

namespace orrowvale::check {
namespace {

const std::set<std::string_view> kWarBreakers = {marker::warJoin, marker::warEnd};
const std::set<std::string_view> kWarConditionBreakers = {marker::warJoin, marker::warEnd,
                                                          marker::warSectionEnd};

void checkQuestAndWarLists(Core& core) {
    if (auto wars = core.fixed("data\\wars\\warlist.txt"))
        core.state().warCount = core.checkPairList(*wars, kMaxWars, Layout::War, "war");
    if (auto active = core.fixed("data\\wars\\warbool.txt"))
        core.checkNumberList(*active, core.state().warCount, "war");
    if (auto quests = core.fixed("data\\quests\\questlist.txt"))
        core.state().questCount =
            core.checkPairList(*quests, kMaxQuests, Layout::Scenario, "quest");
    if (auto active = core.fixed("data\\quests\\questbool.txt"))
        core.checkNumberList(*active, core.state().questCount, "quest");
}

void checkWarFile(Core& core, const std::string&, const SourceFile& file) {
    std::set<std::string> used;
    Cursor c(file);
    bool joined = false;
    while (!c.atEnd()) {
        std::string line = c.read();
        Where opened{c.file(), c.line()};
        // A slip in a section marker is reported once; the section is read as meant.
        if (line != marker::warJoin && line != marker::warEnd) {
            std::string_view meant = slippedScriptMarker(line);
            if (meant == marker::warJoin || meant == marker::warEnd) {
                core.outsideBlock(c, line);
                line = std::string(meant);
            }
        }
        if (line == marker::warJoin) {
            if (joined) core.warning(c, "a second \"[onjoin]\" section: only the first one runs");
            joined = true;
            core.checkActions(c, Dialect::Scenario, opened, marker::warSectionEnd,
                              warKeyword::merit, used, kWarBreakers);
        } else if (line == marker::warEnd) {
            Core::Closing conditions =
                core.checkConditions(c, Dialect::Scenario, opened, used, kWarConditionBreakers);
            if (conditions == Core::Closing::Closed)
                core.checkActions(c, Dialect::Scenario, opened, marker::warSectionEnd,
                                  warKeyword::over, used, kWarBreakers);
            else if (conditions == Core::Closing::Broken)
                c.skipIfNext(marker::warSectionEnd);
        } else {
            core.outsideBlock(c, line);
        }
    }
    if (!used.contains(std::string(warKeyword::over)))
        core.error(file.at(0),
                   "no \"[onend]\" section ends the war with \":endthewar\": a party sent "
                   "to it never comes back");
}

}  // namespace

const FileKind questsAndWarsKind = {
    .checkFiles = checkQuestAndWarLists, .layout = Layout::War, .checkScript = checkWarFile};

}  // namespace orrowvale::check
