#include "lifecycle/citymap.h"

#include <gtest/gtest.h>

#include "game/testfiles.h"
#include "lifecycle/storycharacter.h"
#include "world/datafiles.h"
#include "world/gamestate.h"

namespace orrowvale::testing {
namespace {

TEST(CityMap, BordersBelongToNoCityAndOverlapsGoToTheLowerNumber) {
    GameState state;
    state.cityCount = 3;
    state.cityRects[1] = {.left = 10, .right = 50, .top = 10, .bottom = 30};
    state.cityRects[2] = {.left = 40, .right = 80, .top = 20, .bottom = 40};
    state.cityRects[3] = {.left = 100, .right = 120, .top = 0, .bottom = 20};
    state.cityRects[4] = {.left = 0, .right = 500, .top = 0, .bottom = 500};  // past cityCount
    struct Case {
        int x, y, city;
    };
    const Case cases[] = {
        {11, 11, 1}, {10, 20, 0},  {50, 20, 0}, {30, 10, 0},
        {30, 30, 0}, {49, 29, 1},  {45, 25, 1},  // inside both 1 and 2
        {50, 25, 2},                             // on 1's right border, inside 2
        {79, 39, 2}, {110, 10, 3}, {90, 10, 0}, {300, 300, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cityAt(state, c.x, c.y), c.city) << c.x << "," << c.y;
}

TEST(StoryCharacterCard, ShowsThreeLinesAndTheRestAsDescription) {
    TempGameDir dir;
    dir.write("data\\chrname0.txt", "윤한결\n남성\n은빛나루\n첫 줄\n\n셋째 줄\n");
    dir.write("data\\chrname1.txt", "서유란\n여성\n달무리\n");
    const StoryCharacterCard first = readStoryCharacterCard(dir.paths(), 0);
    EXPECT_EQ(first.name + "/" + first.sex + "/" + first.home, "윤한결/남성/은빛나루");
    EXPECT_EQ(first.description, (std::vector<std::string>{"첫 줄", "", "셋째 줄"}));
    EXPECT_TRUE(readStoryCharacterCard(dir.paths(), 1).description.empty());
    EXPECT_THROW(readStoryCharacterCard(dir.paths(), 2), DataError);
}

}  // namespace
}  // namespace orrowvale::testing
