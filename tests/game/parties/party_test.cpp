#include "parties/party.h"

#include <gtest/gtest.h>

#include <utility>

#include "world/gamestate.h"

namespace orrowvale {
namespace {

// A warrior with a two-handed sword, plate armour and a helmet: 83 attack and 80
// defence in the front row, 76 and 78 in the middle. A mage with a staff: 59 and 47
// in the front row, 87 and 77 in the rear.
void hire(GameState& state, int number, int adventurerClass) {
    TAdven& a = state.adventurers[number];
    a.name = "모험가";
    a.adventurerClass = static_cast<std::uint8_t>(adventurerClass);
    bool mage = adventurerClass == kMage;
    using Stats = decltype(a.stats);  // str, int, wis, dex, cha, health
    a.stats = mage ? Stats{2, 8, 7, 4, 5, 3} : Stats{6, 3, 4, 5, 9, 7};
    a.weapon1 = mage ? 230 : 110;
    a.armour = mage ? kClothes : kPlateArmour;
    a.helmet = mage ? 0 : kHelmetWorn;
}

// Party 1, in use, led by its first member.
void formParty(GameState& state, std::initializer_list<int> members) {
    state.parties[1].inUse = true;
    state.parties[1].leader = *members.begin();
    for (int m : members)
        ASSERT_NE(addMember(state, 1, m), std::nullopt);
}

TEST(PartyMembers, TakeTheLowestFreeSlotAndPositionAndNoTenthJoins) {
    GameState state;
    formParty(state, {11, 12, 13, 14, 15, 16, 17, 18, 19});
    const TParty full = state.parties[1];
    EXPECT_EQ(addMember(state, 1, 20), std::nullopt);
    EXPECT_EQ(state.parties[1], full);

    // Members 1 and 2 trade places; member 1 leaves and a newcomer takes slot 1
    // but stands in position 2.
    state.parties[1].formation[1] = 2;
    state.parties[1].formation[2] = 1;
    EXPECT_TRUE(removeMember(state, 1, 11));
    EXPECT_FALSE(removeMember(state, 1, 11));
    EXPECT_EQ(state.parties[1].leader, 11) << "the window decides who leads next";
    EXPECT_EQ(addMember(state, 1, 12), std::nullopt) << "already a member";
    EXPECT_EQ(addMember(state, 1, 20), 1);
    EXPECT_EQ(positionOf(state, 1, 1), 2);
}

TEST(PartyLifecycle, DisbandingKeepsOnlyTheMoneyRiskLevelCargoAndDungeonFields) {
    GameState state;
    formParty(state, {5, 6});
    setOnMission(state, 1, true);
    EXPECT_EQ(state.adventurers[6].busyFlag, 1);
    TParty& p = state.parties[1];
    p.location = p.missionKind = p.missionValue = p.travelTurnsLeft = p.travelDestination = 3;
    p.missionGold = p.missionRisk = p.missionLevel = p.dungeonCity = p.dungeonNumber = 4;
    p.travelling = p.cargoIntact = true;
    p.partyItem = 6;
    p.missionFile = p.partyName = "검은 늑대";

    disbandParty(state, 1);
    TParty expected;
    expected.missionGold = expected.missionRisk = expected.missionLevel = 4;
    expected.dungeonCity = expected.dungeonNumber = 4;
    expected.cargoIntact = true;
    EXPECT_EQ(state.parties[1], expected);
    EXPECT_EQ(findFreeParty(state), 1);
}

TEST(PartyRatings, FollowClassRowWeaponArmourAndAbilities) {
    GameState state;
    hire(state, 1, kWarrior);
    hire(state, 2, kThief);
    state.adventurers[2].weapon1 = 520;  // whip 6/5/4
    state.adventurers[2].weapon2 = 510;  // blowpipe 6/6/6, the better one in the middle
    state.adventurers[2].armour = kLeatherArmour;
    formParty(state, {1, 2});
    EXPECT_EQ(partyAbilityTotal(state, 1), 34 + 34);
    EXPECT_EQ(perspipRating(state, 1), 6 + 6 + 5);
    EXPECT_EQ(transportRating(state, 1), 10 + 10);
    // The thief in front: 50 - 2 + 9 + 6 attack and 50 + 12 - 2 + 2 + 2 defence.
    EXPECT_EQ(partyAttackRating(state, 1), 83 + 63);
    EXPECT_EQ(partyDefenceRating(state, 1), 80 + 64);
    std::swap(state.parties[1].formation[2], state.parties[1].formation[5]);
    EXPECT_EQ(partyAttackRating(state, 1), 83 + 73);
    EXPECT_EQ(partyDefenceRating(state, 1), 80 + 74);

    hire(state, 3, kMage);
    state.parties[2].inUse = true;
    state.parties[2].leader = 3;
    addMember(state, 2, 3);
    EXPECT_EQ(partyAttackRating(state, 2), 59);
    EXPECT_EQ(partyDefenceRating(state, 2), 47);
    std::swap(state.parties[2].formation[1], state.parties[2].formation[7]);
    EXPECT_EQ(partyAttackRating(state, 2), 87);
    state.parties[2].formation[7] = 0;  // no position, as a fallen main character
    EXPECT_EQ(partyDefenceRating(state, 2), 77);
    state.parties[2].members[5] = 1001;  // a damaged slot counts for nothing
    EXPECT_EQ(partyAbilityTotal(state, 2), 29);
}

TEST(PartyRatings, ALeaderLeadsNoMoreMembersThanHisCharisma) {
    GameState state;
    for (int n = 1; n <= 4; ++n)
        hire(state, n, kWarrior);
    formParty(state, {1, 2, 3, 4});  // attack 3 x 83 + 76 = 325, defence 3 x 80 + 78 = 318
    struct Case {
        int leader;
        int charisma;
        int attack;
        int defence;
    };
    for (Case c : {Case{1, 3, 243, 237}, Case{1, 4, 325, 318}, Case{0, 0, 325, 318}}) {
        state.parties[1].leader = c.leader;
        state.adventurers[1].stat(kCharisma) = static_cast<std::uint8_t>(c.charisma);
        EXPECT_EQ(partyAttackRating(state, 1), c.attack) << "charisma " << c.charisma;
        EXPECT_EQ(partyDefenceRating(state, 1), c.defence) << "charisma " << c.charisma;
    }
}

TEST(PartyRatings, ItemsAddTheirBonusEvenToAnEmptyParty) {
    GameState state;
    hire(state, 1, kWarrior);
    formParty(state, {1});
    const int attack[9] = {83, 83, 83, 83, 83, 183, 233, 83, 203};
    const int defence[9] = {80, 80, 83, 80, 96, 80, 80, 100, 80};
    for (int item = 0; item <= 8; ++item) {
        state.parties[1].partyItem = item;
        EXPECT_EQ(partyAttackRating(state, 1), attack[item]) << "item " << item;
        EXPECT_EQ(partyDefenceRating(state, 1), defence[item]) << "item " << item;
    }
    removeMember(state, 1, 1);
    state.parties[1].partyItem = 6;
    EXPECT_EQ(partyAttackRating(state, 1), 150);
    EXPECT_EQ(partyDefenceRating(state, 1), 0);

    // Five warriors of 412 defence under the dragon's light.
    for (int n = 1; n <= 5; ++n) {
        hire(state, n, kWarrior);
        state.adventurers[n].stat(kDexterity) = n == 5 ? 9 : 8;
        addMember(state, 1, n);
    }
    state.parties[1].partyItem = 4;
    EXPECT_EQ(partyDefenceRating(state, 1), 492);
}

}  // namespace
}  // namespace orrowvale
