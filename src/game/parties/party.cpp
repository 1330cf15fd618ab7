#include "parties/party.h"

#include <algorithm>

#include "world/adventurer.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

using AdventurerTable = Table<TAdven, kMaxAdventurers>;

// Party items that change the ratings.
constexpr int kBlessedSymbol = 2;
constexpr int kAttackSpellGuide = 3;
constexpr int kDragonLight = 4;
constexpr int kDragonTooth = 5;
constexpr int kDragonSlayer = 6;
constexpr int kWindArmour = 7;
constexpr int kWindCutter = 8;

constexpr int kRearRow = 3;
// The formation is three rows of three places, front row first.
constexpr int kPlacesPerRow = 3;
// Every member brings a base to attack and defence before class, stats and gear.
constexpr int kMemberBaseRating = 50;
// Perception: twice the intelligence, and a thief's eye on top.
constexpr int kPerceptionPerIntelligence = 2;
constexpr int kThiefPerception = 5;
// What the party's carried item adds.
constexpr int kSpellGuideMageAttack = 10;
constexpr int kDragonToothAttack = 100;
constexpr int kDragonSlayerAttack = 150;
constexpr int kWindCutterAttack = 120;
constexpr int kHelmetDefence = 2;
constexpr int kBlessedSymbolDefence = 3;
constexpr int kWindArmourDefence = 20;

// Calls `visit(slot, member)` for every occupied slot whose adventurer number names
// an entry of the adventurer table; a number outside it is skipped, not a crash.
template <typename Visit>
void forEachMember(const GameState& state, const TParty& party, Visit visit) {
    for (int slot = 1; slot <= kPartySize; ++slot) {
        int number = party.members[slot];
        if (number != 0 && AdventurerTable::contains(number))
            visit(slot, state.adventurers[number]);
    }
}

// The row the member of `slot` fights from. A member without a position (the main
// character who fell in a fight keeps his slot) is counted in the rear row.
int rowOfSlot(const GameState& state, int party, int slot) {
    const std::optional<int> position = positionOf(state, party, slot);
    return position ? formationRow(*position) : kRearRow;
}

int classStatPair(const TAdven& m) {
    switch (m.adventurerClass) {
        case kWarrior:
            return m.stat(kStrength) + m.stat(kHealth);
        case kMage:
            return m.stat(kIntelligence) + m.stat(kWisdom);
        case kCleric:
            return m.stat(kStrength) + m.stat(kWisdom);
        case kThief:
            return m.stat(kWisdom) + m.stat(kDexterity);
        default:
            return 0;
    }
}

// A party larger than its leader's charisma fights as if it had only that many
// members. Without a leader there is no cap.
int applyLeaderCap(const GameState& state, int party, int rating) {
    int leader = state.parties[party].leader;
    if (!AdventurerTable::contains(leader)) return rating;
    int count = memberCount(state, party);
    int charisma = state.adventurers[leader].stat(kCharisma);
    return count > charisma ? rating / count * charisma : rating;
}

}  // namespace

void createPartySlots(GameState& state) {
    state.parties.fill(TParty{});
}

std::optional<int> findFreeParty(const GameState& state) {
    for (int party = 1; party <= kMaxParties; ++party)
        if (!state.parties[party].inUse) return party;
    return std::nullopt;
}

std::optional<int> findFreeMemberSlot(const GameState& state, int party) {
    const TParty& p = state.parties[party];
    for (int slot = 1; slot <= kPartySize; ++slot)
        if (p.members[slot] == 0) return slot;
    return std::nullopt;
}

bool isNotMember(const GameState& state, int party, int adventurer) {
    const auto& members = state.parties[party].members;
    return std::find(members.begin(), members.end(), adventurer) == members.end();
}

std::optional<int> addMember(GameState& state, int party, int adventurer) {
    TParty& p = state.parties[party];
    const std::optional<int> slot = findFreeMemberSlot(state, party);
    auto position = std::find(p.formation.begin(), p.formation.end(), 0);
    if (!isNotMember(state, party, adventurer) || !slot || position == p.formation.end())
        return std::nullopt;
    p.members[*slot] = adventurer;
    *position = *slot;
    return slot;
}

std::optional<int> positionOf(const GameState& state, int party, int slot) {
    const TParty& p = state.parties[party];
    if (slot < 1 || slot > kPartySize) return std::nullopt;
    for (int position = kPartySize; position >= 1; --position)
        if (p.formation[position] == slot) return position;
    return std::nullopt;
}

