#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <new>
#include <stdexcept>

#include "app/ui/gameapplication.h"
#include "modaldriver.h"
#include "world/datafiles.h"
#include "world/table.h"

namespace orrowvale::testing {
namespace {

// A fault that no handler catches becomes one error box naming it; the window stays
// and its other controls still answer, so the player can go on and save.
TEST(LastResort, AFaultEscapingAWindowIsShownAndTheGameGoesOn) {
    struct Case {
        const char* what;
        std::function<void()> fail;
        const char* shown;  // part of the box's text
    };
    const Case cases[] = {
        {"a table asked for a missing entry",
         [] {
             Table<int, 3> table;
             table.at(4);
         },
         "entry 4 is outside 1..3"},
        {"memory running out", [] { throw std::bad_alloc(); }, "메모리가 모자랍니다."},
        {"a broken file outside a handler's catch",
         [] { throw DataError("data/x.txt", 7, "expected a number, found \"a\""); },
         "data/x.txt:7: expected a number"},
        {"something that is no exception at all", [] { throw 42; }, "알 수 없는 오류"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ModalDriver driver;
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* failing = new QPushButton(QStringLiteral("실패"), &window);
        auto* working = new QPushButton(QStringLiteral("저장"), &window);
        layout->addWidget(failing);
        layout->addWidget(working);
        int saves = 0;
        QObject::connect(failing, &QPushButton::clicked, c.fail);
        QObject::connect(working, &QPushButton::clicked, [&] { ++saves; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

        QTest::mouseClick(failing, Qt::LeftButton);
        ASSERT_EQ(driver.seen.size(), 1);
        EXPECT_TRUE(driver.seen[0].startsWith(QStringLiteral("box: ")));
        EXPECT_TRUE(driver.seen[0].contains(QString::fromUtf8(c.shown)))
            << driver.seen[0].toStdString();
        EXPECT_TRUE(window.isVisible());

        QTest::mouseClick(working, Qt::LeftButton);
        EXPECT_EQ(saves, 1);
        EXPECT_EQ(driver.seen.size(), 1);
    }
}

}  // namespace
}  // namespace orrowvale::testing
