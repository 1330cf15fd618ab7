#include "lifecycle/createworld.h"

#include <memory>
#include <string>
#include <vector>

#include "Presenter.h"
#include "city/heardnames.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "lifecycle/savegame.h"
#include "parties/party.h"
#include "scripts/scenariorunner.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale {

namespace {

constexpr int kRandomStartingMembers = 15;
// Random play: its purse, its home city and the character number its date events
// are read under ("dateevn200.evn").
constexpr int kRandomStartingGold = 1000;
constexpr int kRandomStartingCity = 1;
constexpr int kRandomCharacterNumber = 200;
constexpr const char* kStoryPrologue[] = {"prologue\\alfred.txt", "prologue\\alfred2.txt",
                                          "prologue\\alfred3.txt", "prologue\\alfred4.txt"};
constexpr const char* kRandomPrologue = "prologue\\common.txt";
// Every other story character's prologue: "prologue\storyN_1.txt", "..._2.txt" and
// on, as many parts as there are files in a row.
constexpr int kMostPrologueParts = 9;

// A world under construction: its own state, so that a failure leaves the game
// that is running untouched. The city list comes first: the adventurers are spread
// over its cities.
struct Building {
    explicit Building(Game& running)
        : state(std::make_unique<GameState>()),
          game(*state, running.paths, running.dice, running.presenter) {
        loadCityList(*state, running.paths);
    }

    std::unique_ptr<GameState> state;
    Game game;
};

void report(const CreationProgress& progress, int percent) {
    if (progress) progress(percent);
}

void resetCalendar(GameState& state) {
    state.gameYear = kStartYear;
    state.gameMonth = kStartMonth;
    state.gameWeek = 1;
    state.gameTurn = 1;
}

// Puts the main character into the highest free adventurer slot and the guild.
void placeMainCharacter(GameState& state, const TAdven& mainCharacter) {
    state.mainchrnum = addAdventurer(state, mainCharacter);
    addGuildMember(state, state.mainchrnum);
}

void loadSitesAndCampaigns(GameState& state, const GamePaths& paths) {
    loadRouteFiles(state, paths);
    loadSearchSites(state, paths);
    loadWars(state, paths);
    loadQuests(state, paths);
    loadDungeonSites(state, paths);
}

void startScriptsAndTrade(Game& game) {
    GameState& state = game.state;
    state.scenarioFiles[1] = "scenario\\scenario1.scn";
    state.scriptVariables.fill(0);
    state.adventureFame = 0;
    state.politicalFame = 0;
    state.covertFame = 0;
    state.playerNation = 1;
    for (auto& city : state.tradeGoods)
        city.fill(TradeGood{});
    refreshTradeGoods(game);
}

// The places and visitable cities every world shares; a story adds its own after.
void loadCommonPlaces(GameState& state, const GamePaths& paths) {
    loadPlaceList(state, paths, "common\\commongo.txt");
    loadVisitableCities(state, paths, "common\\commoncity.txt");
}

// Everything a world reads once its people are placed, the same for a story, a
// random world and a loaded game: the city list and rectangles, empty parties,
// routes, sites and campaigns, the scripts' start and the trade offers, the
// cities' nations. A new kind of data file is read here, and so reaches them all.
void loadWorldTables(Game& building) {
    GameState& state = building.state;
    const GamePaths& paths = building.paths;
    loadCityList(state, paths);
    loadCityRects(state, paths);
    createPartySlots(state);
    loadSitesAndCampaigns(state, paths);
    startScriptsAndTrade(building);
    loadCityNations(state, paths, "common\\citynat.txt");
}

// The prologue is read before the new world goes live, so a missing text fails
// the creation as a whole; it is shown after, over the new world.
std::vector<std::vector<std::string>> readTexts(const GamePaths& paths,
                                                std::initializer_list<const char*> files) {
    std::vector<std::vector<std::string>> texts;
    for (const char* file : files)
        texts.push_back(readStoryText(paths, file));
    return texts;
}

std::vector<std::vector<std::string>> readOwnPrologue(const GamePaths& paths, int character) {
    std::vector<std::vector<std::string>> texts;
    for (int part = 1; part <= kMostPrologueParts; ++part) {
        const std::string file = storyProloguePart(character, part);
        if (!paths.hasDataFile(file)) break;
        texts.push_back(readStoryText(paths, file));
    }
    return texts;
}

// The windows hear of the new world only once it is in place: a creation that
// failed before this leaves them as they were.
void finish(Game& game, Building& building, const std::vector<std::vector<std::string>>& prologue) {
    game.state = std::move(*building.state);
    game.currentParty = 0;
    game.scriptStopFlag = false;
    game.eventStopFlag = false;
    game.mainCharacterDied = false;
    markProgressKept(game);
    game.presenter.enableGuildButtons();
    for (const auto& text : prologue) {
        hearNamesIn(game, joinLines(text));
        game.presenter.showStoryText(text, kPrologueCaption, kPrologueEndPosition);
    }
}

}  // namespace

