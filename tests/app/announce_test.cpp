#include "app/scripts/announce.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "Presenter.h"

namespace orrowvale::testing {
namespace {

// Shows the window without blocking and counts timer ticks until it closes itself.
int ticksToClose(Tannounceform& form, int endPosition) {
    QTimer::singleShot(0, [&] {
        while (form.isVisible() && form.ticks() < 1000)
            form.scrollTimerTick();
        form.close();
    });
    form.showAnnouncement(QStringLiteral("줄"), QStringLiteral("시나리오"), endPosition);
    return form.ticks();
}

TEST(Announcement, ClosesByItselfOnTheTickItsEndPositionSets) {
    Tannounceform form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("시나리오"));
    EXPECT_EQ(ticksToClose(form, kScriptEndPosition), 106);
    EXPECT_EQ(form.panelTop(), 49);
    EXPECT_EQ(ticksToClose(form, kPrologueEndPosition), 239);
    EXPECT_EQ(ticksToClose(form, kEndingEndPosition), 289);
}

TEST(Announcement, ADoubleClickOrAKeyClosesItAtOnce) {
    Tannounceform form;
    auto* text = form.findChild<QPlainTextEdit*>(QStringLiteral("anmemo"));
    QTimer::singleShot(0, [&] {
        form.scrollTimerTick();
        QTest::mouseDClick(text->viewport(), Qt::LeftButton);
    });
    form.showAnnouncement(QStringLiteral("줄"), QStringLiteral("프롤로그"), kPrologueEndPosition);
    EXPECT_EQ(form.ticks(), 1);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("프롤로그"));

    QTimer::singleShot(0, [&] { QTest::keyClick(&form, Qt::Key_Space); });
    form.showAnnouncement(QStringLiteral("줄"), QStringLiteral("엔딩"), kEndingEndPosition);
    EXPECT_EQ(form.ticks(), 0);
    EXPECT_FALSE(form.isVisible());
}

TEST(Announcement, AReadingKeyStopsTheRollAndKeepsItOpenUntilEscapeOrEnter) {
    Tannounceform form;
    auto* text = form.findChild<QPlainTextEdit*>(QStringLiteral("anmemo"));
    for (const Qt::Key closing : {Qt::Key_Escape, Qt::Key_Return}) {
        bool keptOpen = false;
        int ticksWhileKept = 0;
        QTimer::singleShot(0, [&] {
            QTest::keyClick(text, Qt::Key_Down);
            QTest::qWait(300);
            ticksWhileKept = form.ticks();
            keptOpen = form.isVisible() && form.isKeptForReading() && form.focusWidget() == text;
            QTest::keyClick(text, closing);
        });
        form.showAnnouncement(QStringLiteral("첫 줄\n둘째 줄\n셋째 줄"), QStringLiteral("시나리오"),
                              kScriptEndPosition);
        EXPECT_TRUE(keptOpen) << closing;
        EXPECT_EQ(ticksWhileKept, 0) << "the roll stopped at the key";
        EXPECT_EQ(text->textCursor().blockNumber(), 1) << "Down read on to the second line";
        EXPECT_FALSE(form.isVisible());
    }
}

}  // namespace
}  // namespace orrowvale::testing
