#include "city/citycommands.h"

#include "Presenter.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "scripts/eventrunner.h"
#include "world/datafiles.h"
#include "world/gamestate.h"

namespace orrowvale {

BranchOffer offerGuildBranch(Game& game) {
    RecordedAction recorded(game, "branch");
    GameState& state = game.state;
    if (!CityFlags::contains(state.currentCity)) return BranchOffer::Declined;
    if (state.guildBranches[state.currentCity] == 1) return BranchOffer::HasBranch;
    if (!askPlayer(game, kBranchQuestion)) return BranchOffer::Declined;
    if (state.politicalFame < guildBranchFameNeeded(state)) {
        game.presenter.inform(std::string(kBranchRefused) + "\n" + branchFameNeededText(state));
        return BranchOffer::Refused;
    }
    state.guildBranches[state.currentCity] = 1;
    game.presenter.inform(state.cityNames[state.currentCity] + "에 새로운 길드 지부가 생겼습니다.");
    return BranchOffer::Opened;
}

std::string branchFameNeededText(const GameState& state) {
    return "지부를 열려면 정치 명성 " + std::to_string(guildBranchFameNeeded(state)) +
           "이(가) 필요합니다. 지금은 " + std::to_string(state.politicalFame) + "입니다.";
}

bool contactPerson(Game& game, std::string_view name) {
    // A cancelled box gives no name: the player changed his mind, nothing is said.
    if (name.empty()) return false;
    RecordedAction recorded(game, "contact " + std::string(name));
    LineReader list = LineReader::openData(game.paths, "contact\\list.txt");
    while (!list.atEnd()) {
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

}  // namespace orrowvale
