#include "city/pub.h"

#include <algorithm>
#include <vector>

#include "Presenter.h"
#include "city/heardnames.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "scripts/eventrunner.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

constexpr std::string_view kGossipFile = "data\\gossip\\gossip.txt";
constexpr std::string_view kRumourStart = ":start";

bool isBlank(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

void runPubEvent(Game& game) {
    const std::string cityEvents = cityPubEventFile(game.state);
    if (game.paths.hasDataFile(cityEvents)) {
        runEvent(game, cityEvents);
        if (game.eventStopFlag) return;
    }
    runEvent(game, pubEventFile(game.state));
}

}  // namespace

std::string pubEventFile(const GameState& state) {
    return "pubevent" + std::to_string(state.characterNumber) + ".evn";
}

std::string cityPubEventFile(const GameState& state) {
    std::string file = "pub\\";
    if (state.currentCity < 10) file += "0";
    file += std::to_string(state.currentCity);
    file += ".evn";
    return file;
}

void openPub(Game& game) {
    RecordedAction recorded(game, "pub");
    runPubEvent(game);
}

void returnToPub(Game& game) {
    runPubEvent(game);
}

void closeFameWindow(Game& game) {
    RecordedAction recorded(game, "fame");
    runPubEvent(game);
}

void closeAdventurerList(Game& game) {
    RecordedAction recorded(game, "close");
    runPubEvent(game);
}

void hearRumour(Game& game) {
    RecordedAction recorded(game, "rumour");
    const std::string rumour = pickRumour(game.paths, game.dice);
    hearNamesIn(game, rumour);
    game.presenter.inform(rumour);
    runPubEvent(game);
}

std::string pickRumour(const GamePaths& paths, Dice& dice) {
    LineReader file = LineReader::open(paths, kGossipFile);
    const int announced = file.readNumberToken("the number of rumours");
    const int countLine = std::max(file.lineNumber(), 1);
    std::vector<std::vector<std::string>> rumours;
    while (!file.atEnd()) {
        std::string line = file.readLine();
        if (line == kRumourStart)
            rumours.emplace_back();
        else if (!rumours.empty())
            rumours.back().push_back(std::move(line));
    }
    // The ":start" that closes the last rumour opens none.
    if (!rumours.empty() && std::all_of(rumours.back().begin(), rumours.back().end(), isBlank))
        rumours.pop_back();
    const int told = std::min(announced, static_cast<int>(rumours.size()));
    if (told < 1)
        throw DataError(file.displayName(), countLine,
                        "expected at least one rumour, found " +
                            (announced < 1 ? "the count " + std::to_string(announced)
                                           : std::string("no \":start\" line before a rumour")));
    std::string text;
    for (const std::string& line : rumours[static_cast<std::size_t>(dice.roll(told))])
        text += line + "\n";
    return text;
}

}  // namespace orrowvale
