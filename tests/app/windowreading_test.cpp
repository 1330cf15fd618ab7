// What a screen reader hears in the guild, city and party windows: every field by
// its label and its value, what changes said where the focus is, and Tab in the
// order the eye reads.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/city/adventurertalk.h"
#include "app/city/citycommands.h"
#include "app/city/visit.h"
#include "app/guild/adventurerpanel.h"
#include "app/guild/chooser.h"
#include "app/guild/guildwindow.h"
#include "app/guild/partysetup.h"
#include "app/ui/text.h"
#include "city/adventurertalk.h"
#include "modaldriver.h"
#include "parties/party.h"

namespace orrowvale::testing {
namespace {

template <typename T>
T* find(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString heard(QObject* control, QAccessible::Text what) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(what) : QStringLiteral("(no interface)");
}

// A random game in the sample world's first city, 은빛나루, with one party there.
class WindowReading : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        startRandomGame(driver);
        driver.seen.clear();
        TParty& p = state().parties[1];
        p.inUse = true;
        p.partyName = "매";
        p.location = 1;
        addMember(state(), 1, 1);
    }
    void press(const char* commandButton) {
        windows->window<Tcommform>()
            .findChild<QPushButton*>(QString::fromUtf8(commandButton))
            ->click();
    }
    ModalDriver driver;
};

// The combo boxes keep their labels as names, whatever item they show; a route is
// read with its cost and time; the command list names its city.
TEST_F(WindowReading, MoveAndDispatchFieldsAreNamedByTheirLabelsAndTheRouteTellsItsPrice) {
    QString commandsName, destinationName, routeName, routeSaid, kindName, targetName;
    QString targetSaid, where, risk, firstTarget;
    driver.when("Tcommandform", [&](QWidget* window) {
        commandsName = heard(window, QAccessible::Name);
        find<QListWidget>(window, "partylist")->setCurrentRow(0);
        find<QPushButton>(window, "movebtn")->click();
    });
    driver.when("Tmovecityform", [&](QWidget* window) {
        auto* destination = find<QComboBox>(window, "destcombo");
        auto* route = find<QComboBox>(window, "waycombo");
        destination->setCurrentIndex(0);  // 바람언덕
        route->setCurrentIndex(0);        // 왕국 대로
        destinationName = heard(destination, QAccessible::Name);
        routeName = heard(route, QAccessible::Name);
        routeSaid = heard(route, QAccessible::Description);
        window->close();
    });
    driver.when("Tcommandform", [&](QWidget* window) {
        find<QListWidget>(window, "partylist")->setCurrentRow(0);
        find<QPushButton>(window, "advbtn")->click();
    });
    driver.when("Tdoadvform", [&](QWidget* window) {
        auto* kind = find<QComboBox>(window, "typecombo");
        kind->setCurrentIndex(3);
        kindName = heard(kind, QAccessible::Name);
        auto* target = find<QComboBox>(window, "datacombo");
        targetName = heard(target, QAccessible::Name);
        target->setCurrentIndex(0);
        targetSaid = heard(target, QAccessible::Description);
        where = find<QLabel>(window, "wherelabel")->text();
        risk = find<QLabel>(window, "risklabel")->text();
        firstTarget = target->currentText();
        window->close();
    });
    press("Button1");

    EXPECT_EQ(commandsName, QStringLiteral("명령 창: 은빛나루"));
    EXPECT_EQ(destinationName, QStringLiteral("목적지"));
    EXPECT_EQ(routeName, QStringLiteral("경로"));
    EXPECT_EQ(routeSaid, QStringLiteral("왕국 대로, 소요 금액(1인): 10, 소요 시간: 2"));
    EXPECT_EQ(kindName, QStringLiteral("종류"));
    EXPECT_EQ(targetName, QStringLiteral("목표"));
    // A target is read with what the summary beneath says of it.
    EXPECT_FALSE(where.isEmpty());
    EXPECT_TRUE(targetSaid.startsWith(firstTarget + QStringLiteral(", ")))
        << targetSaid.toStdString();
    EXPECT_TRUE(targetSaid.contains(where) && targetSaid.contains(risk))
        << targetSaid.toStdString();

    // The visit window has its places only; no hidden list of cities sits in the tree.
    Tgoform& visit = windows->window<Tgoform>();
    EXPECT_EQ(visit.findChildren<QComboBox*>().size(), 1);
    EXPECT_EQ(heard(find<QComboBox>(&visit, "realcombo"), QAccessible::Name),
              QStringLiteral("위치"));
}

