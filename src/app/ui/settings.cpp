#include "app/ui/settings.h"

#include <QSettings>

namespace orrowvale {
namespace {

QSettings playerSettings() {
    return QSettings(QStringLiteral("orrowvale"), QStringLiteral("orrowvale"));
}

constexpr const char* kAskBeforeEndingTurn = "turn/askBeforeEnding";

}  // namespace

bool askBeforeEndingTurn() {
    return playerSettings().value(QLatin1String(kAskBeforeEndingTurn), true).toBool();
}

void setAskBeforeEndingTurn(bool ask) {
    playerSettings().setValue(QLatin1String(kAskBeforeEndingTurn), ask);
}

}  // namespace orrowvale
