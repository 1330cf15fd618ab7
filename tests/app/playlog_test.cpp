// A loop of play in the real windows is written down as a play log, and the
// simulator replays that log to a save identical to the one the windows took.

#include "lifecycle/playlog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/city/citycommands.h"
#include "app/guild/partysetup.h"
#include "app/guild/tradingpost.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/savegame.h"
#include "app/lifecycle/title.h"
#include "app/ui/buttons.h"
#include "guild/chooser.h"
#include "modaldriver.h"
#include "world/adventurer.h"

namespace orrowvale::testing {
namespace {

namespace fs = std::filesystem;

template <typename T = QPushButton>
T* find(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void click(QWidget* window, const char* name) {
    find(window, name)->click();
}

// Replays `log` in the simulator into slot 2 and compares it with slot 1: 0 when the
// two are the same, file for file and byte for byte.
int replayAndCompare(const TempGameDir& dir, const fs::path& log) {
    const std::string root = dir.root().string();
    const std::string command = std::string(ORROWVALE_SIM_TOOL) + " --game-dir " + root +
                                " --replay " + log.string() + " --save 2 >/dev/null && diff -r " +
                                root + "/data/save/save1 " + root + "/data/save/save2";
    return std::system(command.c_str());
}

class PlayLogWindows : public ::testing::Test, public WindowsFixture {
  protected:
    Tcommform& commands() { return windows->window<Tcommform>(); }

    // The pub: a rumour, a talk with whoever sits first in the list, a drink and the
    // question to join, the fame window, and out.
    void visitPub() {
        driver.when("TPubForm", [](QWidget* pub) { click(pub, "Button4"); });
        driver.when("TPubForm", [](QWidget* pub) { click(pub, "Button2"); });
        driver.when("Ttalkwithform", [this](QWidget* list) {
            auto* adlist = find<QListWidget>(list, "adlist");
            if (adlist->count() == 0) return click(list, "Button3");
            adlist->setCurrentRow(0);
            click(list, "Button2");
            driver.when("Ttalkwithform", [](QWidget* again) { click(again, "Button3"); });
        });
        driver.when("Tttadvenform", [](QWidget* talk) {
            click(talk, "buydrink");
            click(talk, "yourjob");
            if (!isRefused(find(talk, "joinus"))) click(talk, "joinus");
            click(talk, "goodbyebtn");
        });
        driver.when("TPubForm", [](QWidget* pub) { click(pub, "Button3"); });
        driver.when("Tfamform", [](QWidget* fame) { click(fame, "Button1"); });
        driver.when("TPubForm", [](QWidget* pub) { click(pub, "Button1"); });
        click(&commands(), "pubbutton");
    }

    // Party 1 of three free guild members here, the second placed at 5 and made
    // leader; party 2 of a fourth, named 상단.
    void formParties() {
        const GameState& s = state();
        QStringList names;
        for (const ListRow& row : adventurerChoices(s, s.currentCity, 1, true))
            if (row.number != s.mainchrnum && names.size() < 4)
                names << QString::fromStdString(fullName(s.adventurers[row.number]));
        ASSERT_EQ(names.size(), 4);
        Tpsform& setup = windows->window<Tpsform>();
        setup.show();
        driver.pick({names[0], names[1], names[2]});
        click(&setup, "Button3");
        click(&setup, "addbtn");
        click(&setup, "addbtn");
        find<QListWidget>(&setup, "memberlist")->setCurrentRow(1);
        click(&setup, "loc5");
        click(&setup, "makeleader");
        driver.pick({names[3]});
        click(&setup, "Button3");
        driver.type(QStringLiteral("상단"));
        click(&setup, "nameparty");
        setup.hide();
    }

    // Party 1 into the first dungeon of the city, two deep.
    void dispatchFirstParty() {
        driver.when("Tcommandform", [](QWidget* window) {
            find<QListWidget>(window, "partylist")->setCurrentRow(0);
            click(window, "advbtn");
        });
        driver.when("Tdoadvform", [](QWidget* window) {
            find<QComboBox>(window, "typecombo")->setCurrentIndex(3);
            find<QSpinBox>(window, "SpinEdit1")->setValue(2);
            find<QComboBox>(window, "datacombo")->setCurrentIndex(0);
            click(window, "startbtn");
        });
        click(&commands(), "Button1");
    }

    // The equipment window: the game's start stores no item to hand out.
    void openEquipment() { click(&commands(), "image1"); }

    // The first contract of the trading post, to 상단.
    void takeFirstContract() {
        Ttradecform& post = windows->window<Ttradecform>();
        post.show();
        auto* contracts = find<QListWidget>(&post, "clist");
        if (contracts->count() > 0) {
            contracts->setCurrentRow(0);
            driver.pick({QStringLiteral("상단")});
            click(&post, "caccept");
        }
        post.hide();
    }

    void saveIntoSlot(int slot) {
        Tsaveform& save = windows->window<Tsaveform>();
        QTimer::singleShot(0, &save, [&save, slot] {
            find<QListWidget>(&save, "filelist")->setCurrentRow(slot - 1);
            click(&save, "Button1");
        });
        save.exec();
    }

    ModalDriver driver;
};

TEST_F(PlayLogWindows, ALoopInTheWindowsReplaysInTheSimulatorToTheSameSave) {
    PlayLogKeeper keeper(windows->game, dir.root() / "logs");
    startRandomGame(driver);
    visitPub();
    formParties();
    dispatchFirstParty();
    openEquipment();
    for (int turn = 0; turn < 3; ++turn)
        click(&commands(), "skipturnbtn");
    takeFirstContract();
    click(&commands(), "skipturnbtn");
    saveIntoSlot(1);
    ASSERT_TRUE(fs::exists(dir.path("data\\save\\save1\\mainsave.sav")));

    const fs::path log = keeper.currentFile();
    ASSERT_FALSE(log.empty());
    std::ifstream in(log, std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(in), {}};
    for (const char* action :
         {"\npub\n", "\nrumour\n", "\nfound ", "\nplace 1 ", "\nleader 1 ", "\nrename 2 상단\n",
          "\ndispatch 1 dungeon 1 2\n", "\nend\n", "\nsave 1\n"})
        EXPECT_NE(written.find(action), std::string::npos) << action << " in\n" << written;

    EXPECT_EQ(replayAndCompare(dir, log), 0) << "the replayed save differs; the log:\n" << written;
}

// "문제 보고용 기록 열기" in the title's and the map's help menu opens the logs folder,
// which lives beside the autosaves.
TEST_F(PlayLogWindows, TheHelpMenusOpenTheFolderOfThePlayLogs) {
    windows->keepAutosaves(dir.root() / "home" / "autosave");
    // A browser takes the folder instead of the desktop's file manager.
    QTextBrowser opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "setSource");
    const QUrl logs =
        QUrl::fromLocalFile(QString::fromStdString((dir.root() / "home" / "logs").string()));
    for (QWidget* window : {static_cast<QWidget*>(&windows->window<TForm1>()),
                            static_cast<QWidget*>(&windows->window<TMainForm>())}) {
        auto* action = window->findChild<QAction*>(QStringLiteral("PlayLogs1"));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QStringLiteral("문제 보고용 기록 열기"));
        opened.setSource(QUrl());
        action->trigger();
        EXPECT_EQ(opened.source(), logs);
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_TRUE(fs::is_directory(dir.root() / "home" / "logs"));
}

}  // namespace
}  // namespace orrowvale::testing
