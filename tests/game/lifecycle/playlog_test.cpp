#include "lifecycle/playlog.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "city/adventurertalk.h"
#include "city/pubpatrons.h"
#include "game/scripts/scriptfixture.h"
#include "guild/partysetup.h"
#include "lifecycle/createworld.h"

namespace orrowvale::testing {
namespace {

using Lines = std::vector<std::string>;

// Guild members 1..3 in city 2, where the guild has a branch, and a log that keeps
// what the game records.
class PlayLogTest : public ScriptTest {
  protected:
    PlayLogTest() {
        state.currentCity = 2;
        state.guildBranches[2] = 1;
        for (int n = 1; n <= 3; ++n) {
            TAdven& a = state.adventurers[n];
            a.name = std::string("단원") + char('A' + n - 1);
            a.location = 2;
            a.isGuildMember = 1;
        }
    }
    static Chooser pick(std::optional<int> number) {
        return [number](const ListRows&) { return number; };
    }

    Lines recorded;
    PlayLog log{game, [this](const std::string& line) { recorded.push_back(line); }};
};

TEST_F(PlayLogTest, EachActionIsOneScriptLineWithItsAnswersBeforeIt) {
    EXPECT_FALSE(foundParty(game, pick(std::nullopt)));  // the chooser was cancelled
    const int party = foundParty(game, pick(1)).value();
    addToParty(game, party, pick(3));
    EXPECT_TRUE(makeLeader(game, party, 2));
    EXPECT_TRUE(placeMember(game, party, 2, 7));
    EXPECT_FALSE(placeMember(game, party, 9, 7));  // refused: nothing to replay
    renameParty(game, party, std::string("새벽 파티"));
    presenter.queueAnswers({false});
    EXPECT_FALSE(disbandByPlayer(game, party));
    // The party's last member leaving disbands it: the player answered one question,
    // and the disbanding inside the removal is not a second action.
    removeFromParty(game, party, 2);
    presenter.queueAnswers({true});
    EXPECT_EQ(removeFromParty(game, party, 1), Leaving::Disbanded);

    // A conversation names whom the player talks to; the company its end rolls anew
    // is not a second action.
    rollPubCompany(game);
    startConversation(game, 2);
    buyDrink(game, 2);
    endConversation(game);

    EXPECT_EQ(recorded, (Lines{"found 1", "add 1 3", "leader 1 3", "place 1 3 7",
                               "rename 1 새벽 파티", "answer no", "disband 1", "remove 1 3",
                               "answer yes", "remove 1 1", "look", "talk 2", "drink", "bye"}));
}

// Version and world are told apart; what follows the first action is no header.
TEST(PlayLogHeaderTest, NamesEachDifferenceAndNeedsEveryField) {
    const PlayLogHeader written{"0.9", "00112233aabbccdd", "new random", "", 18446744073709551615u};
    std::stringstream text;
    for (const std::string& line : headerLines(written))
        text << line << "\r\n";
    text << "pub\r\n# seed 1\r\n";
    const PlayLogHeader read = readPlayLogHeader(text, "log.txt");
    EXPECT_EQ(read.seed, written.seed);
    PlayLogHeader here = read;
    here.version = "1.0";
    here.world = "0";
    const Lines differences = replayMismatches(read, here);
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0], "the log was written by version 0.9, this is version 1.0");

    std::stringstream noSeed(
        "# orrowvale play log\n# version 0.9\n# world 1\n# start new random\n");
    EXPECT_THROW(readPlayLogHeader(noSeed, "log.txt"), DataError);
}

// A game over an empty game directory, whose logs the test keeps.
class PlayLogKeeperTest : public ::testing::Test {
  protected:
    TempGameDir dir;
    const GamePaths paths = dir.paths();
    GameState state;
    Dice dice{42};
    TranscriptPresenter presenter;
    Game game{state, paths, dice, presenter};
};

