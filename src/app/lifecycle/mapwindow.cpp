#include "app/lifecycle/mapwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <iostream>

#include "app/city/citycommands.h"
#include "app/lifecycle/characterinfo.h"
#include "app/lifecycle/helpmenu.h"
#include "app/lifecycle/logwindow.h"
#include "app/lifecycle/mapview.h"
#include "app/lifecycle/savegame.h"
#include "app/lifecycle/statuspanel.h"
#include "app/lifecycle/windows.h"
#include "app/parties/partycommands.h"
#include "app/parties/partyoverview.h"
#include "app/ui/buttons.h"
#include "app/ui/jpeg.h"
#include "app/ui/keepactive.h"
#include "app/ui/messages.h"
#include "app/ui/settings.h"
#include "app/ui/text.h"
#include "app/ui/windowplaces.h"
#include "lifecycle/characterinfo.h"
#include "lifecycle/citymap.h"
#include "lifecycle/savegame.h"
#include "world/datafiles.h"

namespace orrowvale {

namespace {

constexpr const char* kMapPicture = "data\\map.jpg";
// The height of a window manager's title bar and frame, where it is not known yet.
constexpr int kTitleBarRoom = 32;

// Without its picture the map is still playable: the city rectangles and names
// from the data files, drawn on parchment.
QImage drawnMap(const GameState& state) {
    QImage image(400, 390, QImage::Format_RGB32);
    image.fill(QColor(226, 212, 176));
    QPainter painter(&image);
    for (int city = 1; city <= state.cityBound(); ++city) {
        const CityRect& r = state.cityRects[city];
        const QRect rect(r.left, r.top, r.right - r.left, r.bottom - r.top);
        painter.setPen(QColor(90, 60, 30));
        painter.drawRect(rect);
        painter.drawText(rect, Qt::AlignCenter, qs(state.cityNames[city]));
    }
    return image;
}

}  // namespace

TMainForm::TMainForm(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QStringLiteral("로반햄 대륙 서남부"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    // The command window takes the keyboard as a game opens; the map beside it waits
    // for Ctrl+M, lest a screen reader say the map first.
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* central = new QWidget(this);
    mapPicture = new MapView(central);
    mapPicture->setObjectName(QStringLiteral("Image1"));
    mapPicture->onMove = [this](QPoint p) { mapMouseMove(p); };
    mapPicture->onPress = [this](Qt::MouseButton b, QPoint p) { mapMouseDown(b, p); };
    mapPicture->onChoose = [this](int city) { cityChosen(city); };
    mapPicture->onLeave = [this] { windows_.window<Tcommform>().takeKeyboard(); };
    // The keyboard stays on the command window while the mouse reads the map.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    characterButton = makeButton(central, "Button1", "캐릭터");
    characterButton->setToolTip(
        QStringLiteral("프로그래밍이 제대로 되었다면 아무런 효과도 없다! "));
    characterButton->hide();
    connect(characterButton, &QPushButton::clicked, this, &TMainForm::characterButtonClick);
    setCentralWidget(central);

    QMenu* file = menuBar()->addMenu(QStringLiteral("파일(&F)"));
    file->setObjectName(QStringLiteral("File1"));
    saveAction = file->addAction(QStringLiteral("저장(&S)"), this, &TMainForm::saveActionTriggered);
    saveAction->setObjectName(QStringLiteral("Save1"));
    saveAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    logAction = file->addAction(QStringLiteral("기록(&L)"), this, &TMainForm::logActionTriggered);
    logAction->setObjectName(QStringLiteral("Log1"));
    logAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    // The log, the overview and the map answer their keys in every window of a game.
    logAction->setShortcutContext(Qt::ApplicationShortcut);
    file->addSeparator();
    exitAction =
        file->addAction(QStringLiteral("끝내기(&X)"), this, &TMainForm::exitActionTriggered);
    exitAction->setObjectName(QStringLiteral("Exit1"));
    exitAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));

    QMenu* view = menuBar()->addMenu(QStringLiteral("보기(&V)"));
    view->setObjectName(QStringLiteral("View1"));
    overviewAction =
        view->addAction(QStringLiteral("파티 현황(&P)"), this, &TMainForm::overviewActionTriggered);
    overviewAction->setObjectName(QStringLiteral("Overview1"));
    overviewAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    overviewAction->setShortcutContext(Qt::ApplicationShortcut);
    mapAction = view->addAction(QStringLiteral("지도(&M)"), this, &TMainForm::mapActionTriggered);
    mapAction->setObjectName(QStringLiteral("Map1"));
    mapAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+M")));
    mapAction->setShortcutContext(Qt::ApplicationShortcut);

    QMenu* options = addSettingsMenu(*this, windows_);
    askEndTurnAction = options->addAction(QStringLiteral("완료 전에 묻기(&A)"));
    askEndTurnAction->setObjectName(QStringLiteral("AskEndTurn1"));
    askEndTurnAction->setCheckable(true);
    askEndTurnAction->setChecked(askBeforeEndingTurn());
    connect(options, &QMenu::aboutToShow, this,
            [this] { askEndTurnAction->setChecked(askBeforeEndingTurn()); });
    connect(askEndTurnAction, &QAction::toggled, this, &setAskBeforeEndingTurn);
    addHelpMenu(*this, windows_);
}

