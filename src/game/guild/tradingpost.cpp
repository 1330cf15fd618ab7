#include "guild/tradingpost.h"

#include "Presenter.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "parties/dispatch.h"
#include "parties/errandsummary.h"
#include "parties/forecast.h"
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
    // The carrier's fame is the goods' cargo risk, paid with the gold on arrival; goods
    // spoiled or lost on the way pay neither.
    std::string text = kRewardPrefix + std::to_string(good ? good->pay : 0) + "gp, 명성 " +
                       std::to_string(good ? good->cargoRisk : 0);
    if (good != nullptr) text += kLostCargoPays;
    return text;
}

namespace {

// The risk a party's row shows, and the question asks about.
std::optional<MissionForecast> carrierForecast(Game& game, int party, int slot) {
    const TradeGood* good = offer(game.state, slot);
    if (good == nullptr) return std::nullopt;
    return forecastTransport(game, party, *good);
}

}  // namespace

ContractOutline contractOutline(Game& game, int slot) {
    const GameState& state = game.state;
    const TradeGood* good = offer(state, slot);
    if (good == nullptr) return {kWherePrefix, kLengthPrefix, kRiskPrefix};
    ContractOutline outline;
    outline.where = kWherePrefix + state.cityNames[state.currentCity];
    outline.turns = kLengthPrefix + std::to_string(good->turns) + "턴";
    std::optional<MissionRisk> safest;
    for (const ListRow& row : partyChoices(state, state.currentCity, 1)) {
        const std::optional<MissionForecast> forecast = carrierForecast(game, row.number, slot);
        if (!forecast) continue;
        const MissionRisk risk = forecastRisk(*forecast);
        if (!safest || risk.lossChance < safest->lossChance) safest = risk;
    }
    outline.risk =
        safest ? kRiskPrefix + riskText(*safest) + " (가장 안전한 파티)" : kNoPartyToCarry;
    return outline;
}

ListRows carrierRows(Game& game, int slot) {
    ListRows rows = partyChoices(game.state, game.state.currentCity, 1);
    for (ListRow& row : rows) {
        const std::optional<MissionForecast> forecast = carrierForecast(game, row.number, slot);
        if (!forecast) continue;
        row.text += std::string(" (") + kRiskPrefix + riskText(forecastRisk(*forecast)) + ", " +
                    kSuccessPrefix + percentText(forecast->successChance) + ")";
    }
    return rows;
}

std::optional<int> takeContract(Game& game, int slot, const Chooser& choose) {
    GameState& state = game.state;
    if (offer(state, slot) == nullptr) return std::nullopt;
    const ListRows rows = carrierRows(game, slot);
    const std::optional<int> party = choose(rows);
    if (!party || !offers(rows, *party)) return std::nullopt;
    RecordedAction recorded(game, "take " + std::to_string(slot) + " " + std::to_string(*party));
    TradeGood& good = state.tradeGoods[state.currentCity][slot];
    const std::optional<MissionForecast> forecast = carrierForecast(game, *party, slot);
    if (forecast && asksBeforeRisk(state, *party, forecastRisk(*forecast)) &&
        !askPlayer(game, kMainCharacterRiskQuestion, DefaultAnswer::No))
        return std::nullopt;
    startTransport(state, *party, good.name, good.pay, good.ambushRisk, good.cargoRisk, good.turns);
    good.name = kNone;
    game.presenter.inform(kContractTaken);
    return party;
}

}  // namespace orrowvale
