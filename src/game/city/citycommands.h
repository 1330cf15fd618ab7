#pragma once

#include <string>
#include <string_view>

#include "guild/guildwindow.h"

namespace orrowvale {

struct Game;
struct GameState;

// What became of a press of "길드 관리".
enum class BranchOffer {
    HasBranch,  // the city has a branch: the guild window is the next step
    Declined,   // the player did not want one
    Refused,    // the nation refused: not enough political fame
    Opened,
};

// Offers a guild branch in the current city when it has none: asks, checks the
// political fame (100, then 200 more for every branch already open; nothing is
// spent) and tells the player the outcome.
BranchOffer offerGuildBranch(Game& game);

// The offer opens with the words the guild window is refused with.
inline const std::string kBranchQuestion =
    std::string(kNoGuildBranchHere) + " 지부를 개설하시겠습니까?";
// Told under the refusal: the political fame a branch here needs, and the guild's.
std::string branchFameNeededText(const GameState& state);
inline constexpr const char* kBranchRefused = "국가에서 길드 지부의 제작을 거부했습니다.";
inline constexpr const char* kContactFailed = "그런 사람과는 접선할 수 없었습니다.";

// Looks `name` up in "data\contact\list.txt" (name and event file, line after
// line) and runs the event file of the first exact match; with no match tells the
// player the contact failed. An empty name (a cancelled box) says nothing. False
// when nobody matched.
bool contactPerson(Game& game, std::string_view name);

}  // namespace orrowvale