bool removeMember(GameState& state, int party, int adventurer) {
    TParty& p = state.parties[party];
    // 0 marks an empty slot; it is nobody to remove.
    if (adventurer == 0) return false;
    bool removed = false;
    for (int slot = 1; slot <= kPartySize; ++slot) {
        if (p.members[slot] != adventurer) continue;
        std::replace(p.formation.begin(), p.formation.end(), slot, 0);
        p.members[slot] = 0;
        removed = true;
    }
    return removed;
}

void disbandParty(GameState& state, int party) {
    TParty& p = state.parties[party];
    const TParty fresh;
    p.members = fresh.members;
    p.formation = fresh.formation;
    p.location = fresh.location;
    p.inUse = fresh.inUse;
    p.onMission = fresh.onMission;
    p.missionKind = fresh.missionKind;
    p.missionFile = fresh.missionFile;
    p.missionValue = fresh.missionValue;
    p.travelling = fresh.travelling;
    p.travelTurnsLeft = fresh.travelTurnsLeft;
    p.travelDestination = fresh.travelDestination;
    p.partyItem = fresh.partyItem;
    p.leader = fresh.leader;
    p.partyName = fresh.partyName;
}

int memberCount(const GameState& state, int party) {
    const auto& members = state.parties[party].members;
    return static_cast<int>(
        std::count_if(members.begin(), members.end(), [](int number) { return number != 0; }));
}

void setOnMission(GameState& state, int party, bool onMission) {
    TParty& p = state.parties[party];
    p.onMission = onMission;
    for (int number : p.members)
        if (number != 0 && AdventurerTable::contains(number))
            state.adventurers[number].busyFlag = onMission ? 1 : 0;
}

int formationRow(int position) {
    if (position < 1 || position > kPartySize) return kRearRow;
    return (position - 1) / kPlacesPerRow + 1;
}

int partyAbilityTotal(const GameState& state, int party) {
    int total = 0;
    forEachMember(state, state.parties[party],
                  [&](int, const TAdven& m) { total += abilityTotal(m); });
    return total;
}

int perspipRating(const GameState& state, int party) {
    int rating = 0;
    forEachMember(state, state.parties[party], [&](int, const TAdven& m) {
        rating += kPerceptionPerIntelligence * m.stat(kIntelligence);
        if (m.adventurerClass == kThief) rating += kThiefPerception;
    });
    return rating;
}

int transportRating(const GameState& state, int party) {
    int rating = 0;
    forEachMember(state, state.parties[party],
                  [&](int, const TAdven& m) { rating += m.stat(kStrength) + m.stat(kWisdom); });
    return rating;
}

int partyAttackRating(const GameState& state, int party) {
    const TParty& p = state.parties[party];
    int rating = 0;
    forEachMember(state, p, [&](int slot, const TAdven& m) {
        int row = rowOfSlot(state, party, slot);
        rating += kMemberBaseRating + classRowBonus(m.adventurerClass, row) + classStatPair(m);
        rating += std::max(weaponRowValue(m.weapon1, row), weaponRowValue(m.weapon2, row));
        if (m.adventurerClass == kMage && p.partyItem == kAttackSpellGuide)
            rating += kSpellGuideMageAttack;
    });
    rating = applyLeaderCap(state, party, rating);
    switch (p.partyItem) {
        case kDragonTooth:
            return rating + kDragonToothAttack;
        case kDragonSlayer:
            return rating + kDragonSlayerAttack;
        case kWindCutter:
            return rating + kWindCutterAttack;
        default:
            return rating;
    }
}

int partyDefenceRating(const GameState& state, int party) {
    const TParty& p = state.parties[party];
    int rating = 0;
    forEachMember(state, p, [&](int slot, const TAdven& m) {
        int row = rowOfSlot(state, party, slot);
        rating += kMemberBaseRating + m.stat(kDexterity) + m.stat(kHealth);
        rating += classRowBonus(m.adventurerClass, row) + armourDefence(m.armour);
        if (m.wearsHelmet()) rating += kHelmetDefence;
        if (p.partyItem == kBlessedSymbol) rating += kBlessedSymbolDefence;
    });
    rating = applyLeaderCap(state, party, rating);
    if (p.partyItem == kDragonLight) rating = rating / 5 * 6;
    if (p.partyItem == kWindArmour) rating += kWindArmourDefence;
    return rating;
}

}  // namespace orrowvale
