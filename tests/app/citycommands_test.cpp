#include "app/city/citycommands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <tuple>

#include "app/city/visit.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/statuspanel.h"
#include "app/lifecycle/title.h"
#include "app/ui/settings.h"
#include "app/ui/text.h"
#include "city/citycommands.h"
#include "messagelog.h"
#include "modaldriver.h"
#include "parties/party.h"
#include "parties/travel.h"
#include "parties/turn.h"

namespace orrowvale::testing {
namespace {

class CommandWindow : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        startRandomGame(driver);
        driver.seen.clear();
    }
    void press(const char* name) {
        windows->window<Tcommform>().findChild<QPushButton*>(QString::fromUtf8(name))->click();
    }
    ModalDriver driver;
};

TEST_F(CommandWindow, BranchOpensOnlyAtTheFameItsNumberNeeds) {
    struct Case {
        int otherBranches;
        int fame;
        bool opens;
    };
    const Case cases[] = {{0, 99, false}, {0, 100, true},  {1, 299, false},
                          {1, 300, true}, {2, 499, false}, {2, 500, true}};
    state().currentCity = 5;
    for (const Case& c : cases) {
        state().guildBranches.fill(0);
        for (int city = 1; city <= c.otherBranches; ++city)
            state().guildBranches[city] = 1;
        state().politicalFame = c.fame;
        driver.seen.clear();
        press("guildbutton");
        EXPECT_EQ(state().guildBranches[5], c.opens ? 1 : 0) << c.otherBranches << " " << c.fame;
        ASSERT_EQ(driver.seen.size(), 2);
        EXPECT_EQ(driver.seen[0], QStringLiteral("box: ") + QString::fromUtf8(kBranchQuestion));
        EXPECT_EQ(driver.seen[1].endsWith(QStringLiteral("새로운 길드 지부가 생겼습니다.")),
                  c.opens);
    }
    // Where a branch stands there is no question: the guild window opens.
    driver.seen.clear();
    press("guildbutton");
    EXPECT_EQ(driver.seen, QStringList{QStringLiteral("window: 길드")});
}

