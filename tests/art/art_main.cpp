// The drawing code measures text, which needs a Qt application; no screen is used.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    return RUN_ALL_TESTS();
}
