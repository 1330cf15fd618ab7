#include <algorithm>

#include "core.h"
#include "world/datafiles.h"
#include "world/gamestate.h"

namespace orrowvale::check {
// A list of one file name per city ("data\common\movefile.txt"): each name that
// stands there is handed to `check`.
void Core::checkFilePerCity(const std::string& listFile, const std::string& what,
                            const std::function<void(const std::string&)>& check) {
    auto file = loadFixedFile(listFile);
    if (!file) return;
    for (int city = 1; city <= state_.cityCount; ++city) {
        if (city > static_cast<int>(file->lines.size())) {
            report_.error(
                file->shownPath, static_cast<int>(file->lines.size()),
                "no " + what + " for city " + std::to_string(city) + ": the file ends first");
            return;
        }
        if (auto name = namedFile(file->lines[city - 1], file->at(city), what)) check(*name);
    }
}

int Core::checkPairList(const std::string& gamePath, int limit, Layout layout,
                        std::string_view entry) {
    auto file = load(gamePath);
    if (!file) return -1;
    Cursor cursor(*file);
    auto count = readNumberToken(cursor, "the number of entries");
    if (!count) return -1;
    Where countLine = cursor.here();
    if (*count < 0) error(countLine, "a list cannot hold " + std::to_string(*count) + " entries");
    if (*count > limit)
        error(countLine, std::to_string(*count) + " entries announced, but only " +
                             std::to_string(limit) + " fit: the rest are dropped");
    const char* what = layout == Layout::Search    ? "search file"
                       : layout == Layout::Dungeon ? "dungeon file"
                       : layout == Layout::War     ? "war file"
                                                   : "quest script";
    for (int k = 1; k <= *count; ++k) {
        if (cursor.atEnd()) {
            error(countLine, std::to_string(*count) + " entries are announced but only " +
                                 std::to_string(k - 1) + " follow");
            return k - 1;
        }
        std::string name = cursor.read();
        if (isBlankLine(name))
            error(cursor, "an empty line where the name of " + std::string(entry) + " " +
                              std::to_string(k) + " belongs: the pairs below it are out of step");
        if (cursor.atEnd()) {
            error(cursor, "the " + std::string(entry) + " " + inQuotes(name) + " has no file line");
            return k - 1;
        }
        std::string siteFile = cursor.read();
        if (name == kNone || siteFile == kNone || k > limit) continue;
        if (auto path = namedFile(siteFile, cursor.here(), what)) {
            queue(*path, layout);
            if (layout == Layout::Scenario) {
                state_.questFiles.push_back(*path);
                state_.partyScripts.insert(*path);
            }
            if (layout == Layout::War) state_.warsOfFile[shownPath(*path)].insert(k);
        }
    }
    int filledLinesLeft = 0;
    while (!cursor.atEnd())
        filledLinesLeft += isBlankLine(cursor.read()) ? 0 : 1;
    if (*count >= 0 && *count < limit && filledLinesLeft >= 2)
        warning(countLine, "the file holds more pairs than the " + std::to_string(*count) +
                               " it announces: the rest are never read");
    return std::min(*count, limit);
}

bool Core::readUpToStart(Cursor& cursor, std::string_view consequence) {
    while (!cursor.atEnd())
        if (cursor.read() == marker::start) return true;
    warning(cursor.source().at(0), "the file has no \"[START]\": " + std::string(consequence));
    return false;
}

void Core::checkNumberList(const std::string& gamePath, int count, std::string_view entry) {
    auto file = load(gamePath);
    if (!file) return;
    Cursor cursor(*file);
    if (!readUpToStart(cursor, "nothing is opened")) return;
    for (;;) {
        bool more = false;
        for (int i = cursor.line(); i < static_cast<int>(file->lines.size()); ++i)
            more = more || !isBlankLine(file->lines[i]);
        if (!more) return;
        auto n = readNumberToken(cursor, "a number (0 ends the list)");
        if (!n) return;  // the game stops reading the list at a line that is no number
        if (*n == 0) return;
        Where at = cursor.here();
        if (entry == "war")
            inTable(*n, Operand::War, at);
        else if (entry == "quest")
            inTable(*n, Operand::Quest, at);
        else if (*n < 1 || (count >= 0 && *n > count))
            error(at, "there is no " + std::string(entry) + " " + std::to_string(*n) +
                          ": the city's list holds " + std::to_string(std::max(count, 0)));
    }
}

void Core::checkSites(const std::string& listFile, bool dungeons) {
    auto file = loadFixedFile(listFile);
    if (!file) return;
    const char* entry = dungeons ? "dungeon" : "search site";
    for (int city = 1; city <= state_.cityCount; ++city) {
        int pairLine = 2 * city - 1;
        if (pairLine + 1 > static_cast<int>(file->lines.size())) {
            report_.error(file->shownPath, static_cast<int>(file->lines.size()),
                          "no " + std::string(entry) + " lists for city " + std::to_string(city) +
                              ": the file ends first");
            return;
        }
        int count = -1;
        if (auto pairs = namedFile(file->lines[pairLine - 1], file->at(pairLine),
                                   dungeons ? "dungeon list" : "search site list"))
            count = checkPairList(*pairs, kMaxSitesPerCity,
                                  dungeons ? Layout::Dungeon : Layout::Search, entry);
        if (dungeons) state_.dungeonCount[city] = count;
        if (auto numbers =
                namedFile(file->lines[pairLine], file->at(pairLine + 1),
                          dungeons ? "list of open dungeons" : "list of open search sites"))
            checkNumberList(*numbers, count, entry);
    }
}

}  // namespace orrowvale::check