TEST_F(PlayLogKeeperTest, EachGameStartsAFileOfItsOwnAndTheTenNewestAreKept) {
    PlayLogKeeper keeper(game, dir.root() / "logs");

    startPlayLog(game, "load 2", dir.root() / "slot");
    const std::filesystem::path first = keeper.currentFile();
    endConversation(game);
    // Every line is on disk at once, as a killed program leaves it.
    std::ifstream written(first);
    std::stringstream text;
    text << written.rdbuf();
    EXPECT_NE(text.str().find("# start load 2\n"), std::string::npos);
    EXPECT_NE(text.str().find("# seed 42\n"), std::string::npos);  // the program's seed
    EXPECT_TRUE(text.str().ends_with("\nbye\n")) << text.str();

    // A world that cannot be made (this game directory holds none) leaves the game
    // in play as it was: its dice and its log.
    Dice expected = dice;
    EXPECT_THROW(createRandomWorld(game), DataError);
    EXPECT_EQ(keeper.currentFile(), first);
    EXPECT_EQ(dice.roll(1000000), expected.roll(1000000));
    endConversation(game);
    std::ifstream again(first);
    std::stringstream more;
    more << again.rdbuf();
    EXPECT_TRUE(more.str().ends_with("\nbye\nbye\n")) << more.str();

    for (int more = 0; more < 11; ++more)
        startPlayLog(game, "load 2", dir.root() / "slot");
    EXPECT_NE(dice.seed(), 42u);  // a later game takes a new seed
    int logs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.root() / "logs"))
        logs += entry.path().filename().string().starts_with("play-");
    EXPECT_EQ(logs, kPlayLogsKept);
    EXPECT_FALSE(std::filesystem::exists(first));
}

// Links planted under the names the next log may take lead nowhere: the log is a new
// file of the folder's own. Ten logs from a clock that ran ahead (names and times after
// the new log's) never push out the log just made.
TEST_F(PlayLogKeeperTest, ALogIsMadeInTheFolderItselfAndKeptAmongTheNewestTen) {
    const std::filesystem::path logs = dir.root() / "logs";
    std::filesystem::create_directories(logs);
    const std::filesystem::path outside = dir.root() / "outside.txt";
    const auto now = std::chrono::system_clock::now();
    for (const auto when : {now, now + std::chrono::seconds(1), now + std::chrono::seconds(2)}) {
        const std::time_t time = std::chrono::system_clock::to_time_t(when);
        std::tm local{};
        localtime_r(&time, &local);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
        for (int count = 0; count < 3; ++count)
            std::filesystem::create_symlink(
                outside, logs / ("play-" + std::string(stamp) + "-0" + char('0' + count) + ".txt"));
    }
    const auto ahead = std::filesystem::file_time_type::clock::now() + std::chrono::hours(24);
    for (int n = 0; n < kPlayLogsKept; ++n) {
        const std::filesystem::path future =
            logs / ("play-99991231-23595" + std::to_string(n) + "-00.txt");
        std::ofstream(future) << "# orrowvale play log\n";
        std::filesystem::last_write_time(future, ahead);
    }

    PlayLogKeeper keeper(game, logs);
    startPlayLog(game, "load 2", dir.root() / "slot");
    endConversation(game);
    EXPECT_FALSE(std::filesystem::exists(outside));
    const std::filesystem::path made = keeper.currentFile();
    ASSERT_FALSE(made.empty());
    EXPECT_EQ(made.parent_path(), logs);
    EXPECT_EQ(std::filesystem::symlink_status(made).type(), std::filesystem::file_type::regular);
    int kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(logs))
        kept += entry.is_regular_file() && !entry.is_symlink();
    EXPECT_EQ(kept, kPlayLogsKept);
    std::ifstream written(made);
    std::stringstream text;
    text << written.rdbuf();
    EXPECT_TRUE(text.str().ends_with("\nbye\n")) << text.str();
}

}  // namespace
}  // namespace orrowvale::testing
