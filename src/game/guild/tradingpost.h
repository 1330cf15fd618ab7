#pragma once

#include <optional>
#include <string>
#include <vector>

#include "guild/chooser.h"
#include "listrow.h"

namespace orrowvale {

struct Game;
struct GameState;

inline constexpr const char* kRewardPrefix = "보수: ";
inline constexpr const char* kContractTaken = "조심해서 다녀오게";
inline constexpr const char* kChooseContractFirst = "업무를 먼저 고르십시오.";

// The contracts of the city where the main character stands, in slot order: each
// row its trade slot 1..20 and the goods.
ListRows contractRows(const GameState& state);
// The reward label for the contract of `slot`.
std::string rewardText(const GameState& state, int slot);
// "맡다": a party of the current city that is at home carries the goods of `slot`
// and the contract is no longer offered. Returns the party; nothing when nothing
// was taken.
std::optional<int> takeContract(Game& game, int slot, const Chooser& choose);

}  // namespace orrowvale
