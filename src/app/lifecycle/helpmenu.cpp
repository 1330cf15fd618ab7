#include "app/lifecycle/helpmenu.h"

#include <QAction>
#include <QDesktopServices>
#include <QMainWindow>
#include <QMenuBar>
#include <QUrl>
#include <filesystem>

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
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
}

}  // namespace

void addHelpMenu(QMainWindow& window, Windows& windows) {
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("도움말(&H)"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* openLogs =
        help->addAction(QStringLiteral("문제 보고용 기록 열기"), &window,
                        [&window, &windows] { openPlayLogFolder(window, windows); });
    openLogs->setObjectName(QStringLiteral("PlayLogs1"));
}

}  // namespace orrowvale
