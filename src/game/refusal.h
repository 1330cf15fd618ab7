#pragma once

#include <optional>
#include <string>

namespace orrowvale {

// Why a player action cannot be taken now: nothing when it can, else the Korean
// reason, which the window shows as the disabled button's tooltip and the scripted
// player prints as "refused: REASON".
using Refusal = std::optional<std::string>;

}  // namespace orrowvale
