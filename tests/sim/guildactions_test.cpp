// The scripted player in the guild and equipment windows, on a saved game built
// here and loaded by the real simulator.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game.h"
#include "game/testfiles.h"
#include "lifecycle/createworld.h"
#include "lifecycle/savegame.h"
#include "parties/party.h"
#include "sim/simrun.h"
#include "transcript.h"
#include "world/adventurer.h"
#include "world/dice.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

std::vector<std::string> runSim(const testing::TempGameDir& dir, const std::string& actions) {
    return testing::runSim("--game-dir " + dir.root().string() + " --seed 4 --load 1 " +
                           testing::actionsArgument(dir.root(), actions))
        .lines;
}

class ScriptedGuild : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy(testing::sampleWorld().gameDirectory(), dir.root(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        GameState state;
        const GamePaths paths = dir.paths();
        Dice dice(5);
        TranscriptPresenter presenter;
        Game game(state, paths, dice, presenter);
        createRandomWorld(game);
        // Only the main character is left of the starting members.
        state.guildRoster[1].fill(0);
        addGuildMember(state, state.mainchrnum);

        TAdven member = state.mainCharacter();
        member.name = "보람";
        member.familyName = "윤";
        member.helmet = 0;
        memberNumber = addAdventurer(state, member);
        addGuildMember(state, memberNumber);
        TAdven stranger = member;
        stranger.name = "나그네";
        strangerNumber = addAdventurer(state, stranger);  // not in the guild

        TParty& home = state.parties[1];
        home.inUse = true;
        home.partyName = "본대";
        home.location = state.currentCity;
        home.leader = memberNumber;
        home.partyItem = 6;
        addMember(state, 1, memberNumber);
        TParty& away = state.parties[2];
        away.inUse = true;
        away.partyName = "원정대";
        away.location = state.currentCity;
        away.onMission = true;
        state.guildItems.fill(0);
        state.guildItems[3] = 4;
        saveGame(state, paths, 1);
        mainName = fullName(state.mainCharacter());
        mainNumber = state.mainchrnum;
        cityName = state.cityNames[state.currentCity];
    }
    testing::TempGameDir dir;
    int memberNumber = 0;
    int strangerNumber = 0;
    std::string mainName;
    int mainNumber = 0;
    std::string cityName;
};

TEST_F(ScriptedGuild, TheOverviewListsEveryPartyWithWhatItIsDoing) {
    const std::vector<std::string> lines = runSim(dir, "overview\n");
    EXPECT_EQ(testing::printedAfter(lines, "overview"),
              (std::vector<std::string>{
                  "list[overviewlist]: 1 1. 본대, 1명, 리더 윤보람, " + cityName + ", 대기 중, -",
                  "list[overviewlist]: 2 2. 원정대, 0명, 리더 없음, " + cityName + ", 퀘스트, -"}));
}

