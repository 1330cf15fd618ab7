#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/testfiles.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

constexpr int kSample = 20000;

NameLists smallNames() {
    NameLists names;
    names.male = {3, {"Aldo", "Bram", "Cato"}};
    names.female = {2, {"Dara", "Esme"}};
    names.family = {2, {"Fenn", "Gale"}};
    return names;
}

// Expects `count` out of `total` to lie within five standard errors of `share`: loose
// enough for any seed, tight enough to catch a range that is one step off or swapped.
// A share of 0 must not happen at all.
void expectShare(int count, int total, double share, const std::string& what) {
    if (share == 0.0) {
        EXPECT_EQ(count, 0) << what;
        return;
    }
    double observed = static_cast<double>(count) / total;
    double tolerance = 5.0 * std::sqrt(share * (1.0 - share) / total);
    EXPECT_NEAR(observed, share, tolerance) << what << ": " << count << " of " << total;
}

// Sex, given name and family name come first, race and class next; queueing the
// first rolls fixes the race (and class) while everything after stays random.
TAdven generateAs(Dice& dice, const NameLists& names, int raceD100, int classD100 = 0) {
    dice.queue({0, 0, 0});
    dice.queueD100({raceD100});
    if (classD100 != 0) dice.queueD100({classD100});
    TAdven adventurer;
    generateAdventurer(adventurer, dice, names);
    return adventurer;
}

// Race d100s and class d100s that give each race and class.
constexpr int kHumanRoll = 50, kElfRoll = 1, kDwarfRoll = 3, kHalflingRoll = 6;
constexpr int kWarriorRoll = 1, kClericRoll = 80, kThiefRoll = 100;
constexpr int kHumanMageRoll = 73;

const std::vector<TAdven>& population() {
    static const std::vector<TAdven> people = [] {
        Dice dice(12345);
        NameLists names = smallNames();
        std::vector<TAdven> result(kSample);
        for (TAdven& a : result)
            generateAdventurer(a, dice, names);
        return result;
    }();
    return people;
}

template <typename Predicate>
int countOf(const std::vector<TAdven>& people, Predicate predicate) {
    return static_cast<int>(std::count_if(people.begin(), people.end(), predicate));
}

TEST(Generation, RacesComeAsNinetyFourHumansToOneElfThreeDwarvesAndTwoHalflings) {
    const auto& people = population();
    const std::map<int, double> shares = {
        {kHuman, 0.94}, {kElf, 0.01}, {kDwarf, 0.03}, {kHalfling, 0.02}};
    for (auto [race, share] : shares)
        expectShare(countOf(people, [&](const TAdven& a) { return a.race == race; }), kSample,
                    share, "race " + std::to_string(race));
}

TEST(Generation, AboutOneInFiveCarriesASecondWeapon) {
    const auto& people = population();
    expectShare(countOf(people, [](const TAdven& a) { return a.weapon2 != 0; }), kSample, 0.20,
                "second weapon");
}

bool isBlunt(int weapon) {
    return weapon / 100 == 2;
}

TEST(Generation, HardRulesHoldForEveryRolledAdventurer) {
    std::vector<TAdven> people = population();
    // Add plenty of the rare races so that their rules are seen often.
    Dice dice(777);
    NameLists names = smallNames();
    for (int raceRoll : {kElfRoll, kDwarfRoll, kHalflingRoll})
        for (int i = 0; i < 5000; ++i)
            people.push_back(generateAs(dice, names, raceRoll));

    for (const TAdven& a : people) {
        SCOPED_TRACE("race " + std::to_string(a.race) + " class " +
                     std::to_string(a.adventurerClass));
        ASSERT_TRUE(a.race >= kHuman && a.race <= kHalfling);
        ASSERT_TRUE(a.adventurerClass >= kWarrior && a.adventurerClass <= kThief);
        if (a.race == kDwarf || a.race == kHalfling) {
            ASSERT_NE(a.adventurerClass, kMage);
        }
        if (a.adventurerClass == kCleric) {
            ASSERT_TRUE(isBlunt(a.weapon1)) << a.weapon1;
            ASSERT_TRUE(a.weapon2 == 0 || isBlunt(a.weapon2)) << a.weapon2;
        }
        if (a.adventurerClass == kMage) {
            ASSERT_TRUE(a.school >= 1 && a.school <= 4);
            ASSERT_GE(a.mageNumber, 15);
            ASSERT_EQ(a.armour, kClothes);
        } else {
            ASSERT_EQ(a.school, 0);
            ASSERT_EQ(a.mageNumber, 0);
        }
        if (a.adventurerClass == kMage || a.adventurerClass == kThief) {
            ASSERT_EQ(a.helmet, 0);
        }
        if (a.adventurerClass == kThief) {
            ASSERT_TRUE(a.armour == kLeatherArmour || a.armour == kClothes);
        }
        for (int stat = 1; stat <= kStatCount; ++stat)
            ASSERT_TRUE(a.stat(stat) >= 1 && a.stat(stat) <= 9) << "stat " << stat;
        ASSERT_NE(a.weapon1, 0);
        ASSERT_FALSE(weaponName(a.weapon1).empty()) << a.weapon1;
        if (a.weapon2 != 0) {
            ASSERT_FALSE(weaponName(a.weapon2).empty()) << a.weapon2;
        }
        const NameLists::List& given = a.sex == kMale ? names.male : names.female;
        ASSERT_NE(std::find(given.names.begin(), given.names.end(), a.name), given.names.end());
    }
}

