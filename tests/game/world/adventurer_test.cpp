#include "world/adventurer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "game/testfiles.h"
#include "world/codec.h"
#include "world/datafiles.h"
#include "world/dice.h"

namespace orrowvale {
namespace {

const char* const kFile = "data\\hero.adv";
const char* const kShown = "data/hero.adv";

TAdven sampleAdventurer() {
    TAdven a;
    a.name = "길동";
    a.familyName = "홍";
    a.sex = kMale;
    a.isGuildMember = 1;
    a.extraValue = -70000;
    a.busyFlag = 1;
    a.alignment = 3;
    a.school = 2;
    a.race = kElf;
    a.adventurerClass = kMage;
    a.weapon1 = 230;
    a.weapon2 = 510;
    a.armour = kClothes;
    a.helmet = 0;
    a.stats = {3, 7, 8, 5, 6, 2};
    a.mageNumber = 17;
    a.stayFlag = 1;
    a.location = 37;
    return a;
}

// The file of sampleAdventurer(), line by line.
std::vector<std::string> sampleLines() {
    return {"길동", "홍", "1", "1", "-70000", "1", "3", "2", "2",  "2", "230", "510",
            "40",   "0",  "3", "7", "8",      "5", "6", "2", "17", "1", "37"};
}

std::string joined(const std::vector<std::string>& lines, const char* end) {
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

// Loads `lines` into a copy of `before` and returns the result.
TAdven loadLines(const std::vector<std::string>& lines, const TAdven& before = TAdven{}) {
    testing::TempGameDir dir;
    dir.write(kFile, joined(lines, "\n"));
    TAdven a = before;
    loadAdventurer(a, dir.paths(), kFile);
    return a;
}

TEST(AdventurerFile, WritesTheTwentyThreeLinesAndReadsThemBackUnchanged) {
    testing::TempGameDir dir;
    const TAdven hero = sampleAdventurer();
    const std::string expected = encodeCp949(joined(sampleLines(), "\r\n"));

    saveAdventurer(hero, dir.path(kFile), kShown);
    EXPECT_EQ(dir.readBytes(kFile), expected);
    EXPECT_EQ(adventurerFileBytes(hero, kShown), expected);

    TAdven read;
    loadAdventurer(read, dir.paths(), kFile);
    EXPECT_EQ(read, hero);
    saveAdventurer(read, dir.path(kFile), kShown);
    EXPECT_EQ(dir.readBytes(kFile), expected);
}

TEST(AdventurerFile, BusyLineSetsTheFlagOnlyForZeroOrOne) {
    struct Case {
        const char* line6;
        std::uint8_t before, after;
    };
    const Case cases[] = {{"0", 1, 0},  {"1", 0, 1},   {"2", 0, 0},  {"2", 1, 1},
                          {"-1", 1, 1}, {"256", 1, 1}, {"257", 0, 0}};
    for (const Case& c : cases) {
        std::vector<std::string> lines = sampleLines();
        lines[5] = c.line6;
        TAdven before;
        before.busyFlag = c.before;
        EXPECT_EQ(loadLines(lines, before).busyFlag, c.after)
            << "line 6 \"" << c.line6 << "\", flag before " << int(c.before);
    }
}

TEST(AdventurerFile, StayFlagIsSetOnlyWhenLineTwentyTwoIsOne) {
    const std::pair<const char*, int> cases[] = {{"1", 1}, {" 1", 1}, {"0", 0},
                                                 {"2", 0}, {"-1", 0}, {"257", 0}};
    for (auto [line22, flag] : cases) {
        std::vector<std::string> lines = sampleLines();
        lines[21] = line22;
        TAdven before;
        before.stayFlag = 1;
        TAdven read = loadLines(lines, before);
        EXPECT_EQ(read.stayFlag, flag) << "line 22 \"" << line22 << "\"";
        EXPECT_EQ(read.location, 37);
    }
}

TEST(AdventurerFile, ANonNumberOnANumberLineNamesFileAndLineAndChangesNothing) {
    const TAdven before = sampleAdventurer();
    std::vector<std::pair<int, std::string>> cases;
    for (int line = 3; line <= 21; ++line)
        for (const char* bad : {"", "12x", "99999999999"})
            cases.emplace_back(line, bad);
    cases.emplace_back(22, "yes");
    cases.emplace_back(23, "north");
    cases.emplace_back(23, "101");  // no such city: the adventurer would stand off the map
    cases.emplace_back(23, "-1");

    for (const auto& [line, bad] : cases) {
        SCOPED_TRACE("line " + std::to_string(line) + " \"" + bad + "\"");
        std::vector<std::string> lines = sampleLines();
        lines[static_cast<std::size_t>(line - 1)] = bad;
        lines[0] = "Someone";
        testing::TempGameDir dir;
        dir.write(kFile, joined(lines, "\n"));
        TAdven a = before;
        try {
            loadAdventurer(a, dir.paths(), kFile);
            ADD_FAILURE() << "expected a DataError";
        } catch (const DataError& e) {
            EXPECT_EQ(e.file(), kShown);
            EXPECT_EQ(e.line(), line);
            EXPECT_NE(std::string(e.what()).find(std::string(kShown) + ":" + std::to_string(line)),
                      std::string::npos)
                << e.what();
        }
        EXPECT_EQ(a, before);
    }
}

// A file cut off anywhere, even just before its last two loosely read lines, is
// refused and changes nothing: a lost city must not pass for "nowhere".
TEST(AdventurerFile, ATruncatedFileChangesNothing) {
    for (int kept : {12, 21, 22}) {
        SCOPED_TRACE(std::to_string(kept) + " lines");
        testing::TempGameDir dir;
        std::vector<std::string> lines = sampleLines();
        lines.resize(static_cast<std::size_t>(kept));
        dir.write(kFile, joined(lines, "\n"));
        const TAdven before = sampleAdventurer();
        TAdven a = before;
        try {
            loadAdventurer(a, dir.paths(), kFile);
            ADD_FAILURE() << "expected a DataError";
        } catch (const DataError& e) {
            EXPECT_GE(e.line(), kept + 1);
            EXPECT_NE(std::string(e.what()).find("end of the file"), std::string::npos) << e.what();
        }
        EXPECT_EQ(a, before);
    }
}

TEST(AdventurerFile, ANameCp949CannotHoldFailsTheSaveAndKeepsTheOldFile) {
    testing::TempGameDir dir;
    TAdven hero = sampleAdventurer();
    saveAdventurer(hero, dir.path(kFile), kShown);
    const std::string old = dir.readBytes(kFile);

    TAdven dashed = hero;
    dashed.name = "A\u2014B";
    try {
        saveAdventurer(dashed, dir.path(kFile), kShown);
        ADD_FAILURE() << "expected a DataError";
    } catch (const DataError& e) {
        EXPECT_EQ(e.file(), kShown);
        EXPECT_EQ(e.line(), 1);
    }
    dashed = hero;
    dashed.familyName = "\u2014";
    EXPECT_THROW(saveAdventurer(dashed, dir.path(kFile), kShown), DataError);
    EXPECT_EQ(dir.readBytes(kFile), old);
}

TEST(AdventurerNames, CodedValuesShowTheirNames) {
    using Lookup = std::function<std::string(int)>;
    struct Case {
        Lookup lookup;
        int code;
        std::string shown;
    };
    const Lookup race = raceName, cls = className, sex = sexName, alignment = alignmentName,
                 school = schoolName, item = itemName;
    const Case cases[] = {
        {race, 3, "드워프"},       {race, 5, ""},
        {cls, 4, "도적"},          {sex, 2, "여성"},
        {alignment, 3, "이기적"},  {school, 0, "없음"},
        {school, 4, "네크로맨서"}, {item, 3, "이미시르의 공격 마법 가이드북"},
        {item, 9, "아이템 없음"},  {item, -1, "아이템 없음"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.lookup(c.code), c.shown) << "code " << c.code;
}

TEST(AdventurerNames, RatingWordsCoverEveryAbilityValue) {
    const char* const words[] = {"최악", "최악",   "나쁨",   "보통 이하", "보통",
                                 "좋음", "뛰어남", "탁월함", "최상",      "전설적"};
    for (int value = 0; value <= 9; ++value)
        EXPECT_EQ(ratingWord(value), words[value]) << value;
    EXPECT_EQ(ratingWord(255), "전설적");
}

TEST(Equipment, WeaponsHaveTheirNamesAndRowValues) {
    struct Case {
        int code;
        std::string name;
        int front, middle, rear;
    };
    const Case cases[] = {
        {110, "양손검", 10, 5, 2},
        {240, "메이스", 7, 4, 2},
        {330, "손도끼", 6, 4, 3},
        {420, "쇼트보우", 7, 8, 6},
        {520, "채찍", 6, 5, 4},
        // Empty places in the table, and codes outside it.
        {340, "", 0, 0, 0},
        {540, "", 0, 0, 0},
        {100, "", 0, 0, 0},
        {610, "", 0, 0, 0},
        {-110, "", 0, 0, 0},
        {0, "없음", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("weapon " + std::to_string(c.code));
        EXPECT_EQ(weaponName(c.code), c.name);
        EXPECT_EQ(weaponRowValue(c.code, 1), c.front);
        EXPECT_EQ(weaponRowValue(c.code, 2), c.middle);
        EXPECT_EQ(weaponRowValue(c.code, 3), c.rear);
    }
    EXPECT_EQ(weaponRowValue(110, 0), 0);
    EXPECT_EQ(weaponRowValue(110, 4), 0);
}

TEST(Equipment, ArmourHasItsNameAndDefence) {
    const std::tuple<int, std::string, int> cases[] = {{10, "플레이트 아머", 6},
                                                       {20, "체인 메일", 4},
                                                       {30, "레더 아머", 2},
                                                       {40, "옷", 0},
                                                       {0, "", 0},
                                                       {50, "", 0},
                                                       {-10, "", 0}};
    for (const auto& [code, name, defence] : cases) {
        EXPECT_EQ(armourName(code), name) << code;
        EXPECT_EQ(armourDefence(code), defence) << code;
    }
}

TEST(AdventurerPanel, DescribesTheAdventurerInFifteenLines) {
    TAdven hero = sampleAdventurer();
    hero.weapon2 = 0;
    const std::vector<std::string> expected = {
        "이름: 홍길동",  "성별: 남성",    "종족: 엘프",  "직업: 마법사", "이기적",
        "힘: 보통 이하", "지능: 탁월함",  "지혜: 최상",  "민첩: 좋음",   "매력: 뛰어남",
        "건강: 나쁨",    "무기1: 지팡이", "무기2: 없음", "갑옷: 옷",     "투구 미착용"};
    EXPECT_EQ(describeAdventurer(hero), expected);

    for (auto [helmet, line] :
         {std::pair{9, "투구 미착용"}, std::pair{10, "투구 장착"}, std::pair{15, "투구 장착"}}) {
        hero.helmet = helmet;
        EXPECT_EQ(describeAdventurer(hero).back(), line) << "helmet " << helmet;
    }
}

TEST(Treasure, EachKindRollsOnceUpToItsLimit) {
    const int limits[] = {200, 300, 500, 800, 1000, 3000, 5000, 8000, 12000, 15000};
    for (int kind = 1; kind <= 10; ++kind) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        int limit = limits[kind - 1];
        Dice dice(1);
        dice.queue({limit - 1, 0, 99});
        EXPECT_EQ(rollTreasure(kind, dice), limit);
        EXPECT_EQ(rollTreasure(kind, dice), 1);
        EXPECT_EQ(dice.queued(), 1u);
        // A roll wider than the limit would accept this value.
        dice = Dice(1);
        dice.queue({limit});
        EXPECT_THROW(rollTreasure(kind, dice), std::logic_error);
    }
    for (int kind : {0, 11, -1}) {
        Dice dice(1);
        dice.queue({5});
        EXPECT_EQ(rollTreasure(kind, dice), 0) << kind;
        EXPECT_EQ(dice.queued(), 1u) << kind;
    }
}

}  // namespace
}  // namespace orrowvale
