// The scripted player commands parties: lists them, moves them along a route and
// sends them on each kind of mission, in a real simulator process.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "game.h"
#include "game/testfiles.h"
#include "lifecycle/createworld.h"
#include "lifecycle/loadgame.h"
#include "lifecycle/savegame.h"
#include "parties/party.h"
#include "parties/travel.h"
#include "sim/simrun.h"
#include "transcript.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale {
namespace {

namespace fs = std::filesystem;

struct SimRun {
    std::vector<std::string> lines;
    int exitCode = -1;

    bool has(const std::string& line) const {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    // The lines printed between "> ACTION" and the next action or the end.
    std::vector<std::string> after(const std::string& action) const {
        return testing::printedAfter(lines, action);
    }
};

// A random game in the sample world's first city, 은빛나루, saved into slot 1 with
// parties made as party setup makes them: 1 "선봉" of the main character and one
// other, 2 to 6 of one adventurer each. Quest 1 is open, and so are war 1, search
// sites 1 and 2 and dungeon 1 of the city.
class SimParties : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(testing::sampleWorld().gameDirectory(), dir.root(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        loadCityList(*state, paths);
        createRandomWorld(game);
        std::vector<int> others;
        for (int a = 1; a <= kMaxAdventurers && others.size() < 6; ++a)
            if (a != state->mainchrnum && state->adventurers[a].name != kNone) others.push_back(a);
        ASSERT_EQ(others.size(), 6u);
        formParty(1, "선봉", {state->mainchrnum, others[0]});
        for (int p = 2; p <= 6; ++p)
            formParty(p, "조" + std::to_string(p), {others[p - 1]});
        state->quests[1].active = 1;
        saveGame(*state, paths, 1);
    }

    void formParty(int number, const std::string& name, std::initializer_list<int> members) {
        TParty& p = state->parties[number];
        p.inUse = true;
        p.partyName = name;
        p.location = 1;
        p.leader = *members.begin();
        for (int a : members)
            addMember(*state, number, a);
    }

    SimRun play(const std::string& actions, const std::string& options = "--load 1") {
        const testing::SimRun run =
            testing::runSim("--game-dir " + dir.root().string() + " --seed 5 " + options + " " +
                            testing::actionsArgument(dir.root(), actions));
        return {run.lines, run.exitCode};
    }

    // The game the simulator saved into `slot`.
    std::unique_ptr<GameState> loaded(int slot) {
        auto into = std::make_unique<GameState>();
        Game loading(*into, paths, dice, presenter);
        loadCityList(*into, paths);
        loadGame(loading, slot);
        return into;
    }

    testing::TempGameDir dir;
    GamePaths paths = dir.paths();
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    Dice dice{21};
    TranscriptPresenter presenter;
    Game game{*state, paths, dice, presenter};
};

using Lines = std::vector<std::string>;

TEST_F(SimParties, AMovedPartyLeavesTheListPaysAndArrivesWithTheMainCharacter) {
    const SimRun run = play(
        "parties\n"
        "move 1 10 1\n"
        "move 1 2 9\n"
        "move 1 2 -\n"
        "move 1 2 1\n"
        "move 1 2 1\n"
        "parties 2\n"
        "end\n");
    ASSERT_EQ(run.exitCode, 0) << run.lines.back();
    EXPECT_EQ(run.after("parties"), (Lines{"list[partylist]: 1 선봉", "list[partylist]: 2 조2",
                                           "list[partylist]: 3 조3", "list[partylist]: 4 조4",
                                           "list[partylist]: 5 조5", "list[partylist]: 6 조6"}));
    const Lines destinations = {"list[destcombo]: 2 바람언덕", "list[destcombo]: 3 푸른여울",
                                "list[destcombo]: 4 갈대포구"};
    Lines unknownCity = destinations;
    unknownCity.push_back("refused: not offered");
    EXPECT_EQ(run.after("move 1 10 1"), unknownCity);
    Lines routes = destinations;
    routes.insert(routes.end(), {"list[waycombo]: 1 왕국 대로", "list[waycombo]: 2 해안 역마차"});
    Lines noSuchRoute = routes;
    noSuchRoute.push_back("refused: not offered");
    EXPECT_EQ(run.after("move 1 2 9"), noSuchRoute);
    Lines noRoute = routes;
    noRoute.push_back(std::string("inform: ") + kChooseRoute);
    EXPECT_EQ(run.after("move 1 2 -"), noRoute) << "no route: told why, nobody leaves";

    // The first "move 1 2 1" departs; the second finds the party gone from the list.
    Lines departs = routes;
    departs.insert(departs.end(),
                   {"label[costlabel]: 소요 금액(1인): 10", "label[timelabel]: 소요 시간: 2",
                    "inform: 이동에는 2턴이 걸립니다."});
    const auto first = std::find(run.lines.begin(), run.lines.end(), "> move 1 2 1");
    ASSERT_NE(first, run.lines.end());
    EXPECT_EQ(Lines(first + 1, first + 1 + departs.size()), departs);
    EXPECT_EQ(*(first + 1 + departs.size()), "> move 1 2 1");
    EXPECT_EQ(*(first + 2 + departs.size()), "refused: not offered");

    EXPECT_EQ(run.after("parties 2"),
              Lines{"inform: " + std::string("현재 선택하신 위치에 존재하는 파티가 "
                                             "없습니다.\\n\\n해결 방법: 1) 메인 "
                                             "캐릭터가 그 위치로 이동해서 새로운 파티 "
                                             "조직\\n               2) 기존의 "
                                             "파티가 이 장소로 이동")});
    // One "완료" plays every turn of the main character's journey, and its report
    // closes the run, under the date of the turn the party arrived.
    const auto report = run.after("end");
    ASSERT_GE(report.size(), 2u);
    EXPECT_EQ(report[report.size() - 2], "report: 이번 턴의 소식");
    EXPECT_EQ(report.back(),
              "report[200년 4월 1주 3턴]: 선봉이 바람언덕으로의 이동을 완료하였습니다.");
    EXPECT_TRUE(run.lines.back().starts_with("state: year=200 month=4 week=1 turn=3 gold=980 "))
        << run.lines.back();
    EXPECT_TRUE(run.lines.back().ends_with(" currentCity=2")) << run.lines.back();
}

// The route list names each route by its entry in the city's route file, as the
// window's drop-down keeps it: the routes to 푸른여울 are the third and the fourth.
// The routes to city 3 are entries 3 and 4 of the route file: a script counts them as
// the drop-down lists them.
TEST_F(SimParties, ARouteIsNamedByItsPlaceInTheListOfRoutes) {
    const SimRun run = play("move 2 3 3\nmove 2 3 2\n");
    ASSERT_EQ(run.exitCode, 0) << run.lines.back();
    Lines routes = {"list[destcombo]: 2 바람언덕", "list[destcombo]: 3 푸른여울",
                    "list[destcombo]: 4 갈대포구", "list[waycombo]: 1 강둑길",
                    "list[waycombo]: 2 강 나룻배"};
    Lines noSuchRow = routes;
    noSuchRow.push_back("refused: not offered");
    EXPECT_EQ(run.after("move 2 3 3"), noSuchRow);
    Lines departs = routes;
    departs.insert(departs.end(),
                   {"label[costlabel]: 소요 금액(1인): 20", "label[timelabel]: 소요 시간: 1",
                    "inform: 이동에는 1턴이 걸립니다."});
    EXPECT_EQ(run.after("move 2 3 2"), departs);
}

TEST_F(SimParties, EachKindOfMissionStartsAndItsNumberIsHeldToWhatTheTargetAllows) {
    const SimRun run = play(
        "dispatch 2 quest 1\n"
        "dispatch 6 quest 1\n"
        "dispatch 3 search 2 4\n"
        "dispatch 4 war 1 9\n"
        "dispatch 5 dungeon 1 5\n"
        "dispatch 2 war 1\n"
        "dispatch 6 dungeon 2\n",
        "--load 1 --save 2");
    ASSERT_EQ(run.exitCode, 0) << run.lines.back();
    EXPECT_EQ(
        run.after("dispatch 2 quest 1"),
        (Lines{"list[datacombo]: 1 갈대포구 밀수꾼 소탕", "label[wherelabel]: 장소: 은빛나루",
               "label[lengthlabel]: 기간: 1~4턴", "label[rewardlabel]: 보수: 0~250gp, 명성 0~28",
               "label[risklabel]: 위험: 매우 높음 (85%)", "label[successlabel]: 성공 확률: 15%"}));
    EXPECT_EQ(run.after("dispatch 6 quest 1"), Lines{"refused: not offered"}) << "taken";
    EXPECT_EQ(run.after("dispatch 3 search 2 4"),
              (Lines{"list[datacombo]: 1 난파선 잔해", "list[datacombo]: 2 부두 뒷골목",
                     "label[wherelabel]: 장소: 은빛나루", "label[lengthlabel]: 기간: 1~4턴",
                     "label[rewardlabel]: 보수: 0~520gp (대개 0~270gp), 명성 0~8 (대개 0~4)",
                     "label[costlabel]: 비용: 턴당 10gp (10gp × 1명), 모두 0~40gp",
                     "label[risklabel]: 위험: 높음 (41%)", "label[successlabel]: 성공 확률: 59%"}));
    EXPECT_EQ(
        run.after("dispatch 5 dungeon 1 5"),
        (Lines{"list[datacombo]: 1 옛 하수도", "label[wherelabel]: 장소: 은빛나루",
               "label[lengthlabel]: 깊이: 3층 (1~18턴)",
               "label[rewardlabel]: 보수: 0~1600gp (대개 0gp), 명성 0~7",
               "label[risklabel]: 위험: 매우 높음 (100%)", "label[successlabel]: 성공 확률: 0%"}));
    EXPECT_EQ(run.after("dispatch 2 war 1"), Lines{"refused: 임무 중인 파티입니다."});
    EXPECT_EQ(run.after("dispatch 6 dungeon 2"),
              (Lines{"list[datacombo]: 1 옛 하수도", "refused: not offered"}));

    const std::unique_ptr<GameState> saved = loaded(2);
    struct Expected {
        int party;
        int kind;
        int value;
    };
    // The war ignores the number typed; the sewer is gone down no deeper than its three
    // levels.
    for (const Expected& e : {Expected{2, kQuestMission, 1}, Expected{3, kSearchMission, 4},
                              Expected{4, kWarMission, 0}, Expected{5, kDungeonMission, 3}}) {
        const TParty& p = saved->parties[e.party];
        EXPECT_TRUE(p.onMission) << e.party;
        EXPECT_EQ(p.missionKind, e.kind) << e.party;
        EXPECT_EQ(p.missionValue, e.value) << e.party;
    }
    EXPECT_EQ(saved->parties[3].missionFile, "search\\back_alley.txt");
    EXPECT_EQ(saved->parties[5].dungeonNumber, 1);
    EXPECT_FALSE(saved->parties[6].onMission);
    EXPECT_EQ(saved->quests[1].active, 0);
}

// The whole file is checked first: a bad line is named with its line number and
// nothing is played.
TEST_F(SimParties, TheFileCheckNamesTheBadLineAndPlaysNothing) {
    const struct {
        const char* line;
        const char* message;
    } cases[] = {
        {"command 1", "unknown action \"command\""},
        {"move 1 2", "move needs the route"},
        {"dispatch 1 quest", "dispatch needs the entry"},
        {"move 1 x 1", "the city must be a number from 1 to 100, not \"x\""},
        {"move 1 2 0", "the route must be a number from 1 to 100 or -, not \"0\""},
        {"dispatch 1 raid 1", "the kind must be quest, search, war or dungeon, not \"raid\""},
        {"dispatch 1 dungeon 1 101", "the number must be a number from 0 to 100, not \"101\""},
        {"dispatch 1 search 501 1", "the entry must be a number from 1 to 500, not \"501\""},
        {"parties 101", "the city must be a number from 1 to 100, not \"101\""},
        {"parties 1 2", "parties takes nothing more, not \"2\""},
    };
    const std::string file = (dir.root() / "actions.txt").string();
    for (const auto& c : cases) {
        const SimRun run = play("parties\n# a comment\n" + std::string(c.line) + "\n");
        EXPECT_EQ(run.exitCode, 2) << c.line;
        EXPECT_EQ(run.lines, Lines{"error: " + file + ":3: " + c.message}) << c.line;
    }
}

}  // namespace
}  // namespace orrowvale
