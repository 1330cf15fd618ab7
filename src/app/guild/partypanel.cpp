#include "app/guild/partypanel.h"

#include "app/lifecycle/windows.h"
#include "guild/partypanel.h"

namespace orrowvale {

Tprtdtform::Tprtdtform(Windows& windows)
    : TDetailPanel("Tprtdtform", "파티 능력표"), windows_(windows) {
    addLabel("namelabel", "파티명: ");
    addLabel("countslabel", "파티 인원: ");
    addLabel("piplabel", "파티 개인 능력 종합 평가치: ");
    addLabel("paplabel", "파티 공격 능력 종합 평가치:");
    addLabel("pdplabel", "파티 방어 능력 종합 평가치: ");
    addLabel("itemlabel", "아이템: ");
}

void Tprtdtform::showPartyReport(int party) {
    present(partyPanelLines(*windows_.state, party));
}

}  // namespace orrowvale
