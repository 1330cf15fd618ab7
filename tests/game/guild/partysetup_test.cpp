#include "guild/partysetup.h"

#include <gtest/gtest.h>

#include "game/scripts/scriptfixture.h"
#include "guild/guildwindow.h"
#include "parties/party.h"

namespace orrowvale::testing {
namespace {

// Guild members 1..5 standing in city 2, where the main character (number 3) is and
// the guild has a branch.
class PartySetup : public ScriptTest {
  protected:
    PartySetup() {
        state.currentCity = 2;
        state.guildBranches[2] = 1;
        state.mainchrnum = 3;
        for (int n = 1; n <= 5; ++n) {
            TAdven& a = state.adventurers[n];
            a.name = std::string("단원") + char('A' + n - 1);
            a.location = 2;
            a.isGuildMember = 1;
        }
    }
    // A chooser that picks `number` and remembers what it offered.
    Chooser pick(std::optional<int> number) {
        return [this, number](const ListRows& rows) {
            offered = rows;
            return number;
        };
    }
    std::optional<int> found(std::optional<int> leader) { return foundParty(game, pick(leader)); }
    std::vector<int> formationOf(int party) {
        const auto& f = state.parties[party].formation;
        return {f.begin(), f.end()};
    }

    ListRows offered;
};

TEST_F(PartySetup, AMemberSwapsWithWhoeverStandsOnTheChosenPositionOrMovesToAnEmptyOne) {
    const int party = found(1).value();
    ASSERT_EQ(party, 1);
    EXPECT_EQ(formationMarks(state, party, 1), (std::array<bool, 9>{true}));
    addToParty(game, party, pick(2));  // B: slot 2, position 2
    addToParty(game, party, pick(4));  // slot 3, position 3
    // C stands at position 5.
    addToParty(game, party, pick(5));
    state.parties[party].formation[4] = 0;
    state.parties[party].formation[5] = 4;

    EXPECT_TRUE(placeMember(state, party, 2, 5));
    EXPECT_EQ(formationOf(party), (std::vector<int>{1, 4, 3, 0, 2, 0, 0, 0, 0}));

    EXPECT_TRUE(placeMember(state, party, 2, 9));
    EXPECT_EQ(formationOf(party), (std::vector<int>{1, 4, 3, 0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(formationMarks(state, party, 2), (std::array<bool, 9>{0, 0, 0, 0, 0, 0, 0, 0, 1}));
    // The grid names everyone where he stands, cut short, and marks the leader.
    state.adventurers[2].name = "바람의아들";
    EXPECT_EQ(formationNames(state, party),
              (std::array<std::string, 9>{"단원A(리더)", "단원E", "단원D", "", "", "", "", "",
                                          "바람의"}));

    EXPECT_TRUE(placeMember(state, party, 2, 9)) << "its own place: nothing moves";
    EXPECT_EQ(formationOf(party), (std::vector<int>{1, 4, 3, 0, 0, 0, 0, 0, 2}));

    // A member who lost his place steps only onto an empty one.
    state.parties[party].formation[9] = 0;
    EXPECT_FALSE(placeMember(state, party, 2, 1));
    EXPECT_TRUE(placeMember(state, party, 2, 6));
    EXPECT_EQ(formationOf(party), (std::vector<int>{1, 4, 3, 0, 0, 2, 0, 0, 0}));
}

TEST_F(PartySetup, APartyAwayKeepsItsMembersLeaderAndFormationButTakesANewName) {
    const int party = found(1).value();
    addToParty(game, party, pick(2));
    const struct {
        bool onMission, travelling;
        const char* reason;
    } cases[] = {{true, false, kPartyOnMission}, {false, true, kPartyTravelling}};
    for (const auto& c : cases) {
        TParty& p = state.parties[party];
        p.onMission = c.onMission;
        p.travelling = c.travelling;
        const TParty before = p;
        for (SetupAction action : {SetupAction::Leader, SetupAction::Add, SetupAction::Remove,
                                   SetupAction::Disband, SetupAction::Place})
            EXPECT_EQ(setupRefusal(state, action, party, 2), c.reason);
        EXPECT_FALSE(placeMember(state, party, 2, 9));
        EXPECT_FALSE(makeLeader(state, party, 2));
        EXPECT_EQ(removeFromParty(game, party, 2), Leaving::Refused);
        EXPECT_FALSE(disbandByPlayer(game, party));
        EXPECT_EQ(addToParty(game, party, pick(3)), std::nullopt);
        EXPECT_EQ(state.parties[party], before);
        EXPECT_TRUE(renameParty(game, party, std::string("먼 길")));
        EXPECT_EQ(state.parties[party].partyName, "먼 길");
    }
}

TEST_F(PartySetup, ButtonsThatNeedAChoiceSayWhatToChooseFirst) {
    const int party = found(1).value();
    EXPECT_EQ(setupRefusal(state, SetupAction::Found, 0, 0), std::nullopt);
    for (SetupAction action :
         {SetupAction::Leader, SetupAction::Info, SetupAction::Rename, SetupAction::Add,
          SetupAction::Remove, SetupAction::Disband, SetupAction::Place, SetupAction::Defence}) {
        EXPECT_EQ(setupRefusal(state, action, 0, 0), kChoosePartyFirst);
        EXPECT_EQ(setupRefusal(state, action, 7, 1), kChoosePartyFirst) << "party 7 is free";
    }
    for (SetupAction action :
         {SetupAction::Leader, SetupAction::Info, SetupAction::Remove, SetupAction::Place}) {
        EXPECT_EQ(setupRefusal(state, action, party, 0), kChooseMemberFirst);
        EXPECT_EQ(setupRefusal(state, action, party, 2), kChooseMemberFirst) << "slot 2 is empty";
        EXPECT_EQ(setupRefusal(state, action, party, 1), std::nullopt);
    }
    for (int n = 2; n <= 5; ++n)
        addToParty(game, party, pick(n));
    for (int n = 6; n <= 9; ++n)
        addMember(state, party, 100 + n);
    EXPECT_EQ(setupRefusal(state, SetupAction::Add, party, 0), kPartyFull);
}

TEST_F(PartySetup, WhereTheCityHasNoBranchNothingCanBeDone) {
    const int party = found(1).value();
    const TParty before = state.parties[party];
    state.guildBranches[2] = 0;
    presenter.clear();
    EXPECT_EQ(partySetupRefusal(state), kNoGuildBranchHere);
    for (SetupAction action : {SetupAction::Leader, SetupAction::Info, SetupAction::Rename,
                               SetupAction::Found, SetupAction::Add, SetupAction::Remove,
                               SetupAction::Disband, SetupAction::Place, SetupAction::Defence})
        EXPECT_EQ(setupRefusal(state, action, party, 1), kNoGuildBranchHere);
    EXPECT_EQ(found(2), std::nullopt);
    EXPECT_EQ(addToParty(game, party, pick(2)), std::nullopt);
    EXPECT_FALSE(renameParty(game, party, std::string("먼 길")));
    EXPECT_EQ(removeFromParty(game, party, 1), Leaving::Refused);
    EXPECT_FALSE(state.parties[2].inUse);
    EXPECT_EQ(state.parties[party], before);
    EXPECT_TRUE(presenter.lines().empty()) << "no chooser opens and nothing is told";
}

TEST_F(PartySetup, TheLastMemberOutDisbandsAndTheLowestFreePartyIsFoundedNext) {
    EXPECT_EQ(found(1), 1);
    EXPECT_EQ(found(2), 2);
    EXPECT_EQ(found(4), 3);
    state.parties[2].partyName = "둘째";
    state.parties[2].leader = 4;  // a leader who is not a member stays leader

    EXPECT_EQ(removeFromParty(game, 1, 1), Leaving::Disbanded);
    EXPECT_FALSE(state.parties[1].inUse);
    // The first row is now party 2: selecting and renaming it reaches party 2.
    const auto rows = partyRows(state);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].number, 2);
    EXPECT_EQ(leaderName(state, rows[0].number), "단원D");
    EXPECT_TRUE(renameParty(game, rows[0].number, std::string("새 이름")));
    EXPECT_EQ(state.parties[2].partyName, "새 이름");
    EXPECT_EQ(state.parties[1].partyName, kNoPartyName);

    // Founded again in the freed slot, led by the chosen one, in the current city.
    state.currentCity = 2;
    EXPECT_EQ(found(1), 1);
    const TParty& p = state.parties[1];
    EXPECT_TRUE(p.inUse);
    EXPECT_EQ(p.leader, 1);
    EXPECT_EQ(p.location, 2);
    EXPECT_EQ(p.members[1], 1);
    EXPECT_EQ(p.formation[1], 1);
    EXPECT_EQ(presenter.lines().front(), std::string("inform: ") + kChooseNewLeader);

    // A cancelled chooser, or someone not offered, founds nothing.
    EXPECT_EQ(found(std::nullopt), std::nullopt);
    EXPECT_EQ(found(2), std::nullopt) << "already in party 2";
    EXPECT_FALSE(state.parties[4].inUse);
}

TEST_F(PartySetup, RenamingKeepsTheNameOnCancelAndNamesNothingOnAnEmptyAnswer) {
    const int party = found(1).value();
    ASSERT_TRUE(renameParty(game, party, std::string("은빛 매")));
    EXPECT_FALSE(renameParty(game, party, std::nullopt));
    EXPECT_EQ(state.parties[party].partyName, "은빛 매");
    EXPECT_TRUE(renameParty(game, party, std::string("  ")));
    EXPECT_EQ(state.parties[party].partyName, kNoPartyName);
    // The save files are CP949, one name a line: such a name could never be saved.
    presenter.clear();
    for (const char* bad : {"매\xF0\x9F\x90\xA6", "둘\n줄"}) {
        EXPECT_FALSE(renameParty(game, party, std::string(bad)));
        EXPECT_EQ(state.parties[party].partyName, kNoPartyName);
    }
    EXPECT_EQ(presenter.lines(),
              (std::vector<std::string>(2, std::string("inform: ") + kBadPartyName)));
}

TEST_F(PartySetup, DisbandingAsksFirstNamingTheParty) {
    const int party = found(1).value();
    state.parties[party].partyName = "새벽 원정대";
    presenter.clear();
    presenter.queueAnswers({false});
    EXPECT_FALSE(disbandByPlayer(game, party));
    EXPECT_TRUE(state.parties[party].inUse);
    EXPECT_EQ(presenter.lines(),
              std::vector<std::string>{"confirm: 파티 새벽 원정대를 해체하시겠습니까?"});
    EXPECT_TRUE(disbandByPlayer(game, party));
    EXPECT_FALSE(state.parties[party].inUse);
}

TEST_F(PartySetup, DisbandingReturnsTheItemToTheFirstFreeShelfAndIsRefusedWhenAllAreFull) {
    const int party = found(1).value();
    addToParty(game, party, pick(2));
    state.parties[party].partyItem = 6;
    state.guildItems.fill(1);
    state.guildItems[40] = 0;
    state.guildItems[70] = 0;
    ASSERT_TRUE(disbandByPlayer(game, party));
    EXPECT_EQ(state.guildItems[40], 6);
    EXPECT_EQ(state.guildItems[70], 0);
    EXPECT_FALSE(state.parties[party].inUse);

    // Full storage: neither "해체" nor the last member's "탈퇴" goes through.
    ASSERT_EQ(found(1), party);
    state.parties[party].partyItem = 7;
    state.guildItems.fill(3);
    const TParty before = state.parties[party];
    presenter.clear();
    EXPECT_FALSE(disbandByPlayer(game, party));
    EXPECT_EQ(removeFromParty(game, party, 1), Leaving::Refused);
    EXPECT_EQ(state.parties[party], before);
    EXPECT_EQ(presenter.lines(),
              (std::vector<std::string>(2, std::string("inform: ") + kNoRoomForItem)));

    // A member who is not the last may leave: the party keeps its item.
    addToParty(game, party, pick(2));
    EXPECT_EQ(removeFromParty(game, party, 1), Leaving::Left);
    EXPECT_EQ(state.parties[party].partyItem, 7);
    EXPECT_EQ(state.parties[party].leader, 1) << "the leader who left stays leader";
}

TEST_F(PartySetup, MembersAndChooserRowsMarkTheMainCharacterAndLeavePartyMembersOut) {
    state.adventurers[6] = state.adventurers[1];  // a guild member elsewhere
    state.adventurers[6].location = 4;
    state.adventurers[7] = state.adventurers[1];  // not a guild member
    state.adventurers[7].isGuildMember = 0;
    const int party = found(1).value();
    addToParty(game, party, pick(3));
    const auto names = [](const auto& rows) {
        std::vector<std::pair<int, std::string>> out;
        for (const auto& row : rows)
            out.emplace_back(row.number, row.text);
        return out;
    };
    using Rows = std::vector<std::pair<int, std::string>>;
    const auto row = [](int number, const std::string& name) {
        return std::to_string(number) + ". " + name + ", -, 능력 0";
    };
    EXPECT_EQ(names(offered), (Rows{{2, row(2, "단원B")},
                                    {3, row(3, "단원C(*)")},
                                    {4, row(4, "단원D")},
                                    {5, row(5, "단원E")}}));
    EXPECT_EQ(names(memberRows(state, party)),
              (Rows{{1, row(1, "단원A")}, {2, row(3, "단원C(*)")}}));
    EXPECT_EQ(names(adventurerChoices(state, 2, 1, true)),
              (Rows{{2, row(2, "단원B")}, {4, row(4, "단원D")}, {5, row(5, "단원E")}}));
    EXPECT_EQ(names(adventurerChoices(state, 2, 1, false)).size(), 5u);
    EXPECT_EQ(names(adventurerChoices(state, 2, 0, false)), (Rows{{7, row(7, "단원A")}}));

    // Members of a disbanded party are free again.
    disbandByPlayer(game, party);
    EXPECT_EQ(adventurerChoices(state, 2, 1, true).size(), 5u);
}

}  // namespace
}  // namespace orrowvale::testing
