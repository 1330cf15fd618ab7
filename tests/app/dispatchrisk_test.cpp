// The dispatch window shows the chosen mission's risk and asks before the main
// character goes where it is high.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/city/citycommands.h"
#include "modaldriver.h"
#include "parties/party.h"
#include "parties/risk.h"

namespace orrowvale::testing {
namespace {

class DispatchRisk : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        startRandomGame(driver);
        driver.seen.clear();
    }
    ModalDriver driver;
};

TEST_F(DispatchRisk, TheWindowShowsTheRiskAndAsksBeforeRiskingTheMainCharacter) {
    dir.write("data\\quests\\dragon.scn",
              "[START]\n-optend-\n:fight\n용\n100000\n100000\n50\n[END]\n");
    state().quests[1] = {"용 사냥", "quests\\dragon.scn", 1, 0};
    TParty& p = state().parties[1];
    p.inUse = true;
    p.partyName = "매";
    p.location = state().currentCity;
    addMember(state(), 1, state().mainchrnum);

    driver.when("Tcommandform", [](QWidget* window) {
        window->findChild<QListWidget*>("partylist")->setCurrentRow(0);
        window->findChild<QPushButton*>("advbtn")->click();
    });
    QString risk;
    driver.when("Tdoadvform", [&](QWidget* window) {
        window->findChild<QComboBox*>("typecombo")->setCurrentIndex(0);
        window->findChild<QComboBox*>("datacombo")->setCurrentIndex(0);
        risk = window->findChild<QLabel*>("risklabel")->text();
        window->findChild<QPushButton*>("startbtn")->click();
    });
    // The No keeps the window open, the quest still chosen.
    int kindAfterNo = -1;
    int targetAfterNo = -1;
    driver.when("Tdoadvform", [&](QWidget* window) {
        kindAfterNo = window->findChild<QComboBox*>("typecombo")->currentIndex();
        targetAfterNo = window->findChild<QComboBox*>("datacombo")->currentIndex();
        window->findChild<QPushButton*>("Button2")->click();
    });
    driver.answer({QMessageBox::No});
    windows->window<Tcommform>().findChild<QPushButton*>(QStringLiteral("Button1"))->click();

    EXPECT_EQ(risk, QStringLiteral("위험: 매우 높음 (100%)"));
    EXPECT_TRUE(driver.seen.contains(QStringLiteral("box: ") +
                                     QString::fromUtf8(kMainCharacterRiskQuestion)))
        << driver.seen.join("|").toStdString();
    EXPECT_FALSE(state().parties[1].onMission) << "kept home by the answer";
    EXPECT_EQ(kindAfterNo, 0);
    EXPECT_EQ(targetAfterNo, 0);
}

}  // namespace
}  // namespace orrowvale::testing
