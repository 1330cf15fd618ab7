#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

void checkMonsterFile(Core& core, const std::string& gamePath) {
    if (core.state().scannedFiles.contains(core.shownPath(gamePath))) return;
    auto file = core.load(gamePath);
    if (!file) return;
    Cursor c(*file);
    auto count = core.wholeNumber(c, "the number of monsters");
    if (!count) return;
    if (*count < 0)
        core.error(c, "a monster file cannot hold " + std::to_string(*count) + " monsters");
    if (*count <= 0 && c.atEnd())
        core.warning(c, "the file lists no monster: the level has a harmless monster");
    for (int k = 1; k <= *count; ++k) {
        if (c.atEnd()) {
            core.error(file->at(1), std::to_string(*count) + " monsters are announced but only " +
                                        std::to_string(k - 1) + " follow");
            return;
        }
        c.read();
        if (!core.wholeNumber(c, "the monster's attack") ||
            !core.wholeNumber(c, "the monster's defence") ||
            !core.wholeNumber(c, "the monster's fame reward"))
            return;
    }
    int left = 0;
    while (!c.atEnd())
        left += isBlankLine(c.read()) ? 0 : 1;
    if (*count > 0 && left >= 4)
        core.warning(file->at(1), "the file holds more monsters than the " +
                                      std::to_string(*count) +
                                      " it announces: the rest are never met");
}

void checkDungeonFile(Core& core, const std::string&, const SourceFile& file) {
    Cursor c(file);
    auto levels = core.wholeNumber(c, "the number of levels");
    if (levels && *levels < 1) core.error(c, "a dungeon needs at least one level");
    while (!c.atEnd()) {
        if (const std::string& line = c.read(); line != marker::start) {
            // A slipped "[START]" loses its encounter; it is read as meant.
            if (slippedMarker(line, {marker::start}).empty()) continue;
            core.error(c, slippedMarkerMessage(line, marker::start));
        }
        auto level = core.wholeNumber(c, "the level of the encounter");
        if (!level) continue;
        if (levels && (*level < 1 || *level > *levels))
            core.error(c, "level " + std::to_string(*level) +
                              " is outside the dungeon's levels 1.." + std::to_string(*levels) +
                              ": the encounter never happens");
        auto chance = core.wholeNumber(c, "the encounter chance");
        if (!chance) continue;
        core.inTable(*chance, Operand::Percent, {file.shown, c.line()});
        if (c.atEnd()) {
            core.error(c, "the encounter has no monster file line: the file ends first");
            return;
        }
        std::string monster = c.read();
        if (auto path = core.named(monster, {file.shown, c.line()}, "monster file",
                                   Severity::Warning, ": the level has a harmless monster"))
            checkMonsterFile(core, *path);
        if (c.atEnd()) continue;
        std::string script = c.read();
        if (script.empty()) continue;  // a level without a script
        if (auto path = core.named(script, {file.shown, c.line()}, "level script")) {
            core.queue(*path, Layout::Scenario);
            core.state().partyScripts.insert(*path);
        }
    }
}

void checkDungeonLists(Core& core) {
    core.checkSites("data\\dungeonlist.txt", true);
}

}  // namespace

const FileKind dungeonsKind = {
    .checkFiles = checkDungeonLists, .layout = Layout::Dungeon, .checkScript = checkDungeonFile};

}  // namespace orrowvale::check
