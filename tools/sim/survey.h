#pragma once

// `orrowvale-sim --survey N`: N seeded games of one start played by the cautious
// player, summed up month by month for the authors of a world.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace orrowvale {
class GamePaths;
}

namespace orrowvale::sim {

struct SurveyOptions {
    int games = 0;
    int months = 3;
    bool storyPlay = false;
    int character = 0;
    bool takesFirstQuest = false;  // --policy first-quest
    std::uint64_t firstSeed = 1;   // game k plays with seed firstSeed + k - 1
    // Where each game's actions go, as gameK.txt, to be replayed with --actions.
    std::optional<std::filesystem::path> transcriptDir;
};

// One game at the end of each month.
struct MonthEnd {
    bool alive = true;
    long long gold = 0;
    long long fame = 0;  // adventure, political and covert together
    int recruits = 0;    // members who joined after the first turn
    int pubHires = 0;    // of them, members who joined in the pub
    // The chapter the story has reached: 1 for the scenario file the game starts
    // with, one more for each file it hands over to; 0 once the epilogue was shown.
    int chapter = 1;
};

struct SurveyGame {
    std::vector<MonthEnd> months;
    int firstRecruitMonth = 0;  // 0: nobody joined
    // The month the epilogue was shown in (an announcement that opens with
    // "에필로그"), 0 when it was not shown in the months played.
    int epilogueMonth = 0;
    int partiesLost = 0;
    int membersLost = 0;
    // With --policy first-quest: 1 the main character came back from the first
    // quest, -1 he fell on it, 0 it was never taken.
    int firstQuest = 0;
};

struct SurveyResult {
    std::string start;  // "story:0", "random"
    bool takesFirstQuest = false;
    std::vector<SurveyGame> games;
    int months = 0;
};

// The value below which `percent` of `values` lie (the lower one on a tie), as
// the table and the chart both show them.
template <typename Value>
Value percentile(std::vector<Value> values, int percent) {
    if (values.empty()) return Value{};
    std::sort(values.begin(), values.end());
    const std::size_t index = (values.size() - 1) * static_cast<std::size_t>(percent) / 100;
    return values[index];
}

SurveyResult runSurvey(const SurveyOptions& options, const GamePaths& paths);
void printSurveyTable(const SurveyResult& result, std::ostream& out);
// The same as a chart: one panel per measure, months along the bottom, written as a
// PNG file. Throws DataError naming the file when it cannot be written.
void plotSurvey(const SurveyResult& result, const std::string& pngFile);

}  // namespace orrowvale::sim
