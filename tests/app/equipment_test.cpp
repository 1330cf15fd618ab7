#include "app/guild/equipment.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/city/citycommands.h"
#include "app/ui/buttons.h"
#include "guild/equipment.h"
#include "modaldriver.h"

namespace orrowvale::testing {
namespace {

class EquipmentWindow : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        startRandomGame(driver);
        driver.seen.clear();
        GameState& s = state();
        for (int party : {1, 2, 3}) {
            s.parties[party].inUse = true;
            s.parties[party].location = s.currentCity;
            s.parties[party].partyName = "파티" + std::to_string(party);
        }
        s.parties[1].partyItem = 5;
        s.parties[3].onMission = true;
        s.guildItems[1] = 0;
        s.guildItems[2] = 7;
        s.guildItems[5] = 2;
    }
    void openEquipment(std::function<void(QDialog*)> play) {
        driver.inScreen = std::move(play);
        windows->window<Tcommform>().findChild<QPushButton*>(QStringLiteral("image1"))->click();
        ASSERT_EQ(driver.seen.value(0), QStringLiteral("window: 장비"));
    }
    template <typename T>
    static T* child(QDialog* window, const char* name) {
        return window->findChild<T*>(QString::fromUtf8(name));
    }
    static QStringList rows(QDialog* window, const char* name) {
        QStringList texts;
        auto* list = child<QListWidget>(window, name);
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
    ModalDriver driver;
};

TEST_F(EquipmentWindow, OpensWithoutTouchingStorageAndTheLabelFollowsTheChosenParty) {
    openEquipment([&](QDialog* window) {
        EXPECT_EQ(state().guildItems[1], 0) << "opening the window adds no item";
        EXPECT_EQ(rows(window, "partylist"),
                  (QStringList{QStringLiteral("파티1"), QStringLiteral("파티2")}));
        EXPECT_EQ(rows(window, "itemlist"),
                  (QStringList{QStringLiteral("윈드 아머"), QStringLiteral("축복의 성표")}));
        auto* label = child<QLabel>(window, "pitemla");
        auto* takeOff = child<QPushButton>(window, "Button2");
        EXPECT_EQ(label->text(), QStringLiteral("아이템 없음"));
        EXPECT_TRUE(isRefused(takeOff));
        EXPECT_EQ(takeOff->toolTip(), QString::fromUtf8(kChoosePartyToTakeOff));

        auto* parties = child<QListWidget>(window, "partylist");
        parties->setCurrentRow(0);
        EXPECT_EQ(label->text(), QStringLiteral("용의 이빨"));
        EXPECT_FALSE(isRefused(takeOff));
        parties->setCurrentRow(1);
        EXPECT_EQ(label->text(), QStringLiteral("아이템 없음"));
        EXPECT_EQ(takeOff->toolTip(), QString::fromUtf8(kNothingToTakeOff));
    });
    EXPECT_EQ(state().guildItems[1], 0);
}

TEST_F(EquipmentWindow, EquipTakeOffAndDiscardRefreshTheListAndTheLabel) {
    openEquipment([&](QDialog* window) {
        auto* parties = child<QListWidget>(window, "partylist");
        auto* items = child<QListWidget>(window, "itemlist");
        auto* label = child<QLabel>(window, "pitemla");

        child<QPushButton>(window, "Button1")->click();  // nothing chosen
        // Chosen as a screen reader chooses, without a click or a current row.
        selectAsAssistiveTool(parties, 0);
        selectAsAssistiveTool(items, 1);
        child<QPushButton>(window, "Button1")->click();
        EXPECT_EQ(state().parties[1].partyItem, 2);
        EXPECT_EQ(state().guildItems[5], 5) << "the old item takes the freed slot";
        EXPECT_EQ(rows(window, "itemlist"),
                  (QStringList{QStringLiteral("윈드 아머"), QStringLiteral("용의 이빨")}));
        EXPECT_EQ(label->text(), QStringLiteral("축복의 성표"));

        child<QPushButton>(window, "Button2")->click();
        EXPECT_EQ(state().guildItems[1], 2) << "the lowest empty slot";
        EXPECT_EQ(label->text(), QStringLiteral("아이템 없음"));
        EXPECT_EQ(rows(window, "itemlist").size(), 3);

        child<QPushButton>(window, "Button4")->click();  // no item chosen after the refill
        items->setCurrentRow(0);
        child<QPushButton>(window, "Button4")->click();
        EXPECT_EQ(state().guildItems[1], 0);
        EXPECT_EQ(rows(window, "itemlist"),
                  (QStringList{QStringLiteral("윈드 아머"), QStringLiteral("용의 이빨")}));
    });
    EXPECT_EQ(driver.seen,
              (QStringList{QStringLiteral("window: 장비"),
                           QStringLiteral("box: ") + QString::fromUtf8(kChooseItemToEquip),
                           QStringLiteral("box: ") + QString::fromUtf8(kChooseItemToDiscard)}));
}

}  // namespace
}  // namespace orrowvale::testing
