#include "parties/turn.h"

#include <algorithm>
#include <string>

#include "Presenter.h"
#include "game.h"
#include "parties/missions.h"
#include "scripts/eventrunner.h"
#include "scripts/scenariorunner.h"
#include "world/adventurer.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/numbers.h"

namespace orrowvale {

namespace {

// Wanderers come from and go to the first eleven cities, or fewer when the world
// has fewer.
constexpr int kWanderingCities = 11;

void countDownQuests(GameState& state) {
    for (Quest& quest : state.quests) {
        if (quest.active != 0 && quest.turnsLeft != 0)
            quest.turnsLeft = saturatingAdd(quest.turnsLeft, -1);
        if (quest.active != 0 && quest.turnsLeft == 0) quest.active = 0;
    }
}

void walkParties(Game& game) {
    // Rows 2..100 of the saved party table are never in use, so the walk over the
    // one held row visits every party that can act.
    for (int party = 1; party <= kMaxParties; ++party) {
        const TParty& entry = game.state.parties[party];
        if (entry.travelling) travelStep(game, party);
        if (game.state.parties[party].onMission) missionStep(game, party);
    }
}

bool mainCharacterAway(const GameState& state) {
    return state.adventurers.contains(state.mainchrnum) && state.mainCharacter().busyFlag == 1;
}

}  // namespace

void advanceTurn(Game& game, int turns) {
    const GamePaths::ReadCache sameFilesOnce(game.paths);
    GameState& state = game.state;
    advanceCalendar(state, turns,
                    {.weekly = [&game] { weeklyTurnover(game); },
                     .monthly = [&game] { refreshTradeGoods(game); }});
    runEvent(game, "dateevn\\dateevn" + std::to_string(state.characterNumber) + ".evn");
    game.currentParty = 0;
    runScript(game, state.scenarioFiles[1]);
    countDownQuests(state);
    walkParties(game);
    game.presenter.refreshStatus();
}

void weeklyTurnover(Game& game) {
    GameState& state = game.state;
    Dice& dice = game.dice;
    if (dice.d100() < 50) return;
    const int cities = std::min(kWanderingCities, state.cityBound());
    const NameLists names = loadNameLists(game.paths);
    for (TAdven& adventurer : state.adventurers) {
        if (adventurer.isGuildMember != 0 || adventurer.stayFlag != 0 || adventurer.busyFlag != 0)
            continue;
        const int draw = dice.roll(1000) + 1;
        const bool arrives = adventurer.isFree() ? draw > 990 : draw > 700 && draw < 900;
        if (arrives && cities > 0) {
            generateAdventurer(adventurer, dice, names);
            adventurer.location = dice.roll(cities) + 1;
        } else if (!adventurer.isFree() && draw >= 900) {
            removeAdventurer(adventurer);
        }
    }
}

int endTurn(Game& game) {
    if (!mainCharacterAway(game.state)) {
        advanceTurn(game, 1);
        return 1;
    }
    int turns = 0;
    while (mainCharacterAway(game.state) && !game.mainCharacterDied && turns < kEndTurnLimit) {
        advanceTurn(game, 1);
        ++turns;
    }
    if (mainCharacterAway(game.state) && !game.mainCharacterDied)
        game.presenter.inform(
            "주인공이 속한 파티가 1년이 지나도록 돌아오지 않아 시간을 멈췄습니다. "
            "완료를 누르면 다시 흘러갑니다.");
    return turns;
}

}  // namespace orrowvale