TEST(Generation, ClassOddsDependOnRace) {
    struct Case {
        int raceRoll;
        std::array<double, 4> shares;  // warrior, mage, cleric, thief
    };
    const Case cases[] = {
        {kHumanRoll, {0.70, 0.05, 0.20, 0.05}},
        {kElfRoll, {0.10, 0.75, 0.05, 0.10}},
        {kDwarfRoll, {0.80, 0.0, 0.15, 0.05}},
        {kHalflingRoll, {0.40, 0.0, 0.05, 0.55}},
    };
    Dice dice(12345);
    NameLists names = smallNames();
    for (const Case& c : cases) {
        std::array<int, 4> counts{};
        for (int i = 0; i < kSample; ++i)
            ++counts[generateAs(dice, names, c.raceRoll).adventurerClass - 1];
        for (int cls = 1; cls <= 4; ++cls)
            expectShare(
                counts[cls - 1], kSample, c.shares[cls - 1],
                "race roll " + std::to_string(c.raceRoll) + ", class " + std::to_string(cls));
    }
}

TEST(Generation, ArmourHelmetAndWeaponOddsDependOnClass) {
    struct Case {
        int classRoll;
        std::array<double, 4> armour;  // plate, chain, leather, clothes
        double helmet;
        std::array<double, 5> family;  // swords, blunt, axes, bows, other
    };
    const Case cases[] = {
        {kWarriorRoll, {0.40, 0.45, 0.10, 0.05}, 0.95, {0.75, 0.05, 0.10, 0.05, 0.05}},
        {kHumanMageRoll, {0, 0, 0, 1.0}, 0.0, {0.30, 0.60, 0, 0, 0.10}},
        {kClericRoll, {0.40, 0.45, 0.10, 0.05}, 0.95, {0, 1.0, 0, 0, 0}},
        {kThiefRoll, {0, 0, 0.85, 0.15}, 0.0, {0.85, 0, 0, 0.05, 0.10}},
    };
    Dice dice(12345);
    NameLists names = smallNames();
    for (const Case& c : cases) {
        std::array<int, 4> armour{};
        std::array<int, 5> family{};
        int helmets = 0;
        for (int i = 0; i < kSample; ++i) {
            TAdven a = generateAs(dice, names, kHumanRoll, c.classRoll);
            ++armour.at(static_cast<std::size_t>(a.armour / 10 - 1));
            ++family.at(static_cast<std::size_t>(a.weapon1 / 100 - 1));
            if (a.wearsHelmet()) ++helmets;
        }
        std::string label = "class roll " + std::to_string(c.classRoll);
        for (std::size_t k = 0; k < armour.size(); ++k)
            expectShare(armour[k], kSample, c.armour[k],
                        label + ", armour " + std::to_string(10 * (k + 1)));
        for (std::size_t k = 0; k < family.size(); ++k)
            expectShare(family[k], kSample, c.family[k],
                        label + ", weapon family " + std::to_string(k + 1));
        expectShare(helmets, kSample, c.helmet, label + ", helmet");
    }
}

TEST(Generation, RaceComesFromTheD100Thresholds) {
    const std::pair<int, int> cases[] = {{1, kElf},      {2, kDwarf}, {4, kDwarf},  {5, kHalfling},
                                         {6, kHalfling}, {7, kHuman}, {100, kHuman}};
    Dice dice(1);
    NameLists names = smallNames();
    for (auto [roll, race] : cases)
        EXPECT_EQ(generateAs(dice, names, roll).race, race) << "d100 " << roll;
}

