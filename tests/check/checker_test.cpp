#include "checker.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "game/testfiles.h"
#include "jpegsize.h"
#include "scripts/eventrunner.h"
#include "scripts/scenariorunner.h"

namespace orrowvale::check {
namespace {

using orrowvale::testing::TempGameDir;

// A frame header is all the checker reads of the map: a 200 x 100 picture.
const std::string kMapPicture(
    "\xFF\xD8\xFF\xE0\x00\x04\x00\x00\xFF\xC0\x00\x11\x08\x00\x64\x00\xC8"
    "\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01\xFF\xD9",
    29);

const char* const kHero =
    "한결\n이\n1\n1\n0\n0\n2\n0\n1\n1\n130\n0\n10\n10\n5\n5\n5\n5\n5\n5\n0\n0\n1\n";

// The smallest world that uses every file kind, and checks clean.
void writeWorld(const TempGameDir& dir) {
    const std::vector<std::pair<const char*, const char*>> files = {
        {"data\\city.txt", "2\n은빛나루\n푸른여울\n"},
        {"data\\citylocs.txt", "10 50 10 40\n100 150 60 90\n"},
        {"data\\common\\citynat.txt", "1\n2\n"},
        {"data\\common\\movefile.txt", "move\\1.txt\nmove\\2.txt\n"},
        {"data\\move\\1.txt", "은빛나루에서\n2\n[END]\n0\n[START]\n대로\n2\n10\n넓은 길\n2\n0\n"},
        {"data\\move\\2.txt", "푸른여울에서\n1\n[END]\n0\n[START]\n대로\n2\n10\n넓은 길\n1\n0\n"},
        {"data\\common\\commongo.txt", "장소\n:city\n1\n신전\nplaces\\temple.evn\n[END]\n"},
        {"data\\places\\temple.evn",
         "신전\n[START]\n:switch\n&off\n1\n-optend-\n:switch\n&on\n1\n:talkchr\n&start\n기도를 "
         "올렸다.\n&end\n[END]\n"},
        {"data\\common\\commoncity.txt", "[START]\n1\n2\n[END]\n"},
        {"data\\chrname0.txt", "한결\n남성\n은빛나루\n젊은 길드장\n"},
        {"data\\chrname1.txt", "다온\n여성\n푸른여울\n상인의 딸\n"},
        {"data\\chrstat0.txt", "1000\n1\n0\nhero.txt\nplaces0.txt\ncities0.txt\n"},
        {"data\\chrstat1.txt", "500\n2\n1\nhero.txt\nplaces0.txt\ncities0.txt\n"},
        {"data\\hero.txt", kHero},
        {"data\\richard.txt", kHero},
        {"data\\places0.txt", "장소\n[END]\n"},
        {"data\\cities0.txt", "[START]\n1\n[END]\n"},
        {"data\\dateevn\\dateevn0.evn",
         "[START]\n:aftertime\n1\n1\n5\n200\n1\n1\n5\n200\n-optend-\n[END]\n"},
        {"data\\dateevn\\dateevn1.evn", "없음\n"},
        {"data\\dateevn\\dateevn200.evn", "없음\n"},
        {"data\\pubevent0.evn",
         "[START]\n:chrnum\n0\n:switch\n&off\n3\n-optend-\n:switch\n&on\n3\n:gp\n-5\n[END]\n"},
        {"data\\pubevent1.evn", "없음\n"},
        {"data\\pubevent200.evn", "없음\n"},
        {"data\\malename.txt", "2\n철수\n영호\n"},
        {"data\\fmlname.txt", "1\n영희\n"},
        {"data\\fnames.txt", "1\n김\n"},
        {"data\\searchcity.txt",
         "search\\list.txt\nsearch\\open.txt\nsearch\\list.txt\nsearch\\open.txt\n"},
        {"data\\search\\list.txt", "1\n동굴\nsearch\\cave.txt\n"},
        {"data\\search\\open.txt", "[START]\n1\n0\n"},
        {"data\\search\\cave.txt", "[START]\n-startopt\n:per\n50\n-optend-\n:gp\n10\n[END]\n"},
        {"data\\dungeonlist.txt",
         "dungeon\\list.txt\ndungeon\\open.txt\ndungeon\\list.txt\ndungeon\\open.txt\n"},
        {"data\\dungeon\\list.txt", "1\n얼음 동굴\ndungeon\\ice.txt\n"},
        {"data\\dungeon\\open.txt", "[START]\n1\n0\n"},
        {"data\\dungeon\\ice.txt",
         "2\n[START]\n1\n100\nmonster\\wolf.txt\ndungeon\\ice1.scn\n[END]\n"},
        {"data\\monster\\wolf.txt", "1\n늑대\n30\n20\n2\n"},
        {"data\\dungeon\\ice1.scn", "[START]\n-optend-\n:additem\n2\n:ondungeon\n2\n1\n[END]\n"},
        {"data\\wars\\warlist.txt", "1\n국경 전쟁\nwars\\border.txt\n"},
        {"data\\wars\\warbool.txt", "[START]\n1\n0\n"},
        {"data\\wars\\sea.txt", "[onend]\n-optend-\n:endthewar\n1\n:end\n"},
        {"data\\wars\\border.txt",
         "[onjoin]\n:addpiptovar100\n5\n:end\n[onend]\n:samevar\n5\n10\n-optend-\n:endthewar\n1\n:"
         "end\n"},
        {"data\\quests\\questlist.txt", "1\n호위\nquests\\escort.scn\n"},
        {"data\\quests\\questbool.txt", "[START]\n1\n0\n"},
        {"data\\quests\\escort.scn",
         "[START]\n-optend-\n:fight\n산적\n50\n40\n3\n:stopquest\n[END]\n"},
        {"data\\common\\trade.txt", "trade\\1.txt\ntrade\\1.txt\n"},
        {"data\\trade\\1.txt",
         "소금\n[START]\n-opt-\n:per\n50\n-optend-\n:addcarry\n1\n소금\n300\n2\n3\n4\n[END]\n"},
        {"data\\prologue\\alfred.txt", "&start\n첫째 이야기\n&end\n"},
        {"data\\prologue\\alfred2.txt", "&start\n둘째 이야기\n"},
        {"data\\prologue\\alfred3.txt", "&start\n셋째 이야기\n"},
        {"data\\prologue\\alfred4.txt", "&start\n넷째 이야기\n"},
        {"data\\prologue\\common.txt", "&start\n모험의 시작\n"},
        {"data\\common\\death.txt", "&start\n길드장이 쓰러졌다.\n"},
        {"data\\gossip\\gossip.txt", "1\n:start\n북쪽 숲에 늑대가 늘었다.\n:start\n"},
        {"data\\contact\\list.txt", "노인\ncontact\\old.evn\n"},
        {"data\\contact\\old.evn", "[START]\n-optend-\n:dlg\n어서 오게.\n[END]\n"},
        {"data\\scenario\\scenario1.scn",
         "1장\n[START]\n:switch\n&off\n2\n:aftertime\n1\n1\n6\n200\n-optend-\n:switch\n&on\n2\n"
         ":announce\n제목\n&start\n봄이 "
         "왔다.\n&end\n:onquest\n1\n10\n:change\n1\nscenario\\two.scn\n[END]\n"},
        {"data\\scenario\\two.scn", "[START]\n-optend-\n:exitfile\n[END]\n"},
    };
    for (const auto& [path, text] : files)
        dir.write(path, text);
    dir.writeBytes("data\\map.jpg", kMapPicture);
}

std::vector<std::string> problems(const TempGameDir& dir) {
    std::vector<std::string> lines;
    for (const Diagnostic& d : checkGame(dir.paths()).sorted())
        lines.push_back(formatDiagnostic(d));
    return lines;
}

TEST(ContentChecker, SmallWorldUsingEveryFileKindChecksClean) {
    TempGameDir dir;
    writeWorld(dir);
    EXPECT_EQ(problems(dir), std::vector<std::string>{});
}

// One fault in an otherwise clean world: the file that is rewritten (or removed,
// without text) and the one problem the checker must report.
struct Fault {
    const char* name;
    const char* file;
    const char* text;
    const char* expected;  // one problem a line
    bool raw = false;      // `text` is bytes as stored, not UTF-8
};

// A city with one place more than it can hold.
const std::string kCrowdedCity = [] {
    std::string text = "장소\n:city\n1\n";
    for (int place = 1; place <= 101; ++place)
        text += "집" + std::to_string(place) + "\nplaces\\temple.evn\n";
    return text;
}();

const Fault kFaults[] = {
    // Files named by lists and scripts.
    {"MissingEventFile", "data\\common\\commongo.txt",
     "장소\n:city\n1\n신전\nplaces\\nowhere.evn\n",
     "data/common/commongo.txt:5: error: the event file \"places\\nowhere.evn\" does not exist"},
    {"QuestScriptInOtherCase", "data\\quests\\questlist.txt", "1\n호위\nquests\\Escort.scn\n",
     "data/quests/questlist.txt:3: warning: the quest script \"quests\\Escort.scn\" exists only as "
     "\"quests\\escort.scn\" (another letter case): systems that tell letter cases apart will not "
     "find it"},
    {"MissingRouteFile", "data\\common\\movefile.txt", "move\\1.txt\nmove\\3.txt\n",
     "data/common/movefile.txt:2: error: the route file \"move\\3.txt\" does not exist"},
    {"RouteFileOutsideTheGame", "data\\common\\movefile.txt",
     "move\\1.txt\n..\\..\\..\\dev\\zero\n",
     "data/common/movefile.txt:2: error: the route file \"..\\..\\..\\dev\\zero\" leaves the game "
     "directory: the game refuses it"},
    {"MissingFixedFile", "data\\gossip\\gossip.txt", nullptr,
     "data/gossip/gossip.txt:0: error: the file does not exist"},
    {"MissingMonsterFile", "data\\dungeon\\ice.txt", "2\n[START]\n1\n100\nmonster\\bear.txt\n\n",
     "data/dungeon/ice.txt:5: warning: the monster file \"monster\\bear.txt\" does not exist: the "
     "level has a harmless monster"},
    {"ScenarioChangesToMissingFile", "data\\scenario\\two.scn",
     "[START]\n-optend-\n:change\n1\nscenario\\three.scn\n[END]\n",
     "data/scenario/two.scn:5: error: the scenario file \"scenario\\three.scn\" does not exist"},
    // Numbers where numbers are needed.
    {"GoldIsNoNumber", "data\\chrstat0.txt", "많이\n1\n0\nhero.txt\nplaces0.txt\ncities0.txt\n",
     "data/chrstat0.txt:1: error: expected the starting gold, found \"많이\""},
    {"ScriptAmountIsNoNumber", "data\\contact\\old.evn", "[START]\n-optend-\n:gp\n열\n[END]\n",
     "data/contact/old.evn:4: error: expected an amount, found \"열\""},
    {"TradePayIsNoNumber", "data\\trade\\1.txt",
     "[START]\n-opt-\n-optend-\n:addcarry\n1\n소금\n많이\n2\n3\n4\n[END]\n",
     "data/trade/1.txt:7: error: expected a number, found \"많이\""},
    {"MonsterAttackIsNoNumber", "data\\monster\\wolf.txt", "1\n늑대\n강함\n20\n2\n",
     "data/monster/wolf.txt:3: error: expected the monster's attack, found \"강함\""},
    {"ShortPairList", "data\\quests\\questlist.txt", "2\n호위\nquests\\escort.scn\n",
     "data/quests/questlist.txt:1: error: 2 entries are announced but only 1 follow"},
    // Indices outside their tables.
    {"MoreThanAHundredPlaces", "data\\common\\commongo.txt", kCrowdedCity.c_str(),
     "data/common/commongo.txt:204: error: city 1 has more than 100 places: \"집101\" is dropped"},
    {"CityOutsideWorld", "data\\common\\commongo.txt", "장소\n:city\n5\n신전\nplaces\\temple.evn\n",
     "data/common/commongo.txt:3: error: there is no city 5: data/city.txt lists 2"},
    {"SwitchOutsideTable", "data\\scenario\\two.scn",
     "[START]\n:switch\n&on\n1001\n-optend-\n[END]\n",
     "data/scenario/two.scn:4: error: switch 1001 is outside 1..1000"},
    {"VariableOutsideTable", "data\\wars\\border.txt",
     "[onjoin]\n:addpiptovar100\n0\n:end\n[onend]\n-optend-\n:endthewar\n1\n:end\n",
     "data/wars/border.txt:3: error: variable 0 is outside 1..1000"},
    {"NoSuchFameKind", "data\\contact\\old.evn", "[START]\n-optend-\n:famadd\n4\n10\n[END]\n",
     "data/contact/old.evn:4: error: fame kind 4 does not exist: 1 is adventure, 2 political, 3 "
     "covert fame"},
    {"NoSuchWar", "data\\quests\\escort.scn", "[START]\n-optend-\n:onwar\n2\n:stopquest\n[END]\n",
     "data/quests/escort.scn:4: error: there is no war 2: data/wars/warlist.txt lists 1"},
    {"NoSuchQuest", "data\\quests\\questbool.txt", "[START]\n2\n0\n",
     "data/quests/questbool.txt:2: error: there is no quest 2: data/quests/questlist.txt lists 1"},
    {"NoSuchItem", "data\\dungeon\\ice1.scn", "[START]\n-optend-\n:additem\n9\n[END]\n",
     "data/dungeon/ice1.scn:4: error: item code 9 does not exist: items are 1 to 8"},
    {"NoSuchScenarioEntry", "data\\scenario\\two.scn",
     "[START]\n-optend-\n:change\n101\nscenario\\two.scn\n[END]\n",
     "data/scenario/two.scn:4: error: scenario file number 101 is outside 1..100"},
    {"NoSuchDungeon", "data\\dungeon\\ice1.scn", "[START]\n-optend-\n:ondungeon\n2\n2\n[END]\n",
     "data/dungeon/ice1.scn:5: error: city 2 has no dungeon 2: its dungeon list holds 1"},
    {"NoSuchSearchSite", "data\\search\\open.txt", "[START]\n3\n0\n",
     "data/search/open.txt:2: error: there is no search site 3: the city's list holds 1"},
    {"DungeonLevelBeyondItsDepth", "data\\dungeon\\ice.txt",
     "2\n[START]\n3\n100\nmonster\\wolf.txt\n\n",
     "data/dungeon/ice.txt:3: error: level 3 is outside the dungeon's levels 1..2: the encounter "
     "never happens"},
    // Lines no runner acts on.
    {"TypoInConditions", "data\\places\\temple.evn", "[START]\n:swtich\n&off\n1\n-optend-\n[END]\n",
     "data/places/temple.evn:2: error: \":swtich\" is no condition of event files: the line is "
     "ignored (a typo of \":switch\"?)"},
    {"ScenarioActionInEventFile", "data\\places\\temple.evn",
     "[START]\n-optend-\n:announce\n&start\n글\n&end\n[END]\n",
     "data/places/temple.evn:3: error: \":announce\" is a keyword of scenario scripts, not of "
     "event files: it and its operand lines are ignored here"},
    {"ScenarioConditionInEventFile", "data\\contact\\old.evn",
     "[START]\n:location\n1\n-optend-\n[END]\n",
     "data/contact/old.evn:2: error: \":location\" is a keyword of scenario scripts, not of "
     "event "
     "files: it and its operand lines are ignored here"},
    {"ConditionAmongActions", "data\\scenario\\two.scn", "[START]\n-optend-\n:per\n50\n[END]\n",
     "data/scenario/two.scn:3: error: \":per\" is a condition, not an action: it and its operand "
     "lines are ignored here"},
    {"SingleDateInEventFile", "data\\dateevn\\dateevn0.evn",
     "[START]\n:aftertime\n1\n1\n5\n200\n-optend-\n[END]\n",
     "data/dateevn/dateevn0.evn:2: error: \":aftertime\" in an event file takes two dates (eight "
     "number lines); with one date, line 7 (\"-optend-\") is read as a number and stops the run"},
    {"SwitchStateMisspelt", "data\\places\\temple.evn",
     "[START]\n-optend-\n:switch\n&yes\n1\n[END]\n",
     "data/places/temple.evn:4: error: expected \"&on\" or \"&off\", found \"&yes\""},
    // Blocks left open, named by the line that opened them.
    {"ConditionsWithoutOptend", "data\\scenario\\two.scn", "[START]\n:switch\n&on\n1\n[END]\n",
     "data/scenario/two.scn:1: error: the conditions of the block have no \"-optend-\" before line "
     "5 (\"[END]\")"},
    {"BlockWithoutEnd", "data\\scenario\\two.scn",
     "[START]\n-optend-\n:exitfile\n[START]\n-optend-\n[END]\n",
     "data/scenario/two.scn:1: error: the block has no \"[END]\" before line 4 (\"[START]\")"},
    {"LastBlockWithoutEnd", "data\\contact\\old.evn", "[START]\n-optend-\n:dlg\n어서 오게.\n",
     "data/contact/old.evn:1: error: the block has no \"[END]\": it runs to the end of the file"},
    {"WarSectionWithoutEnd", "data\\wars\\border.txt",
     "[onjoin]\n:addpiptovar100\n5\n[onend]\n-optend-\n:endthewar\n1\n:end\n",
     "data/wars/border.txt:1: error: the block has no \":end\" before line 4 (\"[onend]\")"},
    {"TextWithoutEnd", "data\\contact\\old.evn",
     "[START]\n-optend-\n:talk\n노인\n&start\n어서 오게.\n[END]\n",
     "data/contact/old.evn:3: error: the text of \":talk\" has no \"&end\" before line 7 "
     "(\"[END]\")"},
    {"TextWithoutStart", "data\\contact\\old.evn",
     "[START]\n-optend-\n:talk\n노인\n어서 오게.\n&end\n[END]\n",
     "data/contact/old.evn:3: error: the text of \":talk\" has no \"&start\" line: the window "
     "shows "
     "nothing"},
    {"MarkerWithTrailingBlank", "data\\scenario\\two.scn", "[START] \n-optend-\n:exitfile\n[END]\n",
     "data/scenario/two.scn:1: error: \"[START] \" is no \"[START]\": a marker stands alone on its "
     "line, without blanks, in this letter case"},
    {"SearchBlockWithoutStartopt", "data\\search\\cave.txt", "[START]\n:per\n50\n-optend-\n[END]\n",
     "data/search/cave.txt:1: error: the block has no \"-startopt\" line: its conditions are never "
     "read"},
    {"TradeBlockWithoutOpt", "data\\trade\\1.txt",
     "[START]\n:addcarry\n1\n소금\n300\n2\n3\n4\n[END]\n",
     "data/trade/1.txt:1: error: the block has no \"-opt-\" line: its lines never run\n"
     "data/trade/1.txt:2: warning: \":addcarry\" comes before the block's \"-opt-\": it never "
     "runs"},
    {"StoryTextWithoutStart", "data\\prologue\\alfred2.txt", "둘째 이야기\n",
     "data/prologue/alfred2.txt:0: error: the file has no \"&start\" line: its text is empty"},
    // Missions that never end, rumours that are not there, odd amounts.
    {"WarThatNeverEnds", "data\\wars\\border.txt", "[onjoin]\n:end\n[onend]\n-optend-\n:end\n",
     "data/wars/border.txt:0: error: no \"[onend]\" section ends the war with \":endthewar\": a "
     "party sent to it never comes back"},
    {"QuestThatNeverEnds", "data\\quests\\escort.scn", "[START]\n-optend-\n:killone\n[END]\n",
     "data/quests/escort.scn:0: warning: the quest script has no \":stopquest\": a party on this "
     "quest only comes back when it is wiped out"},
    {"GossipPromisesTooMuch", "data\\gossip\\gossip.txt", "3\n:start\n늑대가 늘었다.\n:start\n",
     "data/gossip/gossip.txt:1: error: 3 rumours are announced but the file holds 1: a roll beyond "
     "them shows an empty box"},
    {"GoldBeyondOneByte", "data\\contact\\old.evn", "[START]\n-optend-\n:gp\n200\n[END]\n",
     "data/contact/old.evn:4: warning: the amount 200 is taken as -56: amounts run from -128 to "
     "127"},
    {"RouteNeverOffered", "data\\move\\2.txt",
     "푸른여울에서\n1\n[END]\n0\n[START]\n대로\n2\n10\n길\n2\n0\n",
     "data/move/2.txt:2: warning: no route leads to city 1: choosing it offers no way\n"
     "data/move/2.txt:10: warning: the route \"대로\" leads to city 2, which is not among the "
     "destinations at the top: it is never offered"},
    // Text and map.
    {"ByteOutsideCp949", "data\\fnames.txt", "1\r\n\xFF\xFF\r\n",
     "data/fnames.txt:2: error: byte 0xFF is no CP949 character (is the file saved in another "
     "code page?)",
     true},
    {"CityOffTheMap", "data\\citylocs.txt", "10 50 10 40\n100 250 60 90\n",
     "data/citylocs.txt:2: error: the rectangle of city 2 (left 100, right 250, top 60, bottom 90) "
     "lies outside the map picture of 200 x 100"},
    {"MapIsNoJpeg", "data\\map.jpg", "GIF89a",
     "data/map.jpg:0: error: the map picture is no JPEG picture with a frame header", true},
    // Slips an author makes that lose content without stopping the game.
    {"MissingInfoWindowAdventurer", "data\\richard.txt", nullptr,
     "data/richard.txt:0: error: the file does not exist: the map window cannot open"},
    {"MistypedBlockStart", "data\\scenario\\two.scn", "[STRAT]\n-optend-\n:exitfile\n[END]\n",
     "data/scenario/two.scn:1: error: \"[STRAT]\" is no \"[START]\" (a typo?): the game only knows "
     "the marker spelt exactly"},
    {"MistypedWarSection", "data\\wars\\border.txt",
     "[onjion]\n:addpiptovar100\n5\n:end\n[onend]\n-optend-\n:endthewar\n1\n:end\n",
     "data/wars/border.txt:1: error: \"[onjion]\" is no \"[onjoin]\" (a typo?): the game only "
     "knows "
     "the marker spelt exactly"},
    {"ByteOrderMark", "data\\contact\\old.evn",
     "\xEF\xBB\xBF[START]\r\n-optend-\r\n:dlg\r\nhello\r\n[END]\r\n",
     "data/contact/old.evn:1: error: the file starts with a byte-order mark (bytes EF BB BF), "
     "which "
     "the game reads as part of its first line: save it as CP949 without one\n"
     "data/contact/old.evn:2: warning: \"-optend-\" stands outside any block, so it is ignored\n"
     "data/contact/old.evn:3: warning: \":dlg\" stands outside any block, so it is ignored\n"
     "data/contact/old.evn:5: warning: \"[END]\" stands outside any block, so it is ignored",
     true},
    {"PairsBeyondTheCount", "data\\quests\\questlist.txt",
     "1\n호위\nquests\\escort.scn\n호위 둘\nquests\\escort.scn\n",
     "data/quests/questlist.txt:1: warning: the file holds more pairs than the 1 it announces: the "
     "rest are never read"},
    {"BlankLineInPairList", "data\\quests\\questlist.txt", "1\n\n호위\nquests\\escort.scn\n",
     "data/quests/questlist.txt:2: error: an empty line where the name of quest 1 belongs: the "
     "pairs "
     "below it are out of step\n"
     "data/quests/questlist.txt:3: error: the quest script \"호위\" does not exist"},
    {"BlankCityName", "data\\city.txt", "2\n\n은빛나루\n",
     "data/city.txt:2: error: city 1 has an empty name: the names below it belong to the next "
     "cities"},
    {"MonsterFileWithoutMonsters", "data\\monster\\wolf.txt", "0\n",
     "data/monster/wolf.txt:1: warning: the file lists no monster: the level has a harmless "
     "monster"},
    {"DestinationsWithoutEnd", "data\\move\\2.txt",
     "푸른여울에서\n1\n[START]\n대로\n2\n10\n넓은 길\n1\n0\n",
     "data/move/2.txt:2: error: the list of destinations has no \"[END]\" before line 3 "
     "(\"[START]\")"},
    {"DateOutsideTheCalendar", "data\\dateevn\\dateevn0.evn",
     "[START]\n:aftertime\n1\n1\n5\n200\n6\n1\n5\n200\n-optend-\n[END]\n",
     "data/dateevn/dateevn0.evn:7: warning: a date with turn 6: the calendar counts turns 1 to 5, "
     "so the date is never the one meant"},
    {"NumberListClosedWithEnd", "data\\wars\\warbool.txt", "[START]\n1\n[END]\n",
     "data/wars/warbool.txt:3: error: expected a number (0 ends the list), found \"[END]\""},
    {"TalkWithoutSpeaker", "data\\contact\\old.evn",
     "[START]\n-optend-\n:talk\n&start\n어서 오게.\n&end\n[END]\n",
     "data/contact/old.evn:4: error: \":talk\" has no line before its text: \"&start\" is read as "
     "that line and the text shows nothing"},
    {"BlankLineInContacts", "data\\contact\\list.txt", "\n노인\ncontact\\old.evn\n",
     "data/contact/list.txt:1: error: an empty line where a contact name belongs: the pairs below "
     "it "
     "are out of step\n"
     "data/contact/list.txt:2: error: the event file \"노인\" does not exist\n"
     "data/contact/list.txt:3: error: the contact \"contact\\old.evn\" has no event file line"},
    {"RumourMarkerWithBlank", "data\\gossip\\gossip.txt",
     "2\n:start\n늑대가 늘었다.\n:start \n곰도 나왔다.\n:start\n",
     "data/gossip/gossip.txt:1: error: 2 rumours are announced but the file holds 1: a roll beyond "
     "them shows an empty box\n"
     "data/gossip/gossip.txt:4: error: \":start \" is no \":start\": a marker stands alone on its "
     "line, without blanks, in this letter case"},
    {"PlaceListEndWithBlank", "data\\places0.txt", "장소\n[END] \n",
     "data/places0.txt:2: error: \"[END] \" is no \"[END]\": a marker stands alone on its line, "
     "without blanks, in this letter case"},
    {"MistypedEncounterStart", "data\\dungeon\\ice.txt",
     "2\n[STRAT]\n1\n100\nmonster\\wolf.txt\ndungeon\\ice1.scn\n[END]\n",
     "data/dungeon/ice.txt:2: error: \"[STRAT]\" is no \"[START]\" (a typo?): the game only knows "
     "the marker spelt exactly"},
    {"MistypedRouteStart", "data\\move\\1.txt",
     "은빛나루에서\n2\n[END]\n0\n[SATRT]\n대로\n2\n10\n넓은 길\n2\n0\n",
     "data/move/1.txt:5: error: \"[SATRT]\" is no \"[START]\" (a typo?): the game only knows the "
     "marker spelt exactly"},
    {"MistypedCityInPlaceList", "data\\common\\commongo.txt",
     "장소\n:cty\n1\n신전\nplaces\\temple.evn\n[END]\n",
     "data/common/commongo.txt:2: error: \":cty\" is no \":city\" (a typo?): the game only knows "
     "the "
     "marker spelt exactly"},
    {"StoryTextStartWithBlank", "data\\prologue\\alfred2.txt", "&start \n둘째 이야기\n",
     "data/prologue/alfred2.txt:1: error: \"&start \" is no \"&start\": a marker stands alone on "
     "its "
     "line, without blanks, in this letter case; without it the text is empty"},
    {"ScenarioHandedToAnEntryThatNeverRuns", "data\\scenario\\two.scn",
     "[START]\n-optend-\n:change\n2\nscenario\\two.scn\n[END]\n",
     "data/scenario/two.scn:4: warning: scenario file number 2 is kept but never run: only number "
     "1 "
     "runs at every turn"},
    {"WarEndsAnotherWar", "data\\wars\\warlist.txt",
     "2\n국경 전쟁\nwars\\border.txt\n바다 전쟁\nwars\\sea.txt\n",
     "data/wars/sea.txt:4: warning: \":endthewar\" closes war 1, but this file is war 2: its own "
     "war "
     "stays open to new parties"},
    {"PartyKeywordsWhereNoPartyRuns", "data\\scenario\\two.scn",
     "[START]\n:perspip\n10\n-optend-\n:killone\n[END]\n",
     "data/scenario/two.scn:2: warning: \":perspip\" never holds here: no party runs this script "
     "(it "
     "is no quest or level script)\n"
     "data/scenario/two.scn:5: warning: \":killone\" does nothing here: no party runs this script "
     "(it "
     "is no quest or level script)"},
    {"BlankLineInNameList", "data\\malename.txt", "2\n철수\n\n",
     "data/malename.txt:3: error: an empty name: adventurers who draw it have no name"},
    {"LinesEndingInCrAlone", "data\\contact\\old.evn", "[START]\r-optend-\r:dlg\rhello\r[END]\r",
     "data/contact/old.evn:1: error: a line break made of CR alone: the game ends lines only at "
     "LF, "
     "so the lines around it run together (save the file with CR LF)",
     true},
    {"FileInAnotherCodePage", "data\\fnames.txt",
     "1\r\n\xFF\r\n\xFF\r\n\xFF\r\n\xFF\r\n\xFF\r\n\xFF\r\n\xFF\r\n",
     "data/fnames.txt:0: error: 2 more lines hold bytes that are no CP949 characters\n"
     "data/fnames.txt:2: error: byte 0xFF is no CP949 character (is the file saved in another code "
     "page?)\n"
     "data/fnames.txt:3: error: byte 0xFF is no CP949 character (is the file saved in another code "
     "page?)\n"
     "data/fnames.txt:4: error: byte 0xFF is no CP949 character (is the file saved in another code "
     "page?)\n"
     "data/fnames.txt:5: error: byte 0xFF is no CP949 character (is the file saved in another code "
     "page?)\n"
     "data/fnames.txt:6: error: byte 0xFF is no CP949 character (is the file saved in another code "
     "page?)",
     true},
    {"NumbersSideBySide", "data\\contact\\old.evn", "[START]\n-optend-\n:gp\n10 20\n[END]\n",
     "data/contact/old.evn:4: warning: only the first number of a line is read: \"10 20\" gives 10 "
     "(write each number on its own line)"},
    {"PubEventEveryVisit", "data\\pubevent0.evn",
     "[START]\n:chrnum\n0\n-optend-\n:gp\n-5\n[END]\n[START]\n-optend-\n:exitfile\n[END]\n"
     "[START]\n:switch\n&on\n3\n-optend-\n:dlg\n또 오셨군요.\n[END]\n",
     "data/pubevent0.evn:1: warning: the pub event block turns no switch: it runs again at every "
     "visit to the pub (guard it with a switch it turns)\n"
     "data/pubevent0.evn:12: warning: the pub event block turns no switch: it runs again at every "
     "visit to the pub (guard it with a switch it turns)"},
    {"MissingMap", "data\\map.jpg", nullptr,
     "data/map.jpg:0: warning: the file does not exist: the city rectangles cannot be checked"},
};

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

class BrokenWorld : public ::testing::TestWithParam<Fault> {};

TEST_P(BrokenWorld, ReportsExactlyTheFault) {
    const Fault& fault = GetParam();
    TempGameDir dir;
    writeWorld(dir);
    if (!fault.text)
        std::filesystem::remove(dir.path(fault.file));
    else if (fault.raw)
        dir.writeBytes(fault.file, fault.text);
    else
        dir.write(fault.file, fault.text);
    EXPECT_EQ(problems(dir), splitLines(fault.expected));
}

INSTANTIATE_TEST_SUITE_P(OneFaultEach, BrokenWorld, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MapPicture, SizeComesFromTheFrameHeaderWhereverItStands) {
    using namespace std::string_literals;
    const std::string exif =
        "\xFF\xE1\x00\x06"
        "Exif"s;
    const std::string huffman = "\xFF\xC4\x00\x03\x00"s;  // shares the range of frame headers
    const std::string progressive = "\xFF\xC2\x00\x11\x08\x02\x58\x03\x20"s;
    EXPECT_EQ(jpegSize("\xFF\xD8"s + exif + huffman + "\xFF\xFF" + progressive)->width, 800);
    EXPECT_EQ(jpegSize("\xFF\xD8"s + exif + progressive)->height, 600);
    EXPECT_FALSE(jpegSize("\xFF\xD8"s + exif));                         // cut off
    EXPECT_FALSE(jpegSize("\xFF\xD8\xFF\xDA\x00\x02"s + progressive));  // image data first
    EXPECT_FALSE(jpegSize("\x89PNG\r\n"));
}

// Each kind of file is checked in turn and hands on what it learnt: the events of the
// contacts see the dungeon lists read before them, and a trade file that a contact
// also names as its event file is checked first as the trade file it was queued as,
// so that two findings on one line keep their order.
TEST(ContentChecker, KindsHandOnWhatTheyLearntAndKeepTheirOrder) {
    TempGameDir dir;
    writeWorld(dir);
    dir.write("data\\contact\\list.txt", "노인\ncontact\\old.evn\n상인\ntrade\\1.txt\n");
    dir.write("data\\contact\\old.evn", "[START]\n-optend-\n:ondungeon\n2\n2\n[END]\n");
    dir.write("data\\trade\\1.txt", "소금\n[START]\n-opt-\n-optend-\n:killone\n[END]\n");
    EXPECT_EQ(
        problems(dir),
        (std::vector<std::string>{
            "data/contact/old.evn:5: error: city 2 has no dungeon 2: its dungeon list holds 1",
            "data/trade/1.txt:3: warning: \"-opt-\" does not belong here: the line is ignored",
            "data/trade/1.txt:5: warning: \":killone\" does nothing here: no party runs the "
            "trade files",
            "data/trade/1.txt:5: error: \":killone\" is a keyword of scenario scripts, not of "
            "event files: it and its operand lines are ignored here",
        }));
}

// The checker must read the operands of exactly the keywords the runners act on.
TEST(ContentChecker, KnowsEveryKeywordOfBothRunners) {
    auto sorted = [](std::vector<std::string_view> words) {
        std::sort(words.begin(), words.end());
        return words;
    };
    EXPECT_EQ(sorted(checkedConditionKeywords(Dialect::Scenario)),
              sorted(scenarioConditionKeywords()));
    EXPECT_EQ(sorted(checkedActionKeywords(Dialect::Scenario)), sorted(scenarioActionKeywords()));
    EXPECT_EQ(sorted(checkedConditionKeywords(Dialect::Event)), sorted(eventConditionKeywords()));
    EXPECT_EQ(sorted(checkedActionKeywords(Dialect::Event)), sorted(eventActionKeywords()));
}

// The game reads only plain files: where a folder or a pipe stands in place of one,
// the author is told what is there, not that nothing is.
TEST(ContentChecker, NamesWhatStandsWhereAPlainFileShouldBe) {
    TempGameDir dir;
    writeWorld(dir);
    std::filesystem::remove(dir.path("data\\places\\temple.evn"));
    std::filesystem::create_directory(dir.path("data\\places\\temple.evn"));
    std::filesystem::remove(dir.path("data\\map.jpg"));
    ASSERT_EQ(mkfifo(dir.path("data\\map.jpg").c_str(), 0600), 0);
    EXPECT_EQ(problems(dir),
              (std::vector<std::string>{
                  "data/common/commongo.txt:5: error: the event file \"places\\temple.evn\" is "
                  "a folder, not a plain file the game can read",
                  "data/map.jpg:0: warning: found a named pipe, not a plain file the game can "
                  "read: the city rectangles cannot be checked",
              }));
}

int runChecker(const std::string& arguments) {
    int status = std::system(
        (std::string(ORROWVALE_CHECK_TOOL) + " " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ContentCheckerProgram, ExitsOneOnlyForErrorsAndTwoWhenItCannotCheck) {
    TempGameDir dir;
    writeWorld(dir);
    const std::string game = dir.root().string();
    EXPECT_EQ(runChecker(game), 0);
    std::filesystem::remove(dir.path("data\\map.jpg"));
    EXPECT_EQ(runChecker(game), 0) << "a warning alone";
    std::filesystem::remove(dir.path("data\\gossip\\gossip.txt"));
    EXPECT_EQ(runChecker(game), 1);
    EXPECT_EQ(runChecker(game + "/nowhere"), 2);
    EXPECT_EQ(runChecker(game + " " + game), 2);
    EXPECT_EQ(runChecker((dir.root() / "data").string()), 2) << "a folder without data/";
}

}  // namespace
}  // namespace orrowvale::check
