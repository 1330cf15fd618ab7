#include "app/lifecycle/windows.h"

#include "app/city/adventurertalk.h"
#include "app/city/citycommands.h"
#include "app/city/pub.h"
#include "app/city/pubpatrons.h"
#include "app/city/visit.h"
#include "app/guild/adventurerpanel.h"
#include "app/guild/chooser.h"
#include "app/guild/equipment.h"
#include "app/guild/fame.h"
#include "app/guild/guildwindow.h"
#include "app/guild/partypanel.h"
#include "app/guild/partysetup.h"
#include "app/guild/tradingpost.h"
#include "app/lifecycle/charactercreation.h"
#include "app/lifecycle/characterinfo.h"
#include "app/lifecycle/creationprogress.h"
#include "app/lifecycle/loadgame.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/savegame.h"
#include "app/lifecycle/statuspanel.h"
#include "app/lifecycle/title.h"
#include "app/parties/dispatch.h"
#include "app/parties/partycommands.h"
#include "app/parties/travel.h"
#include "app/scripts/announce.h"
#include "app/scripts/dialogue.h"

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
