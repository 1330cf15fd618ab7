#include "parties/fight.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "Presenter.h"
#include "game.h"
#include "parties/party.h"
#include "parties/turnreport.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/numbers.h"
#include "world/particles.h"

namespace orrowvale {
namespace {

constexpr const char* kDeathText = "common\\death.txt";

// A party that can still fight: a number of the table whose slot is in use.
bool partyInPlay(const GameState& state, int party) {
    return PartyTable::contains(party) && state.parties[party].inUse;
}

bool isDeadMainCharacter(const Game& game, int adventurer) {
    return game.mainCharacterDied && adventurer == game.state.mainchrnum;
}

// Whether another death could still change the party. Once the main character has
// fallen, a party holding only him can lose nobody more.
bool anyoneLeftToKill(const Game& game, int party) {
    if (!partyInPlay(game.state, party)) return false;
    for (int number : game.state.parties[party].members)
        if (number != 0 && !isDeadMainCharacter(game, number)) return true;
    return false;
}

TMonster readMonsterRecord(LineReader& reader) {
    TMonster monster;
    if (reader.atEnd()) reader.failAtEnd("a monster name");
    monster.monsterName = reader.readLine();
    monster.attack = reader.readWholeNumber("the monster's attack");
    monster.defence = reader.readWholeNumber("the monster's defence");
    monster.fameReward = reader.readWholeNumber("the monster's fame reward");
    return monster;
}

void endGame(Game& game, int adventurer) {
    // The game is over even when the ending text cannot be read: the ending is then
    // shown without words rather than leaving a dead main character playing on.
    std::vector<std::string> lines;
    try {
        lines = readStoryText(game.paths, kDeathText);
    } catch (const DataError&) {
        lines.clear();  // nothing to tell, but the ending comes all the same
    }
    game.mainCharacterDied = true;
    if (Table<TAdven, kMaxAdventurers>::contains(adventurer))
        game.state.adventurers[adventurer].busyFlag = 0;
    game.presenter.showEnding(lines);
}

// The gold a party on a mission carried and is lost with it: what it found in a
// dungeon, or a transport's pay for cargo still whole. Empty when there is none.
std::string goldLostWithParty(const TParty& party) {
    if (!party.onMission || party.missionGold <= 0) return {};
    const std::string gold = std::to_string(party.missionGold) + "gp";
    if (party.missionKind == kDungeonMission)
        return " 던전에서 찾은 " + gold + "도 함께 잃었습니다.";
    if (party.missionKind == kTransportMission && party.cargoIntact)
        return " 수송 보수 " + gold + "도 받지 못합니다.";
    return {};
}

// The victim leaves the party for good: his adventurer slot is free again.
void buryMember(Game& game, int party, int slot) {
    GameState& state = game.state;
    TParty& p = state.parties[party];
    int victim = p.members[slot];
    if (Table<TAdven, kMaxAdventurers>::contains(victim)) {
        TAdven& dead = state.adventurers[victim];
        game.presenter.inform(withParticle(fullName(dead), Particle::Subject, "이(가)") +
                              " 모험 도중 사망했습니다.");
        removeAdventurer(dead);
    }
    p.members[slot] = 0;

    if (memberCount(state, party) == 0) {
        const std::string lost = goldLostWithParty(p);
        p.onMission = false;
        game.presenter.inform("파티 " + withParticle(p.partyName, Particle::Subject, "이(가)") +
                              " 전멸했습니다." + lost);
        disbandParty(state, party);
        return;
    }
    if (victim == p.leader)
        p.leader = *std::find_if(p.members.begin(), p.members.end(),
                                 [](int number) { return number != 0; });
}

}  // namespace

TMonster loadMonster(Game& game, std::string_view file) {
    if (!game.paths.hasDataFile(file)) return TMonster{};
    LineReader reader = LineReader::openData(game.paths, file);
    int count = reader.readWholeNumber("the number of monsters");
    // A monster file that lists no monster at all gives the harmless one.
    if (count <= 0 && reader.atEnd()) return TMonster{};
    // A file of one monster still rolls (a roll of one), so a seeded game draws the
    // same dice whatever the length of its monster files.
    int pick = count >= 1 ? game.dice.roll(count) : 0;
    TMonster monster;
    for (int record = 0; record <= pick; ++record)
        monster = readMonsterRecord(reader);
    return monster;
}

MeetingResult meetMonster(Game& game, int party, const TMonster& monster, FightWording wording) {
    GameState& state = game.state;
    MeetingResult result;
    if (!partyInPlay(state, party)) {
        result.wipedOut = true;
        return result;
    }

    // Wide sums: a monster file may hold any 32-bit number.
    std::int64_t partyDefence = partyDefenceRating(state, party) + std::int64_t{game.dice.d100()};
    std::int64_t monsterAttack = monster.attack + std::int64_t{game.dice.d100()};
    if (partyDefence < monsterAttack) {
        std::int64_t deaths = (monsterAttack - partyDefence) / 100;
        const bool fallenBefore = game.mainCharacterDied;
        for (std::int64_t i = 0; i < deaths && anyoneLeftToKill(game, party); ++i)
            killOneMember(game, party);
        // A party whose last living member was the main character, fallen in this
        // meeting, is lost with him.
        if (!partyInPlay(state, party) || memberCount(state, party) == 0 ||
            (!fallenBefore && !anyoneLeftToKill(game, party))) {
            result.wipedOut = true;
            return result;
        }
    }

    std::int64_t partyAttack = std::int64_t{game.dice.d100()} + partyAttackRating(state, party);
    std::int64_t monsterDefence = monster.defence + std::int64_t{game.dice.d100()};
    if (partyAttack < monsterDefence) return result;

    result.beaten = true;
    const std::string& partyName = state.parties[party].partyName;
    if (wording == FightWording::Dungeon)
        tellReport(game, "파티 " + withParticle(partyName, Particle::Subject, "이") +
                             " 모험 도중 " + monster.monsterName + "들을 격퇴했다는 소문입니다.");
    else
        tellReport(game, "파티 " + withParticle(partyName, Particle::Subject, "이") +
                             " 모험 도중 " + monster.monsterName + "(들)을 격퇴했다는 소문입니다.");
    state.adventureFame = saturatingAdd(state.adventureFame, monster.fameReward);
    return result;
}

void killOneMember(Game& game, int party) {
    GameState& state = game.state;
    if (!partyInPlay(state, party)) return;
    TParty& p = state.parties[party];
    int count = memberCount(state, party);
    if (count == 0) return;

    int victimRank = game.dice.roll(count) + 1;
    int slot = 0;
    for (int seen = 0; seen < victimRank;)
        if (p.members[++slot] != 0) ++seen;
    int victim = p.members[slot];
    // The fallen main character keeps his slot; he cannot die twice.
    if (isDeadMainCharacter(game, victim)) return;

    std::replace(p.formation.begin(), p.formation.end(), slot, 0);
    if (victim == state.mainchrnum)
        endGame(game, victim);
    else
        buryMember(game, party, slot);
}

FightOutcome scriptFight(Game& game, int party, const std::string& name, std::int32_t attack,
                         std::int32_t defence, std::int32_t fameReward) {
    if (!partyInPlay(game.state, party)) return FightOutcome::Undecided;
    TMonster monster;
    monster.monsterName = name;
    monster.attack = attack;
    monster.defence = defence;
    monster.fameReward = fameReward;

    for (int bout = 0; bout < kMaxFightBouts; ++bout) {
        MeetingResult result = meetMonster(game, party, monster, FightWording::Script);
        if (result.wipedOut) return FightOutcome::Lost;
        if (result.beaten) return FightOutcome::Won;
    }
    // Nobody alive withdraws: a party of only its fallen main character says nothing.
    if (!anyoneLeftToKill(game, party)) return FightOutcome::Undecided;
    tellReport(game,
               "파티 " +
                   withParticle(game.state.parties[party].partyName, Particle::Subject, "이(가)") +
                   " " + withParticle(name, Particle::Companion, "와(과)") +
                   "의 싸움에서 승부를 내지 못하고 물러났습니다.");
    return FightOutcome::Undecided;
}

}  // namespace orrowvale
