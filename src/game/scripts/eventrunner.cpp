#include "scripts/eventrunner.h"

#include "Presenter.h"
#include "city/heardnames.h"
#include "game.h"
#include "scripts/scenariorunner.h"
#include "scripts/scriptactions.h"
#include "world/datafiles.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

// An event date guard names two dates; both must have been reached.
bool afterBothDatesHold(Game& game, LineReader& file) {
    bool first = afterDateHolds(game, file);
    bool second = afterDateHolds(game, file);
    return first && second;
}

constexpr Keyword<ScriptCondition> kConditions[] = {
    {":switch", switchHolds},
    {":aftertime", afterBothDatesHold},
    {":chrnum", characterHolds},
};

// The main character speaks.
void talkAsMainCharacter(Game& game, LineReader& file) {
    const GameState& state = game.state;
    std::string speaker;
    if (decltype(state.adventurers)::contains(state.mainchrnum))
        speaker = state.mainCharacter().name;
    const std::string text = joinLines(readTextBlock(file));
    hearNamesIn(game, text);
    game.presenter.talk(speaker, text);
}

void exitAfterBlock(Game& game, LineReader&) {
    game.eventStopFlag = true;
}

constexpr Keyword<ScriptAction> kActions[] = {
    {":dlg", showMessage},
    {":talk", showTalk},
    {":talkchr", talkAsMainCharacter},
    {":switch", setSwitch},
    {":exitfile", exitAfterBlock},
    {":gp", addGold},
    {":addgoto", addPlace},
    {":addrandom", addRandomMember},
    {":openguild", openGuildBranch},
    {":famadd", addFame},
    {":ondungeon", openDungeon},
};

}  // namespace

void runEvent(Game& game, std::string_view file) {
    LineReader reader = LineReader::openData(game.paths, file);
    game.eventStopFlag = false;
    while (!reader.atEnd() && !game.eventStopFlag) {
        if (!reader.skipToMarker(marker::start)) break;
        if (!readConditionBlock(kConditions, game, reader)) continue;
        // ":exitfile" lets the rest of its block run; only later blocks are skipped.
        while (!reader.atEnd()) {
            std::string line = reader.readLine();
            if (line == marker::end) break;
            runActionLine(kActions, game, line, reader);
        }
    }
}

std::vector<std::string_view> eventConditionKeywords() {
    return keywordsOf(kConditions);
}

std::vector<std::string_view> eventActionKeywords() {
    return keywordsOf(kActions);
}

}  // namespace orrowvale
