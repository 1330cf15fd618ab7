#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "game/scripts/scriptfixture.h"
#include "scripts/scenariorunner.h"

namespace orrowvale::testing {
namespace {

class TradeRefresh : public ScriptTest {
  protected:
    void SetUp() override {
        state.cityCount = 2;
        dir.write("data\\common\\trade.txt", "trade\\1.txt\ntrade\\2.txt\n");
        dir.write("data\\trade\\1.txt", "");
    }
    static std::string carry(int city, const char* name) {
        return ":addcarry\n" + std::to_string(city) + "\n" + name + "\n100\n10\n5\n2\n";
    }
};

TEST_F(TradeRefresh, AFailedBlockIsPassedOverUpToTheNextHoldingOpt) {
    // After a failed "-opt-" even "[END]" is passed over: the block goes on to the
    // next "-opt-", here one outside any "[START]".
    dir.write("data\\trade\\2.txt",
              "[START]\n" + carry(2, "before any opt") + "-opt-\n:per\n0\n-optend-\n" +
                  carry(2, "failed") + "[END]\nnotes\n" + carry(2, "still off") +
                  "-opt-\n-optend-\n" + carry(2, "held") + "[END]\n" + carry(2, "between") +
                  "[START]\n-opt-\n:switch\n&off\n9\n-optend-\n" + carry(2, "second") +
                  "-opt-\n:per\n0\n-optend-\n" + carry(2, "off") + "[END]\n[START]\n" +
                  carry(2, "no opt") + "[END]\n");
    dice.queueD100({1, 1});
    refreshTradeGoods(game);
    EXPECT_EQ(state.tradeGoods[2][1].name, "held");
    EXPECT_EQ(state.tradeGoods[2][2].name, "second");
    EXPECT_EQ(state.tradeGoods[2][3].name, "None");
    EXPECT_EQ(dice.queued(), 0u);
}

TEST_F(TradeRefresh, RunsWithoutAPartyAndKeepsGoodsAlreadyOffered) {
    dir.write("data\\trade\\2.txt", "[START]\n-opt-\n-optend-\n:stopquest\n" + carry(2, "소금"));
    game.currentParty = addParty(1);
    state.tradeGoods[2][1].name = "쌀";
    refreshTradeGoods(game);
    EXPECT_TRUE(state.parties[1].onMission);
    EXPECT_EQ(game.currentParty, 1);
    EXPECT_EQ(state.tradeGoods[2][1].name, "쌀");
    EXPECT_EQ(state.tradeGoods[2][2].name, "소금");
}

TEST_F(TradeRefresh, AMissingListOrTradeFileIsAnErrorNamingIt) {
    auto failure = [&] { return ScriptTest::failure([&] { refreshTradeGoods(game); }).first; };
    EXPECT_EQ(failure(), "data/trade/2.txt");
    dir.write("data\\common\\trade.txt", "trade\\1.txt\n");
    EXPECT_EQ(failure(), "data/common/trade.txt");
    std::filesystem::remove(dir.path("data\\common\\trade.txt"));
    EXPECT_EQ(failure(), "data/common/trade.txt");
}

// An author is told which line of the trade list is at fault, whatever the fault.
TEST_F(TradeRefresh, AFaultInTheTradeListNamesTheListAndItsLine) {
    struct Case {
        const char* list;
        std::pair<std::string, int> where;
        const char* says;
    };
    const Case cases[] = {
        {"", {"data/common/trade.txt", 1}, "the trade file of city 1, found the end of the file"},
        {"trade\\1.txt\n", {"data/common/trade.txt", 2}, "the trade file of city 2"},
        {"trade\\1.txt\n\n", {"data/common/trade.txt", 2}, "a file name, found an empty line"},
        {"trade\\1.txt\n..\\..\\etc\\passwd\n",
         {"data/common/trade.txt", 2},
         "inside the game directory"},
        {"trade\\1.txt\ntrade\\no.txt\n",
         {"data/trade/no.txt", 0},
         "named by data/common/trade.txt:2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        dir.write("data\\common\\trade.txt", c.list);
        try {
            refreshTradeGoods(game);
            ADD_FAILURE() << "no error";
        } catch (const DataError& error) {
            EXPECT_EQ(std::make_pair(error.file(), error.line()), c.where) << error.what();
            EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace orrowvale::testing