// An answer takes the focus, so it is spoken; the Tab order of the guild window
// follows its columns; the chooser says what is chosen.
TEST_F(WindowReading, AnswersTakeTheFocusTheGuildTabsAsItReadsAndTheChooserSaysWhatIsChosen) {
    Tttadvenform& talk = windows->window<Tttadvenform>();
    QWidget* focusAfterAnswer = nullptr;
    QTimer::singleShot(0, &talk, [&] {
        QTRY_VERIFY(talk.isVisible());
        find<QPushButton>(&talk, "yourjob")->click();
        focusAfterAnswer = talk.focusWidget();
        talk.close();
    });
    talk.showConversation(state().mainchrnum);
    EXPECT_EQ(focusAfterAnswer, find<QPlainTextEdit>(&talk, "adsaid"));
    EXPECT_EQ(heard(&talk, QAccessible::Description),
              qs(greetingText(state().adventurers.at(state().mainchrnum))));

    Tguildform& guild = windows->window<Tguildform>();
    QStringList tabOrder;
    QWidget* stop = find<QWidget>(&guild, "guildadvlist");
    for (int i = 0; i < 8; ++i, stop = stop->nextInFocusChain()) {
        while (stop->focusPolicy() == Qt::NoFocus)
            stop = stop->nextInFocusChain();
        tabOrder << stop->objectName();
    }
    EXPECT_EQ(tabOrder, (QStringList{"guildadvlist", "Button4", "taskpartylist", "Button5",
                                     "Button2", "partycon", "overviewbtn", "Button3"}));
    EXPECT_FALSE(heard(find<QListWidget>(&guild, "taskpartylist"), QAccessible::Name)
                     .contains(QStringLiteral("현 위치")));

    Tadvlists& chooser = windows->window<Tadvlists>();
    QString listName;
    QTimer::singleShot(0, &chooser, [&] {
        QTRY_VERIFY(chooser.isVisible());
        listName = heard(find<QListWidget>(&chooser, "advlistbox"), QAccessible::Name);
        chooser.close();
    });
    chooser.chooser(kChooseCarrier)({{1, "매"}});
    EXPECT_EQ(listName, QString::fromUtf8(kChooseCarrier));
    EXPECT_EQ(find<QLabel>(&chooser, "promptlabel")->text(), QString::fromUtf8(kChooseCarrier));

    // A member's panel: reading starts at its first line, and Enter there closes it.
    Tadvdtform& panel = windows->window<Tadvdtform>();
    panel.showAdventurerPanel(state().mainchrnum);
    auto* firstLine = find<QLabel>(&panel, "namelabel");
    EXPECT_EQ(panel.focusWidget(), firstLine);
    EXPECT_NE(firstLine->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(firstLine, Qt::Key_Return);
    EXPECT_FALSE(panel.isVisible());

    // Party setup with no party chosen: the leader label says there is none.
    Tpsform& setup = windows->window<Tpsform>();
    QTimer::singleShot(0, &setup, [&] {
        QTRY_VERIFY(setup.isVisible());
        auto* leader = find<QLabel>(&setup, "leaderlabel");
        EXPECT_EQ(heard(leader, QAccessible::Name), QStringLiteral("리더 없음"));
        EXPECT_EQ(heard(leader, QAccessible::Description), QStringLiteral("리더명"));
        setup.close();
    });
    setup.exec();
}

}  // namespace
}  // namespace orrowvale::testing