TEST(Generation, AFullyScriptedClericTakesEveryRolledValueAndKeepsOnlyTheBusyFlag) {
    Dice dice(1);
    dice.queue({1, 1, 0});                // female, second female name, first family name
    dice.queueD100({3, 81, 41, 96});      // dwarf, cleric, chain mail, no helmet
    dice.queue({0, 1, 2, 3, 4, 2});       // abilities -2, -1, 0, +1, +2, 0
    dice.queueD100({77, 16, 20, 1, 31});  // staff; a second weapon: mace
    dice.queueD100({91});                 // selfish

    TAdven a;
    a.busyFlag = 1;
    a.location = 7;
    a.isGuildMember = 1;
    a.stayFlag = 1;
    a.extraValue = 99;
    a.school = 3;
    a.mageNumber = 20;
    generateAdventurer(a, dice, smallNames());

    EXPECT_EQ(dice.queued(), 0u);
    EXPECT_EQ(a.sex, kFemale);
    EXPECT_EQ(a.name, "Esme");
    EXPECT_EQ(a.familyName, "Fenn");
    EXPECT_EQ(a.race, kDwarf);
    EXPECT_EQ(a.adventurerClass, kCleric);
    EXPECT_EQ(a.armour, kChainMail);
    EXPECT_EQ(a.helmet, 0);
    EXPECT_EQ(a.stats, (std::array<std::uint8_t, 6>{4, 3, 5, 4, 5, 6}));
    EXPECT_EQ(a.weapon1, 230);
    EXPECT_EQ(a.weapon2, 240);
    EXPECT_EQ(a.alignment, 3);
    EXPECT_EQ(a.school, 0);
    EXPECT_EQ(a.mageNumber, 0);
    EXPECT_EQ(a.location, 0);
    EXPECT_EQ(a.isGuildMember, 0);
    EXPECT_EQ(a.stayFlag, 0);
    EXPECT_EQ(a.extraValue, 0);
    EXPECT_EQ(a.busyFlag, 1);
}

TEST(Generation, MageNumberCountsTheRollsAboveFortyOne) {
    struct Case {
        std::vector<int> mageRolls;  // the school roll, then the loop's rolls
        int school, mageNumber;
    };
    const Case cases[] = {
        {{41}, 1, 15}, {{85, 100, 42, 1}, 1, 18}, {{86, 1}, 2, 16}, {{96, 99, 41}, 4, 17}};
    for (const Case& c : cases) {
        Dice dice(1);
        dice.queue({0, 0, 0});
        dice.queueD100({kElfRoll, 50});  // an elf mage
        for (int roll : c.mageRolls)
            dice.queueD100({roll});
        dice.queueD100({50, 50});         // armour, helmet
        dice.queue({0, 0, 0, 0, 0, 0});   // every ability at its lowest
        dice.queueD100({31, 1, 21, 11});  // staff, no second weapon, neutral

        TAdven a;
        generateAdventurer(a, dice, smallNames());
        SCOPED_TRACE("school roll " + std::to_string(c.mageRolls.front()));
        EXPECT_EQ(a.school, c.school);
        EXPECT_EQ(a.mageNumber, c.mageNumber);
        // If the loop took one roll too many or too few, what follows would be out of step.
        EXPECT_EQ(dice.queued(), 0u);
        EXPECT_EQ(a.stats, (std::array<std::uint8_t, 6>{1, 5, 5, 3, 3, 1}));
        EXPECT_EQ(a.weapon1, 230);
        EXPECT_EQ(a.weapon2, 0);
        EXPECT_EQ(a.alignment, 2);
    }
}

TEST(Generation, WeaponTypeFollowsTheThresholdsOfClassAndFamily) {
    struct Case {
        int cls, familyRoll, typeRoll, weapon;
    };
    const Case cases[] = {
        {kWarrior, 75, 10, 110},  {kWarrior, 1, 11, 120},  {kWarrior, 1, 96, 140},
        {kWarrior, 76, 75, 210},  {kWarrior, 81, 91, 320}, {kWarrior, 95, 91, 420},
        {kWarrior, 100, 11, 520}, {kMage, 30, 100, 140},   {kMage, 31, 1, 230},
        {kMage, 91, 90, 510},     {kCleric, 1, 5, 210},    {kCleric, 50, 31, 240},
        {kThief, 85, 85, 130},    {kThief, 86, 30, 410},   {kThief, 100, 96, 520},
    };
    for (const Case& c : cases) {
        Dice dice(1);
        dice.queueD100({c.familyRoll, c.typeRoll, 1});
        EXPECT_EQ(rollWeapon(c.cls, dice), c.weapon)
            << "class " << c.cls << ", d100s " << c.familyRoll << " and " << c.typeRoll;
        EXPECT_EQ(dice.queued(), 1u) << "a weapon takes exactly two rolls";
    }
}

