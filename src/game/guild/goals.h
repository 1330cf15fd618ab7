#pragma once

#include <string>
#include <vector>

namespace orrowvale {

struct Game;
struct GameState;

// What the guild aims at once its story is told: the fame ranks, each opening the
// pub to abler adventurers, and the closing chapter's goals: a branch in every city
// of the guild's nation, a guild of kGoalGuildSize, and the bottom of the deepest
// dungeon. The script action ":goals" opens the closing chapter; from then on the
// fame window lists them and the end of every turn announces, once each, those newly
// reached.

struct FameRank {
    int fame = 0;      // the three fames together
    const char* name;  // as the fame window shows it
};
inline constexpr FameRank kFameRanks[] = {
    {0, "이름 없는 길드"}, {100, "알려진 길드"},  {300, "이름난 길드"},
    {600, "왕국의 길드"},  {1000, "전설의 길드"}, {2000, "영웅들의 전당"},
};
inline constexpr int kGoalGuildSize = 30;

// One goal as the fame window lists it.
struct GuildGoal {
    std::string key;  // how a save remembers that it was reached
    std::string text;
    bool reached = false;
};

// The ranks above the first and the closing chapter's goals, with how far the guild
// has come; empty while the closing chapter is not open.
std::vector<GuildGoal> guildGoals(const Game& game);

// A goal as a line of the fame window: reached ones are marked.
std::string goalLine(const GuildGoal& goal);

// Every goal reached and not yet announced is announced once, in the order listed.
void announceReachedGoals(Game& game);

}  // namespace orrowvale
