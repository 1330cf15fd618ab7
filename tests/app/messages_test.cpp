// What may reach an error box: Korean written out in the windows' code, never a
// string made at run time such as a library's English message.

#include "app/ui/messages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <string>
#include <type_traits>

namespace orrowvale {
namespace {

static_assert(std::is_convertible_v<const char (&)[10], PlayerText>);
static_assert(!std::is_convertible_v<const char*, PlayerText>);
static_assert(!std::is_convertible_v<std::string, PlayerText>);
static_assert(!std::is_convertible_v<QString, PlayerText>);
static_assert(!std::is_constructible_v<PlayerText, QString>);

TEST(MessageBoxes, AShortMessagesBoxIsStillWideEnoughToShowItsTitle) {
    QDialog window;
    QString title;
    int textWidth = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        textWidth = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->minimumWidth();
        box->accept();
    });
    informBox(&window, QStringLiteral("짧은 글"));
    EXPECT_EQ(title, QString::fromUtf8(kMessageTitle));
    EXPECT_GT(textWidth, window.fontMetrics().horizontalAdvance(title));
}

}  // namespace
}  // namespace orrowvale
