#include "scripts/scriptactions.h"

#include "Presenter.h"
#include "city/heardnames.h"
#include "game.h"
#include "scripts/scenariorunner.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"

namespace orrowvale {
bool readConditionBlock(std::span<const Keyword<ScriptCondition>> keywords, Game& game,
                        LineReader& file) {
    bool holds = true;
    while (!file.atEnd()) {
        std::string line = file.readLine();
        if (line == marker::optionEnd) break;
        for (const auto& keyword : keywords) {
            if (line != keyword.word) continue;
            if (!keyword.handler(game, file)) holds = false;
            break;
        }
    }
    return holds;
}

bool runActionLine(std::span<const Keyword<ScriptAction>> keywords, Game& game,
                   const std::string& line, LineReader& file) {
    for (const auto& keyword : keywords) {
        if (line != keyword.word) continue;
        keyword.handler(game, file);
        return true;
    }
    return false;
}

bool switchHolds(Game& game, LineReader& file) {
    std::string wanted = file.readLine();
    std::int32_t number = file.readNumberToken("a switch number");
    if (!inTable(number, kMaxSwitches)) return false;
    bool on = game.state.switches[number] != 0;
    // A state line that is neither "&on" nor "&off" is a typing slip: such a guard
    // never holds rather than letting its block run every time.
    if (wanted == kSwitchOn) return on;
    if (wanted == kSwitchOff) return !on;
    return false;
}

bool dateReached(const GameState& state, std::int32_t turn, std::int32_t week, std::int32_t month,
                 std::int32_t year) {
    // From the smallest field to the largest, each field that differs overrules the
    // ones before it.
    bool reached = true;
    auto compare = [&](std::int32_t now, std::int32_t given) {
        if (now < given) reached = false;
        if (now > given) reached = true;
    };
    compare(state.gameTurn, turn);
    compare(state.gameWeek, week);
    compare(state.gameMonth, month);
    compare(state.gameYear, year);
    return reached;
}

bool afterDateHolds(Game& game, LineReader& file) {
    std::int32_t turn = file.readNumberToken("the turn of a date");
    std::int32_t week = file.readNumberToken("the week of a date");
    std::int32_t month = file.readNumberToken("the month of a date");
    std::int32_t year = file.readNumberToken("the year of a date");
    return dateReached(game.state, turn, week, month, year);
}

bool characterHolds(Game& game, LineReader& file) {
    return game.state.characterNumber == file.readNumberToken("a story character number");
}

void showMessage(Game& game, LineReader& file) {
    const std::string text = file.readLine();
    hearNamesIn(game, text);
    game.presenter.inform(text);
}

void showTalk(Game& game, LineReader& file) {
    std::string speaker = file.readLine();
    const std::string text = joinLines(readTextBlock(file));
    hearNamesIn(game, speaker + "\n" + text);
    game.presenter.talk(speaker, text);
}

void setSwitch(Game& game, LineReader& file) {
    std::string state = file.readLine();
    std::int32_t number = file.readNumberToken("a switch number");
    if (inTable(number, kMaxSwitches)) game.state.switches[number] = state == kSwitchOn ? 1 : 0;
}

void addGold(Game& game, LineReader& file) {
    std::int32_t amount = signedByte(file.readNumberToken("an amount of gold"));
    game.state.gold = wrappingAdd(game.state.gold, amount);
}

void addPlace(Game& game, LineReader& file) {
    std::int32_t city = file.readNumberToken("a city number");
    Place place;
    // The names are held to what a save can keep: a bad one stops the script at its line.
    place.name = file.readText("a place name");
    place.eventFile = file.readFileName("a place's event file");
    if (!inTable(city, kMaxCities)) return;
    std::int32_t& count = game.state.cityPlaceCount[city];
    // A city already holding all its places takes no more.
    if (count < 0 || count >= kMaxPlacesPerCity) return;
    ++count;
    game.state.cityPlaces[city][count] = std::move(place);
}

void addRandomMember(Game& game, LineReader&) {
    GameState& state = game.state;
    // The name files are read only when there is room for one more member.
    if (findFreeAdventurerSlot(state) == 0 || findFreeRosterSlot(state) == 0) return;
    recruitRandomMember(state, game.dice, loadNameLists(game.paths));
}

void openGuildBranch(Game& game, LineReader&) {
    if (!inTable(game.state.currentCity, kMaxCities)) return;
    game.state.guildBranches[game.state.currentCity] = 1;
    game.presenter.enableGuildButtons();
}

void addFame(Game& game, LineReader& file) {
    std::int32_t kind = file.readNumberToken("a fame kind");
    std::int32_t amount = signedByte(file.readNumberToken("an amount of fame"));
    if (std::int32_t* fame = fameOfKind(game.state, kind)) *fame = wrappingAdd(*fame, amount);
}

void openDungeon(Game& game, LineReader& file) {
    std::int32_t city = file.readNumberToken("a city number");
    std::int32_t dungeon = file.readNumberToken("a dungeon number");
    if (inTable(city, kMaxCities) && inTable(dungeon, kMaxSitesPerCity))
        game.state.dungeonSites[city][dungeon].open = 1;
}

std::int32_t* fameOfKind(GameState& state, std::int32_t kind) {
    switch (kind) {
        case 1:
            return &state.adventureFame;
        case 2:
            return &state.politicalFame;
        case 3:
            return &state.covertFame;
        default:
            return nullptr;
    }
}

std::int32_t signedByte(std::int32_t amount) {
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(amount & 0xFF));
}

std::int32_t wrappingAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

}  // namespace orrowvale
