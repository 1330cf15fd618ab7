#include "lifecycle/windows.h"

#include "lifecycle/chrinfo.h"
#include "lifecycle/crworld.h"
#include "lifecycle/inspector.h"
#include "lifecycle/loadform.h"
#include "lifecycle/mainform.h"
#include "lifecycle/newgame.h"
#include "lifecycle/saveform.h"
#include "lifecycle/title.h"
#include "parties/goform.h"
#include "scripts/announce.h"
#include "scripts/comm.h"
#include "scripts/talk.h"

namespace orrowvale {

Windows::Windows(GamePaths gamePaths, Dice gameDice)
    : paths(std::move(gamePaths)),
      dice(std::move(gameDice)),
      state(std::make_unique<GameState>()),
      presenter(*this),
      game(*state, paths, dice, presenter) {
    form1 = std::make_unique<TForm1>(*this);
    newGameForm = std::make_unique<TNewGameForm>(*this);
    mainForm = std::make_unique<TMainForm>(*this);
    insform = std::make_unique<Tinsform>(*this);
    commform = std::make_unique<Tcommform>(*this);
    talkform = std::make_unique<Ttalkform>();
    infoform = std::make_unique<Tinfoform>();
    goform = std::make_unique<Tgoform>(*this);
    crworldform = std::make_unique<Tcrworldform>(*this);
    announceform = std::make_unique<Tannounceform>();
    saveform = std::make_unique<Tsaveform>(*this);
    loadform = std::make_unique<Tloadform>(*this);
}

// The windows go before the game they show.
Windows::~Windows() {
    loadform.reset();
    saveform.reset();
    announceform.reset();
    crworldform.reset();
    goform.reset();
    infoform.reset();
    talkform.reset();
    commform.reset();
    insform.reset();
    mainForm.reset();
    newGameForm.reset();
    form1.reset();
}

}  // namespace orrowvale
