#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/city/citycommands.h"
#include "app/guild/adventurerpanel.h"
#include "app/guild/guildwindow.h"
#include "app/guild/partypanel.h"
#include "app/ui/buttons.h"
#include "app/ui/text.h"
#include "guild/adventurerpanel.h"
#include "guild/guildwindow.h"
#include "guild/partypanel.h"
#include "modaldriver.h"
#include "parties/party.h"
#include "world/adventurer.h"

namespace orrowvale::testing {
namespace {

// Records whether a window is kept from taking clicks by a modal window.
class BlockWatch : public QObject {
  public:
    explicit BlockWatch(QWidget* window) { window->installEventFilter(this); }
    bool blocked = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked) blocked = true;
        if (event->type() == QEvent::WindowUnblocked) blocked = false;
        return false;
    }
};

QStringList rows(QWidget* window, const char* list) {
    QStringList texts;
    auto* widget = window->findChild<QListWidget*>(QString::fromUtf8(list));
    for (int row = 0; row < widget->count(); ++row)
        texts << widget->item(row)->text();
    return texts;
}

QString labelText(QWidget* window, const std::string& name) {
    return window->findChild<QLabel*>(QString::fromStdString(name))->text();
}

class GuildWindow : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        startRandomGame(driver);
        driver.seen.clear();
        GameState& s = state();
        // Only the main character is left of the starting members.
        s.guildRoster[1].fill(0);
        addGuildMember(s, s.mainchrnum);
        // Two members here who differ in every line of the panel, one elsewhere.
        first = hire("가람", kMale, kHuman, kWarrior, 1, 4, 110, 0, kPlateArmour, kHelmetWorn);
        second = hire("나래", kFemale, kElf, kMage, 2, 6, 230, 510, kClothes, 0);
        const int away = hire("다솜", kMale, kHuman, kThief, 3, 2, 130, 0, kLeatherArmour, 0);
        s.adventurers[away].location = 2;
        s.parties[1].inUse = true;
        s.parties[1].partyName = "원정대";
        s.parties[1].location = 2;
        s.parties[1].travelling = true;
        s.parties[1].leader = away;
        addMember(s, 1, away);
    }
    int hire(const char* name, int sex, int race, int cls, int alignment, int stat, int weapon1,
             int weapon2, int armour, int helmet) {
        TAdven a;
        a.name = name;
        a.familyName = std::string(name) + "씨";
        a.sex = static_cast<std::uint8_t>(sex);
        a.race = race;
        a.adventurerClass = static_cast<std::uint8_t>(cls);
        a.alignment = static_cast<std::uint8_t>(alignment);
        a.stats.fill(static_cast<std::uint8_t>(stat));
        a.weapon1 = weapon1;
        a.weapon2 = weapon2;
        a.armour = armour;
        a.helmet = helmet;
        const int number = addAdventurer(state(), a);
        addGuildMember(state(), number);
        return number;
    }
    void openGuild(std::function<void(QDialog*)> play) {
        driver.inScreen = std::move(play);
        windows->window<Tcommform>()
            .findChild<QPushButton*>(QStringLiteral("guildbutton"))
            ->click();
        ASSERT_EQ(driver.seen.value(0), QStringLiteral("window: 길드"));
    }
    ModalDriver driver;
    int first = 0;
    int second = 0;
};

TEST_F(GuildWindow, ListsMembersHereAndEveryPartyAndNeedsARowForItsPanels) {
    openGuild([&](QDialog* guild) {
        // Members join at the highest free roster entry, so the newest come first.
        QStringList names;
        for (const QString& row : rows(guild, "guildadvlist"))
            names << row.section(QStringLiteral(", "), 0, 0).section(QStringLiteral(". "), 1);
        EXPECT_EQ(names, (QStringList{QStringLiteral("나래씨나래"), QStringLiteral("가람씨가람"),
                                      qs(fullName(state().mainCharacter()))}));
        EXPECT_EQ(rows(guild, "taskpartylist"), QStringList{QStringLiteral("원정대")});
        for (const char* name : {"Button4", "Button5"}) {
            auto* button = guild->findChild<QPushButton*>(QString::fromUtf8(name));
            EXPECT_TRUE(isRefused(button)) << name;
            EXPECT_FALSE(button->toolTip().isEmpty()) << name;
        }
        auto* setup = guild->findChild<QPushButton*>(QStringLiteral("partycon"));
        EXPECT_TRUE(setup->isEnabled()) << "party setup needs no choice";
        EXPECT_FALSE(guild->findChild<QPushButton*>(QStringLiteral("Button3"))->isDefault());
        // A row a screen reader selects is chosen: its panel's button wakes.
        selectAsAssistiveTool(guild->findChild<QListWidget*>(QStringLiteral("taskpartylist")), 0);
        EXPECT_FALSE(isRefused(guild->findChild<QPushButton*>(QStringLiteral("Button5"))));
        // Tab goes down each column, then along the foot; the party list holds every
        // party, not those "현 위치".
        QStringList tabs;
        for (QWidget* stop = guild->findChild<QWidget*>(QStringLiteral("guildadvlist"));
             tabs.size() < 5; stop = stop->nextInFocusChain())
            if (stop->focusPolicy() != Qt::NoFocus) tabs << stop->objectName();
        EXPECT_EQ(tabs,
                  (QStringList{"guildadvlist", "Button4", "taskpartylist", "Button5", "Button2"}));
        EXPECT_FALSE(heard(guild->findChild<QListWidget*>(QStringLiteral("taskpartylist")))
                         .contains(QStringLiteral("현 위치")));
    });
}

