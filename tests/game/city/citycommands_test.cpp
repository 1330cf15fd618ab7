#include "city/citycommands.h"

#include "game/scripts/scriptfixture.h"

namespace orrowvale::testing {
namespace {

class CityCommands : public ScriptTest {
  protected:
    void SetUp() override {
        state.cityCount = 5;
        state.cityNames[3] = "푸른여울";
        state.currentCity = 3;
    }
};

TEST_F(CityCommands, BranchNeedsOneHundredFameThenTwoHundredMorePerBranch) {
    struct Case {
        int branchesOpen;
        int fame;
        BranchOffer outcome;
    };
    const Case cases[] = {
        {0, 99, BranchOffer::Refused},  {0, 100, BranchOffer::Opened},
        {1, 299, BranchOffer::Refused}, {1, 300, BranchOffer::Opened},
        {2, 499, BranchOffer::Refused}, {2, 500, BranchOffer::Opened},
    };
    for (const Case& c : cases) {
        state.guildBranches.fill(0);
        for (int city = 1; city <= c.branchesOpen; ++city)
            state.guildBranches[city] = 1;
        state.politicalFame = c.fame;
        presenter.clear();
        EXPECT_EQ(offerGuildBranch(game), c.outcome) << c.branchesOpen << " " << c.fame;
        EXPECT_EQ(state.guildBranches[3], c.outcome == BranchOffer::Opened ? 1 : 0);
        EXPECT_EQ(state.politicalFame, c.fame) << "fame is a threshold, never spent";
        const std::string told =
            c.outcome == BranchOffer::Opened
                ? "inform: 푸른여울에 새로운 길드 지부가 생겼습니다."
                : std::string("inform: ") + kBranchRefused + "\\n" + branchFameNeededText(state);
        EXPECT_EQ(presenter.lines().back(), told);
    }
    // The refusal says what a branch needs and what the guild has.
    state.guildBranches.fill(0);
    state.guildBranches[1] = 1;
    state.politicalFame = 38;
    EXPECT_EQ(branchFameNeededText(state),
              "지부를 열려면 정치 명성 300이(가) 필요합니다. 지금은 38입니다.");
}

TEST_F(CityCommands, BranchOfferAsksNothingWhereABranchStandsAndChangesNothingOnNo) {
    state.guildBranches[3] = 1;
    EXPECT_EQ(offerGuildBranch(game), BranchOffer::HasBranch);
    EXPECT_TRUE(presenter.lines().empty());

    state.guildBranches[3] = 0;
    state.politicalFame = 1000;
    presenter.queueAnswers({false});
    EXPECT_EQ(offerGuildBranch(game), BranchOffer::Declined);
    EXPECT_EQ(state.guildBranches[3], 0);
    EXPECT_EQ(presenter.lines(),
              (std::vector<std::string>{std::string("confirm: ") + kBranchQuestion}));
}

TEST_F(CityCommands, ContactRunsTheFirstExactMatchAndRefusesOthers) {
    dir.write("data\\contact\\list.txt", "노 집사\ncontact\\a.evn\n노 집사\ncontact\\b.evn\n\n");
    dir.write("data\\contact\\a.evn", "[START]\n-optend-\n:gp\n5\n[END]\n");
    EXPECT_TRUE(contactPerson(game, "노 집사"));
    EXPECT_EQ(state.gold, 5);
    for (const char* name : {"노집사", "노 집사 "}) {
        presenter.clear();
        EXPECT_FALSE(contactPerson(game, name)) << name;
        EXPECT_EQ(presenter.lines(),
                  (std::vector<std::string>{std::string("inform: ") + kContactFailed}));
    }
    presenter.clear();
    EXPECT_FALSE(contactPerson(game, "")) << "a cancelled box";
    EXPECT_TRUE(presenter.lines().empty());
}

TEST_F(CityCommands, ContactListCutAfterANameNamesTheFile) {
    dir.write("data\\contact\\list.txt", "노 집사\ncontact\\a.evn\n검은깃털");
    auto [file, line] = failure([&] { contactPerson(game, "아무개"); });
    EXPECT_EQ(file, "data/contact/list.txt");
    EXPECT_EQ(line, 3);
}

}  // namespace
}  // namespace orrowvale::testing
