#include "parties/risk.h"

#include <gtest/gtest.h>

#include "game/parties/missionfixture.h"
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
    std::string questRisk(int party) {
        const auto risk = errandRisk(game, party, Errand::Quest, 1, 1);
        return risk ? riskText(*risk) : "none";
    }
};

TEST_F(Risk, AQuestsRiskComesFromItsFightsTheirChanceAndItsTurns) {
    formParty(1, {1, 2});
    writeQuest(0, -100000);
    EXPECT_EQ(questRisk(1), "낮음 (0%)");
    // A bout kills when the monster's roll beats the party's by a hundred: at exactly
    // that much more attack, 50.5 % a bout; beaten at once, the fight is one bout.
    // Met in 40 % of four turns: 1 - (1 - 0.4 * 0.505)^4.
    writeQuest(partyDefenceRating(state, 1) + 100, -100000);
    EXPECT_EQ(questRisk(1), "매우 높음 (59%)");
    writeQuest(100000, 100000);  // met, it kills: four draws of 40 %
    EXPECT_EQ(questRisk(1), "매우 높음 (87%)");

    const auto outline = errandOutline(game, 1, Errand::Quest, 1, 1);
    ASSERT_TRUE(outline);
    EXPECT_EQ(outline->length, 4);
    EXPECT_EQ(outline->reward.gold, 100);
    EXPECT_EQ(outline->reward.fame, 13) << "the fame of the fight and of the file";

    state.quests[1].active = 0;
    EXPECT_EQ(questRisk(1), "none") << "a closed quest has no risk to show";
    EXPECT_EQ(riskLevelFor(0.049), RiskLevel::Low);
    EXPECT_EQ(riskLevelFor(0.05), RiskLevel::Moderate);
    EXPECT_EQ(riskLevelFor(0.2), RiskLevel::High);
    EXPECT_EQ(riskLevelFor(0.5), RiskLevel::VeryHigh);
}

TEST_F(Risk, ADungeonCountsOnlyItsCertainMonstersOnALevelNotYetPassed) {
    formParty(1, {1});
    dir.write("data\\monster\\m.txt", "1\n용\n100000\n100000\n1\n");
    dir.write("data\\dungeon\\d.txt", "2\n[START]\n1\n50\nmonster\\m.txt\nx.scn\n[END]\n");
    state.dungeonSites[1][1] = {"동굴", "dungeon\\d.txt", 1, 0};
    EXPECT_EQ(errandRisk(game, 1, Errand::Dungeon, 1, 1)->level, RiskLevel::Low);
    state.dungeonSites[1][1].deepestLevel = 2;  // passed before: the dragon comes half the time
    EXPECT_EQ(errandRisk(game, 1, Errand::Dungeon, 1, 1)->level, RiskLevel::VeryHigh);
}

TEST_F(Risk, ATransportsRiskIsItsAmbushDrawsOverItsTurns) {
    formParty(1, {1});  // transport rating 8
    TradeGood good{"소금", 100, 5, 0, 2};
    // Ambushed when 8 < x - 4 + 5, x drawn from 0..9: x = 8 or 9, twice.
    EXPECT_EQ(riskText(transportRisk(state, 1, good)), "높음 (36%)");
    good.ambushRisk = 0;
    EXPECT_EQ(riskText(transportRisk(state, 1, good)), "낮음 (0%)");
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