TEST_F(GuildWindow, PanelsAreModelessAndASecondShowingReplacesEveryLine) {
    auto* panel = &windows->window<Tadvdtform>();
    BlockWatch watch(panel);
    openGuild([&](QDialog* guild) {
        auto* members = guild->findChild<QListWidget*>(QStringLiteral("guildadvlist"));
        auto* info = guild->findChild<QPushButton*>(QStringLiteral("Button4"));
        members->setCurrentRow(1);
        info->click();
        EXPECT_TRUE(panel->isVisible());
        EXPECT_FALSE(panel->isModal());
        EXPECT_FALSE(watch.blocked) << "the panel takes clicks while the guild window is open";
        EXPECT_TRUE(guild->isVisible());
        EXPECT_EQ(labelText(panel, "namelabel"), QStringLiteral("이름: 가람씨가람"));

        // Enter on the first row shows the other member over the same panel.
        members->setCurrentRow(0);
        QTest::keyClick(members, Qt::Key_Return);
        EXPECT_TRUE(guild->isVisible()) << "Enter on a list does not close the window";
        const TAdven& shown = state().adventurers[second];
        const TAdven& before = state().adventurers[first];
        const auto lines = adventurerPanelLines(shown);
        const auto old = adventurerPanelLines(before);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(labelText(panel, lines[i].control), qs(lines[i].text));
            EXPECT_NE(lines[i].text, old[i].text) << "the fixture must differ in " << i;
        }
    });
    // It stays open, with its last lines, until its own button closes it.
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(watch.blocked);
    EXPECT_EQ(labelText(panel, "namelabel"), QStringLiteral("이름: 나래씨나래"));
    panel->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(GuildWindow, PartyInfoShowsTheChosenPartyEvenWhileItTravels) {
    openGuild([&](QDialog* guild) {
        guild->findChild<QListWidget*>(QStringLiteral("taskpartylist"))->setCurrentRow(0);
        guild->findChild<QPushButton*>(QStringLiteral("Button5"))->click();
    });
    auto* panel = &windows->window<Tprtdtform>();
    EXPECT_TRUE(panel->isVisible());
    for (const PanelLine& line : partyPanelLines(state(), 1))
        EXPECT_EQ(labelText(panel, line.control), qs(line.text));
    EXPECT_EQ(labelText(panel, "itemlabel"), QStringLiteral("장비: 아이템 없음"));
    panel->close();
}

TEST_F(GuildWindow, PartySetupRefillsTheListsWhenItCloses) {
    windows->window<Tguildform>().openPartySetup = [&] {
        state().parties[2].inUse = true;
        state().parties[2].partyName = "새 파티";
    };
    openGuild([&](QDialog* guild) {
        auto* parties = guild->findChild<QListWidget*>(QStringLiteral("taskpartylist"));
        parties->setCurrentRow(0);
        auto* setup = guild->findChild<QPushButton*>(QStringLiteral("partycon"));
        ASSERT_TRUE(setup->isEnabled());
        setup->click();
        EXPECT_EQ(rows(guild, "taskpartylist"),
                  (QStringList{QStringLiteral("원정대"), QStringLiteral("새 파티")}));
        EXPECT_EQ(parties->currentRow(), 0) << "the chosen party stays chosen";
        EXPECT_FALSE(isRefused(guild->findChild<QPushButton*>(QStringLiteral("Button5"))));
    });
}

}  // namespace
}  // namespace orrowvale::testing
