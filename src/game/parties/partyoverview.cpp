#include "parties/partyoverview.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "parties/party.h"
#include "parties/partycommands.h"
#include "world/adventurer.h"
#include "world/gamestate.h"
#include "world/particles.h"

namespace orrowvale {

namespace {

std::string cityNameOf(const GameState& state, int city) {
    if (!CityTable::contains(city) || state.cityNames[city].empty()) return "?";
    return state.cityNames[city];
}

std::string leaderName(const GameState& state, const TParty& party) {
    if (!Table<TAdven, kMaxAdventurers>::contains(party.leader)) return "없음";
    return fullName(state.adventurers[party.leader]);
}

// The name of the site a search or war runs from its file: the first entry of the
// table holding that file.
template <typename Sites>
std::string siteNameByFile(const Sites& sites, const std::string& file) {
    for (int i = 1; i <= Sites::size; ++i)
        if (sites[i].file == file) return sites[i].name;
    return file;
}

std::string turnsText(int turns) {
    return std::to_string(std::max(turns, 0)) + "턴";
}

struct Activity {
    std::string doing;
    std::string turnsLeft = "-";
};

Activity activityOf(const GameState& state, const TParty& party) {
    if (party.travelling)
        return {withParticle(cityNameOf(state, party.travelDestination), Particle::Direction,
                             "(으)로") +
                    " 이동 중",
                turnsText(party.travelTurnsLeft)};
    if (!party.onMission) return {"대기 중"};
    switch (party.missionKind) {
        case kQuestMission: {
            const int quest = party.missionValue;
            if (!decltype(state.quests)::contains(quest)) return {"퀘스트"};
            return {"퀘스트 " + state.quests[quest].name};
        }
        case kSearchMission: {
            const std::string name =
                CityTable::contains(party.location)
                    ? siteNameByFile(state.searchSites[party.location], party.missionFile)
                    : party.missionFile;
            return {"탐색 " + name, turnsText(party.missionValue)};
        }
        case kWarMission:
            return {"전쟁 " + siteNameByFile(state.wars, party.missionFile)};
        case kDungeonMission: {
            std::string name = party.missionFile;
            if (CityTable::contains(party.dungeonCity) &&
                Table<DungeonSite, kMaxSitesPerCity>::contains(party.dungeonNumber))
                name = state.dungeonSites[party.dungeonCity][party.dungeonNumber].name;
            return {"던전 " + name + " " + std::to_string(party.missionLevel) + "층"};
        }
        case kTransportMission:
            return {"수송 " + party.missionFile, turnsText(party.missionValue)};
        default:
            return {"임무 중"};
    }
}

}  // namespace

ListRows partyOverviewRows(const GameState& state) {
    ListRows rows;
    for (int number = 1; number <= kMaxParties; ++number) {
        const TParty& party = state.parties[number];
        if (!party.inUse) continue;
        std::string where = cityNameOf(state, party.location);
        if (party.travelling) where += " - " + cityNameOf(state, party.travelDestination);
        const Activity activity = activityOf(state, party);
        std::vector<std::string> columns = {std::to_string(number) + ".",
                                            party.partyName,
                                            std::to_string(memberCount(state, number)) + "명",
                                            "리더 " + leaderName(state, party),
                                            where,
                                            activity.doing,
                                            activity.turnsLeft};
        std::string text = columns[0] + " " + columns[1];
        for (std::size_t i = 2; i < columns.size(); ++i)
            text += ", " + columns[i];
        rows.push_back({number, std::move(text), std::move(columns)});
    }
    return rows;
}

std::optional<int> overviewCommandCity(const GameState& state, int party) {
    if (!PartyTable::contains(party) || !state.parties[party].inUse) return std::nullopt;
    const int city = state.parties[party].location;
    if (!CityTable::contains(city) || !offers(partiesInCity(state, city), party))
        return std::nullopt;
    return city;
}

Refusal whyNoCommandsFromOverview(const GameState& state, int party) {
    if (overviewCommandCity(state, party)) return std::nullopt;
    if (PartyTable::contains(party) && state.parties[party].inUse) return kPartyTravelling;
    return kChoosePartyFirst;
}

}  // namespace orrowvale
