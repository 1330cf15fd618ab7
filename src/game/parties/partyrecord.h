#pragma once

#include <cstdint>
#include <string>

#include "world/table.h"

namespace orrowvale {

inline constexpr int kMaxParties = 1000;
inline constexpr int kPartySize = 9;

// What a party on a mission is doing (`missionKind`).
enum MissionKind : std::int32_t {
    kQuestMission = 0,
    kSearchMission = 1,
    kWarMission = 2,
    kDungeonMission = 3,
    kTransportMission = 100,
};

inline constexpr const char* kNoPartyName = "파티명 없음";

// A party of up to nine guild members. The fields keep the order of the party
// file; the comments say what each holds for which mission kind.
class TParty {
  public:
    Table<std::int32_t, kPartySize> members;    // adventurer numbers; 0 = empty slot
    Table<std::int32_t, kPartySize> formation;  // per position 1..9 the member slot standing there
    std::int32_t location = 0;                  // city, also while on a mission
    bool inUse = false;
    bool onMission = false;
    std::int32_t missionKind = kQuestMission;
    std::string missionFile;        // the mission's file under "data\"; for a transport the goods
    std::int32_t missionValue = 0;  // quest number; turns left; deepest level allowed
    bool travelling = false;
    std::int32_t travelTurnsLeft = 0;
    std::int32_t travelDestination = 0;
    std::int32_t missionGold = 0;  // gold found in a dungeon or on a search; a transport's pay
    std::int32_t missionRisk = 0;  // a transport's ambush risk
    std::int32_t missionLevel =
        0;  // dungeon level; a transport's cargo risk and fame; a search's fame
    bool cargoIntact = false;
    std::int32_t partyItem = 0;  // item code 0..8
    std::int32_t dungeonCity = 0;
    std::int32_t dungeonNumber = 0;
    std::int32_t leader = 0;  // adventurer number; 0 = none
    std::string partyName = kNoPartyName;

    bool operator==(const TParty&) const = default;
};

// The party table. Saved games keep 100 rows of 1000 parties, but only the first
// row is ever used, so only that row is held; rows 2..100 are always empty parties.
using PartyTable = Table<TParty, kMaxParties>;

}  // namespace orrowvale
