#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/city/citycommands.h"
#include "app/lifecycle/characterinfo.h"
#include "app/lifecycle/loadgame.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/savegame.h"
#include "app/lifecycle/statuspanel.h"
#include "app/lifecycle/title.h"
#include "lifecycle/savegame.h"
#include "modaldriver.h"

namespace orrowvale::testing {
namespace {

class PlayerWindows : public ::testing::Test, public WindowsFixture {
  protected:
    // Picks `slot` in the save or load window and presses "확인"; the window is
    // closed afterwards if it stayed open.
    void useSlot(QDialog& window, int slot) {
        QTimer::singleShot(0, &window, [&window, slot] {
            window.findChild<QListWidget*>(QStringLiteral("filelist"))->setCurrentRow(slot - 1);
            window.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            if (window.isVisible())
                window.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        });
        window.exec();
    }
    QStringList boxes(const ModalDriver& driver) const {
        return driver.seen.filter(QStringLiteral("box: "));
    }
};

// The game's companions have no way back once closed, so a close box does nothing;
// only leaving the map puts them away.
TEST_F(PlayerWindows, TheStatusPanelAndTheCommandWindowCannotBeClosedByThePlayer) {
    ModalDriver driver;
    startRandomGame(driver);
    for (QWidget* window : {static_cast<QWidget*>(&windows->window<Tinsform>()),
                            static_cast<QWidget*>(&windows->window<Tcommform>())}) {
        EXPECT_FALSE(window->close()) << window->objectName().toStdString();
        EXPECT_TRUE(window->isVisible()) << window->objectName().toStdString();
    }
    windows->window<TMainForm>().close();
    EXPECT_FALSE(windows->window<Tinsform>().isVisible());
    EXPECT_FALSE(windows->window<Tcommform>().isVisible());
}

// Nor can a window manager minimise or maximise them out of reach: they come back
// as they were.
TEST_F(PlayerWindows, TheCompanionsComeBackWhenMinimisedOrMaximised) {
    ModalDriver driver;
    startRandomGame(driver);
    for (QWidget* window : {static_cast<QWidget*>(&windows->window<Tinsform>()),
                            static_cast<QWidget*>(&windows->window<Tcommform>())}) {
        for (Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
            window->setWindowState(state);
            for (int wait = 0; wait < 100 && window->windowState() != Qt::WindowNoState; ++wait)
                QTest::qWait(10);
            EXPECT_EQ(window->windowState(), Qt::WindowNoState) << state;
            EXPECT_TRUE(window->isVisible()) << window->objectName().toStdString();
        }
    }
}

// Leaving asks only when the game changed since the new world, a save or a load;
// "아니요" keeps the player in the game, and the game over asks nothing.
TEST_F(PlayerWindows, LeavingAsksOnlyWhenProgressWouldBeLost) {
    ModalDriver driver;
    startRandomGame(driver);
    driver.seen.clear();
    windows->window<TMainForm>().close();
    EXPECT_TRUE(boxes(driver).isEmpty()) << "a world just made has nothing to lose";

    startRandomGame(driver);
    state().gold -= 10;
    driver.seen.clear();
    driver.answer({QMessageBox::No});
    EXPECT_FALSE(windows->window<TMainForm>().close());
    ASSERT_EQ(boxes(driver).size(), 1);
    EXPECT_TRUE(boxes(driver)[0].contains(QStringLiteral("저장하지 않고 게임을 떠나시겠습니까?")));
    EXPECT_TRUE(windows->window<TMainForm>().isVisible());
    EXPECT_TRUE(windows->window<Tcommform>().isVisible());

    // Ctrl+X in the command window is the same leaving.
    driver.answer({QMessageBox::No});
    windows->window<TMainForm>().exitActionTriggered();
    EXPECT_EQ(boxes(driver).size(), 2);
    EXPECT_TRUE(windows->window<TMainForm>().isVisible());

    useSlot(windows->window<Tsaveform>(), 4);
    driver.seen.clear();
    windows->window<TMainForm>().close();
    EXPECT_TRUE(boxes(driver).isEmpty()) << "saved just now";
    EXPECT_FALSE(windows->window<TMainForm>().isVisible());

    useSlot(windows->window<Tloadform>(), 4);
    ASSERT_TRUE(windows->window<TMainForm>().isVisible());
    windows->game.mainCharacterDied = true;
    state().gold += 1;
    driver.seen.clear();
    windows->window<TMainForm>().close();
    EXPECT_TRUE(boxes(driver).isEmpty()) << "the game is over";
}

TEST_F(PlayerWindows, SavingOverAUsedSlotAsksFirstAndNamesWhatItHolds) {
    ModalDriver driver;
    startRandomGame(driver);
    useSlot(windows->window<Tsaveform>(), 2);
    ASSERT_TRUE(slotHoldsSave(windows->paths, 2));
    const std::string held = listSaveSlots(windows->paths)[1];
    const std::string before = dir.readBytes("data\\save\\save2\\mainsave.sav");

    state().gameTurn = 3;
    driver.seen.clear();
    driver.answer({QMessageBox::No});
    useSlot(windows->window<Tsaveform>(), 2);
    ASSERT_EQ(boxes(driver).size(), 1);
    EXPECT_TRUE(boxes(driver)[0].contains(QString::fromStdString(held)))
        << boxes(driver)[0].toStdString();
    EXPECT_EQ(dir.readBytes("data\\save\\save2\\mainsave.sav"), before);
    EXPECT_TRUE(hasUnsavedProgress(windows->game));

    driver.seen.clear();
    driver.answer({QMessageBox::Yes});
    useSlot(windows->window<Tsaveform>(), 2);
    EXPECT_EQ(boxes(driver).size(), 1);
    EXPECT_NE(dir.readBytes("data\\save\\save2\\mainsave.sav"), before);
    EXPECT_FALSE(hasUnsavedProgress(windows->game));
}

// The player reads Korean, told what to do; the file stays named for a bug report.
TEST_F(PlayerWindows, LoadFailuresAreToldInKoreanWithTheFileAndWhatToDo) {
    ModalDriver driver;
    startRandomGame(driver);
    useSlot(windows->window<Tsaveform>(), 5);
    dir.write("data\\save\\save5\\mainsave.sav", "주인공\n이백\n");
    windows->window<TMainForm>().close();

    driver.seen.clear();
    useSlot(windows->window<Tloadform>(), 1);
    useSlot(windows->window<Tloadform>(), 5);
    const QStringList told = boxes(driver);
    ASSERT_EQ(told.size(), 2) << driver.seen.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(told[0].contains(QStringLiteral("빈 슬롯입니다")));
    EXPECT_TRUE(told[0].contains(QStringLiteral("다른 슬롯을 고르십시오")));
    EXPECT_FALSE(told[0].contains(QStringLiteral("cannot"))) << told[0].toStdString();
    EXPECT_TRUE(
        told[1].startsWith(QStringLiteral("box: 이 슬롯의 저장을 읽을 수 없습니다: "
                                          "data/save/save5/mainsave.sav ")))
        << told[1].toStdString();
    EXPECT_TRUE(told[1].contains(QStringLiteral("번째 줄")));
    EXPECT_TRUE(told[1].contains(QStringLiteral("다른 슬롯을 고르십시오")));
}

// A screen reader hears what a value label shows, not only what it is.
TEST_F(PlayerWindows, EveryValueLabelIsReadWithItsValue) {
    ModalDriver driver;
    startRandomGame(driver);
    windows->window<TMainForm>().characterButtonClick();
    int read = 0;
    QStringList silent;
    for (QWidget* window : {static_cast<QWidget*>(&windows->window<Tinsform>()),
                            static_cast<QWidget*>(&windows->window<Tinfoform>())}) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
            ASSERT_NE(accessible, nullptr);
            const QString heard = accessible->text(QAccessible::Name) + QLatin1Char(' ') +
                                  accessible->text(QAccessible::Description);
            if (heard.contains(label->text()))
                ++read;
            else
                silent << label->objectName() + QStringLiteral("=") + label->text();
        }
    }
    EXPECT_TRUE(silent.isEmpty()) << silent.join(QStringLiteral(", ")).toStdString();
    auto* gold = windows->window<Tinsform>().findChild<QLabel*>(QStringLiteral("goldstat"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(gold);
    // The status panel is read label first: "자금", then the gold.
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("자금"));
    EXPECT_EQ(accessible->text(QAccessible::Description), QString::number(state().gold));
    EXPECT_GT(read, 10);
}

// Shown without being activated, as some window managers do: the tune is tried all
// the same (its absence is told once).
TEST_F(PlayerWindows, TheTitleTuneStartsWhenTheTitleIsShown) {
    std::filesystem::remove(dir.path(kTitleMusic));
    ModalDriver driver;
    windows->window<TForm1>().setAttribute(Qt::WA_ShowWithoutActivating);
    windows->window<TForm1>().show();
    QTest::qWait(50);
    ASSERT_EQ(boxes(driver).size(), 1);
    EXPECT_TRUE(boxes(driver)[0].contains(QStringLiteral("타이틀 음악을 재생할 수 없습니다")));
    windows->window<TForm1>().windowActivated();
    EXPECT_EQ(boxes(driver).size(), 1);
}

// Started outside a game directory: one box naming the folder and the cure, not
// one per missing file; the title stays.
TEST_F(PlayerWindows, OutsideAGameDirectoryOneBoxNamesTheFolderAndTheCure) {
    std::filesystem::remove(dir.path("data\\city.txt"));
    std::filesystem::remove(dir.path(kTitleMusic));
    ModalDriver driver;
    windows->window<TForm1>().show();
    QTest::qWait(50);
    windows->window<TForm1>().windowActivated();
    const QStringList told = boxes(driver);
    ASSERT_EQ(told.size(), 1) << driver.seen.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(told[0].contains(QStringLiteral("--game-dir")));
    EXPECT_TRUE(told[0].contains(QString::fromStdString(dir.root().string())));
    EXPECT_TRUE(windows->window<TForm1>().isVisible());
}

}  // namespace
}  // namespace orrowvale::testing
