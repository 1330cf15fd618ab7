#include "scripts/citycommands.h"

#include <algorithm>

#include "Presenter.h"
#include "game.h"
#include "scripts/eventrunner.h"
#include "world/datafiles.h"
#include "world/gamestate.h"

namespace orrowvale {

BranchOffer offerGuildBranch(Game& game) {
    GameState& state = game.state;
    if (!CityFlags::contains(state.currentCity)) return BranchOffer::Declined;
    if (state.guildBranches[state.currentCity] == 1) return BranchOffer::HasBranch;
    if (!game.presenter.confirm(kBranchQuestion)) return BranchOffer::Declined;
    if (state.politicalFame < guildBranchFameNeeded(state)) {
        game.presenter.inform(kBranchRefused);
        return BranchOffer::Refused;
    }
    state.guildBranches[state.currentCity] = 1;
    game.presenter.inform(state.cityNames[state.currentCity] + "에 새로운 길드 지부가 생겼습니다.");
    return BranchOffer::Opened;
}

bool contactPerson(Game& game, std::string_view name) {
    LineReader list = LineReader::openData(game.paths, "contact\\list.txt");
    // Even a blank line in the list never matches the empty name of a cancelled box.
    while (!name.empty() && !list.atEnd()) {
        const std::string person = list.readLine();
        if (list.atEnd()) {
            if (person.empty()) break;  // a blank line closing the list
            list.failAtEnd("the event file of \"" + person + "\"");
        }
        const std::string eventFile = list.readLine();
        if (person == name) {
            runEvent(game, eventFile);
            return true;
        }
    }
    game.presenter.inform(kContactFailed);
    return false;
}

std::vector<std::string> placeNames(const GameState& state) {
    std::vector<std::string> names;
    if (!CityTable::contains(state.currentCity)) return names;
    const int count = std::min(state.cityPlaceCount[state.currentCity], kMaxPlacesPerCity);
    for (int place = 1; place <= count; ++place)
        names.push_back(state.cityPlaces[state.currentCity][place].name);
    return names;
}

void visitPlace(Game& game, std::string_view place) {
    const GameState& state = game.state;
    int found = 0;
    if (!place.empty() && CityTable::contains(state.currentCity))
        for (int entry = 1; entry <= kMaxPlacesPerCity; ++entry)
            if (state.cityPlaces[state.currentCity][entry].name == place) found = entry;
    if (found == 0) {
        game.presenter.inform(kNoPlaceChosen);
        return;
    }
    // Copied: the event may add places to this very city.
    const std::string eventFile = state.cityPlaces[state.currentCity][found].eventFile;
    runEvent(game, eventFile);
}

}  // namespace orrowvale
