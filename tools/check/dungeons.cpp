#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

void checkMonsterFile(Core& core, const std::string& gamePath) {
    if (core.state().loadedFiles.contains(core.shownPath(gamePath))) return;
    auto file = core.load(gamePath);
    if (!file) return;
    Cursor cursor(*file);
    auto count = core.readNumberLine(cursor, "the number of monsters");
    if (!count) return;
    if (*count < 0)
        core.error(cursor, "a monster file cannot hold " + std::to_string(*count) + " monsters");
    if (*count <= 0 && cursor.atEnd())
        core.warning(cursor, "the file lists no monster: the level has a harmless monster");
    for (int k = 1; k <= *count; ++k) {
        if (cursor.atEnd()) {
            core.error(file->at(1), std::to_string(*count) + " monsters are announced but only " +
                                        std::to_string(k - 1) + " follow");
            return;
        }
        cursor.read();
        if (!core.readNumberLine(cursor, "the monster's attack") ||
            !core.readNumberLine(cursor, "the monster's defence") ||
            !core.readNumberLine(cursor, "the monster's fame reward"))
            return;
    }
    int filledLinesLeft = 0;
    while (!cursor.atEnd())
        filledLinesLeft += isBlankLine(cursor.read()) ? 0 : 1;
    if (*count > 0 && filledLinesLeft >= 4)
        core.warning(file->at(1), "the file holds more monsters than the " +
                                      std::to_string(*count) +
                                      " it announces: the rest are never met");
}

void checkDungeonFile(Core& core, const std::string&, const SourceFile& file) {
    Cursor cursor(file);
    auto levels = core.readNumberLine(cursor, "the number of levels");
    if (levels && *levels < 1) core.error(cursor, "a dungeon needs at least one level");
    while (!cursor.atEnd()) {
        if (const std::string& line = cursor.read(); line != marker::start) {
            // A slipped "[START]" loses its encounter; it is read as meant.
            if (slippedMarker(line, {marker::start}).empty()) continue;
            core.error(cursor, slippedMarkerMessage(line, marker::start));
        }
        auto level = core.readNumberLine(cursor, "the level of the encounter");
        if (!level) continue;
        if (levels && (*level < 1 || *level > *levels))
            core.error(cursor, "level " + std::to_string(*level) +
                                   " is outside the dungeon's levels 1.." +
                                   std::to_string(*levels) + ": the encounter never happens");
        auto chance = core.readNumberLine(cursor, "the encounter chance");
        if (!chance) continue;
        core.inTable(*chance, Operand::Percent, cursor.here());
        if (cursor.atEnd()) {
            core.error(cursor, "the encounter has no monster file line: the file ends first");
            return;
        }
        std::string monster = cursor.read();
        if (auto path = core.namedFile(monster, cursor.here(), "monster file", Severity::Warning,
                                       ": the level has a harmless monster"))
            checkMonsterFile(core, *path);
        if (cursor.atEnd()) continue;
        std::string script = cursor.read();
        if (script.empty()) continue;  // a level without a script
        if (auto path = core.namedFile(script, cursor.here(), "level script")) {
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
