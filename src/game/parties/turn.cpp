#include "parties/turn.h"

#include <algorithm>
#include <string>

#include "Presenter.h"
#include "game.h"
#include "guild/goals.h"
#include "lifecycle/autosave.h"
#include "lifecycle/playlog.h"
#include "parties/missions.h"
#include "parties/turnreport.h"
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
// Half the weeks nobody comes or goes. In the other half every adventurer outside
// the guild draws 1 to 1000: a free slot fills with a newcomer above 990; someone
// already there is replaced by a newcomer from 701 to 899 and leaves from 900 up.
constexpr int kQuietWeekChance = 50;
constexpr int kTurnoverDraw = 1000;
constexpr int kNewcomerAbove = 990;
constexpr int kReplacedAbove = 700;
constexpr int kLeavesFrom = 900;

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
    if (!game.mainCharacterDied) announceReachedGoals(game);
    game.presenter.refreshStatus();
}

void weeklyTurnover(Game& game) {
    GameState& state = game.state;
    Dice& dice = game.dice;
    if (dice.d100() < kQuietWeekChance) return;
    const int cities = std::min(kWanderingCities, state.cityBound());
    const NameLists names = loadNameLists(game.paths);
    for (TAdven& adventurer : state.adventurers) {
        if (adventurer.isGuildMember != 0 || adventurer.stayFlag != 0 || adventurer.busyFlag != 0)
            continue;
        const int draw = dice.roll(kTurnoverDraw) + 1;
        const bool arrives = adventurer.isFree() ? draw > kNewcomerAbove
                                                 : draw > kReplacedAbove && draw < kLeavesFrom;
        if (arrives && cities > 0) {
            generateAdventurer(adventurer, dice, names);
            adventurer.location = dice.roll(cities) + 1;
        } else if (!adventurer.isFree() && draw >= kLeavesFrom) {
            removeAdventurer(adventurer);
        }
    }
}

namespace {

enum class RunEnd { Over, StoppedByPlayer, YearPassed };

RunEnd playTurns(Game& game, int& turns) {
    if (!mainCharacterAway(game.state)) {
        advanceTurn(game, 1);
        ++turns;
        return RunEnd::Over;
    }
    while (mainCharacterAway(game.state) && !game.mainCharacterDied && turns < kEndTurnLimit) {
        advanceTurn(game, 1);
        ++turns;
        const bool runGoesOn =
            mainCharacterAway(game.state) && !game.mainCharacterDied && turns < kEndTurnLimit;
        if (runGoesOn && !game.presenter.keepPlayingTurns(turns)) return RunEnd::StoppedByPlayer;
    }
    if (mainCharacterAway(game.state) && !game.mainCharacterDied) return RunEnd::YearPassed;
    return RunEnd::Over;
}

}  // namespace

int endTurn(Game& game, bool* stoppedByPlayer) {
    int turns = 0;
    GatheredTurnReport report(game);
    const RunEnd end = playTurns(game, turns);
    // What the turns brought is read first, then why time stands still.
    report.show();
    if (end == RunEnd::StoppedByPlayer) {
        if (stoppedByPlayer) *stoppedByPlayer = true;
        game.presenter.inform(kTurnsStopped);
    } else if (end == RunEnd::YearPassed) {
        game.presenter.inform(
            "주인공이 속한 파티가 1년이 지나도록 돌아오지 않아 시간을 멈췄습니다. "
            "완료를 누르면 다시 흘러갑니다.");
    }
    return turns;
}

int confirmAndEndTurn(Game& game, const std::function<void()>& turnsStarting,
                      EndTurnQuestion question) {
    RecordedAction recorded(game, "end");
    if (question == EndTurnQuestion::Asked && !askPlayer(game, kEndTurnQuestion)) return 0;
    if (turnsStarting) turnsStarting();
    bool stopped = false;
    const int turns = endTurn(game, &stopped);
    if (stopped) recorded.setLine("end " + std::to_string(turns));
    autosaveTurnStart(game);
    return turns;
}

}  // namespace orrowvale
