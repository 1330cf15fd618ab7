// A year of the sample world in each way a player can start it, played by the
// simulator as a player who only ends turns: no data error on the way, the
// chapters hand over to each other and the story reaches its epilogue.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> playYear(const std::string& newGame, int seed) {
    const std::string command = std::string(ORROWVALE_SIM_TOOL) + " --game-dir " +
                                ORROWVALE_GAME_DIR + " --seed " + std::to_string(seed) + " --new " +
                                newGame + " --turns 240 2>&1";
    std::vector<std::string> lines;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return lines;
    std::string line;
    for (int c; (c = std::fgetc(pipe)) != EOF;) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        lines.push_back(line);
        line.clear();
    }
    const int status = pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        lines.push_back("exit status " + std::to_string(status));
    return lines;
}

int linesWith(const std::vector<std::string>& lines, const std::string& text) {
    int n = 0;
    for (const auto& line : lines)
        n += line.find(text) != std::string::npos ? 1 : 0;
    return n;
}

TEST(SampleWorldPlay, AYearInEachModeReachesTheEpilogueWithoutAnError) {
    struct Mode {
        const char* newGame;
        const char* ownEvent;  // a text only this mode's own date or pub events show
    };
    const Mode modes[] = {
        {"story:0", "노 집사"},
        {"story:1", "학술원"},
        {"random", "은빛나루"},
    };
    for (const Mode& mode : modes) {
        SCOPED_TRACE(mode.newGame);
        const std::vector<std::string> lines = playYear(mode.newGame, 7);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(linesWith(lines, "error:"), 0) << lines.back();
        EXPECT_TRUE(lines.back().starts_with("state: year=201 month=4 week=1 turn=1 "))
            << lines.back();
        EXPECT_GT(linesWith(lines, mode.ownEvent), 0);
        // Three chapters each open with a heading, and the last one ends the story.
        EXPECT_EQ(linesWith(lines, "제1장"), 1);
        EXPECT_EQ(linesWith(lines, "제2장"), 1);
        EXPECT_EQ(linesWith(lines, "제3장"), 1);
        EXPECT_EQ(linesWith(lines, "에필로그"), 1);
    }
}

}  // namespace
