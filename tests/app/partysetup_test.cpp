#include "app/guild/partysetup.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/guild/chooser.h"
#include "app/lifecycle/characterinfo.h"
#include "app/ui/buttons.h"
#include "guild/chooser.h"
#include "modaldriver.h"
#include "parties/party.h"

namespace orrowvale::testing {
namespace {

// Party setup over a random game, with three free guild members of the current
// city renamed 가람솔, 나래 and 다온 so that the chooser's rows tell them apart.
class PartySetupWindow : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        startRandomGame(driver);
        GameState& s = state();
        const ListRows free = adventurerChoices(s, s.currentCity, 1, true);
        int named = 0;
        for (const ListRow& row : free) {
            if (row.number == s.mainchrnum || named == 3) continue;
            member[named] = row.number;
            s.adventurers[row.number].name = kNames[named++];
            s.adventurers[row.number].familyName.clear();
        }
        ASSERT_EQ(named, 3);
        form = &windows->window<Tpsform>();
        form->show();
        driver.seen.clear();
    }
    void TearDown() override { form->hide(); }

    template <typename T = QPushButton>
    T* control(const char* name) {
        return form->findChild<T*>(QString::fromUtf8(name));
    }
    void press(const char* name) { control(name)->click(); }
    // The rows' texts; of an adventurer's row ("NUMBER. NAME, CLASS, ...") the name.
    QStringList rows(const char* list) {
        QStringList texts;
        auto* widget = control<QListWidget>(list);
        for (int row = 0; row < widget->count(); ++row) {
            const QString text = widget->item(row)->text();
            texts
                << (text.contains(QStringLiteral(", "))
                        ? text.section(QStringLiteral(", "), 0, 0).section(QStringLiteral(". "), 1)
                        : text);
        }
        return texts;
    }
    // Where the chosen member stands, "O", among the grid's nine cells.
    QString grid() {
        QString marks;
        for (int k = 1; k <= 9; ++k)
            marks += control(("loc" + std::to_string(k)).c_str())->isChecked() ? 'O' : '.';
        return marks;
    }
    QString cell(int position) {
        return control(("loc" + std::to_string(position)).c_str())->text();
    }
    // Founds party 1 led by 가람솔 with 나래 and 다온.
    void foundThree() {
        driver.pick({QStringLiteral("가람솔"), QStringLiteral("나래"), QStringLiteral("다온")});
        press("Button3");
        press("addbtn");
        press("addbtn");
    }

    static constexpr const char* kNames[3] = {"가람솔", "나래", "다온"};
    int member[3] = {};
    ModalDriver driver;
    Tpsform* form = nullptr;
};

