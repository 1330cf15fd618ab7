#include "guild/goals.h"

#include <algorithm>

#include "Presenter.h"
#include "city/adventurertalk.h"
#include "game.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

long long totalFame(const GameState& state) {
    return static_cast<long long>(state.adventureFame) + state.politicalFame + state.covertFame;
}

GuildGoal rankGoal(const GameState& state, const FameRank& rank) {
    std::string key = "rank ";
    key += std::to_string(rank.fame);
    std::string text = "명성 등급 '";
    text += rank.name;
    text += "': 세 명성의 합 " + std::to_string(rank.fame) + " (지금 " +
            std::to_string(totalFame(state)) + "). 능력 합 " +
            std::to_string(rank.fame / kFamePerAbilityPoint) + " 이하의 모험가가 영입에 응합니다.";
    return {key, text, totalFame(state) >= rank.fame};
}

GuildGoal branchGoal(const GameState& state) {
    int cities = 0;
    int branches = 0;
    for (int city = 1; city <= state.cityBound(); ++city) {
        if (state.cityNations[city] != state.playerNation) continue;
        ++cities;
        branches += state.guildBranches[city] != 0;
    }
    return {"branches",
            "왕국의 모든 도시에 길드 지부: " + std::to_string(cities) + "곳 중 " +
                std::to_string(branches) + "곳",
            cities > 0 && branches == cities};
}

GuildGoal sizeGoal(const GameState& state) {
    int members = 0;
    for (const TAdven& a : state.adventurers)
        members += !a.isFree() && a.isGuildMember != 0;
    return {
        "members",
        "길드원 " + std::to_string(kGoalGuildSize) + "명: 지금 " + std::to_string(members) + "명",
        members >= kGoalGuildSize};
}

// The levels a dungeon file declares; 0 for a file that cannot be read, which no
// goal then asks for.
int dungeonLevels(const GamePaths& paths, const std::string& file) {
    try {
        LineReader in = LineReader::openData(paths, file);
        return in.readWholeNumber("the number of levels");
    } catch (const DataError&) {
        return 0;
    }
}

// The dungeon of the most levels; reached once a party has passed its last level.
GuildGoal deepestGoal(const Game& game) {
    const GameState& state = game.state;
    int deepest = 0;
    const DungeonSite* site = nullptr;
    bool reached = false;
    for (int city = 1; city <= state.cityBound(); ++city)
        for (const DungeonSite& d : state.dungeonSites[city]) {
            if (d.file == kNone) continue;
            const int levels = dungeonLevels(game.paths, d.file);
            if (levels <= 0 || levels < deepest) continue;
            if (levels > deepest) {
                deepest = levels;
                site = &d;
                reached = false;
            } else if (d.deepestLevel > site->deepestLevel) {
                site = &d;
            }
            reached = reached || d.deepestLevel > levels;
        }
    if (!site) return {"deepest", "가장 깊은 던젼의 밑바닥", false};
    const int passed = std::clamp(site->deepestLevel - 1, 0, deepest);
    return {"deepest",
            "가장 깊은 던젼 '" + site->name + "'의 밑바닥: " + std::to_string(deepest) + "층 중 " +
                std::to_string(passed) + "층까지",
            reached};
}

}  // namespace

std::vector<GuildGoal> guildGoals(const Game& game) {
    const GameState& state = game.state;
    std::vector<GuildGoal> goals;
    if (!state.closingChapter) return goals;
    for (const FameRank& rank : kFameRanks)
        if (rank.fame > 0) goals.push_back(rankGoal(state, rank));
    goals.push_back(branchGoal(state));
    goals.push_back(sizeGoal(state));
    goals.push_back(deepestGoal(game));
    return goals;
}

std::string goalLine(const GuildGoal& goal) {
    return (goal.reached ? "[이룸] " : "[목표] ") + goal.text;
}

void announceReachedGoals(Game& game) {
    std::vector<std::string>& announced = game.state.goalsAnnounced;
    for (const GuildGoal& goal : guildGoals(game)) {
        if (!goal.reached ||
            std::find(announced.begin(), announced.end(), goal.key) != announced.end())
            continue;
        announced.push_back(goal.key);
        game.presenter.inform("길드의 목표를 이루었습니다. " + goal.text);
    }
}

}  // namespace orrowvale