std::string storyProloguePart(int character, int part) {
    std::string file = "prologue\\story";
    file += std::to_string(character);
    file += "_";
    file += std::to_string(part);
    file += ".txt";
    return file;
}

void createStoryWorld(Game& running, int character, const CreationProgress& progress) {
    NewWorldSeed seed(running);
    const GamePaths::ReadCache sameFilesOnce(running.paths);
    Building building(running);
    GameState& state = *building.state;
    const GamePaths& paths = running.paths;

    report(progress, 0);
    const std::string startFile = "chrstat" + std::to_string(character) + ".txt";
    LineReader start = LineReader::openData(paths, startFile);
    state.gold = start.readWholeNumber("the starting gold");
    state.currentCity = start.readWholeNumber("the starting city");
    if (!CityTable::contains(state.currentCity))
        start.fail("a starting city from 1 to 100", std::to_string(state.currentCity));
    // The story character's number is a 16-bit value wherever it is used.
    state.characterNumber =
        static_cast<std::int16_t>(start.readWholeNumber("the character number"));
    TAdven mainCharacter;
    loadAdventurer(mainCharacter, paths,
                   "data\\" + start.readFileName("the main character's file"));
    const std::string placeList = start.readFileName("the story's place list");
    report(progress, 10);
    loadCommonPlaces(state, paths);
    loadPlaceList(state, paths, placeList);
    loadVisitableCities(state, paths, start.readFileName("the story's list of cities"));

    report(progress, 20);
    state.guildBranches.fill(0);
    report(progress, 40);
    populateAdventurers(state, running.dice, loadNameLists(paths));
    report(progress, 80);
    report(progress, 90);
    resetCalendar(state);
    report(progress, 100);
    placeMainCharacter(state, mainCharacter);
    loadWorldTables(building.game);

    std::vector<std::vector<std::string>> prologue;
    if (state.characterNumber == 0)
        prologue = readTexts(
            paths, {kStoryPrologue[0], kStoryPrologue[1], kStoryPrologue[2], kStoryPrologue[3]});
    else
        prologue = readOwnPrologue(paths, state.characterNumber);
    finish(running, building, prologue);
    seed.keep("new story:" + std::to_string(character));
}

void buildFreshWorld(Game& building, const NameLists& names, const FreshWorldSteps& steps) {
    GameState& state = building.state;
    const GamePaths& paths = building.paths;
    Dice& dice = building.dice;

    report(steps.progress, 0);
    state.gold = kRandomStartingGold;
    state.currentCity = kRandomStartingCity;
    state.characterNumber = kRandomCharacterNumber;
    TAdven mainCharacter;
    generateAdventurer(mainCharacter, dice, names);
    report(steps.progress, 10);
    loadCommonPlaces(state, paths);
    report(steps.progress, 20);
    report(steps.progress, 40);
    if (steps.populate) populateAdventurers(state, dice, names);
    report(steps.progress, 100);
    state.guildBranches.fill(0);
    state.guildBranches.at(state.currentCity) = 1;
    resetCalendar(state);
    placeMainCharacter(state, mainCharacter);
    loadWorldTables(building);
}

void createRandomWorld(Game& running, const CreationProgress& progress) {
    NewWorldSeed seed(running);
    const GamePaths::ReadCache sameFilesOnce(running.paths);
    Building building(running);
    const NameLists names = loadNameLists(running.paths);
    buildFreshWorld(building.game, names, {.populate = true, .progress = progress});
    for (int i = 0; i < kRandomStartingMembers; ++i)
        recruitRandomMember(*building.state, running.dice, names);
    finish(running, building, readTexts(running.paths, {kRandomPrologue}));
    seed.keep("new random");
}

}  // namespace orrowvale
