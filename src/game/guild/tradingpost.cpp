#include "guild/tradingpost.h"

#include "Presenter.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "parties/dispatch.h"
#include "parties/errandsummary.h"
#include "parties/risk.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

using TradeSlots = Table<TradeGood, kTradeSlotsPerCity>;

// The offer in `slot` of the current city, or nothing when there is none.
const TradeGood* offer(const GameState& state, int slot) {
    if (!CityTable::contains(state.currentCity) || !TradeSlots::contains(slot)) return nullptr;
    const TradeGood& good = state.tradeGoods[state.currentCity][slot];
    return good.name == kNone ? nullptr : &good;
}

}  // namespace

ListRows contractRows(const GameState& state) {
    ListRows rows;
    for (int slot = 1; slot <= kTradeSlotsPerCity; ++slot) {
        const TradeGood* good = offer(state, slot);
        if (good == nullptr) continue;
        std::vector<std::string> columns = {good->name, kRewardPrefix + std::to_string(good->pay),
                                            std::to_string(good->turns) + "턴"};
        std::string text = columns[0] + ", " + columns[1] + ", " + columns[2];
        rows.push_back({slot, std::move(text), std::move(columns)});
    }
    return rows;
}

std::string rewardText(const GameState& state, int slot) {
    const TradeGood* good = offer(state, slot);
    return kRewardPrefix + std::to_string(good ? good->pay : 0);
}

ContractOutline contractOutline(const GameState& state, int slot) {
    const TradeGood* good = offer(state, slot);
    if (good == nullptr) return {kWherePrefix, kLengthPrefix, kRiskPrefix};
    ContractOutline outline;
    outline.where = kWherePrefix + state.cityNames[state.currentCity];
    outline.turns = kLengthPrefix + std::to_string(good->turns) + "턴";
    std::optional<MissionRisk> safest;
    for (const ListRow& row : partyChoices(state, state.currentCity, 1)) {
        const MissionRisk risk = transportRisk(state, row.number, *good);
        if (!safest || risk.lossChance < safest->lossChance) safest = risk;
    }
    outline.risk = safest ? kRiskPrefix + riskText(*safest) : kNoPartyToCarry;
    return outline;
}

std::optional<int> takeContract(Game& game, int slot, const Chooser& choose) {
    GameState& state = game.state;
    if (offer(state, slot) == nullptr) return std::nullopt;
    const ListRows rows = partyChoices(state, state.currentCity, 1);
    const std::optional<int> party = choose(rows);
    if (!party || !offers(rows, *party)) return std::nullopt;
    RecordedAction recorded(game, "take " + std::to_string(slot) + " " + std::to_string(*party));
    TradeGood& good = state.tradeGoods[state.currentCity][slot];
    if (asksBeforeRisk(state, *party, transportRisk(state, *party, good)) &&
        !askPlayer(game, kMainCharacterRiskQuestion, DefaultAnswer::No))
        return std::nullopt;
    startTransport(state, *party, good.name, good.pay, good.ambushRisk, good.cargoRisk, good.turns);
    good.name = kNone;
    game.presenter.inform(kContractTaken);
    return party;
}

}  // namespace orrowvale