TEST_F(PartySetupWindow, FoundingAddingPlacingAndLeadingThroughTheButtons) {
    // Nothing chosen yet: every button but "새로운 파티" says what to choose.
    for (const char* name : {"makeleader", "Button2", "nameparty", "addbtn", "removebtn", "desbtn",
                             "Button5", "loc5"}) {
        EXPECT_TRUE(isRefused(control(name))) << name;
        EXPECT_EQ(control(name)->toolTip(), QString::fromUtf8(kChoosePartyFirst)) << name;
    }
    EXPECT_FALSE(isRefused(control("Button3")));
    EXPECT_EQ(control<QLabel>("leaderlabel")->text(), QString()) << "no party, no leader";
    EXPECT_EQ(heard(control<QLabel>("leaderlabel")), QStringLiteral("리더 없음"));

    foundThree();
    ASSERT_EQ(driver.seen.size(), 4);
    EXPECT_EQ(driver.seen[0], QStringLiteral("box: ") + QString::fromUtf8(kChooseNewLeader));
    EXPECT_TRUE(driver.seen[1].contains(QStringLiteral("가람솔")));
    EXPECT_FALSE(driver.seen[2].contains(QStringLiteral("가람솔")))
        << "already in a party: " << driver.seen.join(QStringLiteral(" / ")).toStdString();
    EXPECT_EQ(rows("partylist"), QStringList{QString::fromUtf8(kNoPartyName)});
    EXPECT_EQ(control<QLabel>("leaderlabel")->text(), QStringLiteral("가람솔"));
    EXPECT_EQ(rows("memberlist"), (QStringList{QStringLiteral("가람솔"), QStringLiteral("나래"),
                                               QStringLiteral("다온")}));
    auto* members = control<QListWidget>("memberlist");
    EXPECT_EQ(members->currentRow(), 2) << "the newcomer is chosen";
    members->setCurrentRow(-1);
    EXPECT_EQ(control("loc5")->toolTip(), QString::fromUtf8(kChooseMemberFirst));
    members->setCurrentRow(0);
    EXPECT_EQ(grid(), QStringLiteral("O........"));
    // 나래 steps onto 다온's place at 3; 다온 takes 나래's at 2.
    members->setCurrentRow(1);
    press("loc3");
    EXPECT_EQ(grid(), QStringLiteral("..O......"));
    members->setCurrentRow(2);
    EXPECT_EQ(grid(), QStringLiteral(".O......."));
    // A screen reader toggles a cell: 다온 moves as with a click, and one cell is ticked.
    QAccessible::queryAccessibleInterface(control("loc7"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(grid(), QStringLiteral("......O.."));
    press("loc9");
    EXPECT_EQ(grid(), QStringLiteral("........O"));
    press("loc9");
    EXPECT_EQ(grid(), QStringLiteral("........O")) << "a second click keeps the place";
    const auto& f = state().parties[1].formation;
    EXPECT_EQ(std::vector<int>(f.begin(), f.end()), (std::vector<int>{1, 0, 2, 0, 0, 0, 0, 0, 3}));
    EXPECT_EQ(cell(1), QStringLiteral("가람솔\n(리더)"));
    EXPECT_EQ(cell(3), QStringLiteral("나래"));
    EXPECT_EQ(cell(2), QString());

    press("makeleader");
    EXPECT_EQ(control<QLabel>("leaderlabel")->text(), QStringLiteral("다온"));
    EXPECT_EQ(cell(1), QStringLiteral("가람솔"));
    EXPECT_EQ(cell(9), QStringLiteral("다온\n(리더)"));
    EXPECT_EQ(state().parties[1].leader, member[2]);

    press("Button5");
    EXPECT_EQ(driver.seen.back(),
              QStringLiteral("box: Pdp값은요: %1").arg(partyDefenceRating(state(), 1)));
}

TEST_F(PartySetupWindow, ANewGameShowsNothingChosenInTheOldOne) {
    foundThree();
    ASSERT_EQ(control<QLabel>("leaderlabel")->text(), QStringLiteral("가람솔"));
    windows->returnToTitle();
    startRandomGame(driver);
    EXPECT_TRUE(control<QListWidget>("partylist")->selectedItems().isEmpty());
    EXPECT_EQ(control<QListWidget>("memberlist")->count(), 0);
    EXPECT_EQ(control<QLabel>("leaderlabel")->text(), QString());
    EXPECT_EQ(grid(), QStringLiteral("........."));
}

TEST_F(PartySetupWindow, RenamingTellsCancelFromAnEmptyAnswer) {
    foundThree();
    control<QListWidget>("partylist")->setCurrentRow(0);
    QString offeredName;
    driver.onInput = [&](QWidget* input) {
        offeredName = static_cast<QInputDialog*>(input)->textValue();
    };
    driver.type(QStringLiteral("은빛 매"));
    press("nameparty");
    EXPECT_EQ(rows("partylist"), QStringList{QStringLiteral("은빛 매")});
    EXPECT_EQ(offeredName, QString::fromUtf8(kNoPartyName)) << "the box starts at the old name";
    driver.cancelNextInput();
    press("nameparty");
    EXPECT_EQ(state().parties[1].partyName, "은빛 매");
    driver.type(QString());
    press("nameparty");
    EXPECT_EQ(state().parties[1].partyName, kNoPartyName);
}

TEST_F(PartySetupWindow, APartyAwayOnlyTakesANewNameAndTheLastOneOutDisbandsIt) {
    foundThree();
    auto* members = control<QListWidget>("memberlist");
    state().parties[1].travelling = true;
    control<QListWidget>("partylist")->setCurrentRow(-1);
    control<QListWidget>("partylist")->setCurrentRow(0);
    members->setCurrentRow(1);
    for (const char* name : {"makeleader", "addbtn", "removebtn", "desbtn", "loc1"}) {
        EXPECT_TRUE(isRefused(control(name))) << name;
        EXPECT_EQ(control(name)->toolTip(), QString::fromUtf8(kPartyTravelling)) << name;
    }
    for (const char* name : {"nameparty", "Button2", "Button3", "Button5"})
        EXPECT_FALSE(isRefused(control(name))) << name;

    // Home again, carrying an item the full storage has no room for.
    state().parties[1].travelling = false;
    state().parties[1].partyItem = 5;
    state().guildItems.fill(1);
    control<QListWidget>("partylist")->setCurrentRow(-1);
    control<QListWidget>("partylist")->setCurrentRow(0);
    press("desbtn");
    EXPECT_EQ(driver.seen.back(), QStringLiteral("box: ") + QString::fromUtf8(kNoRoomForItem));
    EXPECT_TRUE(state().parties[1].inUse);

    state().guildItems[100] = 0;
    for (int left = 3; left > 0; --left) {
        members->setCurrentRow(0);
        press("removebtn");
    }
    EXPECT_TRUE(rows("partylist").isEmpty());
    EXPECT_TRUE(rows("memberlist").isEmpty());
    EXPECT_EQ(control<QLabel>("leaderlabel")->text(), QString())
        << "the leader of a disbanded party is not shown";
    EXPECT_FALSE(state().parties[1].inUse);
    EXPECT_EQ(state().guildItems[100], 5);
}

TEST_F(PartySetupWindow, EnterOnAMemberShowsItAndEscapeCloses) {
    foundThree();
    auto* members = control<QListWidget>("memberlist");
    members->setCurrentRow(1);
    QTest::keyClick(members, Qt::Key_Return);
    EXPECT_TRUE(windows->window<Tinfoform>().isVisible());
    EXPECT_EQ(windows->window<Tinfoform>().findChild<QLabel*>(QStringLiteral("chrname"))->text(),
              QStringLiteral("나래"));
    EXPECT_TRUE(form->isVisible()) << "Enter on a list does not close the window";

    // "캐릭터 정보" goes where the window is told to send it.
    int detailed = 0;
    form->showAdventurerDetail = [&](int adventurer) { detailed = adventurer; };
    press("Button2");
    EXPECT_EQ(detailed, member[1]);

    QTest::keyClick(members, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    windows->window<Tinfoform>().hide();
}

// The chooser on its own: Enter or a double click takes the row under the
// keyboard's frame, Escape and the close box give nothing whatever is chosen, and "확인"
// waits for a row.
TEST(Chooser, OnlyOkWithARowChosenGivesItsNumber) {
    WindowsFixture fixture;
    Tadvlists& chooser = fixture.windows->window<Tadvlists>();
    const ListRows offered = {{12, "가"}, {40, "나"}};
    auto* list = chooser.findChild<QListWidget*>(QStringLiteral("advlistbox"));
    auto* ok = chooser.findChild<QPushButton*>(QStringLiteral("ok_btn"));
    const auto playing = [&](std::function<void()> keys) {
        QTimer::singleShot(0, &chooser, [&chooser, keys] {
            QTRY_VERIFY(chooser.isVisible());
            keys();
            if (chooser.isVisible()) chooser.close();
        });
        return chooser.choose(offered);
    };
    EXPECT_EQ(playing([&] {
                  EXPECT_TRUE(isRefused(ok));
                  EXPECT_EQ(ok->toolTip(), QString::fromUtf8(kChooseRowFirst));
                  ok->click();
                  QTest::keyClick(list, Qt::Key_Escape);
              }),
              std::nullopt);
    EXPECT_EQ(playing([&] {
                  QTest::keyClick(list, Qt::Key_Down);
                  QTest::keyClick(list, Qt::Key_Down);
                  QTest::keyClick(list, Qt::Key_Return);
              }),
              40);
    EXPECT_EQ(playing([&] {
                  list->setCurrentRow(0);
                  QTest::keyClick(list, Qt::Key_Escape);
              }),
              std::nullopt);
    EXPECT_EQ(playing([&] { list->setCurrentRow(0); }), std::nullopt) << "closed by the close box";
    EXPECT_EQ(playing([&] {
                  selectAsAssistiveTool(list, 1);
                  ok->click();
              }),
              40);
    // The caller says what is chosen.
    QString prompt;
    QTimer::singleShot(0, &chooser, [&] {
        prompt = heard(list);
        chooser.close();
    });
    chooser.chooser(kChooseCarrier)(offered);
    EXPECT_EQ(prompt, QString::fromUtf8(kChooseCarrier));
    EXPECT_EQ(playing([&] {
                  list->setCurrentRow(0);
                  ok->click();
              }),
              12);
}

}  // namespace
}  // namespace orrowvale::testing
