#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>

#include "app/city/citycommands.h"
#include "app/lifecycle/helpwindow.h"
#include "app/lifecycle/logwindow.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/settingswindow.h"
#include "app/lifecycle/title.h"
#include "app/ui/settings.h"
#include "modaldriver.h"

namespace orrowvale::testing {
namespace {

class SettingsAndHelp : public ::testing::Test, public WindowsFixture {};

// The settings window keeps each choice as it is made; F1 from a game window opens
// the help at that window's page, and the log's key works away from the map.
TEST_F(SettingsAndHelp, ChoicesAreKeptAndF1OpensThePageOfTheWindowInFront) {
    ModalDriver driver;
    startRandomGame(driver);
    auto* open = windows->window<TMainForm>().findChild<QAction*>(QStringLiteral("Settings1"));
    ASSERT_NE(open, nullptr);
    open->trigger();
    Tsettingsform& settings = windows->window<Tsettingsform>();
    ASSERT_TRUE(settings.isVisible());
    auto* scale = settings.findChild<QComboBox*>(QStringLiteral("scalecombo"));
    scale->setCurrentIndex(4);
    emit scale->activated(4);
    EXPECT_EQ(uiScalePercent(), 200);
    auto* ask = settings.findChild<QCheckBox*>(QStringLiteral("askendcheck"));
    const bool asked = askBeforeEndingTurn();
    ask->click();
    EXPECT_EQ(askBeforeEndingTurn(), !asked);
    ask->click();
    auto* oneReport = settings.findChild<QCheckBox*>(QStringLiteral("onereportcheck"));
    oneReport->click();
    EXPECT_FALSE(oneTurnReport()) << "one box per report";
    oneReport->click();
    EXPECT_TRUE(oneTurnReport());
    auto* music = settings.findChild<QCheckBox*>(QStringLiteral("musiccheck"));
    music->setChecked(false);
    EXPECT_FALSE(musicOn());
    EXPECT_FALSE(windows->window<TForm1>().music().playing());
    auto* volume = settings.findChild<QSlider*>(QStringLiteral("volumeslider"));
    EXPECT_FALSE(volume->isEnabled()) << "no loudness to set for no music";
    music->setChecked(true);
    ASSERT_TRUE(volume->isEnabled());
    volume->setFocus();
    QTest::keyClick(volume, Qt::Key_PageDown);
    EXPECT_EQ(musicVolume(), 30);
    EXPECT_EQ(windows->window<TForm1>().music().volume(), 30) << "heard at once";
    settings.hide();
    settings.show();
    EXPECT_EQ(volume->value(), 30) << "kept";
    setMusicVolume(50);
    setUiScalePercent(0);
    settings.hide();

    Tcommform& commands = windows->window<Tcommform>();
    QApplication::setActiveWindow(&commands);
    QTest::keyClick(&commands, Qt::Key_F1);
    Thelpform& help = windows->window<Thelpform>();
    ASSERT_TRUE(QTest::qWaitFor([&help] { return help.isVisible(); }, 2000));
    auto* topics = help.findChild<QListWidget*>(QStringLiteral("topiclist"));
    EXPECT_EQ(topics->currentItem()->text(), QStringLiteral("도시 명령"));
    EXPECT_TRUE(help.findChild<QTextBrowser*>(QStringLiteral("helptext"))
                    ->toPlainText()
                    .contains(QStringLiteral("완료: 이번 턴을 끝냅니다.")));
    help.hide();

    QApplication::setActiveWindow(&commands);
    QTest::keyClick(&commands, Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return windows->window<Tlogform>().isVisible(); }, 2000))
        << "Ctrl+L from the command window";
}

// A window that waits on the player holds the keyboard from the others; the game's
// keys still answer there: the log opens above it and can be read, the overview
// opens, and Ctrl+I tells the status panel's values.
TEST_F(SettingsAndHelp, TheGamesKeysAnswerOverAWindowThatWaits) {
    ModalDriver driver;
    startRandomGame(driver);
    bool logAbove = false;
    bool overviewOpened = false;
    driver.when("Tpartyoverviewform", [&](QWidget* overview) {
        overviewOpened = true;
        overview->close();
    });
    driver.inScreen = [&](QDialog* guild) {
        QTest::keyClick(guild, Qt::Key_L, Qt::ControlModifier);
        Tlogform& log = windows->window<Tlogform>();
        logAbove = log.isVisible() && QApplication::activeModalWidget() == &log;
        log.close();
        QTest::keyClick(guild, Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(guild, Qt::Key_I, Qt::ControlModifier);
    };
    windows->window<Tcommform>().findChild<QPushButton*>(QStringLiteral("guildbutton"))->click();
    EXPECT_TRUE(logAbove);
    EXPECT_TRUE(overviewOpened);
    ASSERT_FALSE(driver.seen.filter(QStringLiteral("box: 자금 ")).isEmpty())
        << driver.seen.join('|').toStdString();
    EXPECT_TRUE(
        driver.seen.filter(QStringLiteral("box: 자금 "))[0].contains(QStringLiteral("은빛나루")));

    // Away from such a window the log opens beside the map again, not holding it.
    windows->window<TMainForm>().logActionTriggered();
    EXPECT_FALSE(windows->window<Tlogform>().isModal());
}

}  // namespace
}  // namespace orrowvale::testing
