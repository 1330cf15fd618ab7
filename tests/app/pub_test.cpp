#include "app/city/pub.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/city/adventurertalk.h"
#include "app/city/citycommands.h"
#include "app/city/pubpatrons.h"
#include "app/lifecycle/statuspanel.h"
#include "app/ui/buttons.h"
#include "city/adventurertalk.h"
#include "city/pubpatrons.h"
#include "modaldriver.h"

namespace orrowvale::testing {
namespace {

QPushButton* button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromUtf8(name));
}

QString said(QWidget* conversation) {
    return conversation->findChild<QPlainTextEdit*>(QStringLiteral("adsaid"))->toPlainText();
}

class PubWindows : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        startRandomGame(driver);
        driver.seen.clear();
        dir.write("data\\pubevent200.evn", "없음\n");
        dir.write("data\\gossip\\gossip.txt", "1\n:start\n늑대가 늘었다.\n:start\n");
    }
    // Nobody in town but the main character and adventurers 10 and 11.
    void twoStrangers() {
        GameState& s = state();
        for (int number = 1; number <= kMaxAdventurers; ++number)
            if (number != s.mainchrnum) s.adventurers[number].name = kNone;
        for (int number : {10, 11}) {
            TAdven& a = s.adventurers[number];
            a.name = number == 10 ? "소라" : "다온";
            a.familyName = "한";
            a.location = s.currentCity;
            a.adventurerClass = kCleric;
            a.busyFlag = 0;
            a.stats.fill(4);
        }
    }
    void enterPub() { button(&windows->window<Tcommform>(), "pubbutton")->click(); }
    QLabel* gold() {
        return windows->window<Tinsform>().findChild<QLabel*>(QStringLiteral("goldstat"));
    }
    ModalDriver driver;
};

TEST_F(PubWindows, TheEventRunsOnOpeningAndAfterThePlayersOwnWindowsOnly) {
    // A block without a guard: its box must not start it again when it closes.
    dir.write("data\\pubevent200.evn", "[START]\n-optend-\n:dlg\n어서 오세요\n[END]\n");
    state().adventureFame = 6000;
    state().politicalFame = -5;
    state().covertFame = 2500;
    QStringList bars;
    driver.when(QStringLiteral("TPubForm"), [](QWidget* pub) { button(pub, "Button4")->click(); });
    driver.when(QStringLiteral("TPubForm"), [](QWidget* pub) { button(pub, "Button3")->click(); });
    driver.when(QStringLiteral("Tfamform"), [&](QWidget* fame) {
        for (const char* name : {"advfamelabel", "jungfamelabel", "backfamelabel"})
            bars << fame->findChild<QLabel*>(QString::fromUtf8(name))->text();
        button(fame, "Button1")->click();
    });
    driver.when(QStringLiteral("TPubForm"), [](QWidget* pub) { button(pub, "Button1")->click(); });
    QPushButton* pubbutton = button(&windows->window<Tcommform>(), "pubbutton");
    EXPECT_TRUE(pubbutton->isEnabled());
    EXPECT_FALSE(pubbutton->toolTip().isEmpty()) << "says what it does";
    enterPub();

    EXPECT_EQ(
        driver.seen,
        (QStringList{QStringLiteral("box: 어서 오세요"), QStringLiteral("box: 늑대가 늘었다.\n"),
                     QStringLiteral("box: 어서 오세요"), QStringLiteral("box: 어서 오세요")}));
    EXPECT_EQ(bars, (QStringList{QStringLiteral("6000 / 5000"), QStringLiteral("-5 / 5000"),
                                 QStringLiteral("2500 / 5000")}));
    EXPECT_EQ(state().adventureFame, 6000);
    EXPECT_FALSE(windows->window<TPubForm>().isVisible());
}

// The status panel beside the map shows what the pub's event gave at once, not
// only once the player leaves.
TEST_F(PubWindows, GoldFromThePubsEventShowsWhileThePubIsOpen) {
    dir.write("data\\pubevent200.evn", "[START]\n-optend-\n:gp\n5\n[END]\n");
    const int before = state().gold;
    QString goldShown;
    driver.when(QStringLiteral("TPubForm"), [&](QWidget* pub) {
        goldShown = gold()->text();
        button(pub, "Button1")->click();
    });
    enterPub();
    EXPECT_EQ(state().gold, before + 5);
    EXPECT_EQ(goldShown, QString::number(before + 5));
}