TEST(NameLists, NamesAreDrawnFromTheClaimedCountAndMissingOnesAreEmpty) {
    testing::TempGameDir dir;
    dir.write("data\\malename.txt", "4\n철수\n민준\n");
    dir.write("data\\fmlname.txt", "2\n영희\n서연\n");
    dir.write("data\\fnames.txt", "3\n김\n");
    NameLists names = loadNameLists(dir.paths());
    EXPECT_EQ(names.male.count, 4);
    EXPECT_EQ(names.male.names, (std::vector<std::string>{"철수", "민준"}));

    struct Case {
        int sexRoll, givenRoll, familyRoll;
        std::string name, familyName;
    };
    // A roll of 3 for the male list is only possible when all four claimed names count.
    const Case cases[] = {{0, 1, 0, "민준", "김"}, {0, 3, 2, "", ""}, {1, 1, 1, "서연", ""}};
    for (const Case& c : cases) {
        Dice dice(1);
        dice.queue({c.sexRoll, c.givenRoll, c.familyRoll});
        TAdven a;
        generateAdventurer(a, dice, names);
        EXPECT_EQ(a.name, c.name);
        EXPECT_EQ(a.familyName, c.familyName);
    }
}

// Queues the 17 rolls of a human warrior with no second weapon.
void queuePlainHuman(Dice& dice) {
    dice.queue({0, 0, 0});
    dice.queueD100({50, 1, 1, 1});
    dice.queue({2, 2, 2, 2, 2, 2});
    dice.queueD100({1, 30, 100, 50});
}

TEST(Population, ThreeCitiesOfTwentyFillSlotsOneToSixtyInCityBlocks) {
    GameState state;
    state.cityCount = 3;
    Dice dice(1);
    for (int city = 1; city <= 3; ++city) {
        dice.queue({19});
        for (int k = 0; k < 20; ++k)
            queuePlainHuman(dice);
    }
    EXPECT_EQ(populateAdventurers(state, dice, smallNames()), 60);
    EXPECT_EQ(dice.queued(), 0u);
    for (int slot = 1; slot <= 60; ++slot) {
        ASSERT_FALSE(state.adventurers[slot].isFree()) << slot;
        EXPECT_EQ(state.adventurers[slot].location, (slot - 1) / 20 + 1) << slot;
    }
    for (int slot = 61; slot <= kMaxAdventurers; ++slot)
        ASSERT_TRUE(state.adventurers[slot].isFree()) << slot;
}

TEST(Population, SlotOneThousandIsNeverFilledEvenWithAHundredCitiesOfTwenty) {
    GameState state;
    state.cityCount = 100;
    Dice dice(1);
    int slotsLeft = kMaxAdventurers - 1;
    for (int city = 1; city <= 100; ++city) {
        dice.queue({19});
        for (int k = 0; k < 20 && slotsLeft > 0; ++k, --slotsLeft)
            queuePlainHuman(dice);
    }
    EXPECT_EQ(populateAdventurers(state, dice, smallNames()), 999);
    EXPECT_EQ(dice.queued(), 0u) << "every city still rolls its number of people";
    EXPECT_TRUE(state.adventurers[kMaxAdventurers].isFree());
    EXPECT_EQ(state.adventurers[999].location, 50);
}

TEST(Population, AnOccupiedSlotIsSkippedButStillUsesItsPlace) {
    GameState state;
    state.cityCount = 2;
    TAdven hero;
    hero.name = "Hero";
    hero.location = 9;
    hero.isGuildMember = 1;
    state.adventurers[5] = hero;
    Dice dice(1);
    dice.queue({19});
    for (int k = 0; k < 19; ++k)
        queuePlainHuman(dice);
    dice.queue({0});
    queuePlainHuman(dice);

    EXPECT_EQ(populateAdventurers(state, dice, smallNames()), 20);
    EXPECT_EQ(dice.queued(), 0u);
    EXPECT_EQ(state.adventurers[5], hero);
    EXPECT_EQ(state.adventurers[4].location, 1);
    EXPECT_EQ(state.adventurers[20].location, 1);
    EXPECT_EQ(state.adventurers[21].location, 2);
    EXPECT_TRUE(state.adventurers[22].isFree());
}

}  // namespace
}  // namespace orrowvale
