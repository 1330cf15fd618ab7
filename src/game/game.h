#pragma once

#include <cstdint>
#include <optional>

namespace orrowvale {

class Autosaver;
class PlayLog;
class PlayLogKeeper;
class Dice;
class GamePaths;
class Presenter;
class TurnReport;
struct GameState;

// One game in play: the state every rule reads and changes, the services the
// rules use, and the few values the script runners keep between calls. Cheap to
// make; whoever owns the GameState makes a Game over it.
struct Game {
    Game(GameState& state, const GamePaths& paths, Dice& dice, Presenter& presenter)
        : state(state), paths(paths), dice(dice), presenter(presenter) {}

    GameState& state;
    const GamePaths& paths;
    Dice& dice;
    Presenter& presenter;

    // The party whose script runs; 0 when no party script runs, and then the
    // keywords that act on a party do nothing.
    int currentParty = 0;
    // Ends the scenario runner's current file.
    bool scriptStopFlag = false;
    // Ends the event runner's current file after the block that set it.
    bool eventStopFlag = false;
    // The main character has died and the ending was shown: the game is over.
    bool mainCharacterDied = false;
    // What the last save, load or new world held (see progressDigest); leaving a
    // game whose digest differs loses progress. Empty when it could not be taken.
    std::optional<std::uint64_t> keptProgress;
    // Keeps the start of every turn the player reaches by ending one; none in the
    // simulator and the tests unless they ask.
    Autosaver* autosaver = nullptr;
    // The play log that records the player's actions, and the keeper that starts a
    // new one for each new or loaded game; none unless the game's owner made them (the
    // program does, the simulator with --record). A Game made for a moment over a copy
    // of the state (an autosave being read) has neither, so it records nothing.
    PlayLog* playLog = nullptr;
    PlayLogKeeper* playLogKeeper = nullptr;
    // The turn report that gathers the reports of the turns being played (see
    // tellReport); none outside a press of "완료", or while the player keeps one box
    // per report.
    TurnReport* turnReport = nullptr;
};

// The party whose scripts run, for as long as the scope lasts.
class CurrentPartyScope {
  public:
    CurrentPartyScope(Game& game, int party) : game_(game), previous_(game.currentParty) {
        game.currentParty = party;
    }
    ~CurrentPartyScope() { game_.currentParty = previous_; }
    CurrentPartyScope(const CurrentPartyScope&) = delete;
    CurrentPartyScope& operator=(const CurrentPartyScope&) = delete;

  private:
    Game& game_;
    int previous_;
};

}  // namespace orrowvale
