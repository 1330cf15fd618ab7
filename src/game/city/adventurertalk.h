#pragma once

#include <string>

#include "refusal.h"

namespace orrowvale {

class TAdven;
struct Game;
struct GameState;

// What an adventurer says when a conversation starts: a greeting with its name and
// family.
std::string greetingText(const TAdven& adventurer);
// The answer to "어떤 종류의 모험가이십니까?": the adventurer's class.
std::string classAnswer(const TAdven& adventurer);
// The answer to a drink for a d100 of `roll`; some answers tell whether one of the
// adventurer's abilities is 5 or more.
std::string drinkAnswer(const TAdven& adventurer, int roll);

// "술을 산다": one gold piece for adventurer `number` (gold may go below zero, and
// the status panel shows it at once), and what the adventurer answers.
std::string buyDrink(Game& game, int number);
// "대화" on adventurer `number` in the pub's list: the conversation opens with its
// greeting.
std::string startConversation(Game& game, int number);

// Why adventurer `number` cannot be asked to join; nothing when it can.
Refusal joinRefusal(const GameState& state, int number);

enum class JoinOutcome {
    Refused,   // the question is not offered (see joinRefusal)
    Declined,  // the guild's fame is below ten times the adventurer's abilities
    Joined,
};

// "저희 길드에 들어오시겠습니까?": the adventurer joins when the three kinds of
// fame together reach ten times its ability total. It takes the first empty entry of
// the member list, keeps its place and costs nothing.
JoinOutcome askToJoin(GameState& state, int number);
// The same, asked in a conversation of the game in play.
JoinOutcome askToJoin(Game& game, int number);

// The first empty entry of the member list among 1..999, counting up; 0 when all
// are taken. The last entry is never used for recruits.
int firstFreeMemberEntry(const GameState& state);

inline constexpr const char* kJoinDeclined = "미안하지만 사양하겠습니다.";
// An adventurer joins only a guild whose three fames add up to this many times his
// ability total.
inline constexpr int kFamePerAbilityPoint = 10;
inline constexpr const char* kAlreadyMember = "이미 길드원입니다.";
inline constexpr const char* kMemberListFull = "길드원 명단이 가득 찼습니다.";

}  // namespace orrowvale
