#include "guild/guildwindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "guild/adventurerpanel.h"
#include "guild/partypanel.h"
#include "parties/party.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

// The row of a member added by addMemberAt, who has no class and no abilities.
ListRow memberRow(int adventurer) {
    const std::string number = std::to_string(adventurer);
    return {adventurer, number + ". 단원" + number + ", -, 능력 0"};
}

void addMemberAt(GameState& state, int rosterEntry, int adventurer, int city) {
    state.adventurers[adventurer].name = "단원" + std::to_string(adventurer);
    state.adventurers[adventurer].location = city;
    state.guildRoster[1][rosterEntry] = adventurer;
}

TEST(GuildWindow, ListsMembersHereAndEveryPartyWherever) {
    GameState state;
    state.currentCity = 2;
    addMemberAt(state, 5, 40, 2);
    addMemberAt(state, 1, 30, 2);
    addMemberAt(state, 3, 20, 7);  // in another city
    addMemberAt(state, 4, 10, 2);
    removeAdventurer(state.adventurers[10]);  // died since joining
    state.guildRoster[1][6] = 0;
    state.parties[9].inUse = true;
    state.parties[9].location = 7;  // away
    state.parties[9].travelling = true;
    state.parties[4].inUse = true;
    state.parties[4].location = 2;

    GuildLists lists = guildWindowLists(state);
    EXPECT_EQ(lists.members, (ListRows{memberRow(30), memberRow(40)})) << "roster order";
    EXPECT_EQ(lists.parties, (ListRows{{4, kNoPartyName}, {9, kNoPartyName}}));

    // The main character travels to city 7: the member there is listed now.
    state.currentCity = 7;
    lists = guildWindowLists(state);
    EXPECT_EQ(lists.members, (ListRows{memberRow(20)}));
    EXPECT_EQ(lists.parties, (ListRows{{4, kNoPartyName}, {9, kNoPartyName}}));
}

TEST(GuildWindow, OffersThePanelsOfWhatItLists) {
    GameState state;
    state.currentCity = 2;
    addMemberAt(state, 1, 30, 2);
    addMemberAt(state, 2, 31, 5);  // away with party 3
    addMemberAt(state, 3, 32, 5);  // away on its own
    state.parties[3].inUse = true;
    ASSERT_EQ(addMember(state, 3, 31), 1);
    EXPECT_TRUE(guildOffersAdventurer(state, 30));
    EXPECT_TRUE(guildOffersAdventurer(state, 31));
    EXPECT_FALSE(guildOffersAdventurer(state, 32));
    EXPECT_FALSE(guildOffersAdventurer(state, 0));
    EXPECT_TRUE(guildOffersParty(state, 3));
    EXPECT_FALSE(guildOffersParty(state, 4));
    EXPECT_FALSE(guildOffersParty(state, 1001));

    EXPECT_FALSE(hasGuildBranchHere(state));
    state.guildBranches[2] = 1;
    EXPECT_TRUE(hasGuildBranchHere(state));
}

TEST(AdventurerPanel, EveryLabelGetsItsLineAndTheHelmetCountsFromTen) {
    TAdven a;
    a.sex = kFemale;
    a.race = kDwarf;
    a.adventurerClass = kCleric;
    a.alignment = 3;
    a.stats = {1, 2, 3, 4, 5, 7};
    a.weapon1 = 240;
    a.armour = kChainMail;
    const std::vector<PanelLine> lines = adventurerPanelLines(a);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[4].control + "=" + lines[4].text, "algnlabel=이기적");
    EXPECT_EQ(lines[12].control + "=" + lines[12].text, "wp2label=무기2: 없음");
    EXPECT_EQ(lines[14].control, "helmetlabel");

    const std::pair<int, const char*> helmets[] = {
        {0, "투구 미착용"}, {9, "투구 미착용"}, {10, "투구 장착"}, {15, "투구 장착"}};
    for (auto [helmet, text] : helmets) {
        a.helmet = helmet;
        EXPECT_EQ(adventurerPanelLines(a)[14].text, text) << helmet;
    }
}

TEST(PartyPanel, ShowsTheRatingsAndTheCarriedItem) {
    GameState state;
    TAdven& a = state.adventurers[8];
    a.name = "검사";
    a.adventurerClass = kWarrior;
    a.stats = {6, 3, 4, 5, 9, 7};
    a.weapon1 = 110;
    a.armour = kPlateArmour;
    a.helmet = kHelmetWorn;
    TParty& p = state.parties[2];
    p.inUse = true;
    p.partyName = "새벽";
    p.leader = 8;
    ASSERT_EQ(addMember(state, 2, 8), 1);

    std::vector<std::string> texts;
    for (const PanelLine& line : partyPanelLines(state, 2))
        texts.push_back(line.control + "=" + line.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"namelabel=파티명: 새벽", "countslabel=파티 인원: 1",
                                               "piplabel=파티 개인 능력 종합 평가치: 34",
                                               "paplabel=파티 공격 능력 종합 평가치: 83",
                                               "pdplabel=파티 방어 능력 종합 평가치: 80",
                                               "itemlabel=장비: 아이템 없음"}));

    p.partyItem = 6;
    const std::vector<PanelLine> armed = partyPanelLines(state, 2);
    EXPECT_EQ(armed[3].text, "파티 공격 능력 종합 평가치: 233");
    EXPECT_EQ(armed[5].text, "장비: 드래곤 슬레이어");
}

}  // namespace
}  // namespace orrowvale
