#include "app/lifecycle/title.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <iostream>

#include "app/lifecycle/charactercreation.h"
#include "app/lifecycle/helpmenu.h"
#include "app/lifecycle/loadgame.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/windows.h"
#include "app/ui/jpeg.h"
#include "app/ui/messages.h"
#include "app/ui/picture.h"
#include "app/ui/settings.h"
#include "app/ui/text.h"
#include "lifecycle/autosave.h"
#include "lifecycle/savegame.h"
#include "world/datafiles.h"

namespace orrowvale {

namespace {

QImage titlePicture(const GamePaths& paths) {
    std::string error;
    QImage image = loadJpeg(paths.resolve(kTitlePicture), error);
    if (!image.isNull()) return image;
    std::cerr << "orrowvale: " << error << "\n";
    QImage plain(500, 480, QImage::Format_RGB32);
    plain.fill(QColor(24, 28, 48));
    QPainter painter(&plain);
    painter.setPen(QColor(230, 210, 150));
    QFont font = painter.font();
    font.setPointSize(36);
    painter.setFont(font);
    painter.drawText(plain.rect(), Qt::AlignCenter, QStringLiteral("Orrowvale"));
    return plain;
}

}  // namespace

TForm1::TForm1(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Orrowvale 0.9a"));

    titleImage = new Picture(this, QStringLiteral("타이틀 그림"));
    titleImage->setObjectName(QStringLiteral("Image1"));
    const QImage picture = titlePicture(windows.paths);
    titleImage->setImage(picture, loadDetailedJpeg(windows.paths.resolve(kTitlePicture), picture));
    // The picture holds the keyboard, so that the window is not silent: it says
    // how to reach the menu, which Enter, F10 or Alt+F opens.
    titleImage->setFocusPolicy(Qt::StrongFocus);
    titleImage->setAccessibleDescription(
        QStringLiteral("Enter, F10 또는 Alt+F: 파일 메뉴. Ctrl+N: 새 게임"));
    setCentralWidget(titleImage);

    QMenu* file = menuBar()->addMenu(QStringLiteral("파일(&F)"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* newGame =
        file->addAction(QStringLiteral("새 게임(&N)"), this, &TForm1::newGameActionTriggered);
    newGame->setObjectName(QStringLiteral("NewGame1"));
    newGame->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    continueAction =
        file->addAction(QStringLiteral("이어하기"), this, &TForm1::continueActionTriggered);
    continueAction->setObjectName(QStringLiteral("Continue1"));
    continueAction->setVisible(false);
    file->addSeparator();
    loadGameAction =
        file->addAction(QStringLiteral("불러오기(&O)"), this, &TForm1::loadGameActionTriggered);
    loadGameAction->setObjectName(QStringLiteral("LoadGame1"));
    loadAutosaveAction = file->addAction(QStringLiteral("자동 저장 불러오기"), this,
                                         &TForm1::loadAutosaveActionTriggered);
    loadAutosaveAction->setObjectName(QStringLiteral("LoadAutosave1"));
    loadAutosaveAction->setEnabled(false);
    file->addSeparator();
    QAction* exit =
        file->addAction(QStringLiteral("끝내기(&X)"), this, &TForm1::exitActionTriggered);
    exit->setObjectName(QStringLiteral("Exit1"));
    exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    addSettingsMenu(*this, windows);
    addHelpMenu(*this, windows);

    auto* openMenu = new QAction(this);
    openMenu->setObjectName(QStringLiteral("OpenMenu1"));
    openMenu->setShortcuts(
        {QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    addAction(openMenu);
    connect(openMenu, &QAction::triggered, this, [this, file] {
        menuBar()->setActiveAction(file->menuAction());
        // The first entry the player can take is lit, so Enter again takes it.
        for (QAction* entry : file->actions()) {
            if (entry->isEnabled() && entry->isVisible() && !entry->isSeparator()) {
                file->setActiveAction(entry);
                break;
            }
        }
    });

    // Opens in the middle of the screen at the picture's size, or where and as large
    // as the player last left it; made larger, the picture grows with it.
    titleImage->setGrowsWithWindow(true);
}

// The first thing the player sees: without the game directory nothing else can
// work, so that alone is told, with the cure.
void TForm1::windowShown() {
    const std::filesystem::path cityList = windows_.paths.resolve(kCityListFile);
    std::error_code ec;
    gameDirMissing_ = !std::filesystem::exists(cityList, ec);
    showAutosaveEntries();
    startMusic(!gameDirMissing_);
    if (!gameDirMissing_) return;
    const QString folder = QString::fromStdString(windows_.paths.gameDirectory().string());
    errorBox(this, PlayerText("게임 폴더가 아닙니다: %1 에 data/city.txt 가 없습니다.\n"
                              "게임 폴더를 --game-dir DIR 로 지정하여 다시 시작하십시오.")
                       .arg(folder));
}

void TForm1::windowActivated() {
    startMusic(!gameDirMissing_);
}

// A change of loudness is heard in the tune already playing; music turned on
// starts it again from its beginning.
void TForm1::applyMusicSetting() {
    if (musicOn() && titleMusic.playing())
        titleMusic.setVolume(musicVolume());
    else
        startMusic(false);
}

void TForm1::startMusic(bool tellFailure) {
    titleMusic.setVolume(musicVolume());
    if (!musicOn()) {
        titleMusic.stop();
        return;
    }
    // The game directory is the working directory (main changes into it).
    const QString error = qs(titleMusic.playLooping(windows_.paths.resolve(kTitleMusic).string()));
    if (!tellFailure || error.isEmpty() || error == toldMusicError_) return;
    toldMusicError_ = error;
    errorBox(
        this,
        PlayerText("타이틀 음악을 재생할 수 없습니다. 음악 없이 계속합니다.").withDetail(error));
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    titleImage->setFocus();
    // After the window is on screen, so that a box it may show has its owner.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) windowShown();
    });
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) windowActivated();
}

void TForm1::hideEvent(QHideEvent* event) {
    toldMusicError_.clear();
    QMainWindow::hideEvent(event);
}

void TForm1::newGameActionTriggered() {
    setEnabled(false);
    TNewGameForm& characterCreation = windows_.window<TNewGameForm>();
    characterCreation.show();
    characterCreation.raise();
    characterCreation.activateWindow();
}

void TForm1::loadGameActionTriggered() {
    windows_.window<Tloadform>().exec();
}

void TForm1::showAutosaveEntries() {
    Autosaver* autosaver = windows_.autosaver.get();
    const std::optional<Autosave> newest = autosaver ? autosaver->latest() : std::nullopt;
    loadAutosaveAction->setEnabled(newest.has_value() && !gameDirMissing_);
    if (newest) loadAutosaveAction->setToolTip(qs(newest->line));
    if (continueLookedFor_ || !autosaver || gameDirMissing_) {
        continueAction->setVisible(false);
        return;
    }
    continueLookedFor_ = true;
    const std::optional<Autosave> offer =
        continueOffer(*autosaver, windows_.paths, windows_.runningMark->lastRunEndedAbnormally());
    continueAction->setVisible(offer.has_value());
    if (offer) continueAction->setText(QStringLiteral("이어하기: ") + qs(offer->line));
}

void TForm1::continueActionTriggered() {
    continueAction->setVisible(false);
    loadAutosaveActionTriggered();
}

void TForm1::loadAutosaveActionTriggered() {
    if (!windows_.autosaver) return;
    try {
        windows_.autosaver->loadLatest(windows_.game);
    } catch (const DataError& error) {
        errorBox(this, dataErrorText(error, "자동 저장을 읽을 수 없습니다",
                                     "지금의 게임은 그대로입니다."));
        return;
    }
    if (windows_.enterGame()) windows_.takeLogFromAutosave();
}

void TForm1::exitActionTriggered() {
    if (mayQuit()) QApplication::quit();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!mayQuit()) {
        event->ignore();
        return;
    }
    event->accept();
    QApplication::quit();
}

// The title is hidden while a game is played, but a session's end closes it anyway.
bool TForm1::mayQuit() {
    TMainForm& map = windows_.window<TMainForm>();
    return !map.isVisible() || map.mayLeaveGame();
}

}  // namespace orrowvale
