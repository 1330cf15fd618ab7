#include "city/visit.h"

#include <algorithm>

#include "Presenter.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "scripts/eventrunner.h"
#include "world/gamestate.h"

namespace orrowvale {

ListRows placeRows(const GameState& state) {
    ListRows rows;
    if (!CityTable::contains(state.currentCity)) return rows;
    const auto& places = state.cityPlaces[state.currentCity];
    const int count = std::clamp(state.cityPlaceCount[state.currentCity], 0, kMaxPlacesPerCity);
    for (int number = 1; number <= count; ++number)
        rows.push_back({number, places[number].name});
    return rows;
}

bool visitPlace(Game& game, const std::optional<std::string>& chosenPlace) {
    RecordedAction recorded(game, chosenPlace ? "visit " + *chosenPlace : "visit");
    if (!chosenPlace) {
        game.presenter.inform("이동할 곳을 선택하지 않으셨습니다.");
        return false;
    }
    const GameState& state = game.state;
    if (!CityTable::contains(state.currentCity)) return false;
    const auto& places = state.cityPlaces[state.currentCity];
    for (int number = kMaxPlacesPerCity; number >= 1; --number) {
        // An unused entry has no event file; an empty name must not pick it.
        if (places[number].name != *chosenPlace || places[number].eventFile.empty()) continue;
        // Copied: the event may add places to this very city.
        const std::string eventFile = places[number].eventFile;
        runEvent(game, eventFile);
        return true;
    }
    return false;
}

}  // namespace orrowvale
