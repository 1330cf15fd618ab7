#include "city/pub.h"

#include "city/adventurertalk.h"
#include "city/pubpatrons.h"
#include "game/scripts/scriptfixture.h"
#include "guild/fame.h"

namespace orrowvale::testing {
namespace {

class Pub : public ScriptTest {
  protected:
    void SetUp() override {
        state.currentCity = 2;
        state.characterNumber = 1;
    }
    TAdven& adventurer(int number, const char* name = "소라") {
        TAdven& a = state.adventurers[number];
        a.name = name;
        a.familyName = "한";
        a.location = 2;
        a.adventurerClass = kThief;
        a.weapon1 = 420;
        a.stats.fill(4);
        return a;
    }
    void gossip(const char* text) { dir.write("data\\gossip\\gossip.txt", text); }
};

TEST_F(Pub, DrinkAnswersFollowTheRollAndAbilitiesOfFiveOrMore) {
    struct Case {
        int roll;
        const char* atFour;
        const char* atFive;  // the same answer unless the roll asks about an ability
    };
    const Case cases[] = {
        {1, "이거, 고맙습니다!", nullptr},
        {10, "이거, 고맙습니다!", nullptr},
        {11, "우왓, 술이다!", nullptr},
        {30, "저는 이래봬도 쇼트보우에는 자신있습니다.", nullptr},
        {31, "술을 사시는 겁니까? 감사합니다.", nullptr},
        {41, "저는 지능은 그저 그런 수준입니다.", "저는 지능에는 자신있습니다."},
        {50, "저는 지혜는 그저 그런 수준입니다.", "저는 지혜에는 자신있습니다."},
        {51, "저는 민첩은 그저 그런 수준입니다.", "저는 민첩에는 자신있습니다."},
        {60, "저는 지도력은 그저 그런 수준입니다.", "저는 지도력에는 자신있습니다."},
        {61, "저는 건강은 그저 그런 수준입니다.", "저는 건강에는 자신있습니다."},
        {70, "저는 힘은 그저 그런 수준입니다.", "저는 힘에는 자신있습니다."},
        {71, "좋은 술이군요.", nullptr},
        {81, "감사합니다. 한잔 하시죠.", nullptr},
        {85, "감사합니다. 한잔 하시죠.", nullptr},
        {86, "한턱 내시는 겁니까? 오늘은 운이 좋군!", nullptr},
        {100, "한턱 내시는 겁니까? 오늘은 운이 좋군!", nullptr},
    };
    TAdven four = adventurer(1);
    TAdven five = four;
    five.stats.fill(5);
    for (const Case& c : cases) {
        EXPECT_EQ(drinkAnswer(four, c.roll), c.atFour) << c.roll;
        EXPECT_EQ(drinkAnswer(five, c.roll), c.atFive ? c.atFive : c.atFour) << c.roll;
    }
    // Only the asked ability counts: a strong but dull adventurer is modest about wits.
    five.stats.fill(4);
    five.stat(kStrength) = 9;
    EXPECT_EQ(drinkAnswer(five, 45), "저는 지능은 그저 그런 수준입니다.");
    EXPECT_EQ(drinkAnswer(five, 66), "저는 힘에는 자신있습니다.");
}

TEST_F(Pub, ADrinkCostsOneGoldEvenBelowZeroAndShowsAtOnce) {
    adventurer(5);
    state.gold = 0;
    dice.queueD100({75});
    EXPECT_EQ(buyDrink(game, 5), "좋은 술이군요.");
    EXPECT_EQ(state.gold, -1);
    EXPECT_EQ(presenter.refreshes(), 1);
    EXPECT_EQ(state.adventurers[5].stats, (std::array<std::uint8_t, 6>{4, 4, 4, 4, 4, 4}));
}

TEST_F(Pub, ConversationOpensWithNameAndFamilyAndNamesTheClass) {
    const TAdven& a = adventurer(3);
    EXPECT_EQ(greetingText(a), "안녕하십니가?\n제 이름은 소라이고 한가의 사람입니다.");
    EXPECT_EQ(classAnswer(a), "제 직업은 도적입니다.");
}

TEST_F(Pub, AnAdventurerJoinsAtTenTimesItsAbilitiesInTheFirstFreeEntry) {
    adventurer(40).stats = {5, 4, 4, 4, 4, 4};  // a total of 25: 250 fame needed
    state.guildRoster[1][1] = 7;
    state.guildRoster[1][2] = 8;
    state.guildRoster[1][4] = 9;
    state.adventureFame = 100;
    state.politicalFame = 100;
    state.covertFame = 49;
    EXPECT_EQ(askToJoin(state, 40), JoinOutcome::Declined);
    EXPECT_EQ(state.guildRoster[1][3], 0);
    EXPECT_EQ(state.adventurers[40].isGuildMember, 0);

    state.covertFame = 50;
    EXPECT_EQ(joinRefusal(state, 40), std::nullopt);
    EXPECT_EQ(askToJoin(state, 40), JoinOutcome::Joined);
    EXPECT_EQ(state.guildRoster[1][3], 40) << "the first empty entry from the top of the list";
    EXPECT_EQ(state.adventurers[40].isGuildMember, 1);
    EXPECT_EQ(state.adventurers[40].location, 2);
    EXPECT_EQ(state.adventureFame + state.politicalFame + state.covertFame, 250)
        << "fame is a threshold, never spent";
    EXPECT_EQ(joinRefusal(state, 40), kAlreadyMember);
    EXPECT_EQ(askToJoin(state, 40), JoinOutcome::Refused);
}

TEST_F(Pub, AFullMemberListTakesNobodyAndSaysSo) {
    adventurer(40);
    state.adventureFame = 5000;
    for (int entry = 1; entry <= 999; ++entry)
        state.guildRoster[1][entry] = 1;
    EXPECT_EQ(firstFreeMemberEntry(state), 0);
    EXPECT_EQ(joinRefusal(state, 40), kMemberListFull);
    EXPECT_EQ(askToJoin(state, 40), JoinOutcome::Refused);
    EXPECT_EQ(state.guildRoster[1][1000], 0) << "the last entry is not for recruits";
    EXPECT_EQ(state.adventurers[40].isGuildMember, 0);
}

TEST_F(Pub, OnlyIdleStrangersOfTheCityMayBeInThePub) {
    state.mainchrnum = 2;
    adventurer(1);
    adventurer(2, "길드장");
    adventurer(3).busyFlag = 1;
    adventurer(4).location = 3;
    adventurer(5).name = kNone;
    adventurer(6);
    adventurer(7).isGuildMember = 1;
    state.guildRoster[1][1] = 7;
    // One d100 for each of 1, 6 and 7; 30 or less is present.
    dice.queueD100({30, 31, 1});
    EXPECT_EQ(rollPresentAdventurers(state, dice), (std::vector<int>{1, 7}));
    EXPECT_EQ(dice.queued(), 0u);
}

TEST_F(Pub, ARumourIsTheTextBetweenItsStartLineAndTheNext) {
    gossip("3\n:start\n첫 소문\n:start\n둘째 소문\n둘째 줄\n:start\n셋째 소문\n:start\n");
    dice.queue({1});
    EXPECT_EQ(pickRumour(paths, dice), "둘째 소문\n둘째 줄\n");
    dice.queue({2});
    EXPECT_EQ(pickRumour(paths, dice), "셋째 소문\n");

    gossip("1\n:start\n하나뿐인 소문\n:start\n");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(pickRumour(paths, dice), "하나뿐인 소문\n");
}

TEST_F(Pub, ACountBeyondTheRumoursTellsOnlyThosePresent) {
    gossip("9\n:start\n첫 소문\n:start\n둘째 소문\n:start\n\n");
    dice.queue({1});  // a roll of two among the two rumours there are
    EXPECT_EQ(pickRumour(paths, dice), "둘째 소문\n");
}

TEST_F(Pub, AGossipFileWithoutRumoursOrMissingNamesTheFile) {
    EXPECT_EQ(failure([&] { pickRumour(paths, dice); }),
              (std::pair<std::string, int>{"data/gossip/gossip.txt", 0}));
    for (const char* text : {"0\n:start\n소문\n:start\n", "2\n소문만 있고 표시가 없다\n"}) {
        gossip(text);
        EXPECT_EQ(failure([&] { pickRumour(paths, dice); }),
                  (std::pair<std::string, int>{"data/gossip/gossip.txt", 1}))
            << text;
    }
}

TEST_F(Pub, TheStoryCharactersPubEventsRunOnOpeningAndAfterTheRumour) {
    EXPECT_EQ(pubEventFile(state), "pubevent1.evn");
    dir.write("data\\pubevent1.evn", "[START]\n-optend-\n:gp\n3\n[END]\n");
    gossip("1\n:start\n소문\n:start\n");
    openPub(game);
    EXPECT_EQ(state.gold, 3);
    hearRumour(game);
    EXPECT_EQ(state.gold, 6);
    EXPECT_EQ(presenter.lines(), (std::vector<std::string>{"inform: 소문\\n"}));
    returnToPub(game);
    EXPECT_EQ(state.gold, 9);

    state.characterNumber = 0;
    EXPECT_EQ(failure([&] { openPub(game); }),
              (std::pair<std::string, int>{"data/pubevent0.evn", 0}));
}

TEST_F(Pub, TheCitysOwnPubSpeaksFirstOnlyThereAndItsExitfileEndsTheVisit) {
    EXPECT_EQ(cityPubEventFile(state), "pub\\02.evn");
    dir.write("data\\pubevent1.evn", "[START]\n-optend-\n:gp\n1\n[END]\n");
    dir.write("data\\pub\\02.evn", "[START]\n-optend-\n:dlg\n바람언덕 주인\n[END]\n");
    openPub(game);
    EXPECT_EQ(presenter.lines(), (std::vector<std::string>{"inform: 바람언덕 주인"}));
    EXPECT_EQ(state.gold, 1);

    state.currentCity = 12;  // no pub file of its own: only the story character's events
    EXPECT_EQ(cityPubEventFile(state), "pub\\12.evn");
    returnToPub(game);
    EXPECT_EQ(presenter.lines().size(), 1u);
    EXPECT_EQ(state.gold, 2);

    state.currentCity = 2;
    dir.write("data\\pub\\02.evn", "[START]\n-optend-\n:gp\n5\n:exitfile\n[END]\n");
    returnToPub(game);
    EXPECT_EQ(state.gold, 7);
}

TEST(FameBars, ValuesPastEitherEndShowAtThatEndAndStayAsTheyAre) {
    GameState state;
    state.adventureFame = 6000;
    state.politicalFame = -5;
    state.covertFame = 1234;
    const FameBars bars = fameBars(state);
    EXPECT_EQ(bars.adventure, 5000);
    EXPECT_EQ(bars.political, 0);
    EXPECT_EQ(bars.covert, 1234);
    EXPECT_EQ(state.adventureFame, 6000);
    EXPECT_EQ(state.politicalFame, -5);
}

TEST(FameBars, TheWindowSaysWhatRecruitingAndTheNextBranchNeed) {
    GameState state;
    state.adventureFame = 30;
    state.politicalFame = 8;
    EXPECT_EQ(fameNeeds(state),
              (std::vector<std::string>{
                  "영입: 세 명성의 합(지금 38)이 모험가 능력의 10배 이상이어야 합니다.",
                  "길드 지부: 정치 명성 100 이상이 필요합니다(지금 8)."}));
}

}  // namespace
}  // namespace orrowvale::testing
