#include "app/lifecycle/mapwindow.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "app/city/citycommands.h"
#include "app/lifecycle/mapview.h"
#include "app/lifecycle/statuspanel.h"
#include "modaldriver.h"
#include "parties/party.h"
#include "world/adventurer.h"

namespace orrowvale::testing {
namespace {

class MapWindow : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        startRandomGame(driver);
        driver.seen.clear();
    }

    ModalDriver driver;
};

// The sample world's 은빛나루 (1) has routes to 바람언덕, 푸른여울 (east) and
// 갈대포구 (north); the random game starts there with a guild branch.
TEST_F(MapWindow, KeysWalkTheCitiesAndEnterOpensTheCityAsAClickDoes) {
    TParty& waiting = state().parties[1];
    waiting.inUse = true;
    waiting.partyName = "매";
    waiting.location = 3;
    addMember(state(), 1, 1);
    windows->afterPlayerAction();

    TMainForm& mapWindow = windows->window<TMainForm>();
    MapView* map = mapWindow.map();
    QApplication::setActiveWindow(&mapWindow);
    QTest::keyClick(&mapWindow, Qt::Key_Tab);
    ASSERT_TRUE(map->hasFocus());
    EXPECT_EQ(map->focusedCity(), 1);  // where the main character stands

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(map);
    ASSERT_EQ(accessible->childCount(), 14);
    const QString hero = QString::fromStdString(fullName(state().mainCharacter()));
    EXPECT_EQ(accessible->child(0)->text(QAccessible::Name),
              QStringLiteral("은빛나루, 주인공 %1, 길드 지부").arg(hero));
    EXPECT_EQ(accessible->child(2)->text(QAccessible::Name), QStringLiteral("푸른여울, 파티 1"));

    QTest::keyClick(map, Qt::Key_Up);
    EXPECT_EQ(map->focusedCity(), 4);
    QTest::keyClick(map, Qt::Key_Home);
    QTest::keyClick(map, Qt::Key_Right);
    EXPECT_EQ(map->focusedCity(), 3);
    EXPECT_EQ(accessible->focusChild()->text(QAccessible::Name),
              QStringLiteral("푸른여울, 파티 1"));
    EXPECT_TRUE(accessible->child(2)->state().focused);
    EXPECT_FALSE(accessible->child(0)->state().focused);

    QStringList listed;
    driver.when("Tcommandform", [&](QWidget* window) {
        for (QListWidget* list : window->findChildren<QListWidget*>())
            for (int row = 0; row < list->count(); ++row)
                listed << list->item(row)->text();
    });
    QTest::keyClick(map, Qt::Key_Return);
    EXPECT_EQ(state().commandCity, 3);
    ASSERT_EQ(listed.size(), 1);
    EXPECT_TRUE(listed[0].contains(QStringLiteral("매"))) << listed[0].toStdString();

    // From the command window, where the keyboard is while playing, Ctrl+M comes back.
    QWidget& commands = windows->window<Tcommform>();
    QApplication::setActiveWindow(&commands);
    commands.setFocus();
    ASSERT_FALSE(map->hasFocus());
    QTest::keyClick(&commands, Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([map] { return map->hasFocus(); }, 2000));
    EXPECT_EQ(map->focusedCity(), 3);
}

// Made larger, the map grows with its window: its cities are drawn, pointed at
// and told to a screen reader where the grown picture shows them.
TEST_F(MapWindow, AGrownMapIsClickedAndReadWhereItShowsItsCities) {
    TMainForm& mapWindow = windows->window<TMainForm>();
    MapView* map = mapWindow.map();
    const QSize natural = map->size();
    ASSERT_EQ(natural, map->image().size());
    mapWindow.resize(mapWindow.size() + natural);
    ASSERT_TRUE(QTest::qWaitFor([&] { return map->shownScale() >= 1.9; }, 2000))
        << map->shownScale();

    const QRect spot = map->cityArea(3);
    const QRect shown = map->fromPicture(spot);
    EXPECT_NEAR(shown.width(), spot.width() * map->shownScale(), 1.5);
    QAccessibleInterface* city = QAccessible::queryAccessibleInterface(map)->child(2);
    EXPECT_EQ(city->rect(), QRect(map->mapToGlobal(shown.topLeft()), shown.size()));
    // Where the picture shows 푸른여울, and not where it stood at the natural size.
    EXPECT_EQ(map->toPicture(shown.center()), spot.center());

    driver.when("Tcommandform", [](QWidget* window) { window->close(); });
    QTest::mouseClick(map, Qt::LeftButton, {}, shown.center());
    EXPECT_EQ(state().commandCity, 3);
}

// The status panel and the command window keep beside the map's right edge as it
// grows; one the player has moved away stays where he put it.
TEST_F(MapWindow, TheCompanionsFollowTheMapsEdgeUnlessMovedAway) {
    TMainForm& mapWindow = windows->window<TMainForm>();
    QWidget& status = windows->window<Tinsform>();
    QWidget& commands = windows->window<Tcommform>();
    const int gap = status.frameGeometry().left() - mapWindow.frameGeometry().right();
    ASSERT_GT(gap, 0);
    commands.move(commands.pos() + QPoint(0, 40));
    const QPoint commandsBefore = commands.pos();
    mapWindow.resize(mapWindow.size() + QSize(60, 0));
    EXPECT_EQ(status.frameGeometry().left() - mapWindow.frameGeometry().right(), gap);
    EXPECT_EQ(commands.pos(), commandsBefore + QPoint(60, 0)) << "still beside the map";

    commands.move(commands.pos() + QPoint(5, 0));
    const QPoint movedAway = commands.pos();
    mapWindow.resize(mapWindow.size() + QSize(30, 0));
    EXPECT_EQ(commands.pos(), movedAway);
}

}  // namespace
}  // namespace orrowvale::testing
