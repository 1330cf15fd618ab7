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

int usage(std::string_view problem) {
    std::cerr << "orrowvale: " << problem << "\nusage: orrowvale [--game-dir DIR]\n";
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
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
