#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/city/citycommands.h"
#include "app/guild/adventurerpanel.h"
#include "app/guild/chooser.h"
#include "app/guild/partypanel.h"
#include "app/parties/partycommands.h"
#include "modaldriver.h"

namespace orrowvale::testing {
namespace {

// Selects `row` of `list` as a screen reader or a switch device does: the row's
// "Toggle" action through the accessibility interface, with no click, no key and
// no move of the current row.
void selectAsAssistiveTool(QListWidget* list, int row) {
    QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(rows, nullptr);
    QAccessibleInterface* cell = rows->child(row);
    ASSERT_NE(cell, nullptr);
    ASSERT_NE(cell->actionInterface(), nullptr);
    const int currentBefore = list->currentRow();
    cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    ASSERT_TRUE(list->item(row)->isSelected());
    ASSERT_EQ(list->currentRow(), currentBefore) << "the current row must stay where it was";
}

template <typename T>
T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class ListSelection : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        startRandomGame(driver);
        driver.seen.clear();
        GameState& s = state();
        for (int party : {1, 2}) {
            s.parties[party].inUse = true;
            s.parties[party].location = s.currentCity;
            s.parties[party].partyName = "파티" + std::to_string(party);
        }
        for (int slot = 1; slot <= kGuildItemSlots; ++slot)
            s.guildItems[slot] = 0;
        s.guildItems[2] = 7;
    }
    void openFromCommands(const char* button, std::function<void(QDialog*)> play) {
        driver.inScreen = std::move(play);
        windows->window<Tcommform>().findChild<QPushButton*>(QString::fromUtf8(button))->click();
    }
    ModalDriver driver;
};

// Each window acts on the row an assistive tool selected, as it does on a clicked one.
TEST_F(ListSelection, EveryWindowActsOnARowSelectedThroughTheAccessibilityInterface) {
    openFromCommands("guildbutton", [&](QDialog* guild) {
        auto* memberInfo = child<QPushButton>(guild, "Button4");
        auto* partyInfo = child<QPushButton>(guild, "Button5");
        ASSERT_FALSE(memberInfo->isEnabled());
        selectAsAssistiveTool(child<QListWidget>(guild, "guildadvlist"), 0);
        EXPECT_TRUE(memberInfo->isEnabled());
        memberInfo->click();
        EXPECT_TRUE(windows->window<Tadvdtform>().isVisible());
        windows->window<Tadvdtform>().hide();
        ASSERT_FALSE(partyInfo->isEnabled());
        selectAsAssistiveTool(child<QListWidget>(guild, "taskpartylist"), 1);
        EXPECT_TRUE(partyInfo->isEnabled());
    });
    ASSERT_EQ(driver.seen.value(0), QStringLiteral("window: 길드"));
    windows->window<Tprtdtform>().hide();

    openFromCommands("image1", [&](QDialog* equipment) {
        selectAsAssistiveTool(child<QListWidget>(equipment, "partylist"), 1);
        selectAsAssistiveTool(child<QListWidget>(equipment, "itemlist"), 0);
        child<QPushButton>(equipment, "Button1")->click();
        EXPECT_EQ(state().parties[2].partyItem, 7);
        EXPECT_EQ(child<QLabel>(equipment, "pitemla")->text(), QStringLiteral("윈드 아머"));
    });
    EXPECT_EQ(driver.seen.value(1), QStringLiteral("window: 장비"))
        << "no box asked for an item: " << driver.seen.join(QStringLiteral(" | ")).toStdString();

    driver.when(QStringLiteral("Tcommandform"), [&](QWidget* commands) {
        auto* move = child<QPushButton>(commands, "movebtn");
        child<QListWidget>(commands, "partylist")->clearSelection();
        EXPECT_FALSE(move->isEnabled());
        selectAsAssistiveTool(child<QListWidget>(commands, "partylist"), 1);
        EXPECT_TRUE(move->isEnabled());
        static_cast<QDialog*>(commands)->reject();
    });
    windows->window<Tcommform>().findChild<QPushButton*>(QStringLiteral("Button1"))->click();

    Tadvlists& chooser = windows->window<Tadvlists>();
    QTimer::singleShot(0, &chooser, [&chooser] {
        QTRY_VERIFY(chooser.isVisible());
        selectAsAssistiveTool(child<QListWidget>(&chooser, "advlistbox"), 1);
        child<QPushButton>(&chooser, "ok_btn")->click();
        EXPECT_FALSE(chooser.isVisible()) << "확인 chooses and closes";
        if (chooser.isVisible()) chooser.close();
    });
    EXPECT_EQ(chooser.choose({{12, "가"}, {40, "나"}}), 40);
}

}  // namespace
}  // namespace orrowvale::testing
