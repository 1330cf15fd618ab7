#include "parties/risk.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "game.h"
#include "parties/party.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

// Both fight rolls are d100, so the difference of two draws decides every meeting.
constexpr int kSides = 100;

// The chance that `first` + d100 >= `second` + d100.
double chanceAtLeast(long long first, long long second) {
    long long wins = 0;
    for (int a = 1; a <= kSides; ++a) {
        const long long needed = second - first - a;  // the other draw must be <= -needed
        wins += std::clamp<long long>(-needed, 0, kSides);
    }
    return static_cast<double>(wins) / (kSides * kSides);
}

struct Foe {
    long long attack = 0;
    long long defence = 0;
    long long fame = 0;
};

// One meeting: the chance that a member dies, and that the monster is beaten.
struct Meeting {
    double death = 0.0;
    double beaten = 0.0;
};

Meeting meetingOdds(const GameState& state, int party, const Foe& foe) {
    // A death needs the monster's roll to beat the party's by a hundred or more.
    const double death = chanceAtLeast(foe.attack, partyDefenceRating(state, party) + kSides);
    const double beaten = chanceAtLeast(partyAttackRating(state, party), foe.defence);
    return {death, beaten};
}

// A script fight goes on, bout after bout, until the monster is beaten.
double scriptFightLoss(const Meeting& m) {
    const double safeBout = 1.0 - m.death;
    if (m.beaten <= 0.0) return 1.0 - std::pow(safeBout, 100);
    return 1.0 - safeBout * m.beaten / (1.0 - safeBout * (1.0 - m.beaten));
}

