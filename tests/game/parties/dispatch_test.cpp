#include "parties/dispatch.h"

#include <gtest/gtest.h>

#include "game/parties/missionfixture.h"
#include "parties/partycommands.h"
#include "parties/travel.h"

namespace orrowvale::testing {
namespace {

class Dispatch : public MissionTest {
  protected:
    static std::vector<int> numbers(const ListRows& targets) {
        std::vector<int> found;
        for (const ListRow& t : targets)
            found.push_back(t.number);
        return found;
    }
};

TEST_F(Dispatch, TheCommandListShowsPartiesStandingInTheCityAndOnlyIdleOnesMayLeave) {
    formParty(1, {1});
    formParty(2, {2});
    formParty(3, {3});
    formParty(4, {4});
    state.parties[4].location = 2;
    startTravel(state, 2, 3, 2);
    startWar(state, 3, "wars\\w.txt");

    EXPECT_EQ(numbers(openCommandList(game, 1)), (std::vector<int>{1, 3}));
    EXPECT_EQ(state.commandCity, 1);
    EXPECT_TRUE(canMoveOrDispatch(state, 1));
    EXPECT_FALSE(canMoveOrDispatch(state, 3));
    EXPECT_TRUE(presenter.lines().empty());

    EXPECT_TRUE(openCommandList(game, 3).empty());
    ASSERT_EQ(presenter.lines().size(), 1u);
    EXPECT_EQ(presenter.lines()[0],
              "inform: 현재 선택하신 위치에 존재하는 파티가 없습니다.\\n\\n해결 방법: 1) 메인 "
              "캐릭터가 그 위치로 이동해서 새로운 파티 조직\\n               2) 기존의 파티가 "
              "이 장소로 이동");
}

TEST_F(Dispatch, OnlyOpenNamedTargetsAreOfferedAndOnlyTheFirstHundredQuests) {
    state.quests[2] = {"도둑 잡기", "quests\\a.scn", 1, 0};
    state.quests[3] = {"닫힌 일", "quests\\b.scn", 0, 0};
    state.quests[4] = {"파일 없음", kNone, 1, 0};
    state.quests[101] = {"먼 일", "quests\\c.scn", 1, 0};
    state.searchSites[1][5] = {"뒷골목", "search\\alley.txt", 1};
    state.searchSites[2][1] = {"다른 도시", "search\\x.txt", 1};
    state.dungeonSites[1][1] = {"광산", "dungeon\\mine.txt", 0, 0};
    state.dungeonSites[1][2] = {"동굴", "dungeon\\cave.txt", 1, 0};
    state.wars[7] = {"국경전", "wars\\w.txt", 1};
    state.wars[8] = {kNone, "wars\\v.txt", 1};

    EXPECT_EQ(numbers(openTargets(state, Errand::Quest, 1)), (std::vector<int>{2}));
    EXPECT_EQ(openTargets(state, Errand::Quest, 1)[0].text, "도둑 잡기");
    EXPECT_EQ(numbers(openTargets(state, Errand::Search, 1)), (std::vector<int>{5}));
    EXPECT_EQ(numbers(openTargets(state, Errand::Dungeon, 1)), (std::vector<int>{2}));
    EXPECT_EQ(numbers(openTargets(state, Errand::War, 1)), (std::vector<int>{7}));
    EXPECT_TRUE(openTargets(state, Errand::Search, 0).empty());
}

TEST_F(Dispatch, StartingAMissionFillsItsFieldsAndATakenQuestIsGoneFromTheList) {
    state.quests[2] = {"도둑 잡기", "quests\\a.scn", 1, 0};
    state.searchSites[1][5] = {"뒷골목", "search\\alley.txt", 1};
    state.dungeonSites[1][2] = {"동굴", "dungeon\\cave.txt", 1, 0};
    for (int p = 1; p <= 3; ++p)
        formParty(p, {p});

    EXPECT_FALSE(dispatchParty(game, 1, Errand::Quest, 0, 1));  // no target chosen
    EXPECT_FALSE(dispatchParty(game, 1, std::nullopt, 2, 1));
    EXPECT_FALSE(state.parties[1].onMission);

    EXPECT_TRUE(dispatchParty(game, 1, Errand::Quest, 2, 1));
    EXPECT_EQ(state.parties[1].missionValue, 2);
    EXPECT_EQ(state.quests[2].active, 0);
    EXPECT_EQ(state.adventurers[1].busyFlag, 1);
    EXPECT_FALSE(dispatchParty(game, 2, Errand::Quest, 2, 1));   // taken
    EXPECT_FALSE(dispatchParty(game, 1, Errand::Search, 5, 3));  // already away

    EXPECT_TRUE(dispatchParty(game, 2, Errand::Search, 5, 300));
    EXPECT_EQ(std::tie(state.parties[2].missionFile, state.parties[2].missionValue),
              std::make_tuple("search\\alley.txt", 100));

    // The depth is held to the dungeon's levels: at least the first, at most the last.
    dir.write("data\\dungeon\\cave.txt", "2\n");
    EXPECT_EQ(numberForTarget(game, 3, Errand::Dungeon, 2, 0), 1);
    EXPECT_TRUE(dispatchParty(game, 3, Errand::Dungeon, 2, 9));
    EXPECT_EQ(std::tie(state.parties[3].missionLevel, state.parties[3].missionValue),
              std::make_tuple(1, 2));
}

}  // namespace
}  // namespace orrowvale::testing
