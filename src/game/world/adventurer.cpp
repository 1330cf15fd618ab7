#include "world/adventurer.h"

#include <numeric>

#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

struct Weapon {
    const char* name;
    int rows[3];
};

// Four types in each of the five families, looked up at 4 x (family - 1) + type.
constexpr Weapon kWeapons[20] = {
    {"양손검", {10, 5, 2}}, {"바스타드검", {9, 6, 4}}, {"장검", {8, 7, 4}},
    {"단도", {5, 4, 4}},    {"워해머", {9, 7, 3}},     {"해머", {7, 6, 4}},
    {"지팡이", {4, 2, 2}},  {"메이스", {7, 4, 2}},     {"배틀액스", {10, 7, 1}},
    {"액스", {8, 6, 4}},    {"손도끼", {6, 4, 3}},     {"", {0, 0, 0}},
    {"롱보우", {6, 7, 8}},  {"쇼트보우", {7, 8, 6}},   {"", {0, 0, 0}},
    {"", {0, 0, 0}},        {"바람총", {6, 6, 6}},     {"채찍", {6, 5, 4}},
    {"", {0, 0, 0}},        {"", {0, 0, 0}},
};

constexpr const char* kArmourNames[4] = {"플레이트 아머", "체인 메일", "레더 아머", "옷"};
constexpr int kArmourDefence[4] = {6, 4, 2, 0};
constexpr int kClassRowBonus[4][3] = {{10, 8, 6}, {-10, 20, 20}, {8, 7, 5}, {-2, 8, 12}};
constexpr int kRaceModifier[4][6] = {
    {0, 0, 0, 0, 0, 0}, {-1, 2, 2, 1, 1, 0}, {2, 0, 0, 0, -1, 2}, {0, 1, 0, 2, 0, -1}};
constexpr int kClassModifier[4][6] = {
    {1, -1, -1, 0, 0, 1}, {-1, 1, 1, 0, 0, -1}, {0, 0, 1, -1, 0, 0}, {0, 0, -1, 1, 0, 0}};

constexpr const char* kRaceNames[4] = {"인간", "엘프", "드워프", "하프링"};
constexpr const char* kClassNames[4] = {"전사", "마법사", "성직자", "도적"};
constexpr const char* kSexNames[2] = {"남성", "여성"};
constexpr const char* kAlignmentNames[3] = {"도덕적", "중도적", "이기적"};
constexpr const char* kSchoolNames[5] = {"없음", "위저드", "컨져러", "뉴에이지", "네크로맨서"};
// Abilities of 8 and 9 come only from elves and dwarves at their best, and 0 only
// from a hand-edited file; they get words of their own rather than borrowing one.
constexpr const char* kRatingWords[10] = {"최악", "최악",   "나쁨",   "보통 이하", "보통",
                                          "좋음", "뛰어남", "탁월함", "최상",      "전설적"};
constexpr const char* kItemNames[9] = {
    "아이템 없음", "이반의 갑주 강화", "축복의 성표",     "이미시르의 공격 마법 가이드북",
    "드래곤의 빛", "용의 이빨",        "드래곤 슬레이어", "윈드 아머",
    "윈드 커터"};
constexpr int kTreasureLimits[10] = {200, 300, 500, 800, 1000, 3000, 5000, 8000, 12000, 15000};

const Weapon* findWeapon(int code) {
    int family = code / 100;
    int type = (code / 10) % 10;
    int position = 4 * (family - 1) + type;
    if (code <= 0 || type < 1 || type > 4 || position < 1 || position > 20) return nullptr;
    return &kWeapons[position - 1];
}

template <std::size_t N>
std::string lookup(const char* const (&names)[N], int code, int first) {
    int index = code - first;
    return index >= 0 && index < static_cast<int>(N) ? names[index] : "";
}

// The first entry of `ranges` (inclusive upper bounds of a d100) that holds `roll`.
int pick(int roll, std::initializer_list<std::pair<int, int>> ranges) {
    for (auto [upTo, result] : ranges)
        if (roll <= upTo) return result;
    return 0;
}

int rollRace(Dice& dice) {
    return pick(dice.d100(), {{1, kElf}, {4, kDwarf}, {6, kHalfling}, {100, kHuman}});
}

int rollClass(int race, Dice& dice) {
    int roll = dice.d100();
    switch (race) {
        case kElf:
            return pick(roll, {{10, kWarrior}, {85, kMage}, {90, kCleric}, {100, kThief}});
        case kDwarf:
            return pick(roll, {{80, kWarrior}, {95, kCleric}, {100, kThief}});
        case kHalfling:
            return pick(roll, {{40, kWarrior}, {45, kCleric}, {100, kThief}});
        default:
            return pick(roll, {{70, kWarrior}, {75, kMage}, {95, kCleric}, {100, kThief}});
    }
}

