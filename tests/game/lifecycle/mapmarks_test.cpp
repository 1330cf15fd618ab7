#include <gtest/gtest.h>

#include "game/parties/missionfixture.h"
#include "lifecycle/citymap.h"

namespace orrowvale::testing {
namespace {

// 가람 (1) with 나루 (2) to its east and 다솜 (3) to its south, both joined to it by
// a route; 라온 (4) sits between 가람 and 나루 and is joined to nothing.
class MapMarks : public MissionTest {
  protected:
    MapMarks() {
        state.cityCount = 4;
        state.cityNames[4] = "라온";
        place(1, 100, 100);
        place(2, 200, 100);
        place(3, 100, 200);
        place(4, 140, 95);
        state.routeFiles[1] = "move\\01.txt";
        dir.write("data\\move\\01.txt",
                  "가람\n2\n4\n[END]\n0\n[START]\n큰길\n2\n10\n넓은 길\n2\n0\n");
        // 다솜 names 가람, but 나루's file is missing: 나루 is still joined by 가람's.
        state.routeFiles[2] = "move\\02.txt";
        state.routeFiles[3] = "move\\03.txt";
        dir.write("data\\move\\03.txt", "다솜\n1\n[END]\n0\n[START]\n샛길\n1\n5\n길\n1\n0\n");
        state.mainchrnum = 50;
        state.adventurers[50].name = "윤한결";
        state.currentCity = 1;
        state.guildBranches[2] = 1;
    }

    void place(int city, int x, int y) {
        state.cityRects[city] = {.left = x - 20, .right = x + 20, .top = y - 10, .bottom = y + 10};
    }
};

TEST_F(MapMarks, EachCityShowsWhoStandsThereAndOnlyIdlePartiesCountAsWaiting) {
    formParty(1, {1}, "매");
    formParty(2, {2}, "까치");
    formParty(3, {3}, "길손");
    formParty(4, {4}, "올빼미");
    state.parties[3].travelling = true;
    state.parties[4].onMission = true;
    formParty(5, {5}, "참새");
    state.parties[5].location = 2;

    const std::vector<CityMark> marks = cityMarks(game);
    ASSERT_EQ(marks.size(), 4u);
    std::vector<std::string> spoken;
    for (const CityMark& mark : marks)
        spoken.push_back(mark.spoken);
    EXPECT_EQ(spoken, (std::vector<std::string>{"가람, 주인공 윤한결, 파티 2",
                                                "나루, 길드 지부, 파티 1", "다솜", "라온"}));
    EXPECT_EQ(marks[0].waitingParties, 2);
    EXPECT_TRUE(marks[0].mainCharacterHere);
    EXPECT_FALSE(marks[1].mainCharacterHere);
    EXPECT_TRUE(marks[1].guildBranch);
    EXPECT_EQ(marks[0].neighbours, (std::vector<int>{2, 3}));
    EXPECT_EQ(marks[1].neighbours, (std::vector<int>{1}));
    EXPECT_TRUE(marks[3].neighbours.empty());  // listed by 가람, but no route goes there
    EXPECT_EQ(marks[3].spot.left + marks[3].spot.top, 120 + 85);
}

TEST_F(MapMarks, ArrowsGoToANeighbourThatWayBeforeANearerStranger) {
    const std::vector<CityMark> marks = cityMarks(game);
    struct Case {
        int from;
        MapDirection direction;
        int to;
    };
    const Case cases[] = {
        {1, MapDirection::Right, 2},  // 라온 is nearer, but not joined to 가람
        {1, MapDirection::Down, 3},  {3, MapDirection::Up, 1},
        {4, MapDirection::Right, 2},  // no neighbours: the nearest city that way
        {4, MapDirection::Left, 1},  {1, MapDirection::Up, 1},  // nothing that way
        {2, MapDirection::Down, 3},  // as far aside as ahead still counts
        {7, MapDirection::Left, 7},  // no such city
    };
    for (const Case& c : cases)
        EXPECT_EQ(cityToward(marks, c.from, c.direction), c.to)
            << c.from << " " << static_cast<int>(c.direction);
}

}  // namespace
}  // namespace orrowvale::testing