TEST_F(PubWindows, TheFameWindowListsTheGoalsOnceTheClosingChapterIsOpen) {
    QStringList shown;
    auto lookAtFame = [&] {
        driver.when(QStringLiteral("TPubForm"),
                    [](QWidget* pub) { button(pub, "Button3")->click(); });
        driver.when(QStringLiteral("Tfamform"), [&](QWidget* fame) {
            auto* goals = fame->findChild<QLabel*>(QStringLiteral("goalslabel"));
            shown << (goals->isVisible() ? goals->text() : QStringLiteral("hidden"));
            button(fame, "Button1")->click();
        });
        driver.when(QStringLiteral("TPubForm"),
                    [](QWidget* pub) { button(pub, "Button1")->click(); });
        enterPub();
    };
    lookAtFame();
    state().closingChapter = true;
    state().adventureFame = 150;
    lookAtFame();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], QStringLiteral("hidden"));
    EXPECT_TRUE(shown[1].startsWith(QStringLiteral("[이룸] 명성 등급 '알려진 길드'")))
        << shown[1].toStdString();
    EXPECT_TRUE(shown[1].contains(QStringLiteral("[목표] 길드원 30명")));
}

TEST_F(PubWindows, MissingFilesAreNamedAndThePubStaysOpen) {
    std::filesystem::remove(dir.path("data\\pubevent200.evn"));
    std::filesystem::remove(dir.path("data\\gossip\\gossip.txt"));
    driver.when(QStringLiteral("TPubForm"), [](QWidget* pub) { button(pub, "Button4")->click(); });
    driver.when(QStringLiteral("TPubForm"), [](QWidget* pub) { button(pub, "Button1")->click(); });
    enterPub();
    // In Korean, with the library's own words only beneath.
    ASSERT_EQ(driver.seen.size(), 2);
    EXPECT_TRUE(driver.seen[0].startsWith(
        QStringLiteral("box: 파일을 읽을 수 없습니다: data/pubevent200.evn\n")))
        << driver.seen[0].toStdString();
    EXPECT_TRUE(driver.seen[1].startsWith(
        QStringLiteral("box: 파일을 읽을 수 없습니다: data/gossip/gossip.txt\n")))
        << driver.seen[1].toStdString();
}

TEST_F(PubWindows, ADrinkShowsAtOnceAndAnAdventurerJoinsOnceTheFameIsThere) {
    twoStrangers();
    GameState& s = state();
    s.gold = 0;
    s.politicalFame = 240;  // exactly ten times the abilities of 24
    Dice& dice = windows->dice;
    dice.queueD100({1, 1});  // both are in the pub
    int talkedWith = 0;
    QString goldShown;
    bool joinOffered = false;
    QString refusal;
    driver.when(QStringLiteral("TPubForm"), [](QWidget* pub) { button(pub, "Button2")->click(); });
    driver.when(QStringLiteral("Ttalkwithform"), [&](QWidget* list) {
        auto* adlist = list->findChild<QListWidget*>(QStringLiteral("adlist"));
        ASSERT_EQ(adlist->count(), 2);
        adlist->setCurrentRow(1);
        button(list, "Button2")->click();
    });
    driver.when(QStringLiteral("Tttadvenform"), [&](QWidget* talk) {
        talkedWith = windows->window<Tttadvenform>().talkTarget();
        EXPECT_EQ(said(talk),
                  QStringLiteral("안녕하십니가?\n제 이름은 다온이고 한가의 사람입니다."));
        dice.queueD100({75});
        button(talk, "buydrink")->click();
        goldShown = gold()->text();
        EXPECT_EQ(said(talk), QStringLiteral("좋은 술이군요."));
        button(talk, "yourjob")->click();
        EXPECT_EQ(said(talk), QStringLiteral("제 직업은 성직자입니다."));
        // The answer has the focus, so a screen reader speaks it.
        EXPECT_EQ(talk->focusWidget(), talk->findChild<QPlainTextEdit*>(QStringLiteral("adsaid")));
        joinOffered = !isRefused(button(talk, "joinus"));
        button(talk, "joinus")->click();
        refusal = isRefused(button(talk, "joinus")) ? button(talk, "joinus")->toolTip() : QString();
        dice.queueD100({100, 1});  // when the list comes back, only adventurer 11 is there
        button(talk, "goodbyebtn")->click();
    });
    driver.when(QStringLiteral("Ttalkwithform"), [&](QWidget* list) {
        EXPECT_EQ(windows->window<Ttalkwithform>().rowAdventurers(), std::vector<int>{11});
        button(list, "Button3")->click();
    });
    driver.when(QStringLiteral("TPubForm"), [](QWidget* pub) { button(pub, "Button1")->click(); });
    enterPub();

    EXPECT_EQ(talkedWith, 11);
    EXPECT_EQ(goldShown, QStringLiteral("-1"));
    EXPECT_EQ(s.gold, -1);
    EXPECT_TRUE(joinOffered);
    EXPECT_EQ(refusal, QString::fromUtf8(kAlreadyMember));
    EXPECT_EQ(s.adventurers[11].isGuildMember, 1);
    EXPECT_EQ(s.guildRoster[1][firstFreeMemberEntry(s) - 1], 11);
    EXPECT_EQ(dice.queued(), 0u);
}