int rollArmour(int adventurerClass, Dice& dice) {
    int roll = dice.d100();
    switch (adventurerClass) {
        case kMage:
            return kClothes;
        case kThief:
            return pick(roll, {{85, kLeatherArmour}, {100, kClothes}});
        default:
            return pick(
                roll,
                {{40, kPlateArmour}, {85, kChainMail}, {95, kLeatherArmour}, {100, kClothes}});
    }
}

int rollHelmet(int adventurerClass, Dice& dice) {
    int roll = dice.d100();
    bool armoured = adventurerClass == kWarrior || adventurerClass == kCleric;
    return armoured && roll <= 95 ? kHelmetWorn : 0;
}

}  // namespace

std::string NameLists::List::pick(int k) const {
    return k >= 1 && k <= static_cast<int>(names.size()) ? names[k - 1] : std::string();
}

NameLists loadNameLists(const GamePaths& paths) {
    auto read = [&](std::string_view file) {
        LineReader reader = LineReader::openData(paths, file);
        NameLists::List list;
        list.count = reader.readNumberToken("the number of names");
        for (int i = 0; i < list.count && !reader.atEnd(); ++i)
            list.names.push_back(reader.readText("a name"));
        return list;
    };
    NameLists lists;
    lists.male = read("malename.txt");
    lists.female = read("fmlname.txt");
    lists.family = read("fnames.txt");
    return lists;
}

int rollWeapon(int adventurerClass, Dice& dice) {
    enum Family { kSwords = 1, kBlunt, kAxes, kBows, kOther };
    int familyRoll = dice.d100();
    int typeRoll = dice.d100();
    int family = 0;
    switch (adventurerClass) {
        case kWarrior:
            family = pick(familyRoll,
                          {{75, kSwords}, {80, kBlunt}, {90, kAxes}, {95, kBows}, {100, kOther}});
            break;
        case kMage:
            family = pick(familyRoll, {{30, kSwords}, {90, kBlunt}, {100, kOther}});
            break;
        case kCleric:
            family = kBlunt;
            break;
        default:
            family = pick(familyRoll, {{85, kSwords}, {90, kBows}, {100, kOther}});
            break;
    }
    bool warrior = adventurerClass == kWarrior;
    bool mage = adventurerClass == kMage;
    switch (family) {
        case kSwords:
            if (warrior) return pick(typeRoll, {{10, 110}, {25, 120}, {95, 130}, {100, 140}});
            if (mage) return 140;
            return pick(typeRoll, {{85, 130}, {100, 140}});
        case kBlunt:
            if (warrior) return pick(typeRoll, {{75, 210}, {80, 220}, {85, 230}, {100, 240}});
            if (mage) return 230;
            return pick(typeRoll, {{5, 210}, {15, 220}, {30, 230}, {100, 240}});
        case kAxes:
            return pick(typeRoll, {{90, 310}, {95, 320}, {100, 330}});
        case kBows:
            if (warrior) return pick(typeRoll, {{90, 410}, {100, 420}});
            return pick(typeRoll, {{30, 410}, {100, 420}});
        default:
            if (warrior) return pick(typeRoll, {{10, 510}, {100, 520}});
            if (mage) return pick(typeRoll, {{90, 510}, {100, 520}});
            return pick(typeRoll, {{95, 510}, {100, 520}});
    }
}

void generateAdventurer(TAdven& adventurer, Dice& dice, const NameLists& names) {
    TAdven& a = adventurer;
    a.sex = static_cast<std::uint8_t>(dice.roll(2) + 1);
    const NameLists::List& given = a.sex == kMale ? names.male : names.female;
    a.name = given.pick(dice.roll(given.count) + 1);
    a.familyName = names.family.pick(dice.roll(names.family.count) + 1);
    a.stats.fill(4);
    a.race = rollRace(dice);
    a.adventurerClass = static_cast<std::uint8_t>(rollClass(a.race, dice));

    a.school = 0;
    a.mageNumber = 0;
    if (a.adventurerClass == kMage) {
        int roll = dice.d100();
        a.school = static_cast<std::uint8_t>(pick(roll, {{85, 1}, {90, 2}, {95, 3}, {100, 4}}));
        a.mageNumber = 15;
        while (roll > 41) {
            roll = dice.d100();
            ++a.mageNumber;
        }
    }
    a.armour = rollArmour(a.adventurerClass, dice);
    a.helmet = rollHelmet(a.adventurerClass, dice);

    for (int i = 0; i < kStatCount; ++i) {
        int value = 4 + kRaceModifier[a.race - 1][i] + kClassModifier[a.adventurerClass - 1][i] +
                    dice.roll(5) - 2;
        a.stats[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value == 0 ? 1 : value);
    }
    a.weapon1 = rollWeapon(a.adventurerClass, dice);
    a.weapon2 = dice.d100() <= 20 ? rollWeapon(a.adventurerClass, dice) : 0;
    a.extraValue = 0;
    a.alignment = static_cast<std::uint8_t>(pick(dice.d100(), {{10, 1}, {90, 2}, {100, 3}}));
    a.isGuildMember = 0;
    a.location = 0;
    a.stayFlag = 0;
}

