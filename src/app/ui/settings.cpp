#include "app/ui/settings.h"

#include <sys/stat.h>

#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <filesystem>

#include "world/datafiles.h"

namespace orrowvale {
namespace {

constexpr const char* kAskBeforeEndingTurn = "turn/askBeforeEnding";
constexpr const char* kOneTurnReport = "turn/oneReport";

// The file QSettings keeps the choices in, which it reads as soon as it is made.
std::filesystem::path settingsFile() {
    return std::filesystem::path(
               QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                   .toStdString()) /
           "orrowvale" / "orrowvale.conf";
}

// Whether the settings file may be read: missing, or a plain file read as the game
// reads its own. A pipe there would hold the program before its title, a device
// would never end; either leaves the choices as they are by default.
bool settingsAreReadable() {
    const std::filesystem::path file = settingsFile();
    struct stat seen {};
    if (::stat(file.c_str(), &seen) != 0) return errno == ENOENT;
    try {
        readPlainFile(file, file.string());
        return true;
    } catch (const DataError&) {
        return false;
    }
}

QSettings playerSettings() {
    return QSettings(QStringLiteral("orrowvale"), QStringLiteral("orrowvale"));
}

}  // namespace

bool askBeforeEndingTurn() {
    if (!settingsAreReadable()) return true;
    return playerSettings().value(QLatin1String(kAskBeforeEndingTurn), true).toBool();
}

void setAskBeforeEndingTurn(bool ask) {
    if (!settingsAreReadable()) return;
    playerSettings().setValue(QLatin1String(kAskBeforeEndingTurn), ask);
}

bool oneTurnReport() {
    if (!settingsAreReadable()) return true;
    return playerSettings().value(QLatin1String(kOneTurnReport), true).toBool();
}

void setOneTurnReport(bool gathered) {
    if (!settingsAreReadable()) return;
    playerSettings().setValue(QLatin1String(kOneTurnReport), gathered);
}

}  // namespace orrowvale
