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
    if (auto wars = core.fixedFile("data\\wars\\warlist.txt"))
        core.state().warCount = core.checkPairList(*wars, kMaxWars, Layout::War, "war");
    if (auto active = core.fixedFile("data\\wars\\warbool.txt"))
        core.checkNumberList(*active, core.state().warCount, "war");
    if (auto quests = core.fixedFile("data\\quests\\questlist.txt"))
        core.state().questCount =
            core.checkPairList(*quests, kMaxQuests, Layout::Scenario, "quest");
    if (auto active = core.fixedFile("data\\quests\\questbool.txt"))
        core.checkNumberList(*active, core.state().questCount, "quest");
}

void checkWarFile(Core& core, const std::string&, const SourceFile& file) {
    std::set<std::string> used;
    Cursor cursor(file);
    bool joined = false;
    while (!cursor.atEnd()) {
        std::string line = cursor.read();
        Where opened = cursor.here();
        // A slip in a section marker is reported once; the section is read as meant.
        if (line != marker::warJoin && line != marker::warEnd) {
            std::string_view meant = slippedScriptMarker(line);
            if (meant == marker::warJoin || meant == marker::warEnd) {
                core.reportLineOutsideBlock(cursor, line);
                line = std::string(meant);
            }
        }
        if (line == marker::warJoin) {
            if (joined)
                core.warning(cursor, "a second \"[onjoin]\" section: only the first one runs");
            joined = true;
            core.checkActions(cursor, Dialect::Scenario, opened, marker::warSectionEnd,
                              warKeyword::merit, used, kWarBreakers);
        } else if (line == marker::warEnd) {
            Core::Closing conditions = core.checkConditions(cursor, Dialect::Scenario, opened, used,
                                                            kWarConditionBreakers);
            if (conditions == Core::Closing::Closed)
                core.checkActions(cursor, Dialect::Scenario, opened, marker::warSectionEnd,
                                  warKeyword::over, used, kWarBreakers);
            else if (conditions == Core::Closing::Broken)
                cursor.skipIfNext(marker::warSectionEnd);
        } else {
            core.reportLineOutsideBlock(cursor, line);
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