TEST_F(CommandWindow, EndTurnRunsTurnAfterTurnWhileTheMainCharacterIsAway) {
    GameState& s = state();
    // Every turn tells the player so; the main character comes home in the third.
    dir.write("data\\dateevn\\dateevn200.evn", "[START]\n-optend-\n:dlg\n한 턴\n[END]\n");
    s.mainCharacter().busyFlag = 1;
    int turnsSeen = 0;
    bool disabledMeanwhile = true;
    driver.onBox = [&](const QString& text) {
        if (text != QStringLiteral("한 턴")) return;
        disabledMeanwhile = disabledMeanwhile && !windows->window<Tcommform>().isEnabled() &&
                            windows->window<Tcommform>().cursor().shape() == Qt::WaitCursor;
        if (++turnsSeen == 3) s.mainCharacter().busyFlag = 0;
    };

    driver.answer({QMessageBox::No});
    press("skipturnbtn");
    EXPECT_EQ(s.gameTurn, 1) << "No leaves the turn as it was";

    press("skipturnbtn");
    EXPECT_EQ(s.gameTurn, 4);
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_TRUE(windows->window<Tcommform>().isEnabled());
    EXPECT_NE(windows->window<Tcommform>().cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(windows->window<Tinsform>().findChild<QLabel*>(QStringLiteral("turns"))->text(),
              QStringLiteral("4"));

    press("skipturnbtn");
    EXPECT_EQ(s.gameTurn, 5) << "at home, one press is one turn";
}

TEST_F(CommandWindow, EscapeInTheBoxOfARunOfTurnsStopsItAndTheWindowComesBack) {
    state().mainCharacter().busyFlag = 1;
    const auto date = [this] {
        return std::tuple(state().gameYear, state().gameMonth, state().gameWeek, state().gameTurn);
    };
    const auto started = date();
    auto dateWhenStopped = started;
    driver.when(QStringLiteral("turnrunbox"), [&](QWidget* box) {
        dateWhenStopped = date();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    press("skipturnbtn");
    EXPECT_GT(dateWhenStopped, started);
    EXPECT_EQ(date(), dateWhenStopped) << "no turn begins after the stop";
    EXPECT_TRUE(driver.seen.contains(QStringLiteral("box: ") + QString::fromUtf8(kTurnsStopped)));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(windows->window<Tcommform>().isEnabled());
}

TEST_F(CommandWindow, TheTurnThatKillsTheMainCharacterEndsInTheTitleWindow) {
    dir.write("data\\dateevn\\dateevn200.evn", "[START]\n-optend-\n:dlg\n마지막 턴\n[END]\n");
    driver.onBox = [&](const QString& text) {
        if (text == QStringLiteral("마지막 턴")) windows->game.mainCharacterDied = true;
    };
    press("skipturnbtn");
    EXPECT_FALSE(windows->window<TMainForm>().isVisible());
    EXPECT_FALSE(windows->window<Tcommform>().isVisible());
    EXPECT_TRUE(windows->window<TForm1>().isVisible());
}

TEST_F(CommandWindow, AnUnknownContactFailsAndACancelledOneSaysNothing) {
    // The question is the input box's title; a narrow box would cut it off.
    int titleShortfall = 0;
    driver.onInput = [&](QWidget* input) {
        titleShortfall =
            input->fontMetrics().horizontalAdvance(input->windowTitle()) + 100 - input->width();
    };
    for (const char* name : {"아무도 아닌 이", ""}) {
        driver.seen.clear();
        driver.type(QString::fromUtf8(name));
        press("contactbtn");
        QStringList seen{QStringLiteral("input: ") + QString::fromUtf8(kContactTitle)};
        if (*name) seen << QStringLiteral("box: ") + QString::fromUtf8(kContactFailed);
        EXPECT_EQ(driver.seen, seen);
        EXPECT_LE(titleShortfall, 0);
    }
}

TEST_F(CommandWindow, TheContactBoxOffersTheNamesHeardAndStartsEmptyForTyping) {
    state().heardNames = {"검은깃털", "달빛 행상"};
    QStringList offered;
    QString startsWith = QStringLiteral("not asked");
    driver.onInput = [&](QWidget* widget) {
        auto* input = qobject_cast<QInputDialog*>(widget);
        ASSERT_NE(input, nullptr);
        offered = input->comboBoxItems();
        startsWith = input->textValue();
    };
    driver.type(QString());
    press("contactbtn");
    EXPECT_EQ(offered, (QStringList{QStringLiteral("검은깃털"), QStringLiteral("달빛 행상")}));
    EXPECT_EQ(startsWith, QString());
}

// The choice is the player's, kept between runs; the test puts it back as it was.
TEST_F(CommandWindow, TheOptionsMenuTurnsOffTheQuestionBeforeEndingATurn) {
    const bool before = askBeforeEndingTurn();
    auto* ask = windows->window<TMainForm>().findChild<QAction*>(QStringLiteral("AskEndTurn1"));
    ASSERT_NE(ask, nullptr);
    const QString question = QStringLiteral("box: ") + QString::fromUtf8(kEndTurnQuestion);
    ask->setChecked(true);
    ask->setChecked(false);
    EXPECT_FALSE(askBeforeEndingTurn());
    press("skipturnbtn");
    EXPECT_EQ(state().gameTurn, 2);
    EXPECT_FALSE(driver.seen.contains(question)) << driver.seen.join('|').toStdString();

    ask->setChecked(true);
    EXPECT_TRUE(askBeforeEndingTurn());
    driver.answer({QMessageBox::No});
    press("skipturnbtn");
    EXPECT_EQ(state().gameTurn, 2);
    EXPECT_TRUE(driver.seen.contains(question));
    setAskBeforeEndingTurn(before);
}

// The main character's party arrives after a run of two turns: its arrival is read in
// the one turn report, closed with Enter, and the keyboard is back on "완료". The
// test puts the player's choice back as it was.
TEST_F(CommandWindow, ARunOfTurnsEndsInOneReportUnlessThePlayerKeepsOneBoxPerReport) {
    const bool before = oneTurnReport();
    setOneTurnReport(true);
    GameState& s = state();
    const int party = *findFreeParty(s);
    TParty& p = s.parties[party];
    p.inUse = true;
    p.partyName = "선봉";
    p.location = s.currentCity;
    addMember(s, party, s.mainchrnum);
    p.leader = s.mainchrnum;
    const auto travel = [&s, party] { startTravel(s, party, 2, s.currentCity == 1 ? 2 : 1); };
    travel();
    QString focused;
    QString description;
    bool enterInTheTextCloses = false;
    driver.when(QStringLiteral("turnreportbox"), [&](QWidget* box) {
        QWidget* close = box->focusWidget();
        focused = close->objectName();
        description = heard(close, QAccessible::Description);
        // Read line by line in the text, then Enter there closes the box too.
        auto* text = box->findChild<QPlainTextEdit*>(QStringLiteral("turnreporttext"));
        QTest::keyClick(close, Qt::Key_Backtab);
        QTest::keyClick(text, Qt::Key_Return);
        enterInTheTextCloses = !box->isVisible();
        if (box->isVisible()) QTest::keyClick(box, Qt::Key_Escape);
    });
    press("skipturnbtn");
    EXPECT_TRUE(enterInTheTextCloses);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(focused, QStringLiteral("turnreportclose"));
    const QString arrival = QStringLiteral("선봉이 ");
    const QString date = QLatin1Char('[') + qs(dateText(s)) + QStringLiteral("] ");
    EXPECT_TRUE(description.startsWith(date + arrival)) << description.toStdString();
    EXPECT_TRUE(description.endsWith(QStringLiteral("이동을 완료하였습니다.")));
    auto& commands = windows->window<Tcommform>();
    EXPECT_TRUE(QTest::qWaitFor([&] { return commands.isActiveWindow(); }));
    EXPECT_EQ(commands.focusWidget(),
              commands.findChild<QPushButton*>(QStringLiteral("skipturnbtn")));

    setOneTurnReport(false);
    travel();
    driver.seen.clear();
    press("skipturnbtn");
    const auto arrivalBox = [&](const QString& seen) {
        return seen.startsWith(QStringLiteral("box: ") + arrival);
    };
    EXPECT_TRUE(std::any_of(driver.seen.begin(), driver.seen.end(), arrivalBox))
        << driver.seen.join('|').toStdString();
    EXPECT_FALSE(driver.seen.join('|').contains(QStringLiteral("report: ")));
    setOneTurnReport(before);
}

TEST_F(CommandWindow, TheKeyboardStartsOnEndTurnWhereSavingAndLeavingStillWork) {
    QWidget* commands = &windows->window<Tcommform>();
    const auto active = [commands] { return commands->isActiveWindow(); };
    ASSERT_TRUE(QTest::qWaitFor(active));
    EXPECT_EQ(commands->focusWidget(),
              commands->findChild<QPushButton*>(QStringLiteral("skipturnbtn")));

    QString opened;
    QTimer::singleShot(50, commands, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            modal->close();
        }
    });
    QTest::keyClick(commands, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(opened, QStringLiteral("Tsaveform"));

    ASSERT_TRUE(QTest::qWaitFor(active));
    QTest::keyClick(commands, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(windows->window<TMainForm>().isVisible());
    EXPECT_TRUE(windows->window<TForm1>().isVisible());
}

}  // namespace
}  // namespace orrowvale::testing

namespace orrowvale::testing {
namespace {

TEST_F(CommandWindow, VisitRunsTheChosenPlaceAndAsksForOneWhenNoneIsChosen) {
    GameState& s = state();
    s.cityPlaces[1][1] = {"우물", "places\\well.evn"};
    s.cityPlaceCount[1] = 1;
    dir.write("data\\places\\well.evn", "[START]\n-optend-\n:gp\n5\n[END]\n");
    driver.type(QStringLiteral("우물"));
    press("gotobotton");
    EXPECT_EQ(s.gold, 1005);
    EXPECT_EQ(windows->window<Tinsform>().findChild<QLabel*>(QStringLiteral("goldstat"))->text(),
              QStringLiteral("1005"));

    driver.type(QString());
    driver.seen.clear();
    press("gotobotton");
    EXPECT_EQ(driver.seen,
              (QStringList{QStringLiteral("visit"),
                           QStringLiteral("box: 이동할 곳을 선택하지 않으셨습니다.")}));
    // Only the places are listed, under their label; no hidden list of cities.
    const auto places = windows->window<Tgoform>().findChildren<QComboBox*>();
    ASSERT_EQ(places.size(), 1);
    EXPECT_EQ(heard(places[0]), QStringLiteral("위치"));
}

// A pipe where the settings file should be is never opened: reading it would hold the
// program before its title. The choices stay as they are by default, and nothing hangs.
TEST(PlayerSettings, AFileThatIsNoPlainFileLeavesTheDefaults) {
    QTemporaryDir config;
    const QByteArray before = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    ASSERT_TRUE(QDir(config.path()).mkpath(QStringLiteral("orrowvale")));
    const QString file = config.path() + QStringLiteral("/orrowvale/orrowvale.conf");
    ASSERT_EQ(::mkfifo(file.toUtf8().constData(), 0600), 0);
    setAskBeforeEndingTurn(false);
    EXPECT_TRUE(askBeforeEndingTurn());
    EXPECT_FALSE(QFileInfo(file).isFile()) << "the pipe is left as it was";
    qputenv("XDG_CONFIG_HOME", before);
}

}  // namespace
}  // namespace orrowvale::testing
