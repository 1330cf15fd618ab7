#include "app/lifecycle/windows.h"

#include <QApplication>
#include <QListWidget>
#include <QShortcut>
#include <iostream>
#include <type_traits>

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
#include "app/lifecycle/helpmenu.h"
#include "app/lifecycle/helpwindow.h"
#include "app/lifecycle/loadgame.h"
#include "app/lifecycle/logwindow.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/savegame.h"
#include "app/lifecycle/settingswindow.h"
#include "app/lifecycle/statuspanel.h"
#include "app/lifecycle/title.h"
#include "app/parties/dispatch.h"
#include "app/parties/partycommands.h"
#include "app/parties/partyoverview.h"
#include "app/parties/travel.h"
#include "app/scripts/announce.h"
#include "app/scripts/dialogue.h"
#include "app/ui/buttons.h"
#include "app/ui/numberedlist.h"
#include "app/ui/windowfocus.h"
#include "app/ui/windowplaces.h"
#include "app/ui/windowrole.h"
#include "world/datafiles.h"

namespace orrowvale {

namespace {

template <typename W>
std::unique_ptr<W> makeWindow(Windows& windows) {
    if constexpr (std::is_constructible_v<W, Windows&>)
        return std::make_unique<W>(windows);
    else
        return std::make_unique<W>();
}

}  // namespace

Windows::Windows(GamePaths gamePaths, Dice gameDice)
    : paths(std::move(gamePaths)),
      dice(std::move(gameDice)),
      state(std::make_unique<GameState>()),
      presenter(*this),
      loggingPresenter(presenter, *state),
      game(*state, paths, dice, loggingPresenter) {
    pressFocusedButtonsOnEnter();
    tellPlainWindowsAsWindows();
    keyboardFollowsWindows();
    rememberWindowPlaces();
    // One after another, in the order of the list.
    std::apply(
        [this](auto&... owned) {
            ((owned = makeWindow<typename std::decay_t<decltype(owned)>::element_type>(*this)),
             ...);
        },
        windows_);
    // The map, the status panel and the command window open as one group.
    arrangesItself(window<TMainForm>());
    arrangesItself(window<Tinsform>());
    arrangesItself(window<Tcommform>());
    // F1 in any window of the game: the help at the page of the window in front. A
    // shortcut answers only while its own window shows: the title's before a game,
    // the map's during one.
    for (QWidget* owner :
         {static_cast<QWidget*>(&window<TForm1>()), static_cast<QWidget*>(&window<TMainForm>())}) {
        auto* help = new QShortcut(QKeySequence(Qt::Key_F1), owner);
        help->setObjectName(QStringLiteral("helpshortcut"));
        help->setContext(Qt::ApplicationShortcut);
        QObject::connect(help, &QShortcut::activated, help,
                         [this] { showHelpFor(*this, QApplication::activeWindow()); });
    }
}

void Windows::keepAutosaves(const std::filesystem::path& folder) {
    runningMark = std::make_unique<RunningMark>(folder);
    autosaver = std::make_unique<Autosaver>(paths.gameDirectory(), folder);
    game.autosaver = autosaver.get();
}

// No window reaches another while it is destroyed (their hide and close handlers
// are theirs alone, their timers die with them), so the order among them is free.
Windows::~Windows() = default;

void Windows::showTitle() {
    TForm1& title = window<TForm1>();
    title.setEnabled(true);
    title.show();
    // The keyboard is the title's from the start, with or without a window manager.
    title.activateWindow();
}

bool Windows::enterGame() {
    forgetChoices();
    window<TForm1>().hide();
    if (!window<TMainForm>().openForPlay()) {
        showTitle();
        return false;
    }
    Tcommform& commands = window<Tcommform>();
    window<Tinsform>().show();
    commands.show();
    afterPlayerAction();
    commands.refreshCommandButtons();
    // The keyboard goes to the command window, on "완료": the map is played with the
    // mouse, and a tool window is not reached by switching windows.
    commands.activateWindow();
    return true;
}

// The map goes last, once the title is up, so that the program always has a window.
void Windows::returnToTitle() {
    window<Tinsform>().hide();
    window<Tcommform>().hide();
    window<Tinfoform>().hide();
    window<Tlogform>().hide();
    showTitle();
    window<TMainForm>().hide();
}

// A list remembers its chosen row by number, and a number of the old game names
// someone else, or no one, in the new one: every list starts empty, and each window
// fills its lists again as it opens.
void Windows::forgetChoices() {
    loggingPresenter.log.clear();
    std::apply(
        [](auto&... each) {
            const auto emptyLists = [](QWidget& window) {
                // NumberedList has no meta-object of its own: findChildren would take
                // every plain list for one.
                for (QListWidget* list : window.findChildren<QListWidget*>())
                    if (auto* numbered = dynamic_cast<NumberedList*>(list)) numbered->fill({});
            };
            (emptyLists(*each), ...);
        },
        windows_);
}

namespace {

constexpr const char* kKeptLog = "log.txt";

}  // namespace

void Windows::keepLogWithAutosave() {
    if (!autosaver) return;
    // Beside the turn start just kept, once its folder is written; before this world's
    // first autosave there is nothing to keep it beside.
    autosaver->waitForWrite();
    std::error_code ec;
    if (!std::filesystem::is_directory(autosaver->folder(), ec)) return;
    try {
        writePlainFile(autosaver->folder() / kKeptLog, loggingPresenter.log.keptText(), kKeptLog);
    } catch (const DataError& error) {
        // The game and its autosave are whole; only the log's copy is missing.
        std::cerr << "orrowvale: " << error.what() << "\n";
    }
}

void Windows::takeLogFromAutosave() {
    if (!autosaver) return;
    const std::filesystem::path file = autosaver->folder() / kKeptLog;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return;
    try {
        loggingPresenter.log = MessageLog::fromKeptText(readPlainFile(file, kKeptLog));
    } catch (const DataError& error) {
        std::cerr << "orrowvale: " << error.what() << "\n";
    }
}

LogEntry Windows::logBox(const char* heading, const QString& text) {
    LogEntry entry{dateText(*state), heading, text.toStdString()};
    loggingPresenter.log.add(entry);
    return entry;
}

void Windows::afterPlayerAction() {
    window<Tinsform>().refreshStatusPanel();
    window<TMainForm>().refreshMarks();
}

}  // namespace orrowvale
