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
// The reward label for the contract of `slot`: the pay and the fame a carrier earns
// when the goods arrive whole, and that lost goods pay nothing
// ("보수: 300gp, 명성 5 (짐을 잃으면 0)").
std::string rewardText(const GameState& state, int slot);
inline constexpr const char* kLostCargoPays = " (짐을 잃으면 0)";
// The lines beside the reward of the contract of `slot`: where the goods are
// carried from, how many turns it takes, and its risk for the safest party that
// could take it here, from each party's forecast, said to be so ("위험: 맡을 파티
// 없음" when none could). Each party's own risk is in its row of the carriers (see
// carrierRows).
struct ContractOutline {
    std::string where;
    std::string turns;
    std::string risk;
};
ContractOutline contractOutline(Game& game, int slot);
inline constexpr const char* kNoPartyToCarry = "위험: 맡을 파티 없음";

// The parties that could carry the goods of `slot`, each row with what the contract
// holds for it from its forecast: "매 (위험: 높음 (36%), 성공 확률 64%)".
ListRows carrierRows(Game& game, int slot);

// "맡기": a party of the current city that is at home carries the goods of `slot`
// and the contract is no longer offered; the party is chosen among carrierRows. A
// party holding the main character asks first where the risk its row shows is high. Returns the
// party; nothing when nothing was taken.
std::optional<int> takeContract(Game& game, int slot, const Chooser& choose);

}  // namespace orrowvale
