#include "app/lifecycle/helpmenu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMainWindow>
#include <QMenuBar>
#include <QUrl>
#include <filesystem>

#include "app/lifecycle/helpwindow.h"
#include "app/lifecycle/settingswindow.h"
#include "app/lifecycle/windows.h"
#include "app/ui/messages.h"
#include "lifecycle/playlog.h"

namespace orrowvale {
namespace {

// The logs live beside the autosaves; a program that keeps no autosave keeps no log.
void openPlayLogFolder(QMainWindow& window, Windows& windows) {
    const std::filesystem::path folder = windows.autosaver
                                             ? playLogFolder(windows.autosaver->autosaveFolder())
                                             : std::filesystem::path{};
    std::error_code ec;
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    if (folder.empty() || ec) {
        errorBox(&window, PlayerText("기록을 남길 폴더가 없습니다."));
        return;
    }
    // A desktop without a file manager opens nothing: the path is said and copied
    // either way, ready to paste into a report.
    const QString path = QString::fromStdString(folder.string());
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    QApplication::clipboard()->setText(path);
    informBox(
        &window,
        QStringLiteral("문제 보고용 기록 폴더:\n%1\n\n경로를 클립보드에 복사했습니다.").arg(path));
}

// Opens a window of its own beside the others, in front, with the keyboard.
void showInFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

QMenu* addSettingsMenu(QMainWindow& window, Windows& windows) {
    QMenu* options = window.menuBar()->addMenu(QStringLiteral("설정(&O)"));
    options->setObjectName(QStringLiteral("Options1"));
    QAction* settings = options->addAction(QStringLiteral("설정 창(&S)..."), &window, [&windows] {
        showInFront(windows.window<Tsettingsform>());
    });
    settings->setObjectName(QStringLiteral("Settings1"));
    return options;
}

void showHelpFor(Windows& windows, const QWidget* inFront) {
    Thelpform& help = windows.window<Thelpform>();
    // The help itself in front keeps the page it shows.
    if (inFront != &help) help.showPageFor(inFront ? inFront->objectName() : QString());
    showInFront(help);
}

void addHelpMenu(QMainWindow& window, Windows& windows) {
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("도움말(&H)"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* openLogs =
        help->addAction(QStringLiteral("문제 보고용 기록 열기"), &window,
                        [&window, &windows] { openPlayLogFolder(window, windows); });
    openLogs->setObjectName(QStringLiteral("PlayLogs1"));
    QAction* showHelp = help->addAction(QStringLiteral("도움말 보기(&V)"), &window, [&windows] {
        showHelpFor(windows, QApplication::activeWindow());
    });
    showHelp->setObjectName(QStringLiteral("ShowHelp1"));
}

}  // namespace orrowvale
