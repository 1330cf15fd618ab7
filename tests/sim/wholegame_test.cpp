// A whole game played by script on the sample world, as a player plays it through
// the windows: a party founded, placed and named, sent into a dungeon and home with
// its gold, a contract taken, the game saved and loaded with the party whole.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "game/testfiles.h"
#include "sim/simrun.h"

namespace orrowvale {
namespace {

bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool hasPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.starts_with(prefix); });
}

// A line of a turn report that begins with `text`, whatever its turn's date.
bool reported(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.starts_with("report[") && line.find("]: " + text) != std::string::npos;
    });
}

// Random play on seed 5 starts with guild members 985 to 1000 at home in 은빛나루,
// whose first dungeon is 옛 하수도 and whose first contract is 왕실 우편물.
TEST(WholeGame, APartyFoundedByScriptAdventuresTradesAndSurvivesSaveAndLoad) {
    testing::TempGameDir dir;
    dir.copySampleWorld();
    const std::string game = "--game-dir " + dir.root().string() + " --seed 5 ";
    const testing::SimRun played = testing::runSim(
        game + "--new random " +
        testing::actionsArgument(dir.root(),
                                 "setup\nfound 985\nadd 1 986\nadd 1 987\nplace 1 986 5\n"
                                 "rename 1 새벽 원정대\ndispatch 1 dungeon 1 1\nparties\nend\n"
                                 "trade\ntake 1 1\ntrade\nsave 3\n"));
    ASSERT_EQ(played.exitCode, 0);
    const std::vector<std::string> lines = testing::withoutAnnouncements(played.lines);
    EXPECT_TRUE(has(lines, "list[memberlist]: 987 987. 옥새봄, 전사, 능력 23"));
    EXPECT_TRUE(has(lines, "label[loc5]: 은동욱"));
    EXPECT_TRUE(has(lines, "list[partylist]: 1 새벽 원정대"));
    EXPECT_TRUE(has(lines, "list[datacombo]: 1 옛 하수도"));
    EXPECT_TRUE(reported(lines, "파티 새벽 원정대가 모험을 마치고 귀환했습니다."));
    EXPECT_TRUE(reported(lines, "파티 새벽 원정대는 던전 탐험 동안에 "));
    EXPECT_TRUE(has(lines, "inform: 조심해서 다녀오게"));
    // The contract taken is offered no more; the other keeps its slot.
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "list[clist]: 1 왕실 우편물, 보수: 120, 2턴"),
              1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "list[clist]: 2 염장 생선, 보수: 150, 3턴"),
              2);
    ASSERT_TRUE(lines.back().starts_with("state: ")) << lines.back();
    EXPECT_NE(lines.back().find("gold=1"), std::string::npos) << "the dungeon's gold came home";

    // The party file keeps the formation: 동욱 (member slot 2) in the middle, his
    // old place empty, 새봄 (slot 3) where she joined.
    std::ifstream partyFile(dir.root() / "data/save/save3/prt1.prt", std::ios::binary);
    std::vector<std::string> fields;
    for (std::string field; std::getline(partyFile, field);)
        fields.push_back(field.substr(0, field.find('\r')));
    ASSERT_GE(fields.size(), 18u);
    EXPECT_EQ(std::vector<std::string>(fields.begin() + 9, fields.begin() + 18),
              (std::vector<std::string>{"1", "0", "3", "0", "2", "0", "0", "0", "0"}));

    // Loaded again, the party stands as it was left: named, three strong and away
    // with the contract.
    const testing::SimRun loaded = testing::runSim(
        game + "--load 3 " +
        testing::actionsArgument(dir.root(), "setup\nparties\npartyinfo 1\ntrade\n"));
    ASSERT_EQ(loaded.exitCode, 0);
    EXPECT_TRUE(has(loaded.lines, "list[partylist]: 1 새벽 원정대"));
    EXPECT_TRUE(has(loaded.lines, "label[countslabel]: 파티 인원: 3"));
    EXPECT_FALSE(hasPrefix(loaded.lines, "list[clist]: 1 "));
    const testing::SimRun placed = testing::runSim(
        game + "--load 3 " + testing::actionsArgument(dir.root(), "place 1 986 5\n"));
    EXPECT_TRUE(has(placed.lines, "refused: 임무 중인 파티입니다."))
        << "a party away on a contract cannot be rearranged";
}

}  // namespace
}  // namespace orrowvale
