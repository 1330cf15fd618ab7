#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/city/citycommands.h"
#include "app/lifecycle/charactercreation.h"
#include "app/lifecycle/characterinfo.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/statuspanel.h"
#include "app/lifecycle/title.h"
#include "app/ui/picture.h"
#include "lifecycle/citymap.h"
#include "modaldriver.h"

namespace orrowvale::testing {
namespace {

class Lifecycle : public ::testing::Test, public WindowsFixture {
  protected:
    template <typename T>
    T* find(QWidget* window, const char* name) {
        T* widget = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

TEST_F(Lifecycle, CharacterCreationBrowsesTwoCharactersAndNoKeepsTheChoiceOpen) {
    TNewGameForm& form = windows->window<TNewGameForm>();
    windows->window<TForm1>().newGameActionTriggered();
    auto* prev = find<QPushButton>(&form, "prev");
    auto* fwrd = find<QPushButton>(&form, "fwrd");
    EXPECT_FALSE(windows->window<TForm1>().isEnabled());
    EXPECT_FALSE(prev->isEnabled());
    EXPECT_TRUE(fwrd->isEnabled());
    EXPECT_EQ(find<QLabel>(&form, "chrname")->text(), QStringLiteral("이름: 윤한결"));

    fwrd->click();
    EXPECT_TRUE(prev->isEnabled());
    EXPECT_FALSE(fwrd->isEnabled());
    const QString second = find<QLabel>(&form, "chrname")->text();
    EXPECT_NE(second, QStringLiteral("이름: 윤한결"));

    ModalDriver driver;
    driver.answer({QMessageBox::No});
    find<QPushButton>(&form, "Button2")->click();
    EXPECT_EQ(driver.seen, QStringList{QStringLiteral("box: 이 캐릭터로 결정하시겠습니까?")});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.browsedCharacter(), 1);
    EXPECT_EQ(find<QLabel>(&form, "chrname")->text(), second);
    EXPECT_FALSE(windows->window<TMainForm>().isVisible());

    find<QPushButton>(&form, "Button1")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(windows->window<TForm1>().isEnabled());
    // Opening it again starts over at the first character.
    windows->window<TForm1>().newGameActionTriggered();
    EXPECT_FALSE(prev->isEnabled());
    EXPECT_EQ(form.browsedCharacter(), 0);
}

TEST_F(Lifecycle, RandomPlayShowsTheMapStatusAndCommandsAfterThePrologue) {
    ModalDriver driver;
    startRandomGame(driver);
    EXPECT_EQ(driver.seen, QStringList{QStringLiteral("announce[프롤로그]")});
    EXPECT_FALSE(windows->window<TForm1>().isVisible());
    EXPECT_TRUE(windows->window<TMainForm>().isVisible());
    EXPECT_TRUE(windows->window<Tinsform>().isVisible());
    EXPECT_TRUE(windows->window<Tcommform>().isVisible());
    EXPECT_EQ(find<QLabel>(&windows->window<Tinsform>(), "goldstat")->text(),
              QStringLiteral("1000"));
    EXPECT_EQ(find<QLabel>(&windows->window<Tinsform>(), "citystat")->text(),
              QString::fromStdString(state().cityNames[1]));
    EXPECT_EQ(find<QLabel>(&windows->window<Tinsform>(), "turns")->text(), QStringLiteral("1"));
    EXPECT_TRUE(find<QPushButton>(&windows->window<Tcommform>(), "guildbutton")->isEnabled());
    EXPECT_TRUE(find<QPushButton>(&windows->window<Tcommform>(), "pubbutton")->isEnabled());

    windows->window<TMainForm>().close();
    EXPECT_TRUE(windows->window<TForm1>().isVisible());
    EXPECT_TRUE(windows->window<TForm1>().isEnabled());
    EXPECT_FALSE(windows->window<Tinsform>().isVisible());
    EXPECT_FALSE(windows->window<Tcommform>().isVisible());
}

TEST_F(Lifecycle, MapShowsTheHandOnlyInsideACityAndOnlyALeftClickPicksIt) {
    ModalDriver driver;
    startRandomGame(driver);
    Picture* map = windows->window<TMainForm>().map();
    const CityRect r = state().cityRects[2];
    const QPoint inside((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    const QPoint border(r.left, inside.y());
    ASSERT_EQ(cityAt(state(), inside.x(), inside.y()), 2);

    QTest::mouseMove(map, inside);
    EXPECT_EQ(map->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(map, border);
    EXPECT_EQ(map->cursor().shape(), Qt::ArrowCursor);

    QTest::mouseClick(map, Qt::RightButton, {}, inside);
    EXPECT_EQ(state().commandCity, 0);
    QTest::mouseClick(map, Qt::LeftButton, {}, border);
    EXPECT_EQ(state().commandCity, 0);
    QTest::mouseClick(map, Qt::LeftButton, {}, inside);
    EXPECT_EQ(state().commandCity, 2);
}

TEST_F(Lifecycle, TheHiddenCharacterButtonCopiesTheSampleAdventurerAndShowsHim) {
    ModalDriver driver;
    startRandomGame(driver);
    windows->window<TMainForm>().characterButtonClick();
    EXPECT_TRUE(std::filesystem::exists(dir.path("data\\amugae.txt")));
    EXPECT_EQ(dir.readBytes("data\\amugae.txt"), dir.readBytes("data\\richard.txt"));
    EXPECT_TRUE(windows->window<Tinfoform>().isVisible());
    EXPECT_EQ(find<QLabel>(&windows->window<Tinfoform>(), "chrname")->text(),
              QString::fromStdString(fullName(state().infoAdventurer)));
    EXPECT_FALSE(state().infoAdventurer.name.empty());
}

TEST_F(Lifecycle, AWorldThatCannotBeBuiltSaysWhyAndGoesBackToTheTitle) {
    std::filesystem::remove(dir.path("data\\common\\commongo.txt"));
    ModalDriver driver;
    startRandomGame(driver);
    ASSERT_EQ(driver.seen.size(), 1);
    EXPECT_TRUE(driver.seen[0].contains(QStringLiteral("commongo.txt")))
        << driver.seen[0].toStdString();
    EXPECT_FALSE(windows->window<TMainForm>().isVisible());
    EXPECT_FALSE(windows->window<Tcommform>().isVisible());
    EXPECT_TRUE(windows->window<TForm1>().isVisible());
    EXPECT_TRUE(windows->window<TForm1>().isEnabled());
    EXPECT_EQ(state().mainchrnum, 0) << "no half-built game";
}

TEST_F(Lifecycle, AMissingTuneIsToldOnceNotAtEveryActivation) {
    std::filesystem::remove(dir.path(kTitleMusic));
    ModalDriver driver;
    windows->window<TForm1>().windowActivated();
    windows->window<TForm1>().windowActivated();
    ASSERT_EQ(driver.seen.size(), 1);
    EXPECT_TRUE(driver.seen[0].contains(QStringLiteral("endless_rain[1].mid")));
    // The menu still works without music.
    windows->window<TForm1>().newGameActionTriggered();
    EXPECT_TRUE(windows->window<TNewGameForm>().isVisible());
}

}  // namespace
}  // namespace orrowvale::testing
