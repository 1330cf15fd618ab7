#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/ui/gameapplication.h"

int main(int argc, char** argv) {
    // Windows are real but drawn nowhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The player's own settings (window places, the scale) are neither read nor
    // written by the tests.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    // The program's own application object, so a fault a window lets escape is
    // met in the tests as the player meets it.
    orrowvale::GameApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
