#pragma once

#include <memory>

#include "app/ui/qtpresenter.h"
#include "game.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {

class TForm1;
class TNewGameForm;
class TMainForm;
class Tinsform;
class Tcommform;
class TPubForm;
class Ttalkform;
class Tinfoform;
class Tgoform;
class Tguildform;
class Ttalkwithform;
class Tttadvenform;
class Tcrworldform;
class Tpsform;
class Tadvlists;
class Tcommandform;
class Tmovecityform;
class Tdoadvform;
class Tannounceform;
class Tfamform;
class Ttradecform;
class Tadvdtform;
class Tprtdtform;
class Tsaveform;
class Tloadform;
class Tequipform;

// The one game of the program and every window, created once at start and kept for
// the whole run, hidden until needed. Windows reach each other through this.
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
    Game game;

    // In the order the program creates them.
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TNewGameForm> newGameForm;
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<Tinsform> insform;
    std::unique_ptr<Tcommform> commform;
    std::unique_ptr<TPubForm> pubform;
    std::unique_ptr<Ttalkform> talkform;
    std::unique_ptr<Tinfoform> infoform;
    std::unique_ptr<Tgoform> goform;
    std::unique_ptr<Tguildform> guildform;
    std::unique_ptr<Ttalkwithform> talkwithform;
    std::unique_ptr<Tttadvenform> ttadvenform;
    std::unique_ptr<Tcrworldform> crworldform;
    std::unique_ptr<Tpsform> psform;
    std::unique_ptr<Tadvlists> advlists;
    std::unique_ptr<Tcommandform> commandform;
    std::unique_ptr<Tmovecityform> movecityform;
    std::unique_ptr<Tdoadvform> doadvform;
    std::unique_ptr<Tannounceform> announceform;
    std::unique_ptr<Tfamform> famform;
    std::unique_ptr<Ttradecform> tradecform;
    std::unique_ptr<Tadvdtform> advdtform;
    std::unique_ptr<Tprtdtform> prtdtform;
    std::unique_ptr<Tsaveform> saveform;
    std::unique_ptr<Tloadform> loadform;
    std::unique_ptr<Tequipform> equipform;
};

}  // namespace orrowvale
