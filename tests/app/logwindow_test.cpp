#include "app/lifecycle/logwindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/lifecycle/mapwindow.h"
#include "modaldriver.h"

namespace orrowvale::testing {
namespace {

class LogWindow : public ::testing::Test, public WindowsFixture {};

TEST_F(LogWindow, TheMapsMenuOpensWhatWasSaidAndTheSearchKeepsWhatHoldsTheWord) {
    ModalDriver driver;
    startRandomGame(driver);
    windows->game.presenter.inform("시험 알림");
    auto* open = windows->window<TMainForm>().findChild<QAction*>(QStringLiteral("Log1"));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    open->trigger();

    Tlogform& log = windows->window<Tlogform>();
    ASSERT_TRUE(log.isVisible());
    auto* text = log.findChild<QPlainTextEdit*>(QStringLiteral("logtext"));
    const QString all = text->toPlainText();
    EXPECT_TRUE(all.contains(QStringLiteral("프롤로그"))) << "the new game's prologue";
    EXPECT_TRUE(all.endsWith(QStringLiteral("] 알림\n시험 알림"))) << all.toStdString();

    log.findChild<QLineEdit*>(QStringLiteral("searchedit"))->setText(QStringLiteral("시험"));
    EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("[200년 4월 1주 1턴] 알림")))
        << text->toPlainText().toStdString();
    EXPECT_FALSE(text->toPlainText().contains(QStringLiteral("프롤로그")));
    log.hide();

    windows->returnToTitle();
    startRandomGame(driver);
    EXPECT_FALSE(windows->loggingPresenter.log.text().find("시험 알림") != std::string::npos)
        << "a new game starts its own log";
}

}  // namespace
}  // namespace orrowvale::testing
