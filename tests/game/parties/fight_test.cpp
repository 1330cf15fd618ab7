#include "parties/fight.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "game.h"
#include "game/testfiles.h"
#include "parties/party.h"
#include "transcript.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

using Lines = std::vector<std::string>;

// Warriors worth 80 defence and 83 attack each in the front row, led by member 1,
// in party 1 named "늑대", on a mission.
class FightTest : public ::testing::Test {
  protected:
    void formParty(std::initializer_list<int> members) {
        TParty& p = state.parties[1];
        p.inUse = true;
        p.onMission = true;
        p.partyName = "늑대";
        p.leader = *members.begin();
        for (int n : members) {
            TAdven& a = state.adventurers[n];
            a.name = "전사" + std::to_string(n);
            a.adventurerClass = kWarrior;
            a.stats = {6, 3, 4, 5, 9, 7};
            a.weapon1 = 110;
            a.armour = kPlateArmour;
            a.helmet = kHelmetWorn;
            a.location = 2;
            ASSERT_NE(addMember(state, 1, n), std::nullopt);
        }
    }

    static TMonster monster(int attack, int defence, int fame = 0) {
        TMonster m;
        m.monsterName = "오크";
        m.attack = attack;
        m.defence = defence;
        m.fameReward = fame;
        return m;
    }

    static std::string died(int n) {
        return "inform: 전사" + std::to_string(n) + "이(가) 모험 도중 사망했습니다.";
    }

    testing::TempGameDir dir;
    GamePaths paths = dir.paths();
    GameState state;
    Dice dice{7};
    TranscriptPresenter presenter;
    Game game{state, paths, dice, presenter};
};

TEST_F(FightTest, EveryHundredOfDefenceShortfallCostsOneMember) {
    struct Case {
        int shortfall;
        int deaths;
    };
    for (Case c : {Case{99, 0}, Case{100, 1}, Case{250, 2}}) {
        state = GameState{};
        formParty({1, 2, 3});
        presenter.clear();
        // Defence 240 + 50 against attack + 50, the victims (always the first member
        // left), then an attack roll that cannot win.
        dice.queueD100({50, 50});
        for (int i = 0; i < c.deaths; ++i)
            dice.queue({0});
        dice.queueD100({1, 100});
        MeetingResult result =
            meetMonster(game, 1, monster(240 + c.shortfall, 10000), FightWording::Dungeon);
        EXPECT_FALSE(result.beaten || result.wipedOut);
        EXPECT_EQ(memberCount(state, 1), 3 - c.deaths) << "shortfall " << c.shortfall;
        EXPECT_EQ(presenter.lines().size(), static_cast<std::size_t>(c.deaths));
        EXPECT_EQ(dice.queued(), 0u);
    }
}

TEST_F(FightTest, TheFallenLeaderIsFollowedByTheLowestOccupiedSlot) {
    formParty({9, 4, 5, 6});
    removeMember(state, 1, 9);
    state.parties[1].leader = 5;
    dice.queue({1});  // the second of the three members: slot 3
    killOneMember(game, 1);
    EXPECT_EQ(state.parties[1].members[3], 0);
    EXPECT_EQ(positionOf(state, 1, 3), std::nullopt);
    EXPECT_EQ(state.parties[1].leader, 4);
    EXPECT_EQ(presenter.lines(), Lines{died(5)});
    // The slot is free for someone new; the rest of the record stays as it was.
    EXPECT_TRUE(state.adventurers[5].isFree());
    EXPECT_EQ(state.adventurers[5].location, 0);
    EXPECT_EQ(state.adventurers[5].adventurerClass, kWarrior);
}

TEST_F(FightTest, TheLastDeathDisbandsThePartyAndLosesItsItem) {
    formParty({3});
    state.parties[1].partyItem = 6;
    state.parties[1].missionGold = 700;
    // A shortfall of 300 would kill three, but there is only one to kill and no
    // attack roll after the party is gone.
    dice.queueD100({1, 100});
    dice.queue({0});
    MeetingResult result = meetMonster(game, 1, monster(400, 0), FightWording::Dungeon);
    EXPECT_TRUE(result.wipedOut && !result.beaten);
    EXPECT_EQ(dice.queued(), 0u);
    EXPECT_EQ(presenter.lines(), (Lines{died(3), "inform: 파티 늑대가 전멸했습니다."}));

    const TParty& p = state.parties[1];
    EXPECT_FALSE(p.inUse || p.onMission);
    EXPECT_EQ(p.partyItem, 0);
    EXPECT_EQ(p.missionGold, 700);
}

TEST_F(FightTest, ABeatenMonsterIsReportedAndPaysItsFame) {
    formParty({1});
    state.adventureFame = 10;
    dice.queueD100({100, 1, 100, 99});  // 83 + 100 against 84 + 99
    EXPECT_TRUE(meetMonster(game, 1, monster(0, 84, 5), FightWording::Dungeon).beaten);
    dice.queueD100({100, 1, 100, 1});
    EXPECT_TRUE(meetMonster(game, 1, monster(0, 84, 7), FightWording::Script).beaten);
    EXPECT_EQ(presenter.lines(),
              (Lines{"inform: 파티 늑대가 모험 도중 오크들을 격퇴했다는 소문입니다.",
                     "inform: 파티 늑대가 모험 도중 오크(들)을 격퇴했다는 소문입니다."}));
    EXPECT_EQ(state.adventureFame, 22);

    state.adventureFame = std::numeric_limits<std::int32_t>::max() - 5;
    dice.queueD100({100, 1, 100, 1});
    meetMonster(game, 1, monster(0, 0, 100), FightWording::Dungeon);
    EXPECT_EQ(state.adventureFame, std::numeric_limits<std::int32_t>::max());
}