std::int32_t numberOn(const std::string& line) {
    std::string_view text = line;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    std::int32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

struct ScriptFight {
    Foe foe;
    bool certainDeath = false;  // ":killone": a member dies, no fight
    int chance = 100;           // in percent, each turn it can happen
    bool once = false;          // a block tied to a count of turns happens once
};

// What a quest, search or war file holds for a risk: its fights, the turns it
// counts to, and the gold and fame it pays.
struct ScriptOutline {
    std::vector<ScriptFight> fights;
    int countedTurns = 0;
    int warEndChance = 0;  // in percent a turn, of the block that ends a war
    int stopChance = 0;    // the same for a block that ends a quest without counting
    PromisedReward reward;
};

ScriptOutline readScriptOutline(const GamePaths& paths, const std::string& file) {
    ScriptOutline outline;
    LineReader reader = LineReader::openData(paths, file);
    int chance = 100;
    bool once = false;
    auto next = [&reader]() { return reader.atEnd() ? std::string() : reader.readLine(); };
    while (!reader.atEnd()) {
        const std::string line = reader.readLine();
        if (line == "[START]" || line == "[onjoin]" || line == "[onend]") {
            chance = 100;
            once = false;
        } else if (line == ":killone") {
            outline.fights.push_back({Foe{}, true, chance, once});
        } else if (line == ":endthewar") {
            next();
            outline.warEndChance = std::max(outline.warEndChance, chance);
        } else if (line == ":per") {
            chance = numberOn(next());
        } else if (line == ":samevar") {
            next();
            outline.countedTurns = std::max(outline.countedTurns, numberOn(next()));
            once = true;
        } else if (line == ":fight") {
            ScriptFight fight;
            next();
            fight.foe.attack = numberOn(next());
            fight.foe.defence = numberOn(next());
            fight.foe.fame = numberOn(next());
            fight.chance = chance;
            fight.once = once;
            outline.fights.push_back(fight);
            outline.reward.fame += fight.foe.fame;
        } else if (line == ":stopquest") {
            if (!once) outline.stopChance = std::max(outline.stopChance, chance);
        } else if (line == ":gp") {
            outline.reward.gold += numberOn(next());
        } else if (line == ":famadd") {
            next();
            outline.reward.fame += numberOn(next());
        }
    }
    return outline;
}

double scriptLoss(const GameState& state, int party, const ScriptOutline& outline, int turns) {
    double safe = 1.0;
    for (const ScriptFight& fight : outline.fights) {
        const double loss =
            fight.certainDeath ? 1.0 : scriptFightLoss(meetingOdds(state, party, fight.foe));
        const double met = std::clamp(fight.chance, 0, 100) / 100.0;
        if (fight.once)
            safe *= 1.0 - met * loss;
        else
            safe *= std::pow(1.0 - met * loss, std::max(turns, 1));
    }
    return 1.0 - safe;
}

std::vector<Foe> readMonsters(const GamePaths& paths, const std::string& file) {
    if (!paths.hasDataFile(file)) return {Foe{}};
    LineReader reader = LineReader::openData(paths, file);
    const int count = reader.readWholeNumber("the number of monsters");
    std::vector<Foe> foes;
    for (int record = 0; record < count && !reader.atEnd(); ++record) {
        reader.readLine();
        Foe foe;
        foe.attack = reader.readWholeNumber("the monster's attack");
        foe.defence = reader.readWholeNumber("the monster's defence");
        foe.fame = reader.readWholeNumber("the monster's fame reward");
        foes.push_back(foe);
    }
    if (foes.empty()) foes.push_back(Foe{});
    return foes;
}

struct LevelBlock {
    int level = 0;
    int chance = 0;
    std::string monsters;
};

struct DungeonOutline {
    int levels = 0;
    std::vector<LevelBlock> blocks;
};

DungeonOutline readDungeon(const GamePaths& paths, const std::string& file) {
    DungeonOutline dungeon;
    LineReader reader = LineReader::openData(paths, file);
    dungeon.levels = reader.readWholeNumber("the number of levels");
    while (reader.skipToMarker("[START]")) {
        LevelBlock block;
        block.level = reader.readWholeNumber("the level of the block");
        block.chance = reader.readWholeNumber("the encounter chance");
        block.monsters = reader.readLine();
        dungeon.blocks.push_back(block);
    }
    return dungeon;
}

// The levels an expedition must pass before it comes home.
int levelsToPass(const DungeonOutline& dungeon, int numberField) {
    return std::max(1, std::min(dungeon.levels, numberField));
}

// One level: the party stays, meeting its monsters each turn, until it wins every
// meeting and the progress roll lets it down.
double levelLoss(Game& game, int party, const DungeonOutline& dungeon, int level, int record) {
    double safeTurn = 1.0;
    double victoryTurn = 1.0;
    for (const LevelBlock& block : dungeon.blocks) {
        if (block.level != level) continue;
        // A new level shows only its certain monsters, as the fights do.
        const double met =
            record > level ? std::clamp(block.chance, 0, 100) / 100.0 : (block.chance >= 100);
        if (met <= 0.0) continue;
        const std::vector<Foe> foes = readMonsters(game.paths, block.monsters);
        double death = 0.0;
        double beaten = 0.0;
        for (const Foe& foe : foes) {
            const Meeting m = meetingOdds(game.state, party, foe);
            death += m.death / static_cast<double>(foes.size());
            beaten += m.beaten / static_cast<double>(foes.size());
        }
        safeTurn *= 1.0 - met * death;
        victoryTurn *= 1.0 - met * (1.0 - beaten);
    }
    const double progress = std::max(0, 50 - 5 * level) / 100.0;
    const double leaves = victoryTurn * progress;
    if (leaves <= 0.0) return 1.0 - safeTurn;  // one turn, then it turns back
    return 1.0 - safeTurn * leaves / (1.0 - safeTurn * (1.0 - leaves));
}

double dungeonLoss(Game& game, int party, const DungeonSite& site, int numberField) {
    const DungeonOutline dungeon = readDungeon(game.paths, site.file);
    double safe = 1.0;
    for (int level = 1; level <= levelsToPass(dungeon, numberField); ++level)
        safe *= 1.0 - levelLoss(game, party, dungeon, level, site.deepestLevel);
    return 1.0 - safe;
}

const std::string* scriptFileOf(const GameState& state, Errand kind, int target, int city) {
    switch (kind) {
        case Errand::Quest:
            return &state.quests[target].file;
        case Errand::Search:
            return &state.searchSites[city][target].file;
        case Errand::War:
            return &state.wars[target].file;
        case Errand::Dungeon:
            break;
    }
    return nullptr;
}

// A war, or a quest that ends by a draw, goes on until a turn's draw ends it; the
// party stays that long on average.
constexpr int kLongestWarCounted = 50;

int turnsUntilDrawn(int chance) {
    if (chance <= 0) return kLongestWarCounted;
    return std::min(kLongestWarCounted, (100 + chance - 1) / chance);
}

int scriptTurns(Errand kind, const ScriptOutline& outline, int numberField) {
    if (kind == Errand::Search) return std::max(1, numberField);
    if (kind == Errand::War) return turnsUntilDrawn(outline.warEndChance);
    if (outline.countedTurns == 0 && outline.stopChance > 0)
        return turnsUntilDrawn(outline.stopChance);
    return std::max(1, outline.countedTurns);
}

// The city a party in use would set out from for `target`, when the target is
// open to it there.
std::optional<int> errandCity(const GameState& state, int party, Errand kind, int target) {
    if (!PartyTable::contains(party) || !state.parties[party].inUse) return std::nullopt;
    const int city = state.parties[party].location;
    if (!offers(openTargets(state, kind, city), target)) return std::nullopt;
    return city;
}

}  // namespace

