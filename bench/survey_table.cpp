// The survey of every start of the sample world: 200 seeded games each, played by
// the cautious player for three months, and by one who first takes the first quest
// with the starting party, printed as the simulator prints them.
// Authors run it after changing the world and compare with the last table:
//
//   build/bench/orrowvale-survey-table [GAMES] [MONTHS]

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

constexpr const char* kStarts[] = {"story:0", "story:1", "random"};
constexpr const char* kPolicies[] = {"cautious", "first-quest"};

}  // namespace

int main(int argc, char** argv) {
    const std::string games = argc > 1 ? argv[1] : "200";
    const std::string months = argc > 2 ? argv[2] : "3";
    int failures = 0;
    for (const char* policy : kPolicies) {
        for (const char* start : kStarts) {
            const std::string command = std::string("\"") + ORROWVALE_SIM_TOOL +
                                        "\" --game-dir \"" + ORROWVALE_GAME_DIR + "\" --new " +
                                        start + " --survey " + games + " --months " + months +
                                        " --policy " + policy + " 2>/dev/null";
            std::cout.flush();
            failures += std::system(command.c_str()) != 0;
            std::cout << "\n";
        }
    }
    return failures == 0 ? 0 : 1;
}