TEST_F(FightTest, TheMainCharacterFallsOnceAndTheGameEnds) {
    dir.write("data\\common\\death.txt", "머리말\n&start\n길이 끝났다.\n&end\n");
    formParty({1, 2});
    state.mainchrnum = 1;

    dice.queue({0});
    killOneMember(game, 1);
    EXPECT_TRUE(game.mainCharacterDied);
    EXPECT_EQ(presenter.lines(), Lines{"ending: 길이 끝났다."});
    EXPECT_EQ(state.adventurers[1].busyFlag, 0);
    EXPECT_EQ(state.parties[1].members[1], 1) << "he keeps his slot";
    EXPECT_EQ(positionOf(state, 1, 1), std::nullopt) << "but not his place";
    EXPECT_EQ(state.parties[1].members[2], 2);

    dice.queue({0, 1});  // drawn again: nothing more happens to him
    killOneMember(game, 1);
    killOneMember(game, 1);
    EXPECT_EQ(presenter.lines(), (Lines{"ending: 길이 끝났다.", died(2)}));
    EXPECT_TRUE(state.parties[1].inUse) << "the fallen main character is still counted";

    // Alone and already dead, he can neither die again nor stall a meeting.
    dice.queueD100({1, 100, 1, 100});
    MeetingResult result = meetMonster(game, 1, monster(100000, 100000), FightWording::Dungeon);
    EXPECT_FALSE(result.wipedOut);
    EXPECT_EQ(dice.queued(), 0u);
    EXPECT_EQ(scriptFight(game, 1, "용", 100000, 100000, 0), FightOutcome::Undecided);
    EXPECT_EQ(presenter.endings(), 1);
}

TEST_F(FightTest, AnUnreadableEndingStillEndsTheGame) {
    formParty({1, 2});
    state.mainchrnum = 2;
    dice.queue({1});
    killOneMember(game, 1);
    EXPECT_TRUE(game.mainCharacterDied);
    EXPECT_EQ(presenter.lines(), Lines{"ending: "});
}

TEST_F(FightTest, AScriptFightGoesOnUntilWonLostOrStalled) {
    formParty({1, 2});
    EXPECT_EQ(scriptFight(game, 1, "고블린", 0, 0, 3), FightOutcome::Won);
    EXPECT_EQ(state.adventureFame, 3);

    // Neither side can hurt the other: the party withdraws after the last bout, with
    // one roll of the queue left over.
    presenter.clear();
    for (int roll = 0; roll <= 4 * kMaxFightBouts; ++roll)
        dice.queueD100({50});
    EXPECT_EQ(scriptFight(game, 1, "골렘", 0, 100000, 50), FightOutcome::Undecided);
    EXPECT_EQ(dice.queued(), 1u);
    dice.d100();
    EXPECT_EQ(presenter.lines(), Lines{"inform: 파티 늑대가 골렘과의 싸움에서 승부를 내지 못하고 "
                                       "물러났습니다."});
    EXPECT_EQ(memberCount(state, 1), 2);

    presenter.clear();
    EXPECT_EQ(scriptFight(game, 1, "드래곤", 100000, 100000, 50), FightOutcome::Lost);
    EXPECT_EQ(presenter.lines().back(), "inform: 파티 늑대가 전멸했습니다.");
    EXPECT_EQ(state.adventureFame, 3);

    // Without a party there is nothing to fight with, and no dice are thrown.
    presenter.clear();
    dice.queue({5});
    EXPECT_EQ(scriptFight(game, 0, "드래곤", 1, 1, 1), FightOutcome::Undecided);
    EXPECT_EQ(scriptFight(game, 1, "드래곤", 1, 1, 1), FightOutcome::Undecided);
    EXPECT_EQ(dice.queued(), 1u);
    EXPECT_TRUE(presenter.lines().empty());
}

TEST_F(FightTest, AMonsterFileGivesTheRecordTheRollPicks) {
    dir.write("data\\monster\\cave.txt",
              "3\n고블린\n10\n20\n1\n오크\n30\n40\n2\n트롤\n50\n60\n3\n");
    for (int pick : {2, 0}) {
        dice.queue({pick});
        TMonster m = loadMonster(game, "monster\\cave.txt");
        EXPECT_EQ(m.monsterName, pick == 2 ? "트롤" : "고블린");
        EXPECT_EQ(m.attack + m.defence + m.fameReward, pick == 2 ? 113 : 31);
    }

    dir.write("data\\monster\\bad.txt", "2\n고블린\n10\n20\n1\n오크\n30\n");
    dice.queue({1});
    try {
        loadMonster(game, "monster\\bad.txt");
        ADD_FAILURE() << "a record cut short was accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.file(), "data/monster/bad.txt");
        EXPECT_EQ(e.line(), 8);
    }

    // One record is still a roll of one: later draws of a seeded game keep their place.
    dir.write("data\\monster\\one.txt", "1\n슬라임\n1\n2\n3\n");
    dice.queue({0});
    EXPECT_EQ(loadMonster(game, "monster\\one.txt").monsterName, "슬라임");
    EXPECT_EQ(dice.queued(), 0u) << "a single record is drawn like any other";

    dice.queue({0});

    dir.write("data\\monster\\empty.txt", "0\n");
    for (const char* file : {"monster\\missing.txt", "monster\\empty.txt"}) {
        TMonster harmless = loadMonster(game, file);
        EXPECT_EQ(harmless.monsterName, "None") << file;
        EXPECT_EQ(harmless.attack + harmless.defence + harmless.fameReward, 0) << file;
    }
    EXPECT_EQ(dice.queued(), 1u);
}

}  // namespace
}  // namespace orrowvale