RiskLevel riskLevelFor(double lossChance) {
    if (lossChance < 0.05) return RiskLevel::Low;
    if (lossChance < 0.20) return RiskLevel::Moderate;
    if (lossChance < 0.50) return RiskLevel::High;
    return RiskLevel::VeryHigh;
}

std::string riskText(const MissionRisk& risk) {
    const int percent = static_cast<int>(std::lround(risk.lossChance * 100));
    return std::string(kRiskWords[static_cast<int>(risk.level)]) + " (" + std::to_string(percent) +
           "%)";
}

std::optional<MissionRisk> errandRisk(Game& game, int party, Errand kind, int target,
                                      int numberField) {
    const GameState& state = game.state;
    const std::optional<int> from = errandCity(state, party, kind, target);
    if (!from) return std::nullopt;
    const int city = *from;
    try {
        double loss = 0.0;
        if (kind == Errand::Dungeon) {
            loss = dungeonLoss(game, party, state.dungeonSites[city][target], numberField);
        } else {
            const ScriptOutline outline =
                readScriptOutline(game.paths, *scriptFileOf(state, kind, target, city));
            loss = scriptLoss(state, party, outline, scriptTurns(kind, outline, numberField));
        }
        return MissionRisk{riskLevelFor(loss), loss};
    } catch (const DataError&) {
        // A broken file cannot be judged; the window then shows no risk.
        return std::nullopt;
    }
}

MissionRisk transportRisk(const GameState& state, int party, const TradeGood& good) {
    const long long rating = transportRating(state, party);
    int ambushDraws = 0;
    for (int draw = 0; draw < 10; ++draw)
        if (rating < draw - 4LL + good.ambushRisk) ++ambushDraws;
    const double safe = std::pow(1.0 - ambushDraws / 10.0, std::max(1, good.turns));
    return {riskLevelFor(1.0 - safe), 1.0 - safe};
}

bool asksBeforeRisk(const GameState& state, int party, const MissionRisk& risk) {
    if (risk.level < RiskLevel::High || !PartyTable::contains(party)) return false;
    const auto& members = state.parties[party].members;
    return state.mainchrnum != 0 &&
           std::find(members.begin(), members.end(), state.mainchrnum) != members.end();
}

std::optional<ErrandOutline> errandOutline(Game& game, int party, Errand kind, int target,
                                           int numberField) {
    const GameState& state = game.state;
    const std::optional<int> from = errandCity(state, party, kind, target);
    if (!from) return std::nullopt;
    const int city = *from;
    try {
        ErrandOutline outline;
        if (kind == Errand::Dungeon) {
            const DungeonOutline dungeon =
                readDungeon(game.paths, state.dungeonSites[city][target].file);
            outline.length = levelsToPass(dungeon, numberField);
            for (const LevelBlock& block : dungeon.blocks) {
                if (block.level > outline.length) continue;
                const std::vector<Foe> foes = readMonsters(game.paths, block.monsters);
                long long fame = 0;
                for (const Foe& foe : foes)
                    fame += foe.fame;
                outline.reward.fame += fame / static_cast<long long>(foes.size());
            }
        } else {
            const ScriptOutline script =
                readScriptOutline(game.paths, *scriptFileOf(state, kind, target, city));
            outline.length = kind == Errand::War ? 0 : scriptTurns(kind, script, numberField);
            outline.reward = script.reward;
        }
        return outline;
    } catch (const DataError&) {
        return std::nullopt;
    }
}

}  // namespace orrowvale
