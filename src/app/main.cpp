// orrowvale [--game-dir DIR]: the game. DIR holds the data folder; the program
// works from there. Without it the game looks for the installed game beside the
// program, then in the working directory, then in the build's game directory.

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>

#include "app/lifecycle/title.h"
#include "app/lifecycle/windows.h"
#include "app/ui/gameapplication.h"
#include "app/ui/settings.h"
#include "lifecycle/playlog.h"
#include "world/gamedirectory.h"

namespace {

constexpr int kUsageError = 64;
constexpr const char* kUsage =
    "Usage: orrowvale [--game-dir DIR]\n"
    "Opens the game's title window.\n"
    "\n"
    "Options:\n"
    "  --game-dir DIR  the game directory, which holds data/city.txt and the other\n"
    "                  data files (default: the installed game, else the working\n"
    "                  directory, else the build's game directory)\n"
    "  -h, --help      print this and exit\n"
    "\n"
    "Saves go to DIR/data/save/saveN, or to $XDG_DATA_HOME/orrowvale/save/saveN\n"
    "(~/.local/share/orrowvale/save/saveN) for the installed game or a game\n"
    "directory the player may not write.\n";

int usage(std::string_view problem) {
    std::cerr << "orrowvale: " << problem << "\n" << kUsage;
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    // Asking for help needs no screen.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--game-dir") ++i;
    }
    // The player's scale for every window, font and picture is read before Qt sizes any.
    orrowvale::applyUiScale();
    orrowvale::GameApplication app(argc, argv);
    std::optional<std::filesystem::path> gameDir;
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--game-dir") && i + 1 < args.size())
            gameDir = args[++i].toStdString();
        else
            return usage("unknown argument \"" + args[i].toStdString() + "\"");
    }
    if (!gameDir) gameDir = orrowvale::defaultGameDirectory();
    if (!gameDir->empty()) {
        std::error_code error;
        std::filesystem::current_path(*gameDir, error);
        if (error)
            return usage("cannot enter the game directory " + gameDir->string() + ": " +
                         error.message());
    }

    // The installed icon on every window, and the menu entry the desktop pairs the
    // windows with. A game run from the build has no icon installed: Qt's default.
    QApplication::setDesktopFileName(QStringLiteral("org.orrowvale.Orrowvale"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("orrowvale")));

    // Standard buttons and dialogs in Korean.
    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_ko"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    orrowvale::Windows windows(orrowvale::openGameDirectory(std::filesystem::current_path()),
                               orrowvale::Dice::fromEnvironment());
    const std::filesystem::path autosaves =
        orrowvale::homeAutosaveFolder(orrowvale::SaveFolderFacts::ofThisProgram());
    windows.keepAutosaves(autosaves);
    // Each game started or loaded is written down beside the autosaves.
    orrowvale::PlayLogKeeper playLogs(windows.game, orrowvale::playLogFolder(autosaves));
    windows.showTitle();
    return QApplication::exec();
}
