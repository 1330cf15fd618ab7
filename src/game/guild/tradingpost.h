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
// row its trade slot 1..20, the goods, the reward and the turns it takes
// ("비단, 보수: 300, 4턴"), in columns.
ListRows contractRows(const GameState& state);
// The reward label for the contract of `slot`.
std::string rewardText(const GameState& state, int slot);
// The lines beside the reward of the contract of `slot`: where the goods are
// carried from, how many turns it takes, and its risk for the strongest party that
// could take it here ("위험: 맡을 파티 없음" when none could).
struct ContractOutline {
    std::string where;
    std::string turns;
    std::string risk;
};
ContractOutline contractOutline(const GameState& state, int slot);
inline constexpr const char* kNoPartyToCarry = "위험: 맡을 파티 없음";

// "맡다": a party of the current city that is at home carries the goods of `slot`
// and the contract is no longer offered. A party holding the main character asks
// first where the risk is high. Returns the party; nothing when nothing
// was taken.
std::optional<int> takeContract(Game& game, int slot, const Chooser& choose);

}  // namespace orrowvale
