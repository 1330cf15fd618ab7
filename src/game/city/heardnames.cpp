#include "city/heardnames.h"

#include <algorithm>

#include "game.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/statelimits.h"

namespace orrowvale {
namespace {

constexpr std::string_view kContactList = "contact\\list.txt";

}  // namespace

std::vector<std::string> contactListNames(const GamePaths& paths) {
    std::vector<std::string> names;
    if (!paths.hasDataFile(kContactList)) return names;
    LineReader list = LineReader::openData(paths, std::string(kContactList));
    while (!list.atEnd()) {
        std::string person = list.readLine();
        if (list.atEnd()) break;  // a name without its event file is nobody to contact
        list.readLine();
        // A name the save could not keep is no name to offer.
        if (!person.empty() && !textProblem(person)) names.push_back(std::move(person));
    }
    return names;
}

void hearNamesIn(Game& game, std::string_view text) {
    std::vector<std::string>& heard = game.state.heardNames;
    for (std::string& name : contactListNames(game.paths)) {
        if (text.find(name) == std::string_view::npos) continue;
        if (std::find(heard.begin(), heard.end(), name) != heard.end()) continue;
        if (heard.size() >= kMaxHeardNames) return;
        heard.push_back(std::move(name));
    }
}

ListRows heardNameRows(const GameState& state) {
    ListRows rows;
    int number = 0;
    for (const std::string& name : state.heardNames)
        rows.push_back({++number, name});
    return rows;
}

}  // namespace orrowvale
