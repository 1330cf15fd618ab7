#include "parties/missions.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "Presenter.h"
#include "parties/fight.h"
#include "parties/party.h"
#include "parties/travel.h"
#include "parties/turnreport.h"
#include "scripts/scenariorunner.h"
#include "scripts/scriptactions.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/numbers.h"
#include "world/particles.h"

namespace orrowvale {
namespace {

using marker::searchConditions;
using marker::warEnd;
using marker::warJoin;
using marker::warSectionEnd;

// Action lines up to the block's end line or the end of the file.
void runActions(Game& game, LineReader& file, std::string_view endLine) {
    while (!file.atEnd()) {
        std::string line = file.readLine();
        if (line == endLine) return;
        executeAction(game, line, file);
    }
}

void runSearchFile(Game& game, int party) {
    const TParty& p = game.state.parties[party];
    LineReader file = LineReader::openData(game.paths, p.missionFile);
    while (stillStanding(game.state, party) && file.skipToMarker(marker::start)) {
        if (!file.skipToMarker(searchConditions)) return;
        if (readConditions(game, file))
            runActions(game, file, marker::end);
        else
            file.skipToMarker(marker::end);
    }
}

// The lines of a war section up to ":end". The merit of the party is counted when it
// joins; a war is ended only by a section that closes it.
void runWarSection(Game& game, int party, LineReader& file, bool closingSection) {
    GameState& state = game.state;
    while (!file.atEnd()) {
        std::string line = file.readLine();
        if (line == warSectionEnd) return;
        if (!closingSection && line == warKeyword::merit) {
            std::int32_t variable = file.readNumberToken("a variable number");
            if (inTable(variable, kMaxVariables))
                state.scriptVariables[variable] = wrappingAdd(
                    state.scriptVariables[variable], partyAbilityTotal(state, party) / 100);
        } else if (closingSection && line == warKeyword::over) {
            std::int32_t war = file.readNumberToken("a war number");
            if (inTable(war, kMaxWars)) state.wars[war].active = 0;
            setOnMission(state, party, false);
        } else {
            executeAction(game, line, file);
        }
    }
}

std::int32_t clampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int64_t totalFame(const GameState& state) {
    return std::int64_t{state.adventureFame} + state.politicalFame + state.covertFame;
}

void returnHome(Game& game, int party, const std::string& why) {
    setOnMission(game.state, party, false);
    tellReport(game,
               "파티 " +
                   withParticle(game.state.parties[party].partyName, Particle::Subject, "이(가)") +
                   " " + why);
}

void travelStep(Game& game, int party) {
    travelOneTurn(game, party);
}

void missionStep(Game& game, int party) {
    try {
        switch (game.state.parties[party].missionKind) {
            case kQuestMission:
                questTurn(game, party);
                break;
            case kSearchMission:
                searchTurn(game, party);
                break;
            case kWarMission:
                warTurn(game, party);
                break;
            case kDungeonMission:
                dungeonTurn(game, party);
                break;
            case kTransportMission:
                transportTurn(game, party);
                break;
            default:
                break;
        }
    } catch (const DataError& error) {
        // Left on its mission, the party would stop every later turn at the same
        // fault; it comes home and the author learns where the file is broken.
        if (!stillStanding(game.state, party)) return;
        returnHome(
            game, party,
            "자료 파일 오류로 임무를 중단하고 귀환했습니다. (" + std::string(error.what()) + ")");
        // What an expedition found on the levels it passed comes home with it.
        if (game.state.parties[party].missionKind == kDungeonMission)
            bringDungeonGoldHome(game, party);
    }
}

void questTurn(Game& game, int party) {
    const GameState& state = game.state;
    const std::int32_t quest = state.parties[party].missionValue;
    if (!inTable(quest, kMaxQuests)) return;
    CurrentPartyScope scope(game, party);
    // Copied: the script may change the quest's file.
    const std::string file = state.quests[quest].file;
    runScript(game, file);
}

void searchTurn(Game& game, int party) {
    GameState& state = game.state;
    const std::int64_t goldBefore = state.gold;
    const std::int64_t fameBefore = totalFame(state);
    {
        CurrentPartyScope scope(game, party);
        runSearchFile(game, party);
    }
    if (!stillStanding(state, party)) return;

    TParty& p = state.parties[party];
    p.missionGold = clampToInt32(p.missionGold + (state.gold - goldBefore));
    p.missionLevel = clampToInt32(p.missionLevel + (totalFame(state) - fameBefore));
    const int upkeep = searchUpkeep(state, party);
    if (upkeep < state.gold) {
        state.gold -= upkeep;
        // Kept with the party until it is home, to be told with what it found.
        p.missionRisk = saturatingAdd(p.missionRisk, upkeep);
    } else {
        returnHome(game, party,
                   std::string("자금 부족으로 귀환했습니다.") +
                       (p.missionValue > 1 ? searchHaulText(p) : ""));
    }

    if (p.missionValue > 1)
        --p.missionValue;
    else
        returnHome(game, party, kMissionDone + searchHaulText(p));
}

std::string searchHaulText(const TParty& party) {
    std::string found;
    if (party.missionGold > 0) found = std::to_string(party.missionGold) + "gp";
    if (party.missionLevel > 0)
        found +=
            (found.empty() ? "" : ", ") + std::string("명성 ") + std::to_string(party.missionLevel);
    std::string text = found.empty() ? " 얻은 것은 없습니다." : " 얻은 것: " + found + ".";
    if (party.missionRisk > 0) text += " 쓴 것: " + std::to_string(party.missionRisk) + "gp.";
    return text;
}

namespace {

void add(PerTurnBound& bound, std::int64_t amount) {
    (amount < 0 ? bound.least : bound.most) += amount;
}

}  // namespace

SearchTurnBound searchTurnBound(Game& game, int party) {
    SearchTurnBound bound;
    LineReader file = LineReader::openData(game.paths, game.state.parties[party].missionFile);
    while (!file.atEnd()) {
        const std::string line = file.readLine();
        if (line == ":gp" && !file.atEnd()) {
            add(bound.gold, signedByte(file.readNumberToken("an amount of gold")));
        } else if (line == ":famadd" && !file.atEnd()) {
            file.readNumberToken("a fame kind");
            add(bound.fame, signedByte(file.readNumberToken("an amount of fame")));
        } else if (line == ":fight" && !file.atEnd()) {
            file.readLine();
            file.readNumberToken("the attack of a monster");
            file.readNumberToken("the defence of a monster");
            add(bound.fame, file.readNumberToken("the fame reward of a monster"));
        }
    }
    return bound;
}

int searchUpkeep(const GameState& state, int party) {
    return kSearchUpkeepPerMember * memberCount(state, party);
}

void warTurn(Game& game, int party) {
    const std::string warFile = game.state.parties[party].missionFile;
    CurrentPartyScope scope(game, party);
    {
        LineReader file = LineReader::openData(game.paths, warFile);
        if (file.skipToMarker(warJoin)) runWarSection(game, party, file, false);
    }
    LineReader file = LineReader::openData(game.paths, warFile);
    while (stillStanding(game.state, party) && file.skipToMarker(warEnd))
        if (readConditions(game, file)) runWarSection(game, party, file, true);
}

void transportTurn(Game& game, int party) {
    GameState& state = game.state;
    TParty& p = state.parties[party];
    if (!p.inUse) return;

    const int ambushDraw = game.dice.roll(10);
    if (transportRating(state, party) < std::int64_t{ambushDraw} - 4 + p.missionRisk) {
        killOneMember(game, party);
        if (!stillStanding(state, party)) return;
    }
    const int cargoDraw = game.dice.roll(10);
    if (transportRating(state, party) < std::int64_t{cargoDraw} - 4 + p.missionLevel) {
        p.missionGold = 0;
        p.cargoIntact = false;
    }
    if (p.missionValue > 1) {
        --p.missionValue;
        return;
    }

    setOnMission(state, party, false);
    const std::string goods = p.missionFile;
    if (p.cargoIntact) {
        tellReport(game, "파티 " + withParticle(p.partyName, Particle::Subject, "이(가)") +
                             " 수송 " + withParticle(goods, Particle::Object, "을") +
                             " 성공적으로 마치고 귀환했습니다.");
        state.adventureFame = saturatingAdd(state.adventureFame, p.missionLevel);
        state.gold = saturatingAdd(state.gold, p.missionGold);
    } else {
        tellReport(game, "파티 " + withParticle(p.partyName, Particle::Subject, "이(가)") +
                             " 수송 " + withParticle(goods, Particle::Object, "을") +
                             " 실패하고 귀환했습니다.");
    }
    game.presenter.refreshStatus();
}

}  // namespace orrowvale
