#include "scripts/scenariorunner.h"

#include "Presenter.h"
#include "city/heardnames.h"
#include "game.h"
#include "parties/fight.h"
#include "parties/party.h"
#include "scripts/scriptactions.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/statelimits.h"

namespace orrowvale {
namespace {

// The party a party keyword acts on, or 0 when no party script runs (the scenario
// file and the trade files) or the party has broken up.
int activeParty(const Game& game) {
    int party = game.currentParty;
    if (!inTable(party, kMaxParties) || !game.state.parties[party].inUse) return 0;
    return party;
}

// Conditions.

bool sameVariableHolds(Game& game, LineReader& file) {
    std::int32_t number = file.readNumberToken("a variable number");
    std::int32_t value = file.readNumberToken("a value");
    return inTable(number, kMaxVariables) && game.state.scriptVariables[number] == value;
}

bool locationHolds(Game& game, LineReader& file) {
    std::int32_t city = file.readNumberToken("a city number");
    return inTable(city, kMaxCities) && game.state.currentCity == city;
}

bool percentHolds(Game& game, LineReader& file) {
    std::int32_t percent = file.readNumberToken("a percentage");
    return game.dice.d100() <= percent;
}

bool perspipHolds(Game& game, LineReader& file) {
    std::int32_t sides = file.readNumberToken("a number of sides");
    if (sides < 1) return false;  // nothing to roll
    int roll = game.dice.roll(sides) + 1;
    int party = activeParty(game);
    return party != 0 && roll <= perspipRating(game.state, party);
}

bool fameHolds(Game& game, LineReader& file) {
    std::int32_t kind = file.readNumberToken("a fame kind");
    std::int32_t value = file.readNumberToken("an amount of fame");
    const std::int32_t* fame = fameOfKind(game.state, kind);
    return fame != nullptr && *fame >= value;
}

bool variablePercentHolds(Game& game, LineReader& file) {
    std::int32_t number = file.readNumberToken("a variable number");
    int roll = game.dice.d100();
    return inTable(number, kMaxVariables) && roll >= game.state.scriptVariables[number];
}

constexpr Keyword<ScriptCondition> kConditions[] = {
    {":switch", switchHolds}, {":samevar", sameVariableHolds},   {":location", locationHolds},
    {":per", percentHolds},   {":perspip", perspipHolds},        {":chrnum", characterHolds},
    {":fam", fameHolds},      {":pervar", variablePercentHolds}, {":aftertime", afterDateHolds},
};

// Actions.

// The story is told: the fame window shows the guild's goals from now on.
void openClosingChapter(Game& game, LineReader&) {
    game.state.closingChapter = true;
}

void announce(Game& game, LineReader& file) {
    const std::vector<std::string> lines = readTextBlock(file);
    hearNamesIn(game, joinLines(lines));
    game.presenter.showScriptAnnouncement(lines);
}

void exitFile(Game& game, LineReader&) {
    game.scriptStopFlag = true;
}

void addTradeGood(Game& game, LineReader& file) {
    std::int32_t city = file.readNumberToken("a city number");
    auto* slots = inTable(city, kMaxCities) ? &game.state.tradeGoods[city] : nullptr;
    TradeGood* free = nullptr;
    if (slots != nullptr) {
        for (TradeGood& slot : *slots) {
            if (slot.name == kNone) {
                free = &slot;
                break;
            }
        }
        // A trading post with every slot taken reads no further: the goods lines
        // that follow match no keyword and pass by.
        if (free == nullptr) return;
    }
    TradeGood good;
    // A transport keeps its goods as its mission file.
    good.name = file.readFileName("the goods of a trade offer");
    good.pay = file.readNumberToken("the pay of a transport");
    good.ambushRisk = file.readNumberToken("the ambush risk of a transport");
    good.cargoRisk = file.readNumberToken("the cargo risk of a transport");
    good.turns = file.readNumberToken("the turns of a transport");
    if (free != nullptr) *free = std::move(good);
}

void changeScenarioFile(Game& game, LineReader& file) {
    std::int32_t number = file.readNumberToken("a scenario file number");
    std::string name = file.readFileName("a scenario file");
    if (inTable(number, kMaxScenarioFiles)) game.state.scenarioFiles[number] = std::move(name);
}

void startWar(Game& game, LineReader& file) {
    std::int32_t war = file.readNumberToken("a war number");
    if (inTable(war, kMaxWars)) game.state.wars[war].active = 1;
}

void stopQuest(Game& game, LineReader&) {
    if (int party = activeParty(game)) setOnMission(game.state, party, false);
}

void fight(Game& game, LineReader& file) {
    std::string name = file.readLine();
    std::int32_t attack = file.readNumberToken("the attack of a monster");
    std::int32_t defence = file.readNumberToken("the defence of a monster");
    std::int32_t reward = file.readNumberToken("the fame reward of a monster");
    int party = activeParty(game);
    if (party == 0) return;
    if (scriptFight(game, party, name, attack, defence, reward) == FightOutcome::Lost)
        game.scriptStopFlag = true;
}

void addItem(Game& game, LineReader& file) {
    for (std::int32_t& slot : game.state.guildItems) {
        if (slot != 0) continue;
        const std::int32_t code = file.readNumberToken("an item code");
        if (!isItemCode(code))
            file.fail("an item code from 0 to " + std::to_string(kLastItemCode),
                      std::to_string(code));
        slot = code;
        return;
    }
    // Every slot is taken: the item line is left to be read as a line of its own.
}

void addToVariable(Game& game, LineReader& file) {
    std::int32_t number = file.readNumberToken("a variable number");
    std::int32_t amount = file.readNumberToken("an amount");
    if (!inTable(number, kMaxVariables)) return;
    std::int32_t& variable = game.state.scriptVariables[number];
    variable = wrappingAdd(variable, amount);
}

void killOne(Game& game, LineReader&) {
    if (int party = activeParty(game)) killOneMember(game, party);
}

void setVariable(Game& game, LineReader& file) {
    std::int32_t number = file.readNumberToken("a variable number");
    std::int32_t value = file.readNumberToken("a value");
    if (inTable(number, kMaxVariables)) game.state.scriptVariables[number] = value;
}

void changeQuestFile(Game& game, LineReader& file) {
    std::int32_t quest = file.readNumberToken("a quest number");
    std::string name = file.readFileName("a quest's file");
    if (inTable(quest, kMaxQuests)) game.state.quests[quest].file = std::move(name);
}

void startQuest(Game& game, LineReader& file) {
    std::int32_t quest = file.readNumberToken("a quest number");
    std::int32_t turns = file.readNumberToken("a number of turns");
    if (!inTable(quest, kMaxQuests)) return;
    game.state.quests[quest].active = 1;
    game.state.quests[quest].turnsLeft = turns;
}

void endQuest(Game& game, LineReader& file) {
    std::int32_t quest = file.readNumberToken("a quest number");
    if (inTable(quest, kMaxQuests)) game.state.quests[quest].active = 0;
}

constexpr Keyword<ScriptAction> kActions[] = {
    {":dlg", showMessage},
    {":announce", announce},
    {":talk", showTalk},
    {":switch", setSwitch},
    {":exitfile", exitFile},
    {":addgoto", addPlace},
    {":addcarry", addTradeGood},
    {":change", changeScenarioFile},
    {":onwar", startWar},
    {":stopquest", stopQuest},
    {":famadd", addFame},
    {":ondungeon", openDungeon},
    {":fight", fight},
    {":additem", addItem},
    {":addvar", addToVariable},
    {":killone", killOne},
    {":setvar", setVariable},
    {":addrandom", addRandomMember},
    {":openguild", openGuildBranch},
    {":goals", openClosingChapter},
    {":gp", addGold},
    {":changequest", changeQuestFile},
    {":onquest", startQuest},
    {":offquest", endQuest},
};

// Runs one city's trade file. Outside a holding condition block every line is passed
// over, "[END]" and "[START]" included, so a failed block runs on to the next "-opt-".
void runTradeFile(Game& game, LineReader& file) {
    while (file.skipToMarker(marker::start)) {
        bool running = false;
        while (!file.atEnd()) {
            std::string line = file.readLine();
            if (line == marker::optionStart) running = readConditions(game, file);
            if (!running) continue;
            executeAction(game, line, file);
            if (line == marker::end) break;
        }
    }
}

}  // namespace

void runScript(Game& game, std::string_view file) {
    if (!game.paths.hasDataFile(file)) return;
    LineReader reader = LineReader::openData(game.paths, file);
    game.scriptStopFlag = false;
    while (!reader.atEnd() && !game.scriptStopFlag) {
        if (!reader.skipToMarker(marker::start)) break;
        if (!readConditions(game, reader)) continue;
        while (!reader.atEnd() && !game.scriptStopFlag) {
            std::string line = reader.readLine();
            if (line == marker::end) break;
            executeAction(game, line, reader);
        }
    }
}

bool readConditions(Game& game, LineReader& file) {
    return readConditionBlock(kConditions, game, file);
}

void executeAction(Game& game, const std::string& line, LineReader& file) {
    runActionLine(kActions, game, line, file);
}

void refreshTradeGoods(Game& game) {
    // No party runs the trade files: the party keywords do nothing there.
    const CurrentPartyScope noParty(game, 0);

    LineReader list = LineReader::openData(game.paths, "common\\trade.txt");
    for (int city = 1; city <= game.state.cityBound(); ++city) {
        const std::string what = "the trade file of city " + std::to_string(city);
        if (list.atEnd()) {
            list.readLine();  // the error names the line where the name was due
            list.failAtEnd(what);
        }
        std::string name = list.readFileName(what);
        LineReader tradeFile = LineReader::openNamedBy(game.paths, name, list);
        runTradeFile(game, tradeFile);
    }
}

std::vector<std::string_view> scenarioConditionKeywords() {
    return keywordsOf(kConditions);
}

std::vector<std::string_view> scenarioActionKeywords() {
    return keywordsOf(kActions);
}

std::vector<std::string> readTextBlock(LineReader& file) {
    std::vector<std::string> lines;
    bool started = false;
    while (!file.atEnd()) {
        std::string line = file.readLine();
        if (line == marker::textEnd) break;
        if (started)
            lines.push_back(std::move(line));
        else
            started = line == marker::textStart;
    }
    return lines;
}

}  // namespace orrowvale
