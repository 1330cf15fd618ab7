#include <algorithm>
#include <string>

#include "Presenter.h"
#include "parties/fight.h"
#include "parties/missions.h"
#include "parties/party.h"
#include "parties/turnreport.h"
#include "scripts/scenariorunner.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/numbers.h"
#include "world/particles.h"

namespace orrowvale {
namespace {

// The deepest level the progress roll can still pass: on level 10 the draw would
// have to beat 100.
constexpr int kDeepestPassableLevel = 9;

// Wide: a damaged save may put the party on any 32-bit level.
bool passesProgressRoll(std::int64_t level, int draw) {
    return draw > level * 5 + 50;
}

// The deepest level any party has reached in the dungeon, shared by all parties. A
// dungeon that names no entry of the site table keeps a record of its own for the
// turn and writes nothing.
std::int32_t& dungeonRecord(GameState& state, const TParty& p, std::int32_t& scratch) {
    if (CityTable::contains(p.dungeonCity) &&
        Table<DungeonSite, kMaxSitesPerCity>::contains(p.dungeonNumber))
        return state.dungeonSites[p.dungeonCity][p.dungeonNumber].deepestLevel;
    return scratch;
}

struct LevelOutcome {
    bool victorious = true;
    bool wipedOut = false;
    std::string levelScript;  // of the level's last block
};

// Meets the monsters of the party's level, block by block in file order. On a level
// passed before each block's monster comes with its chance in percent; on a new
// level only the blocks that are certain.
LevelOutcome fightThroughLevel(Game& game, int party, LineReader& file, std::int32_t record) {
    const TParty& p = game.state.parties[party];
    LevelOutcome outcome;
    while (file.skipToMarker(marker::start)) {
        std::int32_t level = file.readWholeNumber("the level of the block");
        if (level != p.missionLevel) continue;
        std::int32_t chance = file.readWholeNumber("the encounter chance");
        int draw = game.dice.d100();
        int threshold = record > p.missionLevel ? draw : 100;
        TMonster monster = loadMonster(game, file.readLine());
        outcome.levelScript = file.readLine();
        if (chance < threshold) continue;
        MeetingResult met = meetMonster(game, party, monster, FightWording::Dungeon);
        if (met.wipedOut) {
            outcome.wipedOut = true;
            return outcome;
        }
        if (!met.beaten) outcome.victorious = false;
    }
    return outcome;
}

void comeHome(Game& game, int party) {
    returnHome(game, party, kMissionDone);
    bringDungeonGoldHome(game, party);
}

}  // namespace

void bringDungeonGoldHome(Game& game, int party) {
    GameState& state = game.state;
    const TParty& p = state.parties[party];
    tellReport(game, "파티 " + withParticle(p.partyName, Particle::Topic, "은") +
                         " 던전 탐험 동안에 " + std::to_string(p.missionGold) +
                         "gp를 획득했습니다(탐험한 깊이: " +
                         std::to_string(std::int64_t{p.missionLevel} - 1) + ").");
    state.gold = saturatingAdd(state.gold, p.missionGold);
}

std::int64_t treasureStillAhead(Game& game, int party) {
    GameState& state = game.state;
    const TParty& p = state.parties[party];
    std::int32_t scratchRecord = 0;
    const std::int32_t record = dungeonRecord(state, p, scratchRecord);
    LineReader file = LineReader::openData(game.paths, p.missionFile);
    const std::int64_t levels = file.readWholeNumber("the number of levels");
    // A party comes home once it is past its last level; none passes the deepest.
    const std::int64_t lastPassed =
        std::min({levels, std::int64_t{p.missionValue}, std::int64_t{kDeepestPassableLevel}});
    std::int64_t most = 0;
    for (std::int64_t level = std::max<std::int64_t>(p.missionLevel, record) + 1;
         level <= lastPassed + 1; ++level)
        most += treasureMost(static_cast<int>(level));
    return most;
}

void dungeonTurn(Game& game, int party) {
    GameState& state = game.state;
    TParty& p = state.parties[party];
    std::int32_t scratchRecord = 0;
    std::int32_t& record = dungeonRecord(state, p, scratchRecord);

    LineReader file = LineReader::openData(game.paths, p.missionFile);
    const std::int32_t levels = file.readWholeNumber("the number of levels");
    const LevelOutcome outcome = fightThroughLevel(game, party, file, record);
    if (outcome.wipedOut || !stillStanding(state, party)) return;

    // The progress roll is drawn even after a lost fight.
    const int progressDraw = game.dice.d100();
    if (!outcome.victorious || !passesProgressRoll(p.missionLevel, progressDraw)) {
        // No party ever gets past a level this deep: rather than stay down for
        // good, the party climbs back with what it has found.
        if (p.missionLevel > kDeepestPassableLevel) {
            tellReport(game, "파티 " + withParticle(p.partyName, Particle::Topic, "은(는)") +
                                 " 더 깊이 내려갈 길을 찾지 못하고 발길을 돌렸습니다.");
            comeHome(game, party);
        }
        return;
    }

    p.missionLevel = saturatingAdd(p.missionLevel, 1);
    if (record < p.missionLevel) {
        record = p.missionLevel;
        p.missionGold = saturatingAdd(p.missionGold, rollTreasure(p.missionLevel, game.dice));
        CurrentPartyScope scope(game, party);
        runScript(game, outcome.levelScript);
        if (!stillStanding(state, party)) return;
    }
    if (p.missionLevel > levels || p.missionLevel > p.missionValue) comeHome(game, party);
}

}  // namespace orrowvale
