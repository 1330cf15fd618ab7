#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "app/city/citycommands.h"
#include "app/lifecycle/loadgame.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/savegame.h"
#include "app/lifecycle/statuspanel.h"
#include "app/lifecycle/title.h"
#include "app/lifecycle/windows.h"
#include "modaldriver.h"

namespace orrowvale::testing {
namespace {

class SaveAndLoad : public ::testing::Test, public WindowsFixture {
  protected:
    // Opens `window` modally, lets `act` press things in it, and returns the slot lines.
    template <typename Act>
    QStringList inWindow(QDialog& window, Act act) {
        QStringList rows;
        QTimer::singleShot(0, &window, [&] {
            auto* list = window.findChild<QListWidget*>(QStringLiteral("filelist"));
            for (int i = 0; i < list->count(); ++i)
                rows << list->item(i)->text();
            act(*list, *window.findChild<QPushButton*>(QStringLiteral("Button1")));
            if (window.isVisible())
                window.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        });
        window.exec();
        return rows;
    }
    bool slotUsed(int slot) {
        return std::filesystem::exists(
            dir.path("data\\save\\save" + std::to_string(slot) + "\\mainsave.sav"));
    }
};

TEST_F(SaveAndLoad, SavingNeedsARowAndLoadingBringsTheSavedDateBack) {
    ModalDriver driver;
    startRandomGame(driver);
    const int gold = state().gold;

    // "확인" without a row does nothing; with row 3 it writes slot 3 and closes.
    const QStringList before =
        inWindow(windows->window<Tsaveform>(), [&](QListWidget&, QPushButton& ok) {
            ok.click();
            EXPECT_TRUE(windows->window<Tsaveform>().isVisible());
        });
    ASSERT_EQ(before.size(), 10);
    EXPECT_EQ(before.front(), QStringLiteral("1. 빈 공간"));
    EXPECT_EQ(before.back(), QStringLiteral("10. 빈 공간"));
    EXPECT_FALSE(slotUsed(1));
    inWindow(windows->window<Tsaveform>(), [&](QListWidget& list, QPushButton& ok) {
        list.setCurrentRow(2);
        ok.click();
        EXPECT_FALSE(windows->window<Tsaveform>().isVisible());
    });
    EXPECT_TRUE(slotUsed(3));
    // Said by a screen reader as it shows: a notification that has just appeared.
    auto* note = windows->window<Tinsform>().findChild<QLabel*>(QStringLiteral("notestat"));
    EXPECT_EQ(note->text(), QStringLiteral("저장했습니다."));
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(note)->role(), QAccessible::Notification);

    state().gameTurn = 5;
    state().gold = 1;
    windows->window<TMainForm>().close();

    // An empty slot is an error that leaves the window open and the game as it was.
    driver.seen.clear();
    const QStringList listed =
        inWindow(windows->window<Tloadform>(), [&](QListWidget& list, QPushButton& ok) {
            list.setCurrentRow(0);
            ok.click();
            EXPECT_TRUE(windows->window<Tloadform>().isVisible());
        });
    ASSERT_FALSE(driver.seen.isEmpty());
    EXPECT_TRUE(driver.seen.last().contains(QStringLiteral("save1/mainsave.sav")));
    EXPECT_EQ(state().gameTurn, 5);
    EXPECT_TRUE(listed[2].startsWith(QStringLiteral("3. ")));
    EXPECT_TRUE(listed[2].endsWith(QStringLiteral(": 200년 4월 1주 1턴")))
        << listed[2].toStdString();

    inWindow(windows->window<Tloadform>(), [&](QListWidget& list, QPushButton& ok) {
        list.setCurrentRow(2);
        ok.click();
    });
    EXPECT_EQ(state().gameTurn, 1);
    EXPECT_EQ(state().gold, gold);
    EXPECT_TRUE(windows->window<TMainForm>().isVisible());
    EXPECT_FALSE(windows->window<TForm1>().isVisible());
    // The loaded game's log starts with the box read on the way to it ("box: TEXT").
    const std::vector<LogEntry>& log = windows->loggingPresenter.log.entries();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().heading, kErrorHeading);
    EXPECT_EQ(log.front().date, "200년 4월 1주 1턴");
    EXPECT_EQ(QString::fromStdString(log.front().text), driver.seen.first().mid(5))
        << driver.seen.join('|').toStdString();
}

// Both windows name the folder that holds the slots, so the player can find the
// saves to back them up or carry them to another machine.
TEST_F(SaveAndLoad, BothSlotWindowsSayWhereTheSavesAre) {
    const QString expected =
        QStringLiteral("저장 폴더: ") + QString::fromStdString((dir.root() / "data/save").string());
    for (QDialog* window : {static_cast<QDialog*>(&windows->window<Tsaveform>()),
                            static_cast<QDialog*>(&windows->window<Tloadform>())}) {
        QString shown;
        inWindow(*window, [&](QListWidget&, QPushButton&) {
            shown = window->findChild<QLabel*>(QStringLiteral("folderlabel"))->text();
        });
        EXPECT_EQ(shown, expected) << window->objectName().toStdString();
    }
}

TEST_F(SaveAndLoad, AfterAKilledRunTheTitleOffersToContinueFromTheLastTurnStart) {
    const std::filesystem::path autosaves = dir.root() / "home" / "autosave";
    windows->keepAutosaves(autosaves);
    ModalDriver driver;
    startRandomGame(driver);
    windows->window<Tcommform>().findChild<QPushButton*>(QStringLiteral("skipturnbtn"))->click();
    const int goldAtTurnStart = state().gold;
    const int turn = state().gameTurn;
    state().gold += 500;
    const std::string name = state().mainCharacter().name;
    windows.reset();
    // Killed instead: a mark stays whose process is gone; the next start finds it.
    std::ofstream(autosaves / "running", std::ios::trunc) << 999999999 << "\n";
    windows = std::make_unique<Windows>(dir.paths(), Dice(7));
    windows->keepAutosaves(autosaves);
    TForm1& title = windows->window<TForm1>();
    windows->showTitle();
    title.windowShown();

    auto* resume = title.findChild<QAction*>(QStringLiteral("Continue1"));
    ASSERT_TRUE(resume->isVisible());
    EXPECT_TRUE(
        resume->text().startsWith(QStringLiteral("이어하기: ") + QString::fromStdString(name)))
        << resume->text().toStdString();
    EXPECT_TRUE(title.findChild<QAction*>(QStringLiteral("LoadAutosave1"))->isEnabled());
    resume->trigger();
    EXPECT_TRUE(windows->window<TMainForm>().isVisible());
    EXPECT_EQ(state().gold, goldAtTurnStart);
    EXPECT_EQ(state().gameTurn, turn);
    EXPECT_NE(windows->loggingPresenter.log.text("프롤로그"), "")
        << "the log of the killed run comes back with its game";
}

}  // namespace
}  // namespace orrowvale::testing