bool TMainForm::openForPlay() {
    try {
        readMapData(windows_.game);
    } catch (const DataError& error) {
        const PlayerText told = dataErrorText(error);
        windows_.logBox(kErrorHeading, told.text());
        errorBox(activeParent(), told);
        return false;
    }
    std::string error;
    QImage picture = loadJpeg(windows_.paths.resolve(kMapPicture), error);
    if (picture.isNull()) {
        std::cerr << "orrowvale: " << error << "; drawing the map from the city list\n";
        readCityRectsForDrawing(windows_.game);
        picture = drawnMap(*windows_.state);
    }
    mapPicture->setImage(picture);
    mapPicture->forgetFocusedCity();
    refreshMarks();
    centralWidget()->setFixedSize(picture.size());
    setFixedSize(sizeHint());
    show();
    // Once: later the three come back where they were, or where the player put them.
    if (!companionsPlaced_) arrangeWindows();
    companionsPlaced_ = true;
    // The keyboard is on the command window while the map is played: saving and
    // leaving keep their shortcuts there.
    windows_.window<Tcommform>().addActions({saveAction, exitAction});
    return true;
}

// The map with the status panel beside it, where the player's eye goes next, and
// the command window below the status panel: one group in the middle of the screen,
// unless the player has placed them before (the windows then open where he left
// them). A window just shown may not have its title bar yet, so room for one is
// kept, lest the command window cover the date.
void TMainForm::arrangeWindows() {
    Tinsform& statusPanel = windows_.window<Tinsform>();
    Tcommform& commands = windows_.window<Tcommform>();
    if (hasRememberedPlace(*this) && hasRememberedPlace(statusPanel) &&
        hasRememberedPlace(commands))
        return;
    statusPanel.adjustSize();
    commands.adjustSize();
    const QRect frame = frameGeometry();
    const int titleBar = std::max(frame.height() - height(), kTitleBarRoom);
    constexpr int kGap = 8;
    const QSize group(
        frame.width() + kGap + std::max(statusPanel.width(), commands.width()),
        std::max(frame.height(), 2 * titleBar + statusPanel.height() + kGap + commands.height()));
    const QRect screen = this->screen()->availableGeometry();
    const QPoint corner(std::max(screen.left(), screen.center().x() - group.width() / 2),
                        std::max(screen.top(), screen.center().y() - group.height() / 2));
    move(corner);
    statusPanel.move(corner.x() + frame.width() + kGap, corner.y());
    commands.move(statusPanel.x(), corner.y() + titleBar + statusPanel.height() + kGap);
}

void TMainForm::refreshMarks() {
    mapPicture->showMarks(cityMarks(windows_.game));
}

void TMainForm::mapMouseMove(QPoint point) {
    const bool overCity = cityAt(*windows_.state, point.x(), point.y()) != 0;
    mapPicture->setCursor(overCity ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

// A left click on a city opens the party command list of that city.
void TMainForm::mapMouseDown(Qt::MouseButton button, QPoint point) {
    if (button != Qt::LeftButton) return;
    const int city = cityAt(*windows_.state, point.x(), point.y());
    if (city == 0) return;
    mapPicture->focusCity(city);
    cityChosen(city);
}

void TMainForm::cityChosen(int city) {
    KeepActive keep;
    windows_.window<Tcommandform>().openFor(city);
    windows_.afterPlayerAction();
}

void TMainForm::saveActionTriggered() {
    KeepActive keep;
    windows_.window<Tsaveform>().exec();
}

// Keys that reach the map from every window do nothing while no game is played.
void TMainForm::logActionTriggered() {
    if (!isVisible()) return;
    Tlogform& log = windows_.window<Tlogform>();
    log.show();
    log.raise();
    log.activateWindow();
}

void TMainForm::overviewActionTriggered() {
    if (!isVisible()) return;
    KeepActive keep;
    windows_.window<Tpartyoverviewform>().exec();
    windows_.afterPlayerAction();
}

void TMainForm::mapActionTriggered() {
    if (!isVisible()) return;
    raise();
    activateWindow();
    mapPicture->setFocus(Qt::ShortcutFocusReason);
}

void TMainForm::exitActionTriggered() {
    close();
}

void TMainForm::characterButtonClick() {
    try {
        windows_.window<Tinfoform>().fill(copySampleAdventurer(windows_.game));
    } catch (const DataError& error) {
        errorBox(this, error);
        return;
    }
    windows_.window<Tinfoform>().show();
    windows_.afterPlayerAction();
}

bool TMainForm::mayLeaveGame() {
    if (!hasUnsavedProgress(windows_.game)) return true;
    return confirmBox(activeParent(),
                      QStringLiteral("마지막으로 저장하거나 불러온 뒤의 진행이 저장되지 "
                                     "않았습니다.\n저장하지 않고 게임을 떠나시겠습니까?"),
                      false);
}

// Leaving the map keeps the game state; the title window offers a new game or a load.
// Progress not yet saved is lost to the player then, so that is asked first.
void TMainForm::closeEvent(QCloseEvent* event) {
    if (!mayLeaveGame()) {
        event->ignore();
        return;
    }
    windows_.returnToTitle();
    event->accept();
}

}  // namespace orrowvale
