#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"
#include "world/gamestate.h"

namespace orrowvale::check {
namespace {

const std::set<std::string_view> kWarBreakers = {marker::warJoin, marker::warEnd};
const std::set<std::string_view> kWarConditionBreakers = {marker::warJoin, marker::warEnd,
                                                          marker::warSectionEnd};

}  // namespace

namespace {

class QuestsAndWars : public Core {
  public:
    explicit QuestsAndWars(const Core& core) : Core(core) {}
    void checkLists();
    void checkWar(const SourceFile& file, std::set<std::string>& used);
};

}  // namespace

void QuestsAndWars::checkLists() {
    if (auto wars = fixed("data\\wars\\warlist.txt"))
        state_.warCount = checkPairList(*wars, kMaxWars, Layout::War, "war");
    if (auto active = fixed("data\\wars\\warbool.txt"))
        checkNumberList(*active, state_.warCount, "war");
    if (auto quests = fixed("data\\quests\\questlist.txt"))
        state_.questCount = checkPairList(*quests, kMaxQuests, Layout::Scenario, "quest");
    if (auto active = fixed("data\\quests\\questbool.txt"))
        checkNumberList(*active, state_.questCount, "quest");
}

void QuestsAndWars::checkWar(const SourceFile& file, std::set<std::string>& used) {
    Cursor c(file);
    bool joined = false;
    while (!c.atEnd()) {
        std::string line = c.read();
        Where opened{c.file(), c.line()};
        // A slip in a section marker is reported once; the section is read as meant.
        if (line != marker::warJoin && line != marker::warEnd) {
            std::string_view meant = slippedScriptMarker(line);
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
            else if (conditions == Closing::Broken)
                c.skipIfNext(marker::warSectionEnd);
        } else {
            outsideBlock(c, line);
        }
    }
    if (!used.contains(std::string(warKeyword::over)))
        report_.error(file.shown, 0,
                      "no \"[onend]\" section ends the war with \":endthewar\": a party sent "
                      "to it never comes back");
}

const FileKind questsAndWarsKind = {
    .checkFiles = [](Core& core) { QuestsAndWars(core).checkLists(); },
    .layout = Layout::War,
    .checkScript =
        [](Core& core, const std::string&, const SourceFile& file) {
            std::set<std::string> used;
            QuestsAndWars(core).checkWar(file, used);
            return used;
        }};

}  // namespace orrowvale::check
