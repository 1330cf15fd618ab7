#include <algorithm>

#include "kinds.h"

namespace orrowvale::check {
namespace {

// The story of a new game; quest and level scripts come queued from their lists.
void queueNewGameStory(Core& core) {
    if (auto scenario = core.fixedFile("data\\scenario\\scenario1.scn", Severity::Warning,
                                       ": no story runs in a new game"))
        core.queue(*scenario, Layout::Scenario);
}

// A party on a quest comes back when its script stops the quest.
void questWithoutStop(Core& core, const std::string& gamePath, const SourceFile& file,
                      const std::set<std::string>& used) {
    const auto& quests = core.state().questFiles;
    bool quest = std::find(quests.begin(), quests.end(), gamePath) != quests.end();
    if (quest && !used.contains(":stopquest"))
        core.warning(file.at(0),
                     "the quest script has no \":stopquest\": a party on this quest only "
                     "comes back when it is wiped out");
}

void checkScenarioScript(Core& core, const std::string& gamePath, const SourceFile& file) {
    Cursor cursor(file);
    std::set<std::string> used = core.checkBlocks(cursor, Dialect::Scenario);
    questWithoutStop(core, gamePath, file, used);
}

}  // namespace

const FileKind scenarioKind = {.checkFiles = queueNewGameStory,
                               .layout = Layout::Scenario,
                               .checkScript = checkScenarioScript};

}  // namespace orrowvale::check
