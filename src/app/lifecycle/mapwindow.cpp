#include "app/lifecycle/mapwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
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
// The room between the map and the companions beside it.
constexpr int kCompanionGap = 8;

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
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    // The command window takes the keyboard as a game opens; the map beside it waits
    // for Ctrl+M, lest a screen reader say the map first.
    setAttribute(Qt::WA_ShowWithoutActivating);

    // The map fills the window: made larger or maximised, the picture grows with it.
    auto* central = new QWidget(this);
    mapPicture = new MapView(central);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mapPicture);
    mapPicture->setObjectName(QStringLiteral("Image1"));
    mapPicture->onMove = [this](QPoint p) { mapMouseMove(p); };
    mapPicture->onPress = [this](Qt::MouseButton b, QPoint p) { mapMouseDown(b, p); };
    mapPicture->onChoose = [this](int city) { cityChosen(city); };
    mapPicture->onLeave = [this] { windows_.window<Tcommform>().takeKeyboard(); };
    // The keyboard stays on the command window while the mouse reads the map.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    characterButton = makeButton(central, "Button1", "캐릭터",
                                 "프로그래밍이 제대로 되었다면 아무런 효과도 없다! ");
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
    // The game's keys over a window that waits on the player.
    qApp->installEventFilter(this);
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
    const std::filesystem::path file = windows_.paths.resolve(kMapPicture);
    QImage picture = loadJpeg(file, error);
    if (picture.isNull()) {
        std::cerr << "orrowvale: " << error << "; drawing the map from the city list\n";
        readCityRectsForDrawing(windows_.game);
        picture = drawnMap(*windows_.state);
    }
    mapPicture->setImage(picture, loadDetailedJpeg(file, picture));
    mapPicture->forgetFocusedCity();
    refreshMarks();
    show();
    // Once: later the three come back where they were, or where the player put them.
    if (!companionsPlaced_) arrangeWindows();
    companionsPlaced_ = true;
    followedFrame_ = frameGeometry();
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
    constexpr int kGap = kCompanionGap;
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

// The status panel and the command window follow the map's right edge as the player
// moves the map or makes it larger, as long as they stand beside it where they were
// put and the move keeps them on the screen. One the player has moved away stays.
void TMainForm::keepCompanionsBeside() {
    const QRect frame = frameGeometry();
    if (!isVisible() || followedFrame_.isNull() || frame == followedFrame_) return;
    const QPoint shift(frame.right() - followedFrame_.right(), frame.top() - followedFrame_.top());
    const QRect screen = this->screen()->availableGeometry();
    for (QWidget* companion : {static_cast<QWidget*>(&windows_.window<Tinsform>()),
                               static_cast<QWidget*>(&windows_.window<Tcommform>())}) {
        const QRect place = companion->frameGeometry();
        if (place.left() != followedFrame_.right() + 1 + kCompanionGap) continue;
        if (!screen.contains(place.translated(shift))) continue;
        companion->move(companion->pos() + shift);
    }
    followedFrame_ = frame;
}

void TMainForm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    keepCompanionsBeside();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    keepCompanionsBeside();
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
    // Over a window that waits on the player the log opens above it, or it could be
    // seen but not read; otherwise it stays open beside the map.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal != nullptr ? Qt::ApplicationModal : Qt::NonModal;
    if (modal != &log && log.windowModality() != wanted) {
        log.hide();
        log.setWindowModality(wanted);
    }
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

// A window that waits on the player (the guild, the trading post, a box) holds the
// keyboard from the game's other windows, and so from their keys. Over one, Ctrl+L
// opens the log above it, Ctrl+P the party overview, Ctrl+I tells what the status
// panel shows, and Ctrl+M says that the map waits for the window to close.
bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isVisible()) return false;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    if (pressed == logAction->shortcut()) {
        logActionTriggered();
    } else if (pressed == overviewAction->shortcut()) {
        if (modal != &windows_.window<Tpartyoverviewform>()) overviewActionTriggered();
    } else if (pressed == QKeySequence(QString::fromLatin1(kStatusKey))) {
        informBox(modal, windows_.window<Tinsform>().summary());
    } else if (pressed == mapAction->shortcut()) {
        informBox(modal, QStringLiteral("지도는 이 창을 닫은 뒤에 쓸 수 있습니다."));
    } else {
        return QMainWindow::eventFilter(watched, event);
    }
    return true;
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
