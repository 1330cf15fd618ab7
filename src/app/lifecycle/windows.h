#pragma once

#include <QString>
#include <filesystem>
#include <memory>
#include <tuple>

#include "app/ui/qtpresenter.h"
#include "game.h"
#include "lifecycle/autosave.h"
#include "messagelog.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {

// The one game of the program and every window, created once at start and kept for
// the whole run, hidden until needed. A window opens another with `window<T>()`;
// what several windows do together is one of the verbs below.
class Windows {
  public:
    Windows(GamePaths paths, Dice dice);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    GamePaths paths;
    Dice dice;
    std::unique_ptr<GameState> state;
    QtPresenter presenter;
    // What the game says goes through here into the log (기록), then to `presenter`.
    RecordingPresenter loggingPresenter;
    Game game;
    // The turn starts kept in the player's home and the mark of a running program:
    // only once keepAutosaves was called (the program does; tests ask for it).
    std::unique_ptr<Autosaver> autosaver;
    std::unique_ptr<RunningMark> runningMark;

    // Keeps autosaves in `folder` from now on and marks the program as running there.
    void keepAutosaves(const std::filesystem::path& folder);

    // The one window of type W.
    template <typename W>
    W& window() {
        return *std::get<std::unique_ptr<W>>(windows_);
    }

    // At program start, and when the map cannot open: the title, enabled.
    void showTitle();
    // The title hides, and the map, the status panel and the command window show
    // the game in place, the keyboard on the command window: a loaded game, or the
    // one a new world is then made over. False, after telling why and showing the
    // title, when the map cannot open.
    bool enterGame();
    // The game's windows hide; the title comes back enabled and active.
    void returnToTitle();
    // Shows what a player action may have changed: the gold, the city, the date and
    // the marks on the map.
    void afterPlayerAction();
    // The log of the game in play, kept beside this world's autosaves after each turn
    // and taken back when the autosave is loaded ("이어하기"), so a killed program
    // loses none of what the game said. Neither does anything without autosaves.
    void keepLogWithAutosave();
    void takeLogFromAutosave();
    // A box the windows show of their own (not the game's through its presenter) goes
    // into the log too, under `heading`, dated by the game in play; returns the entry.
    LogEntry logBox(const char* heading, const QString& text);

  private:
    // Empties every window's lists and the log, so nothing of one game shows in the
    // next.
    void forgetChoices();

    template <typename... W>
    using OneOfEach = std::tuple<std::unique_ptr<W>...>;

    // Every window, in the order they are created; each is made with `Windows&` or
    // with nothing. Adding a window is one entry here (its `class` declares it) and
    // its include in windows.cpp. After `game`, so that the windows go first.
    OneOfEach<class TForm1, class TNewGameForm, class TMainForm, class Tinsform, class Tcommform,
              class TPubForm, class Ttalkform, class Tinfoform, class Tgoform, class Tguildform,
              class Ttalkwithform, class Tttadvenform, class Tcrworldform, class Tpsform,
              class Tadvlists, class Tcommandform, class Tmovecityform, class Tdoadvform,
              class Tannounceform, class Tfamform, class Ttradecform, class Tadvdtform,
              class Tprtdtform, class Tsaveform, class Tloadform, class Tequipform, class Tlogform,
              class Tpartyoverviewform, class Tsettingsform, class Thelpform>
        windows_;
};

}  // namespace orrowvale