TEST_F(ScriptedGuild, ListsThePanelsAndMovesItems) {
    const std::string member = std::to_string(memberNumber);
    const std::vector<std::string> lines =
        runSim(dir, "guild\nbranch\ninfo " + member + "\ninfo " + std::to_string(strangerNumber) +
                        "\npartyinfo 1\npartyinfo 3\nequipment\nequip 2 3\nequip 1 4\nequip 1 3\n"
                        "unequip 1\nunequip 1\ndiscard 1\ndiscard 1\n");
    // The member is the main character's copy: the same class and abilities.
    const auto row = [](const std::string& number, const std::string& name) {
        return "list[guildadvlist]: " + number + " " + number + ". " + name + ", 전사, 능력 22";
    };
    const std::vector<std::string> guild = {
        row(member, "윤보람"), row(std::to_string(mainNumber), mainName),
        "list[taskpartylist]: 1 본대", "list[taskpartylist]: 2 원정대"};
    EXPECT_EQ(testing::printedAfter(lines, "guild"), guild);
    EXPECT_EQ(testing::printedAfter(lines, "branch"), guild)
        << "a branch here opens the guild window";

    const std::vector<std::string> info = testing::printedAfter(lines, "info " + member);
    ASSERT_EQ(info.size(), 15u);
    EXPECT_TRUE(info[0] == "label[namelabel]: 이름: 윤보람") << info[0];
    EXPECT_EQ(info[14], "label[helmetlabel]: 투구 미착용");
    EXPECT_EQ(testing::printedAfter(lines, "info " + std::to_string(strangerNumber)),
              std::vector<std::string>{"refused: not offered"});

    const std::vector<std::string> party = testing::printedAfter(lines, "partyinfo 1");
    ASSERT_EQ(party.size(), 6u);
    EXPECT_EQ(party[0], "label[namelabel]: 파티명: 본대");
    EXPECT_EQ(party[5], "label[itemlabel]: 장비: 드래곤 슬레이어");
    EXPECT_EQ(testing::printedAfter(lines, "partyinfo 3"),
              std::vector<std::string>{"refused: not offered"});

    // The party on a mission is not offered for equipment.
    EXPECT_EQ(testing::printedAfter(lines, "equipment"),
              (std::vector<std::string>{"list[partylist]: 1 본대", "list[itemlist]: 3 드래곤의 빛",
                                        "label[pitemla]: 아이템 없음"}));
    EXPECT_EQ(testing::printedAfter(lines, "equip 2 3"),
              std::vector<std::string>{"refused: not offered"});
    EXPECT_EQ(testing::printedAfter(lines, "equip 1 4"),
              std::vector<std::string>{"refused: not offered"});
    EXPECT_EQ(testing::printedAfter(lines, "equip 1 3"),
              (std::vector<std::string>{"list[itemlist]: 3 드래곤 슬레이어",
                                        "label[pitemla]: 드래곤의 빛"}));
    const std::vector<std::string> unequipped = {"list[itemlist]: 1 드래곤의 빛",
                                                 "list[itemlist]: 3 드래곤 슬레이어",
                                                 "label[pitemla]: 아이템 없음"};
    EXPECT_EQ(testing::printedAfter(lines, "unequip 1"), unequipped);
    // Pressed again, there is nothing to take off.
    EXPECT_EQ(
        std::count(lines.begin(), lines.end(), "refused: 이 파티는 장착한 아이템이 없습니다."), 1);
    EXPECT_EQ(testing::printedAfter(lines, "discard 1"),
              std::vector<std::string>{"list[itemlist]: 3 드래곤 슬레이어"});
    // The second "discard 1" finds the slot empty.
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "refused: not offered"), 5);
}

// Random play on seed 5 offers two contracts in 은빛나루; a click on a row shows its
// reward before anything is taken.
TEST(ScriptedTradingPost, ChoosingAContractShowsItsRewardAsTheWindowDoes) {
    testing::TempGameDir dir;
    const std::vector<std::string> lines =
        testing::runSim("--game-dir " ORROWVALE_GAME_DIR " --seed 5 --new random " +
                        testing::actionsArgument(dir.root(), "trade 1\ntrade 20\n"))
            .lines;
    const std::vector<std::string> offered = {"list[clist]: 1 왕실 우편물, 보수: 120, 2턴",
                                              "list[clist]: 2 염장 생선, 보수: 150, 3턴"};
    std::vector<std::string> chosen = offered;
    chosen.push_back("label[cfeelabel]: 보수: 120gp, 명성 10 (짐을 잃으면 0)");
    chosen.push_back("label[cwherelabel]: 장소: 은빛나루");
    chosen.push_back("label[cturnslabel]: 기간: 2턴");
    chosen.push_back("label[crisklabel]: 위험: 맡을 파티 없음");
    EXPECT_EQ(testing::printedAfter(lines, "trade 1"), chosen);
    std::vector<std::string> notOffered = offered;
    notOffered.push_back("refused: not offered");
    EXPECT_EQ(testing::printedAfter(lines, "trade 20"), notOffered);
}

}  // namespace
}  // namespace orrowvale
