#include "parties/risk.h"

#include <gtest/gtest.h>

#include "game/parties/missionfixture.h"
#include "parties/dispatch.h"
#include "parties/fight.h"
#include "parties/party.h"

namespace orrowvale::testing {
namespace {

class Risk : public MissionTest {
  protected:
    // A quest of four counted turns with a fight that comes in 40 % of them.
    void writeQuest(long long attack, long long defence) {
        dir.write("data\\quests\\q.scn", "[START]\n:per\n40\n-optend-\n:fight\n도적\n" +
                                             std::to_string(attack) + "\n" +
                                             std::to_string(defence) + "\n3\n[END]\n" +
                                             "[START]\n:samevar\n11\n4\n-optend-\n"
                                             ":gp\n100\n:famadd\n1\n10\n:stopquest\n[END]\n");
        state.quests[1] = {"도적 소탕", "quests\\q.scn", 1, 0};
    }
};

TEST_F(Risk, TheWordFollowsFixedBandsOfTheChance) {
    EXPECT_EQ(riskLevelFor(0.049), RiskLevel::Low);
    EXPECT_EQ(riskLevelFor(0.05), RiskLevel::Moderate);
    EXPECT_EQ(riskLevelFor(0.2), RiskLevel::High);
    EXPECT_EQ(riskLevelFor(0.5), RiskLevel::VeryHigh);
    EXPECT_EQ(riskText({RiskLevel::High, 0.364}), "높음 (36%)");
}

TEST_F(Risk, SendingTheMainCharacterIntoHighRiskAsksFirst) {
    formParty(1, {1, 2});
    state.mainchrnum = 1;
    writeQuest(100000, 100000);
    presenter.queueAnswers({false});
    EXPECT_FALSE(dispatchParty(game, 1, Errand::Quest, 1, 1));
    EXPECT_FALSE(state.parties[1].onMission);
    EXPECT_EQ(presenter.lines().back(), std::string("confirm: ") + kMainCharacterRiskQuestion);
    EXPECT_TRUE(dispatchParty(game, 1, Errand::Quest, 1, 1));  // answered yes
    EXPECT_TRUE(state.parties[1].onMission);

    // Without him nobody asks.
    formParty(2, {3});
    state.quests[1].active = 1;
    const std::size_t before = presenter.lines().size();
    EXPECT_TRUE(dispatchParty(game, 2, Errand::Quest, 1, 1));
    EXPECT_EQ(presenter.lines().size(), before);
}

TEST_F(Risk, AMainCharacterWhoFallsAloneInAFightIsNotSaidToWithdraw) {
    dir.write("data\\common\\death.txt", "&start\n끝.\n&end\n");
    formParty(1, {1});
    state.mainchrnum = 1;
    dice.queueD100({1, 100});  // his defence roll 1, the monster's 100
    dice.queue({0});           // the victim: him
    EXPECT_EQ(scriptFight(game, 1, "밀수꾼", 1000, 100000, 0), FightOutcome::Lost);
    EXPECT_TRUE(game.mainCharacterDied);
    for (const std::string& line : presenter.lines())
        EXPECT_EQ(line.find("물러났습니다"), std::string::npos) << line;
}

}  // namespace
}  // namespace orrowvale::testing