int populateAdventurers(GameState& state, Dice& dice, const NameLists& names) {
    int generated = 0;
    int next = 1;
    for (int city = 1; city <= state.cityBound(); ++city) {
        int people = 1 + dice.roll(20);
        for (int k = 0; k < people; ++k, ++next) {
            if (next >= kMaxAdventurers || !state.adventurers[next].isFree()) continue;
            TAdven& slot = state.adventurers[next];
            generateAdventurer(slot, dice, names);
            slot.location = city;
            ++generated;
        }
    }
    return generated;
}

int recruitRandomMember(GameState& state, Dice& dice, const NameLists& names) {
    const int number = findFreeAdventurerSlot(state);
    if (number == 0 || findFreeRosterSlot(state) == 0) return 0;
    generateAdventurer(state.adventurers[number], dice, names);
    addGuildMember(state, number);
    return number;
}

void loadAdventurer(TAdven& adventurer, const std::filesystem::path& file,
                    const std::string& displayName, bool savedByTheGame) {
    // The game never saves a link, so one in a slot is no save of the game's.
    LineReader reader(file, displayName, savedByTheGame ? FileLinks::Refuse : FileLinks::Follow);
    loadAdventurer(adventurer, reader, savedByTheGame);
}

void loadAdventurer(TAdven& adventurer, LineReader& reader, bool savedByTheGame) {
    TAdven read = adventurer;
    auto number = [&](const char* what) { return reader.readWholeNumber(what); };
    auto coded = [&](const char* what, int low, int high) {
        return static_cast<std::uint8_t>(reader.readNumberInRange(what, low, high));
    };
    read.name = reader.readText("the name");
    read.familyName = reader.readText("the family name");
    read.sex = coded("the sex (1 or 2)", kMale, kFemale);
    read.isGuildMember = coded("the guild membership (0 or 1)", 0, 1);
    read.extraValue = number("a number");
    int busy = number("the busy flag (0 or 1)");
    if (busy == 0 || busy == 1) read.busyFlag = static_cast<std::uint8_t>(busy);
    read.alignment = coded("the alignment (1 to 3)", 1, 3);
    read.school = coded("the magic school (0 to 4)", 0, 4);
    read.race = coded("the race (1 to 4)", 1, 4);
    read.adventurerClass = coded("the class (1 to 4)", 1, 4);
    read.weapon1 = number("the weapon code of weapon 1");
    read.weapon2 = number("the weapon code of weapon 2");
    read.armour = number("the armour code");
    read.helmet = number("the helmet (10 or 0)");
    for (int i = 1; i <= kStatCount; ++i)
        read.stat(i) = coded("an ability value from 0 to 255", 0, 255);
    read.mageNumber = number("the mage number");
    // The last two lines are read as loosely as ever, but a file cut off before
    // them is refused rather than read as an adventurer standing nowhere.
    read.stayFlag = reader.readRequiredNumberToken("the stay flag (0 or 1)") == 1 ? 1 : 0;
    read.location = reader.readRequiredNumberToken("the city number");
    if (read.location < 0 || read.location > kMaxCities)
        reader.fail("a city number from 0 to 100", std::to_string(read.location));
    reader.expectEndOfRecord("an adventurer file has 23 lines", savedByTheGame);
    adventurer = std::move(read);
}

void loadAdventurer(TAdven& adventurer, const GamePaths& paths, std::string_view gamePath) {
    loadAdventurer(adventurer, paths.resolve(gamePath), GamePaths::shown(gamePath));
}

namespace {

TextFileWriter adventurerFile(const TAdven& adventurer, const std::string& displayName) {
    TextFileWriter out(displayName);
    writeAdventurerLines(adventurer, out);
    return out;
}

}  // namespace

