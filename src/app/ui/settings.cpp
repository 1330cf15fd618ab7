#include "app/ui/settings.h"

#include <sys/stat.h>

#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iterator>

#include "world/datafiles.h"

namespace orrowvale {
namespace {

constexpr const char* kAskBeforeEndingTurn = "turn/askBeforeEnding";
constexpr const char* kUiScale = "window/scalePercent";
constexpr const char* kMusicOn = "sound/music";
constexpr const char* kWindowPlaces = "windows/";
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

int uiScalePercent() {
    if (!settingsAreReadable()) return 0;
    const int percent = playerSettings().value(QLatin1String(kUiScale), 0).toInt();
    // A hand-edited value the game never offers means the screen's own.
    return std::find(std::begin(kUiScales), std::end(kUiScales), percent) != std::end(kUiScales)
               ? percent
               : 0;
}

void setUiScalePercent(int percent) {
    if (!settingsAreReadable()) return;
    playerSettings().setValue(QLatin1String(kUiScale), percent);
}

void applyUiScale() {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    const int percent = uiScalePercent();
    if (percent == 0) return;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
}

std::optional<QRect> windowPlace(const QString& window) {
    if (!settingsAreReadable()) return std::nullopt;
    const QVariant place = playerSettings().value(QLatin1String(kWindowPlaces) + window);
    if (!place.isValid()) return std::nullopt;
    const QRect rect = place.toRect();
    if (!rect.isValid()) return std::nullopt;
    return rect;
}

void setWindowPlace(const QString& window, const QRect& place) {
    if (!settingsAreReadable()) return;
    playerSettings().setValue(QLatin1String(kWindowPlaces) + window, place);
}

bool musicOn() {
    if (!settingsAreReadable()) return true;
    return playerSettings().value(QLatin1String(kMusicOn), true).toBool();
}

void setMusicOn(bool on) {
    if (!settingsAreReadable()) return;
    playerSettings().setValue(QLatin1String(kMusicOn), on);
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
