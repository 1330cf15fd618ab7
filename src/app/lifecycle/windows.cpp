#include "app/lifecycle/windows.h"

#include "app/lifecycle/Main.h"
#include "app/lifecycle/NewGame.h"
#include "app/lifecycle/chrinfo.h"
#include "app/lifecycle/crworld.h"
#include "app/lifecycle/inspector.h"
#include "app/lifecycle/loadunit.h"
#include "app/lifecycle/saveunit.h"
#include "app/lifecycle/title.h"
#include "app/parties/commandunit.h"
#include "app/parties/doadvunit.h"
#include "app/parties/movecityunit.h"
#include "app/parties/movedialog.h"
#include "app/screens/advdt.h"
#include "app/screens/advlistform.h"
#include "app/screens/equip.h"
#include "app/screens/famunit.h"
#include "app/screens/prtdt.h"
#include "app/screens/psunit.h"
#include "app/screens/task.h"
#include "app/screens/tradec.h"
#include "app/scripts/announce.h"
#include "app/scripts/comm.h"
#include "app/scripts/pub.h"
#include "app/scripts/talk.h"
#include "app/scripts/talkwith.h"
#include "app/scripts/ttadven.h"

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
    pubform = std::make_unique<TPubForm>(*this);
    talkform = std::make_unique<Ttalkform>();
    infoform = std::make_unique<Tinfoform>();
    goform = std::make_unique<Tgoform>(*this);
    guildform = std::make_unique<Tguildform>(*this);
    talkwithform = std::make_unique<Ttalkwithform>(*this);
    ttadvenform = std::make_unique<Tttadvenform>(*this);
    crworldform = std::make_unique<Tcrworldform>(*this);
    psform = std::make_unique<Tpsform>(*this);
    advlists = std::make_unique<Tadvlists>(*this);
    commandform = std::make_unique<Tcommandform>(*this);
    movecityform = std::make_unique<Tmovecityform>(*this);
    doadvform = std::make_unique<Tdoadvform>(*this);
    announceform = std::make_unique<Tannounceform>();
    famform = std::make_unique<Tfamform>(*this);
    tradecform = std::make_unique<Ttradecform>(*this);
    advdtform = std::make_unique<Tadvdtform>(*this);
    prtdtform = std::make_unique<Tprtdtform>(*this);
    saveform = std::make_unique<Tsaveform>(*this);
    loadform = std::make_unique<Tloadform>(*this);
    equipform = std::make_unique<Tequipform>(*this);
}

// The windows go before the game they show.
Windows::~Windows() {
    equipform.reset();
    loadform.reset();
    saveform.reset();
    prtdtform.reset();
    advdtform.reset();
    tradecform.reset();
    famform.reset();
    announceform.reset();
    doadvform.reset();
    movecityform.reset();
    commandform.reset();
    advlists.reset();
    psform.reset();
    crworldform.reset();
    ttadvenform.reset();
    talkwithform.reset();
    guildform.reset();
    goform.reset();
    infoform.reset();
    talkform.reset();
    pubform.reset();
    commform.reset();
    insform.reset();
    mainForm.reset();
    newGameForm.reset();
    form1.reset();
}

}  // namespace orrowvale
