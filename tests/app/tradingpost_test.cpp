#include "app/guild/tradingpost.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/city/citycommands.h"
#include "app/ui/buttons.h"
#include "app/ui/text.h"
#include "guild/tradingpost.h"
#include "modaldriver.h"
#include "parties/party.h"

namespace orrowvale::testing {
namespace {

// The trading post of the current city with two contracts, and a party at home.
class TradingPostWindow : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        startRandomGame(driver);
        GameState& s = state();
        s.tradeGoods[s.currentCity].fill(TradeGood{});
        s.tradeGoods[s.currentCity][4] = {"비단", 300, 1, 1, 3};
        s.tradeGoods[s.currentCity][9] = {"소금", 80, 1, 1, 2};
        TParty& p = s.parties[1];
        p.inUse = true;
        p.location = s.currentCity;
        p.partyName = "매";
        p.leader = s.mainchrnum;
        addMember(s, 1, s.mainchrnum);
        form = &windows->window<Ttradecform>();
        driver.seen.clear();
    }
    QStringList contracts() {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row)
            texts << list()->item(row)->text();
        return texts;
    }
    QListWidget* list() { return form->findChild<QListWidget*>(QStringLiteral("clist")); }
    QPushButton* accept() { return form->findChild<QPushButton*>(QStringLiteral("caccept")); }
    QString reward() { return form->findChild<QLabel*>(QStringLiteral("cfeelabel"))->text(); }

    ModalDriver driver;
    Ttradecform* form = nullptr;
};

TEST_F(TradingPostWindow, ATakenContractLeavesTheListAndTheRewardStaysShown) {
    form->show();
    EXPECT_EQ(contracts(), (QStringList{QStringLiteral("비단, 보수: 300, 3턴"),
                                        QStringLiteral("소금, 보수: 80, 2턴")}));
    EXPECT_TRUE(isRefused(accept()));
    EXPECT_EQ(accept()->toolTip(), QString::fromUtf8(kChooseContractFirst));

    list()->setCurrentRow(0);
    EXPECT_EQ(reward(), QStringLiteral("보수: 300gp, 명성 1 (짐을 잃으면 0)"));
    driver.pick({QString()});  // the chooser cancelled: nothing is taken
    accept()->click();
    EXPECT_EQ(contracts().size(), 2);

    // The carrier is chosen by a row that says what the silk holds for it.
    const QString carrier = qs(carrierRows(windows->game, contractRows(state())[0].number)[0].text);
    EXPECT_TRUE(carrier.startsWith(QStringLiteral("매 (위험: "))) << carrier.toStdString();
    driver.pick({carrier});
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(driver.seen, (QStringList{QStringLiteral("choose: ") + carrier,
                                        QStringLiteral("choose: ") + carrier,
                                        QStringLiteral("box: 조심해서 다녀오게")}));
    EXPECT_EQ(contracts(), QStringList{QStringLiteral("소금, 보수: 80, 2턴")});
    EXPECT_TRUE(state().parties[1].onMission);
    EXPECT_EQ(state().parties[1].missionGold, 300);
    EXPECT_TRUE(isRefused(accept()));

    form->hide();
    form->show();
    EXPECT_EQ(contracts(), QStringList{QStringLiteral("소금, 보수: 80, 2턴")});
    EXPECT_EQ(reward(), QStringLiteral("보수: 300gp, 명성 1 (짐을 잃으면 0)"))
        << "kept until another row is chosen";
    // The party is away: nobody is offered for the salt.
    list()->setCurrentRow(0);
    accept()->click();
    EXPECT_EQ(driver.seen.back(), QStringLiteral("choose: "));
    form->hide();
}

TEST_F(TradingPostWindow, TheCommandWindowOpensIt) {
    auto* button = windows->window<Tcommform>().findChild<QPushButton*>(QStringLiteral("Button2"));
    ASSERT_TRUE(button->isEnabled());
    QString opened;
    QStringList offered;
    QString salt, saltHeard;
    QTimer::singleShot(0, form, [&] {
        QTRY_VERIFY(form->isVisible());
        opened = QApplication::activeModalWidget()->objectName();
        // The city's own contracts, and the reward of the one chosen.
        offered = contracts();
        list()->setCurrentRow(1);
        salt = reward();
        saltHeard =
            QAccessible::queryAccessibleInterface(list())->child(1)->text(QAccessible::Description);
        form->findChild<QPushButton*>(QStringLiteral("Button3"))->click();
    });
    button->click();
    EXPECT_EQ(opened, QStringLiteral("Ttradecform"));
    EXPECT_EQ(offered, (QStringList{QStringLiteral("비단, 보수: 300, 3턴"),
                                    QStringLiteral("소금, 보수: 80, 2턴")}));
    EXPECT_EQ(salt, qs(rewardText(state(), 9)));
    EXPECT_TRUE(salt.startsWith(QStringLiteral("보수: 80gp, 명성 "))) << salt.toStdString();
    // A screen reader hears where the salt goes and how risky it is with the row.
    const ContractOutline outline = contractOutline(windows->game, 9);
    EXPECT_EQ(saltHeard, qs(outline.where) + QStringLiteral(", ") + qs(outline.risk));
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace orrowvale::testing
