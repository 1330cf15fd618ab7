// orrowvale [--game-dir DIR]: the game. DIR (default: the working directory) holds
// the data folder; the program works from there.

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "app/lifecycle/title.h"
#include "app/lifecycle/windows.h"
#include "app/ui/gameapplication.h"

namespace {

constexpr int kUsageError = 64;
constexpr const char* kUsage =
    "usage: orrowvale [--game-dir DIR]\n"
    "  --game-dir DIR  the game directory, which holds data/city.txt and the other\n"
    "                  data files (default: the working directory)\n"
    "  -h, --help      print this and exit\n";

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
    orrowvale::GameApplication app(argc, argv);
    std::filesystem::path gameDir;
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--game-dir") && i + 1 < args.size())
            gameDir = args[++i].toStdString();
        else
            return usage("unknown argument \"" + args[i].toStdString() + "\"");
    }
    if (!gameDir.empty()) {
        std::error_code error;
        std::filesystem::current_path(gameDir, error);
        if (error)
            return usage("cannot enter the game directory " + gameDir.string() + ": " +
                         error.message());
    }

    // Standard buttons and dialogs in Korean.
    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_ko"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    orrowvale::Windows windows(orrowvale::GamePaths(std::filesystem::current_path()),
                               orrowvale::Dice::fromEnvironment());
    windows.form1->show();
    return QApplication::exec();
}
