#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "app/city/citycommands.h"
#include "app/guild/guildwindow.h"
#include "app/lifecycle/mapwindow.h"
#include "app/parties/dispatch.h"
#include "app/parties/partycommands.h"
#include "app/parties/partyoverview.h"
#include "app/parties/travel.h"
#include "app/ui/buttons.h"
#include "app/ui/numberedlist.h"
#include "app/ui/picture.h"
#include "lifecycle/citymap.h"
#include "modaldriver.h"
#include "parties/dispatch.h"
#include "parties/party.h"
#include "parties/partycommands.h"

namespace orrowvale::testing {
namespace {

template <typename T>
T* find(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QStringList rows(QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QStringList rows(QComboBox* combo) {
    QStringList texts;
    for (int row = 0; row < combo->count(); ++row)
        texts << combo->itemText(row);
    return texts;
}

// A random game in the sample world's first city, 은빛나루, with 1000 gold. Its
// routes lead to 바람언덕 (2), 푸른여울 (3) and 갈대포구 (4); "왕국 대로" to 바람언덕
// costs 10 a member and takes 2 turns.
class CommandList : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        startRandomGame(driver);
        driver.seen.clear();
    }

    // Party `number` named `name` in `city`, of adventurers `first`.. `first+size-1`.
    void formParty(int number, const char* name, int city, int first, int size) {
        TParty& p = state().parties[number];
        p.inUse = true;
        p.partyName = name;
        p.location = city;
        for (int a = first; a < first + size; ++a) {
            state().adventurers[a].name = "단원";
            addMember(state(), number, a);
        }
    }

    void clickCity(int city) {
        const CityRect r = state().cityRects[city];
        const QPoint inside((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ASSERT_EQ(cityAt(state(), inside.x(), inside.y()), city);
        QTest::mouseClick(windows->window<TMainForm>().map(), Qt::LeftButton, {}, inside);
    }

    void pressCommand() {
        windows->window<Tcommform>().findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    }

    ModalDriver driver;
};

TEST_F(CommandList, AMapClickListsTheIdlePartiesOfThatCityAndAnEmptyCitySaysHowToGetOne) {
    formParty(1, "매", 2, 1, 1);
    formParty(2, "까치", 1, 2, 1);
    formParty(3, "올빼미", 2, 3, 1);
    formParty(4, "길손", 2, 4, 1);
    state().parties[4].travelling = true;
    QStringList listed;
    QString caption;
    bool buttonsWait = false;
    driver.when("Tcommandform", [&](QWidget* window) {
        caption = window->windowTitle();
        listed = rows(find<QListWidget>(window, "partylist"));
        auto* move = find<QPushButton>(window, "movebtn");
        auto* adv = find<QPushButton>(window, "advbtn");
        buttonsWait = isRefused(move) && isRefused(adv) &&
                      move->toolTip() == QString::fromUtf8(kChoosePartyFirst);
        find<QPushButton>(window, "closebtn")->click();
    });
    clickCity(2);
    EXPECT_EQ(state().commandCity, 2);
    EXPECT_EQ(caption, QStringLiteral(" 명령 창"));
    EXPECT_EQ(listed, (QStringList{QStringLiteral("매"), QStringLiteral("올빼미")}));
    EXPECT_TRUE(buttonsWait);
    EXPECT_TRUE(driver.seen.isEmpty()) << driver.seen.join('|').toStdString();

    clickCity(3);
    EXPECT_EQ(driver.seen, (QStringList{QStringLiteral("box: ") + QString::fromUtf8(kNoPartyHere),
                                        QStringLiteral("closed: Tcommandform")}));

    // "명령" in the command window lists the city where the main character stands.
    driver.seen.clear();
    state().commandCity = 0;
    pressCommand();
    EXPECT_EQ(state().commandCity, 1);
    EXPECT_EQ(driver.seen, QStringList{QStringLiteral("closed: Tcommandform")});
}

// The overview opens from the map with Ctrl+P; Enter on a party standing in a city
// opens that city's command list with the party chosen, and a party on the road
// says why it has no commands.
TEST_F(CommandList, TheOverviewListsEveryPartyAndOpensTheCommandsOfOneInACity) {
    formParty(1, "매", 2, 1, 1);
    formParty(2, "길손", 1, 2, 1);
    state().parties[1].travelling = true;
    state().parties[1].travelDestination = 3;
    auto* open = windows->window<TMainForm>().findChild<QAction*>(QStringLiteral("Overview1"));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_NE(windows->window<Tguildform>().findChild<QPushButton*>(QStringLiteral("overviewbtn")),
              nullptr);

    QStringList listed;
    QString accessibleName, roadTip;
    std::optional<int> chosenInCommands;
    driver.when("Tpartyoverviewform", [&](QWidget* window) {
        auto* list = find<NumberedList>(window, "overviewlist");
        listed = rows(list);
        accessibleName = list->accessibleName();
        auto* commands = find<QPushButton>(window, "commandsbtn");
        list->choose(1);
        roadTip = isRefused(commands) ? commands->toolTip() : QString();
        list->choose(2);
        if (const char* shot = std::getenv("ORROWVALE_SHOT")) window->grab().save(shot);
        QTest::keyClick(list, Qt::Key_Return);
        find<QPushButton>(window, "closebtn")->click();
    });
    driver.when("Tcommandform", [&](QWidget* window) {
        chosenInCommands = find<NumberedList>(window, "partylist")->chosen();
        find<QPushButton>(window, "closebtn")->click();
    });
    open->trigger();

    ASSERT_EQ(listed.size(), 2);
    EXPECT_TRUE(listed[0].startsWith(QStringLiteral("1. 매, 1명, "))) << listed[0].toStdString();
    EXPECT_TRUE(listed[0].endsWith(QStringLiteral("이동 중, 0턴"))) << listed[0].toStdString();
    EXPECT_EQ(accessibleName, QStringLiteral("파티 현황"));
    EXPECT_EQ(roadTip, QString::fromUtf8(kPartyTravelling));
    EXPECT_EQ(chosenInCommands, 2);
    EXPECT_EQ(state().commandCity, 1);
}

TEST_F(CommandList, ThePartyButtonsAreRefusedForAPartyOnAMission) {
    formParty(1, "매", 1, 1, 1);
    formParty(2, "까치", 1, 2, 1);
    setOnMission(state(), 2, true);
    struct Seen {
        bool moveEnabled, advEnabled;
        QString tip;
    };
    std::vector<Seen> seen;
    driver.when("Tcommandform", [&](QWidget* window) {
        auto* list = find<QListWidget>(window, "partylist");
        auto* move = find<QPushButton>(window, "movebtn");
        auto* adv = find<QPushButton>(window, "advbtn");
        for (int row : {0, 1, 0}) {
            list->setCurrentRow(row);
            seen.push_back({!isRefused(move), !isRefused(adv), adv->toolTip()});
        }
        window->close();
    });
    pressCommand();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[0].moveEnabled && seen[0].advEnabled);
    EXPECT_FALSE(seen[1].moveEnabled || seen[1].advEnabled);
    EXPECT_EQ(seen[1].tip, QString::fromUtf8(kPartyOnMission));
    EXPECT_TRUE(seen[2].moveEnabled && seen[2].advEnabled);
    // Allowed again, the tip says once more what the button does.
    EXPECT_FALSE(seen[0].tip.isEmpty());
    EXPECT_EQ(seen[2].tip, seen[0].tip);
}

TEST_F(CommandList, AMoveTooDearKeepsTheWindowOpenAndADepartureTakesThePartyOffTheList) {
    formParty(1, "매", 1, 1, 3);
    state().gold = 30;  // three members at 10 each: not below the gold in hand
    bool stayedOpen = false;
    QStringList destinations, routesBefore, routes;
    QString cost, time;
    QStringList listAfter;
    bool buttonsAfter = true;
    QStringList heardNames;
    driver.when("Tcommandform", [&](QWidget* window) {
        heardNames << heard(window);
        find<QListWidget>(window, "partylist")->setCurrentRow(0);
        find<QPushButton>(window, "movebtn")->click();
    });
    driver.when("Tmovecityform", [&](QWidget* window) {
        auto* dest = find<QComboBox>(window, "destcombo");
        auto* way = find<QComboBox>(window, "waycombo");
        destinations = rows(dest);
        EXPECT_EQ(dest->currentIndex(), -1);
        dest->setCurrentIndex(2);  // 갈대포구: one route
        routesBefore = rows(way);
        dest->setCurrentIndex(0);  // 바람언덕
        routes = rows(way);
        EXPECT_EQ(way->currentIndex(), -1);
        way->setCurrentIndex(0);
        cost = find<QLabel>(window, "costlabel")->text();
        time = find<QLabel>(window, "timelabel")->text();
        // Each field is heard by its label; the route with its price.
        heardNames << heard(dest) << heard(way) << heard(way, QAccessible::Description);
        find<QPushButton>(window, "okbtn")->click();
        stayedOpen = window->isVisible();
        state().gold = 31;
        find<QPushButton>(window, "okbtn")->click();
    });
    driver.when("Tcommandform", [&](QWidget* window) {
        listAfter = rows(find<QListWidget>(window, "partylist"));
        buttonsAfter = !isRefused(find<QPushButton>(window, "movebtn"));
        window->close();
    });
    pressCommand();

    EXPECT_EQ(destinations, (QStringList{QStringLiteral("바람언덕"), QStringLiteral("푸른여울"),
                                         QStringLiteral("갈대포구")}));
    EXPECT_EQ(routesBefore, QStringList{QStringLiteral("해안 오솔길")});
    EXPECT_EQ(routes, (QStringList{QStringLiteral("왕국 대로"), QStringLiteral("해안 역마차")}));
    EXPECT_EQ(cost, QStringLiteral("소요 금액(1인): 10"));
    EXPECT_EQ(time, QStringLiteral("소요 시간: 2"));
    EXPECT_EQ(heardNames, (QStringList{"명령 창: 은빛나루", "목적지", "경로",
                                       "왕국 대로, 소요 금액(1인): 10, 소요 시간: 2"}));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(driver.seen, (QStringList{QStringLiteral("box: 돈이 모자랍니다."),
                                        QStringLiteral("box: 이동에는 2턴이 걸립니다.")}));
    EXPECT_EQ(state().gold, 1);
    EXPECT_TRUE(state().parties[1].travelling);
    EXPECT_EQ(state().parties[1].travelDestination, 2);
    EXPECT_TRUE(listAfter.isEmpty());
    EXPECT_FALSE(buttonsAfter);
}

// The player reads in Korean which file is missing; the move window does not open.
TEST_F(CommandList, AMissingRouteFileIsNamedAndNoMoveWindowOpens) {
    formParty(1, "매", 1, 1, 1);
    const std::string routeFile = "data\\" + state().routeFiles[1];
    std::filesystem::remove(dir.path(routeFile));
    driver.when("Tcommandform", [&](QWidget* window) {
        find<QListWidget>(window, "partylist")->setCurrentRow(0);
        find<QPushButton>(window, "movebtn")->click();
        window->close();
    });
    pressCommand();
    ASSERT_EQ(driver.seen.size(), 1) << driver.seen.join('|').toStdString();
    EXPECT_TRUE(driver.seen[0].startsWith(QStringLiteral("box: 파일을 읽을 수 없습니다: ")))
        << driver.seen[0].toStdString();
    EXPECT_TRUE(driver.seen[0].contains(
        QString::fromStdString(state().routeFiles[1]).replace(QLatin1Char('\\'), QLatin1Char('/'))))
        << driver.seen[0].toStdString();
    EXPECT_FALSE(state().parties[1].travelling);
}

TEST_F(CommandList, ADungeonTakesTheDepthTypedAndTheNumberFieldKeepsItForTheNextParty) {
    formParty(1, "매", 1, 1, 1);
    formParty(2, "까치", 1, 2, 1);
    const auto dispatch = [&](int row, std::function<void(QWidget*)> choose) {
        driver.when("Tcommandform", [row](QWidget* window) {
            find<QListWidget>(window, "partylist")->setCurrentRow(row);
            find<QPushButton>(window, "advbtn")->click();
        });
        driver.when("Tdoadvform", std::move(choose));
    };
    QString name;
    QStringList dungeons;
    dispatch(0, [&](QWidget* window) {
        name = find<QLabel>(window, "namelabel")->text();
        auto* kind = find<QComboBox>(window, "typecombo");
        EXPECT_EQ(kind->currentIndex(), -1);
        kind->setCurrentIndex(3);
        EXPECT_EQ(find<QLabel>(window, "Label1")->text(), QStringLiteral("깊이"));
        auto* number = find<QSpinBox>(window, "SpinEdit1");
        EXPECT_TRUE(number->isEnabled());
        EXPECT_EQ(number->value(), 1);
        number->setValue(3);
        EXPECT_FALSE(find<QSpinBox>(window, "SpinEdit2")->isEnabled()) << "turns are a search's";
        auto* target = find<QComboBox>(window, "datacombo");
        dungeons = rows(target);
        target->setCurrentIndex(0);
        // The sewer has three levels: no deeper can be entered.
        number->setValue(6);
        EXPECT_EQ(number->value(), 3);
        // The new numbers are said as the depth changes under the keyboard.
        auto* notice = find<QLabel>(window, "summarynotice");
        number->setValue(2);
        EXPECT_TRUE(notice->isVisible());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(notice)->role(), QAccessible::Notification);
        const QString saidAtTwo = notice->text();
        EXPECT_TRUE(saidAtTwo.contains(find<QLabel>(window, "rewardlabel")->text()));
        EXPECT_TRUE(saidAtTwo.contains(find<QLabel>(window, "risklabel")->text()));
        number->setValue(3);
        EXPECT_NE(notice->text(), saidAtTwo);
        // Named by its label; the summary beneath is read after the dungeon.
        EXPECT_EQ(heard(kind), QStringLiteral("종류"));
        EXPECT_TRUE(heard(target, QAccessible::Description)
                        .contains(find<QLabel>(window, "risklabel")->text()));
        find<QPushButton>(window, "startbtn")->click();
    });
    bool refusedAfter = false;
    QString standingAfter;
    driver.when("Tcommandform", [&](QWidget* window) {
        // The party just sent stays chosen, and its buttons now refuse.
        refusedAfter = isRefused(find<QPushButton>(window, "advbtn"));
        standingAfter = find<QLabel>(window, "standinglabel")->text();
    });
    dispatch(1, [&](QWidget* window) {
        auto* kind = find<QComboBox>(window, "typecombo");
        auto* target = find<QComboBox>(window, "datacombo");
        EXPECT_EQ(kind->currentIndex(), -1) << "opening clears the last choice";
        EXPECT_EQ(target->count(), 0);
        kind->setCurrentIndex(0);
        EXPECT_FALSE(find<QSpinBox>(window, "SpinEdit1")->isEnabled()) << "a quest has no depth";
        EXPECT_FALSE(find<QSpinBox>(window, "SpinEdit2")->isEnabled()) << "nor turns";
        kind->setCurrentIndex(3);
        target->setCurrentIndex(0);
        find<QPushButton>(window, "startbtn")->click();
    });
    pressCommand();

    EXPECT_EQ(name, QStringLiteral("파티명: 매"));
    EXPECT_EQ(dungeons, QStringList{QStringLiteral("옛 하수도")});
    EXPECT_TRUE(refusedAfter);
    EXPECT_EQ(standingAfter, QString::fromUtf8(kPartyOnMission) +
                                 QStringLiteral(" 던젼 옛 하수도: 지금 1층, 3층까지 내려갑니다."));
    for (int party : {1, 2}) {
        const TParty& p = state().parties[party];
        EXPECT_TRUE(p.onMission) << party;
        EXPECT_EQ(p.missionKind, kDungeonMission) << party;
        EXPECT_EQ(p.missionValue, 3) << party;
        EXPECT_EQ(p.dungeonNumber, 1) << party;
    }
}

TEST_F(CommandList, StartWithoutATargetLeavesThePartyIdle) {
    formParty(1, "매", 1, 1, 1);
    driver.when("Tcommandform", [](QWidget* window) {
        find<QListWidget>(window, "partylist")->setCurrentRow(0);
        find<QPushButton>(window, "advbtn")->click();
    });
    bool closed = false;
    driver.when("Tdoadvform", [&](QWidget* window) {
        find<QComboBox>(window, "typecombo")->setCurrentIndex(2);
        find<QPushButton>(window, "startbtn")->click();
        closed = !window->isVisible();
    });
    pressCommand();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(state().parties[1].onMission);
}

// Arrows choose a row, Enter on it opens the move window, Escape closes each window
// as its cancel or close button does.
TEST_F(CommandList, TheKeyboardChoosesMovesAndCloses) {
    formParty(1, "매", 1, 1, 1);
    formParty(2, "까치", 1, 2, 1);
    QStringList order;
    driver.when("Tcommandform", [&](QWidget* window) {
        auto* list = find<QListWidget>(window, "partylist");
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Up);
        const bool enabled = !isRefused(find<QPushButton>(window, "movebtn"));
        order << QStringLiteral("row %1 %2").arg(list->currentRow()).arg(enabled);
        QTest::keyClick(list, Qt::Key_Return);
        order << QStringLiteral("back");
    });
    driver.when("Tmovecityform", [&](QWidget* window) {
        auto* dest = find<QComboBox>(window, "destcombo");
        QTest::keyClick(dest, Qt::Key_Down);
        order << dest->currentText();
        QTest::keyClick(dest, Qt::Key_Escape);
        order << (window->isVisible() ? QStringLiteral("open") : QStringLiteral("closed"));
    });
    driver.when("Tcommandform", [&](QWidget* window) {
        QTest::keyClick(find<QListWidget>(window, "partylist"), Qt::Key_Escape);
        order << (window->isVisible() ? QStringLiteral("open") : QStringLiteral("closed"));
    });
    pressCommand();
    EXPECT_EQ(order, (QStringList{QStringLiteral("row 0 1"), QStringLiteral("바람언덕"),
                                  QStringLiteral("closed"), QStringLiteral("back"),
                                  QStringLiteral("closed")}));
    EXPECT_FALSE(state().parties[1].travelling);
}

}  // namespace
}  // namespace orrowvale::testing
