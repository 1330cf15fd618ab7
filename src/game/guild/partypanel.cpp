#include "guild/partypanel.h"

#include <string>

#include "parties/party.h"
#include "world/gamestate.h"

namespace orrowvale {

std::vector<PanelLine> partyPanelLines(const GameState& state, int party) {
    const TParty& p = state.parties[party];
    return {
        // An unnamed party keeps its stored name "파티명 없음"; the label says "없음".
        {"namelabel",
         "파티명: " + (p.partyName == kNoPartyName ? std::string("없음") : p.partyName)},
        {"countslabel", "파티 인원: " + std::to_string(memberCount(state, party))},
        {"piplabel",
         "파티 개인 능력 종합 평가치: " + std::to_string(partyAbilityTotal(state, party))},
        {"paplabel",
         "파티 공격 능력 종합 평가치: " + std::to_string(partyAttackRating(state, party))},
        {"pdplabel",
         "파티 방어 능력 종합 평가치: " + std::to_string(partyDefenceRating(state, party))},
        {"itemlabel", "장비: " + itemName(p.partyItem)},
    };
}

}  // namespace orrowvale