TEST_F(PubWindows, TheCompanyStaysWhileTheListIsInFrontAndTheKeyboardTalks) {
    twoStrangers();
    GameState& s = state();
    s.guildRoster[1][findFreeRosterSlot(s)] = 10;  // a member sits there like anyone else
    Dice& dice = windows->dice;
    dice.queueD100({1, 1, 1});  // both are there; the last roll must be left alone
    std::vector<int> before, after;
    QString talkTooltip, joinTooltip;
    driver.when(QStringLiteral("TPubForm"), [](QWidget* pub) { button(pub, "Button2")->click(); });
    driver.when(QStringLiteral("Ttalkwithform"), [&](QWidget* list) {
        auto* adlist = list->findChild<QListWidget*>(QStringLiteral("adlist"));
        before = windows->window<Ttalkwithform>().rowAdventurers();
        adlist->repaint();
        list->repaint();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(list, &activate);
        QTest::qWait(20);
        after = windows->window<Ttalkwithform>().rowAdventurers();
        EXPECT_EQ(dice.queued(), 1u);
        adlist->clearSelection();
        talkTooltip =
            isRefused(button(list, "Button2")) ? button(list, "Button2")->toolTip() : QString();
        // The arrows choose, Enter talks.
        adlist->setFocus();
        adlist->setCurrentRow(1);
        QTest::keyClick(adlist, Qt::Key_Up);
        QTest::keyClick(adlist, Qt::Key_Return);
    });
    driver.when(QStringLiteral("Tttadvenform"), [&](QWidget* talk) {
        joinTooltip =
            isRefused(button(talk, "joinus")) ? button(talk, "joinus")->toolTip() : QString();
        dice.queueD100({1, 1});
        QTest::keyClick(talk, Qt::Key_Escape);
    });
    driver.when(QStringLiteral("Ttalkwithform"),
                [](QWidget* list) { QTest::keyClick(list, Qt::Key_Escape); });
    driver.when(QStringLiteral("TPubForm"),
                [](QWidget* pub) { QTest::keyClick(pub, Qt::Key_Escape); });
    enterPub();

    EXPECT_EQ(before, (std::vector<int>{10, 11}));
    EXPECT_EQ(after, before);
    EXPECT_EQ(talkTooltip, QString::fromUtf8(kChooseAdventurerFirst));
    EXPECT_EQ(windows->window<Tttadvenform>().talkTarget(), 10);
    EXPECT_EQ(joinTooltip, QString::fromUtf8(kAlreadyMember));
    EXPECT_FALSE(windows->window<TPubForm>().isVisible());
}

}  // namespace
}  // namespace orrowvale::testing
