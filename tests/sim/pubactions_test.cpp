// The pub as a script plays it, through the real simulator on a copy of the sample
// world whose pub makes the guild famous on the first visit.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/testfiles.h"
#include "sim/simrun.h"

namespace orrowvale::testing {
namespace {

class PubScript : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy(sampleWorld().gameDirectory(), dir.root(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        std::string fame = "[START]\n:switch\n&off\n5\n-optend-\n:switch\n&on\n5\n";
        for (int kind = 1; kind <= 3; ++kind)
            for (int i = 0; i < 2; ++i)
                fame += ":famadd\n" + std::to_string(kind) + "\n127\n";
        dir.write("data\\pubevent200.evn", fame + ":dlg\n명성이 자자합니다.\n[END]\n");
    }

    // The lines the simulator prints for `actions` on a new random game.
    std::vector<std::string> play(const std::string& actions) {
        return testing::withoutAnnouncements(
            testing::runSim("--game-dir " + dir.root().string() + " --seed 4 --new random " +
                            testing::actionsArgument(dir.root(), actions))
                .lines);
    }

    TempGameDir dir;
};

// The adventurer on the first row of the list, as "list[adlist]: N NAME" shows it.
int firstListed(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (line.starts_with("list[adlist]: ")) return std::stoi(line.substr(14));
    return 0;
}

TEST_F(PubScript, RecruitsAfterTheEventMadeTheGuildFamousAndRefusesWhatIsNotOffered) {
    const int adventurer = firstListed(play("pub\nlook\n"));
    ASSERT_GT(adventurer, 0);
    const std::string talk = "talk " + std::to_string(adventurer) + "\n";
    const std::vector<std::string> lines = play("drink\npub\nrumour\nfame\nlook\ntalk 1000\n" +
                                                talk + "join\njoin\nbye\nclose\nleave\n");

    auto after = [&](const std::string& action) {
        for (std::size_t i = 0; i + 1 < lines.size(); ++i)
            if (lines[i] == "> " + action) return lines[i + 1];
        return std::string("no action ") + action;
    };
    EXPECT_EQ(after("drink"), "refused: not offered") << "no conversation yet";
    EXPECT_EQ(after("pub"), "inform: 명성이 자자합니다.");
    EXPECT_EQ(after("fame"), "label[advguage]: 254");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "label[advfamelabel]: 254 / 5000"), lines.end())
        << "the number beside the bar";
    EXPECT_EQ(after("talk 1000"), "refused: not offered");
    EXPECT_TRUE(after(talk.substr(0, talk.size() - 1)).starts_with("label[adsaid]: 안녕하십니가?"));
    // Joining changes nothing the window shows; asking again is refused.
    EXPECT_EQ(after("join"), "> join");
    int refusals = 0;
    for (const std::string& line : lines)
        refusals += line == "refused: 이미 길드원입니다." ? 1 : 0;
    EXPECT_EQ(refusals, 1);
    // The event guards itself with a switch: neither the rumour, the fame window nor
    // the list brings its box back.
    int boxes = 0;
    for (const std::string& line : lines)
        boxes += line == "inform: 명성이 자자합니다." ? 1 : 0;
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(lines.back().starts_with("state: ")) << lines.back();
}

}  // namespace
}  // namespace orrowvale::testing