void writeAdventurerLines(const TAdven& a, TextFileWriter& out) {
    out.writeLine(a.name);
    out.writeLine(a.familyName);
    out.writeNumberInRange(a.sex, kMale, kFemale, "the sex");
    out.writeNumberInRange(a.isGuildMember, 0, 1, "the guild membership");
    out.writeNumber(a.extraValue);
    out.writeLine(a.busyFlag != 0 ? "1" : "0");
    out.writeNumberInRange(a.alignment, 1, 3, "the alignment");
    out.writeNumberInRange(a.school, 0, 4, "the magic school");
    out.writeNumberInRange(a.race, 1, 4, "the race");
    out.writeNumberInRange(a.adventurerClass, 1, 4, "the class");
    out.writeNumber(a.weapon1);
    out.writeNumber(a.weapon2);
    out.writeNumber(a.armour);
    out.writeNumber(a.helmet);
    for (int i = 1; i <= kStatCount; ++i)
        out.writeNumber(a.stat(i));
    out.writeNumber(a.mageNumber);
    out.writeLine(a.stayFlag == 1 ? "1" : "0");
    out.writeNumberInRange(a.location, 0, kMaxCities, "the city number");
}

std::string adventurerFileBytes(const TAdven& adventurer, const std::string& displayName) {
    return adventurerFile(adventurer, displayName).takeBytes();
}

void saveAdventurer(const TAdven& adventurer, const std::filesystem::path& file,
                    const std::string& displayName) {
    // Built in full before the file is touched, so a name CP949 cannot hold leaves
    // the old file as it was.
    adventurerFile(adventurer, displayName).saveTo(file);
}

void removeAdventurer(TAdven& adventurer) {
    adventurer.name = "None";
    adventurer.location = 0;
}

int abilityTotal(const TAdven& adventurer) {
    return std::accumulate(adventurer.stats.begin(), adventurer.stats.end(), 0);
}

std::string fullName(const TAdven& adventurer) {
    return adventurer.familyName + adventurer.name;
}

std::string weaponName(int code) {
    if (code == 0) return kNoWeapon;
    const Weapon* weapon = findWeapon(code);
    return weapon ? weapon->name : "";
}

int weaponRowValue(int code, int row) {
    const Weapon* weapon = findWeapon(code);
    return weapon && row >= 1 && row <= 3 ? weapon->rows[row - 1] : 0;
}

std::string armourName(int code) {
    return lookup(kArmourNames, code / 10, 1);
}

int armourDefence(int code) {
    int entry = code / 10;
    return entry >= 1 && entry <= 4 ? kArmourDefence[entry - 1] : 0;
}

int classRowBonus(int adventurerClass, int row) {
    if (adventurerClass < 1 || adventurerClass > 4 || row < 1 || row > 3) return 0;
    return kClassRowBonus[adventurerClass - 1][row - 1];
}

std::string sexName(int sex) {
    return lookup(kSexNames, sex, 1);
}
std::string raceName(int race) {
    return lookup(kRaceNames, race, 1);
}
std::string className(int adventurerClass) {
    return lookup(kClassNames, adventurerClass, 1);
}
std::string alignmentName(int alignment) {
    return lookup(kAlignmentNames, alignment, 1);
}
std::string schoolName(int school) {
    return lookup(kSchoolNames, school, 0);
}

std::string ratingWord(int value) {
    if (value < 0) return kRatingWords[0];
    if (value > 9) return kRatingWords[9];
    return kRatingWords[value];
}

std::string itemName(int code) {
    std::string name = lookup(kItemNames, code, 0);
    return name.empty() ? kItemNames[0] : name;
}

std::vector<std::string> describeAdventurer(const TAdven& a) {
    static constexpr const char* kStatLabels[kStatCount] = {
        "힘: ", "지능: ", "지혜: ", "민첩: ", "매력: ", "건강: "};
    std::vector<std::string> lines = {
        "이름: " + fullName(a),      "성별: " + sexName(a.sex),
        "종족: " + raceName(a.race), "직업: " + className(a.adventurerClass),
        alignmentName(a.alignment),
    };
    for (int i = 1; i <= kStatCount; ++i)
        lines.push_back(kStatLabels[i - 1] + ratingWord(a.stat(i)));
    lines.push_back("무기1: " + weaponName(a.weapon1));
    lines.push_back("무기2: " + weaponName(a.weapon2));
    lines.push_back("갑옷: " + armourName(a.armour));
    lines.push_back(a.wearsHelmet() ? "투구 장착" : "투구 미착용");
    return lines;
}

int rollTreasure(int kind, Dice& dice) {
    if (kind < 1 || kind > 10) return 0;
    return dice.roll(kTreasureLimits[kind - 1]) + 1;
}

int treasureMost(int kind) {
    if (kind < 1 || kind > 10) return 0;
    return kTreasureLimits[kind - 1];
}

}  // namespace orrowvale
