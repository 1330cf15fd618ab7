#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
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

}  // namespace
}  // namespace orrowvale::testing
