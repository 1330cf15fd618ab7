#include "parties/partycommands.h"

#include <algorithm>

#include "Presenter.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "world/gamestate.h"

namespace orrowvale {

ListRows partiesInCity(const GameState& state, int city) {
    ListRows listed;
    for (int party = 1; party <= kMaxParties; ++party) {
        const TParty& p = state.parties[party];
        if (p.inUse && p.location == city && !p.travelling)
            listed.push_back({party, partyRowText(state, party)});
    }
    return listed;
}

ListRows openCommandList(Game& game, int city) {
    RecordedAction recorded(game, "parties " + std::to_string(city));
    game.state.commandCity = city;
    ListRows listed = partiesInCity(game.state, city);
    if (listed.empty()) game.presenter.inform(kNoPartyHere);
    return listed;
}

Refusal whyPartyCannotLeave(const GameState& state, int party) {
    if (!PartyTable::contains(party) || !state.parties[party].inUse) return kChoosePartyFirst;
    const TParty& p = state.parties[party];
    if (p.travelling) return kPartyTravelling;
    if (p.onMission) return kPartyOnMission;
    return std::nullopt;
}

bool canMoveOrDispatch(const GameState& state, int party) {
    return !whyPartyCannotLeave(state, party);
}

namespace {

// The name of the site, war or quest whose file the party carries; the file itself
// when none is open under it any more.
template <typename Entries>
std::string nameOfFile(const Entries& entries, const std::string& file) {
    for (const auto& entry : entries)
        if (entry.file == file) return entry.name;
    return file;
}

// "3턴 뒤 돌아옵니다." for a party whose mission ends after `turns` more turns.
std::string backIn(std::int32_t turns) {
    return std::to_string(std::max<std::int32_t>(turns, 1)) + "턴 뒤 돌아옵니다.";
}

}  // namespace

std::string missionWhereabouts(const GameState& state, int party) {
    if (!PartyTable::contains(party) || !state.parties[party].onMission) return {};
    const TParty& p = state.parties[party];
    switch (p.missionKind) {
        case kQuestMission:
            return "퀘스트 " +
                   (decltype(state.quests)::contains(p.missionValue)
                        ? state.quests[p.missionValue].name
                        : std::string("?")) +
                   ": 일을 마치면 돌아옵니다.";
        case kSearchMission: {
            const std::string site = CityTable::contains(p.location)
                                         ? nameOfFile(state.searchSites[p.location], p.missionFile)
                                         : p.missionFile;
            return "탐색 " + site + ": " + backIn(p.missionValue);
        }
        case kWarMission:
            return "전쟁 " + nameOfFile(state.wars, p.missionFile) + ": 전쟁이 끝나면 돌아옵니다.";
        case kDungeonMission: {
            const bool known = CityTable::contains(p.dungeonCity) &&
                               Table<DungeonSite, kMaxSitesPerCity>::contains(p.dungeonNumber);
            const std::string name =
                known ? state.dungeonSites[p.dungeonCity][p.dungeonNumber].name : p.missionFile;
            return "던젼 " + name + ": 지금 " + std::to_string(p.missionLevel) + "층, " +
                   std::to_string(p.missionValue) + "층까지 내려갑니다.";
        }
        case kTransportMission:
            return "운송 " + p.missionFile + ": " + backIn(p.missionValue);
        default:
            return {};
    }
}

std::string partyStanding(const GameState& state, int party) {
    const Refusal why = whyPartyCannotLeave(state, party);
    if (!why) return kAwaitingOrders;
    const std::string where = missionWhereabouts(state, party);
    return where.empty() ? *why : *why + " " + where;
}

}  // namespace orrowvale
