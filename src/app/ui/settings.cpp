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
constexpr const char* kMusicVolume = "sound/volume";
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

// A choice as kept, or `fallback` when none is or the file may not be read.
QVariant kept(const QString& key, const QVariant& fallback) {
    if (!settingsAreReadable()) return fallback;
    return playerSettings().value(key, fallback);
}

// Keeps a choice; nothing where the file may not be read.
void keep(const QString& key, const QVariant& value) {
    if (settingsAreReadable()) playerSettings().setValue(key, value);
}

}  // namespace

bool askBeforeEndingTurn() {
    return kept(QLatin1String(kAskBeforeEndingTurn), true).toBool();
}

void setAskBeforeEndingTurn(bool ask) {
    keep(QLatin1String(kAskBeforeEndingTurn), ask);
}

int uiScalePercent() {
    const int percent = kept(QLatin1String(kUiScale), 0).toInt();
    // A hand-edited value the game never offers means the screen's own.
    return std::find(std::begin(kUiScales), std::end(kUiScales), percent) != std::end(kUiScales)
               ? percent
               : 0;
}

void setUiScalePercent(int percent) {
    keep(QLatin1String(kUiScale), percent);
}

void applyUiScale() {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    const int percent = uiScalePercent();
    if (percent == 0) return;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
}

std::optional<QRect> windowPlace(const QString& window) {
    const QVariant place = kept(QLatin1String(kWindowPlaces) + window, QVariant());
    if (!place.isValid() || !place.toRect().isValid()) return std::nullopt;
    return place.toRect();
}

void setWindowPlace(const QString& window, const QRect& place) {
    keep(QLatin1String(kWindowPlaces) + window, place);
}

bool musicOn() {
    return kept(QLatin1String(kMusicOn), true).toBool();
}

void setMusicOn(bool on) {
    keep(QLatin1String(kMusicOn), on);
}

int musicVolume() {
    return std::clamp(kept(QLatin1String(kMusicVolume), 50).toInt(), 0, 100);
}

void setMusicVolume(int percent) {
    keep(QLatin1String(kMusicVolume), std::clamp(percent, 0, 100));
}

bool oneTurnReport() {
    return kept(QLatin1String(kOneTurnReport), true).toBool();
}

void setOneTurnReport(bool gathered) {
    keep(QLatin1String(kOneTurnReport), gathered);
}

}  // namespace orrowvale
