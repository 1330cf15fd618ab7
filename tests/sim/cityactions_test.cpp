// The command window's own actions played by the real simulator on the sample world:
// ending a turn, visiting a place and contacting someone.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/testfiles.h"
#include "sim/simrun.h"

namespace orrowvale::testing {
namespace {

// The simulator's lines for `actions` in a new random game of seed 5.
std::vector<std::string> play(const std::string& actions, const std::filesystem::path& folder) {
    return withoutAnnouncements(runSim("--game-dir " ORROWVALE_GAME_DIR " --seed 5 --new random " +
                                       actionsArgument(folder, actions))
                                    .lines);
}

TEST(CityScript, EndingATurnAsksFirstAndANoLeavesTheTurn) {
    TempGameDir dir;
    const std::vector<std::string> lines = play("answer no\nend\n", dir.root());
    EXPECT_EQ(printedAfter(lines, "end"),
              std::vector<std::string>{"confirm: 이 턴을 종료하시겠습니까?"});
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.back().find(" turn=1 "), std::string::npos) << lines.back();
}

// Random play on seed 5 starts in 은빛나루, whose places are these three.
TEST(CityScript, VisitListsThePlacesBeforeOneIsChosen) {
    TempGameDir dir;
    const std::vector<std::string> lines = play("visit\nvisit 없는 곳\n", dir.root());
    std::vector<std::string> nothingChosen = {"list[realcombo]: 1 항구 부두",
                                              "list[realcombo]: 2 왕립 도서관",
                                              "list[realcombo]: 3 바다의 신전"};
    std::vector<std::string> notOffered = nothingChosen;
    nothingChosen.push_back("inform: 이동할 곳을 선택하지 않으셨습니다.");
    notOffered.push_back("refused: not offered");
    EXPECT_EQ(printedAfter(lines, "visit"), nothingChosen);
    EXPECT_EQ(printedAfter(lines, "visit 없는 곳"), notOffered);
}

// 윤한결's pub keeper names the steward: the contact box offers him, and the typed
// name meets him.
TEST(CityScript, ContactListsTheNamesHeardBeforeTheTypedOneIsMet) {
    TempGameDir dir;
    const std::vector<std::string> lines =
        withoutAnnouncements(runSim("--game-dir " ORROWVALE_GAME_DIR " --seed 5 --new story:0 " +
                                    actionsArgument(dir.root(), "contact\npub\ncontact 노 집사\n"))
                                 .lines);
    EXPECT_EQ(printedAfter(lines, "contact"),
              std::vector<std::string>{"list[contactnames]: 1 석담"});
    const std::vector<std::string> met = printedAfter(lines, "contact 노 집사");
    ASSERT_GE(met.size(), 3u);
    EXPECT_EQ(met[0], "list[contactnames]: 1 석담");
    EXPECT_EQ(met[1], "list[contactnames]: 2 노 집사");
    EXPECT_TRUE(met[2].starts_with("talk[노 집사]: ")) << met[2];
}

}  // namespace
}  // namespace orrowvale::testing
