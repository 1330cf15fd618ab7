#include "parties/travel.h"

#include <gtest/gtest.h>

#include "city/visit.h"
#include "game/parties/missionfixture.h"
#include "parties/missions.h"

namespace orrowvale::testing {
namespace {

using namespace std::string_literals;

class Travel : public MissionTest {
  protected:
    Travel() {
        state.routeFiles[1] = "move\\01.txt";
        dir.write("data\\move\\01.txt",
                  "가람에서 떠나는 길\n2\n3\n150\n[END]\n5\n"
                  "[START]\n큰길\n2\n20\n넓은 길\n2\n0\n떠도는 줄\n"
                  "[START]\n지름길\n0\n5\n좁은 길\n2\n0\n"
                  "[START]\n국경길\n1\n1\n검문소\n3\n0\n"
                  "[START]\n유령길\n1\n1\n목록에 없는 곳\n4\n0\n"
                  "[START]\n바깥길\n1\n1\n세상 밖\n150\n0\n");
        formParty(1, {1, 2, 3}, "매");
    }
};

TEST_F(Travel, OnlyListedCitiesOfTheWorldAndTheirRoutesAreOffered) {
    RouteFile routes = prepareMove(game, 1);
    EXPECT_EQ(destinationCities(state, routes), (ListRows{{2, "나루"}, {3, "다솜"}}));
    EXPECT_EQ(routesTo(state, routes, 2), (ListRows{{1, "큰길"}, {2, "지름길"}}));
    EXPECT_EQ(routesTo(state, routes, 3), (ListRows{{3, "국경길"}}));
    EXPECT_TRUE(routesTo(state, routes, 4).empty());    // not in the destination list
    EXPECT_TRUE(routesTo(state, routes, 150).empty());  // no such city
    EXPECT_EQ(routes.ways[2].wayName, "지름길");
}

// A route list shorter than the city list names its own line, not the data folder.
TEST_F(Travel, ACityWithoutARouteFileNamesTheRouteListLine) {
    state.routeFiles[2] = "";
    EXPECT_EQ(failure([&] { prepareMove(game, 2); }),
              std::make_pair("data/common/movefile.txt"s, 2));
}

TEST_F(Travel, ABrokenRouteFileNamesItsLine) {
    dir.write("data\\move\\01.txt", "머리\n2\n[END]\n5\n[START]\n큰길\n이틀\n");
    EXPECT_EQ(failure([&] { prepareMove(game, 1); }), std::make_pair("data/move/01.txt"s, 7));
}

TEST_F(Travel, DepartureRefusesAnEnemyNationFirstThenAPriceNotBelowTheGold) {
    struct Case {
        int gold, destination, route;
        Departure result;
        const char* said;
    };
    const Case cases[] = {
        {1000, 3, 3, Departure::Refused, "inform: 적국으로의 이동은 불가능합니다."},
        {0, 3, 3, Departure::Refused, "inform: 적국으로의 이동은 불가능합니다."},
        {60, 2, 1, Departure::Refused, "inform: 돈이 모자랍니다."},
        // A destination without its route is told, and the window stays open.
        {1000, 2, 0, Departure::Refused,
         "inform: 가는 길을 선택하지 않으셨습니다. 경로를 골라 주십시오."},
        {1000, 0, 1, Departure::NoChoice, nullptr},
        {1000, 2, 3, Departure::Refused,  // a route to somewhere else
         "inform: 가는 길을 선택하지 않으셨습니다. 경로를 골라 주십시오."},
    };
    for (const Case& c : cases) {
        presenter.clear();
        state.gold = c.gold;
        EXPECT_EQ(departParty(game, 1, c.destination, c.route), c.result) << c.gold;
        EXPECT_EQ(presenter.lines(), c.said ? Lines{c.said} : Lines{}) << c.gold;
        EXPECT_EQ(state.gold, c.gold);
        EXPECT_FALSE(state.parties[1].travelling);
    }

    presenter.clear();
    state.gold = 61;
    EXPECT_EQ(departParty(game, 1, 2, 1), Departure::Left);
    EXPECT_EQ(state.gold, 1);
    EXPECT_EQ(presenter.lines(), Lines{"inform: 이동에는 2턴이 걸립니다."});
    const TParty& p = state.parties[1];
    EXPECT_TRUE(p.travelling && !p.onMission);
    EXPECT_EQ(std::tie(p.travelTurnsLeft, p.travelDestination, p.location),
              std::make_tuple(2, 2, 1));
    EXPECT_EQ(state.adventurers[3].busyFlag, 1);
    EXPECT_EQ(departParty(game, 1, 2, 2), Departure::NoChoice);  // already on the road
    EXPECT_EQ(state.gold, 1);
}

TEST_F(Travel, APartyArrivesOnTheTurnItsRouteTakesAndTheMainCharacterWithIt) {
    state.mainchrnum = 2;
    state.currentCity = 1;
    formParty(2, {7}, "곰");
    startTravel(state, 1, 2, 2);
    startTravel(state, 2, 0, 3);

    travelStep(game, 1);
    travelStep(game, 2);  // no time at all: there after the first turn
    EXPECT_TRUE(state.parties[1].travelling);
    EXPECT_EQ(state.parties[2].location, 3);
    EXPECT_EQ(state.currentCity, 1);
    EXPECT_EQ(presenter.guildButtonEnables(), 0);

    travelStep(game, 1);
    const TParty& p = state.parties[1];
    EXPECT_FALSE(p.travelling);
    EXPECT_EQ(p.location, 2);
    EXPECT_EQ(std::tie(state.adventurers[1].location, state.adventurers[1].busyFlag),
              std::make_tuple(2, 0));
    EXPECT_EQ(state.currentCity, 2);
    EXPECT_EQ(presenter.guildButtonEnables(), 1);
    EXPECT_EQ(presenter.lines(), (Lines{"inform: 곰이 다솜으로의 이동을 완료하였습니다.",
                                        "inform: 매가 나루로의 이동을 완료하였습니다."}));
}

TEST_F(Travel, AJourneyTowardsNoCityOrWithoutTimeEndsAtOnceAndWritesNowhere) {
    for (auto [time, destination, arrival] : {std::tuple{1, 150, 1}, {-3, 2, 2}}) {
        startTravel(state, 1, time, destination);
        travelStep(game, 1);
        EXPECT_FALSE(state.parties[1].travelling);
        EXPECT_EQ(state.parties[1].location, arrival);
    }
}

TEST_F(Travel, VisitingAPlaceRunsTheLastPlaceOfThatName) {
    state.currentCity = 2;
    state.cityPlaces[2][1] = {"시장", "places\\old.evn"};
    state.cityPlaces[2][2] = {"사원", "places\\temple.evn"};
    state.cityPlaces[2][3] = {"시장", "places\\new.evn"};
    state.cityPlaceCount[2] = 3;
    dir.write("data\\places\\new.evn", "[START]\n-optend-\n:dlg\n새 시장\n[END]\n");
    EXPECT_EQ(placeRows(state), (ListRows{{1, "시장"}, {2, "사원"}, {3, "시장"}}));

    EXPECT_TRUE(visitPlace(game, "시장"));
    EXPECT_FALSE(visitPlace(game, std::nullopt));
    EXPECT_FALSE(visitPlace(game, ""));  // unused entries are no place
    EXPECT_EQ(presenter.lines(),
              (Lines{"inform: 새 시장", "inform: 이동할 곳을 선택하지 않으셨습니다."}));
}

}  // namespace
}  // namespace orrowvale::testing
