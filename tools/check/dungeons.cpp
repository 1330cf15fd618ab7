#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

class Dungeons : public Core {
  public:
    explicit Dungeons(const Core& core) : Core(core) {}
    void checkDungeon(const SourceFile& file);

  private:
    void checkMonsterFile(const std::string& gamePath);
};

}  // namespace

void Dungeons::checkDungeon(const SourceFile& file) {
    Cursor c(file);
    auto levels = wholeNumber(c, "the number of levels");
    if (levels && *levels < 1) error(c, "a dungeon needs at least one level");
    while (!c.atEnd()) {
        if (const std::string& line = c.read(); line != marker::start) {
            // A slipped "[START]" loses its encounter; it is read as meant.
            if (slippedMarker(line, {marker::start}).empty()) continue;
            error(c, slippedMarkerMessage(line, marker::start));
        }
        auto level = wholeNumber(c, "the level of the encounter");
        if (!level) continue;
        if (levels && (*level < 1 || *level > *levels))
            error(c, "level " + std::to_string(*level) + " is outside the dungeon's levels 1.." +
                         std::to_string(*levels) + ": the encounter never happens");
        auto chance = wholeNumber(c, "the encounter chance");
        if (!chance) continue;
        inTable(*chance, Operand::Percent, {file.shown, c.line()});
        if (c.atEnd()) {
            error(c, "the encounter has no monster file line: the file ends first");
            return;
        }
        std::string monster = c.read();
        if (auto path = named(monster, {file.shown, c.line()}, "monster file", Severity::Warning,
                              ": the level has a harmless monster"))
            checkMonsterFile(*path);
        if (c.atEnd()) continue;
        std::string script = c.read();
        if (script.empty()) continue;  // a level without a script
        if (auto path = named(script, {file.shown, c.line()}, "level script")) {
            queue(*path, Layout::Scenario);
            state_.partyScripts.insert(*path);
        }
    }
}

void Dungeons::checkMonsterFile(const std::string& gamePath) {
    if (state_.scannedFiles.contains(shownPath(gamePath))) return;
    auto file = load(gamePath);
    if (!file) return;
    Cursor c(*file);
    auto count = wholeNumber(c, "the number of monsters");
    if (!count) return;
    if (*count < 0) error(c, "a monster file cannot hold " + std::to_string(*count) + " monsters");
    if (*count <= 0 && c.atEnd())
        warning(c, "the file lists no monster: the level has a harmless monster");
    for (int k = 1; k <= *count; ++k) {
        if (c.atEnd()) {
            report_.error(file->shown, 1,
                          std::to_string(*count) + " monsters are announced but only " +
                              std::to_string(k - 1) + " follow");
            return;
        }
        c.read();
        if (!wholeNumber(c, "the monster's attack") || !wholeNumber(c, "the monster's defence") ||
            !wholeNumber(c, "the monster's fame reward"))
            return;
    }
    int left = 0;
    while (!c.atEnd())
        left += isBlankLine(c.read()) ? 0 : 1;
    if (*count > 0 && left >= 4)
        warning(Where{file->shown, 1}, "the file holds more monsters than the " +
                                           std::to_string(*count) +
                                           " it announces: the rest are never met");
}

const FileKind dungeonsKind = {
    .checkFiles = [](Core& core) { core.checkSites("data\\dungeonlist.txt", true); },
    .layout = Layout::Dungeon,
    .checkScript =
        [](Core& core, const std::string&, const SourceFile& file) {
            Dungeons(core).checkDungeon(file);
            return std::set<std::string>();
        }};

}  // namespace orrowvale::check
