#include "guild/fame.h"

#include <algorithm>

#include "city/adventurertalk.h"
#include "world/gamestate.h"

namespace orrowvale {

int fameBarValue(int fame) {
    return std::clamp(fame, 0, kFameBarMaximum);
}

std::string fameNumberText(int fame) {
    return std::to_string(fame) + " / " + std::to_string(kFameBarMaximum);
}

FameBars fameBars(const GameState& state) {
    return {fameBarValue(state.adventureFame), fameBarValue(state.politicalFame),
            fameBarValue(state.covertFame)};
}

std::vector<std::string> fameNeeds(const GameState& state) {
    const long long total =
        static_cast<long long>(state.adventureFame) + state.politicalFame + state.covertFame;
    return {"영입: 세 명성의 합(지금 " + std::to_string(total) + ")이 모험가 능력의 " +
                std::to_string(kFamePerAbilityPoint) + "배 이상이어야 합니다.",
            "길드 지부: 정치 명성 " + std::to_string(guildBranchFameNeeded(state)) +
                " 이상이 필요합니다(지금 " + std::to_string(state.politicalFame) + ")."};
}

}  // namespace orrowvale
