// What may reach an error box: Korean written out in the windows' code, never a
// string made at run time such as a library's English message.

#include "app/ui/messages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
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

TEST(MessageBoxes, ABoxIsTitledByItsWindowWideEnoughForItAndNamesEveryPart) {
    QDialog window;
    window.setWindowTitle(QStringLiteral("아주 긴 이름을 가진 창의 제목"));
    QString title;
    QString iconName;
    QString buttonsName;
    int textWidth = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        textWidth = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->minimumWidth();
        iconName =
            box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))->accessibleName();
        buttonsName =
            box->findChild<QWidget*>(QStringLiteral("qt_msgbox_buttonbox"))->accessibleName();
        box->accept();
    });
    informBox(&window, QStringLiteral("짧은 글"));
    EXPECT_EQ(title, QStringLiteral("아주 긴 이름을 가진 창의 제목 - 알림"));
    EXPECT_GT(textWidth, window.fontMetrics().horizontalAdvance(title));
    EXPECT_EQ(iconName, QStringLiteral("알림 아이콘"));
    EXPECT_EQ(buttonsName, QStringLiteral("버튼"));
}

TEST(MessageBoxes, ALongMessageIsShownWholeNotCutOffAtTheTitlesWidth) {
    QDialog window;
    window.setWindowTitle(QStringLiteral("명령"));
    const QString text = QStringLiteral(
        "길드 게시판에 새 의뢰 두 건이 붙었습니다: 갈대포구의 호위, 은빛나루의 수색");
    bool whole = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        const int needed = label->wordWrap() ? 0 : label->fontMetrics().horizontalAdvance(text);
        whole = label->width() >= needed &&
                (!label->wordWrap() || label->height() >= label->heightForWidth(label->width()));
        box->accept();
    });
    informBox(&window, text);
    EXPECT_TRUE(whole);
}

TEST(MessageBoxes, AQuestionAskedOverABoxTakesTheCaptionOfTheWindowBeneath) {
    QDialog window;
    window.setWindowTitle(QStringLiteral("명령"));
    QString question;
    QTimer::singleShot(0, [&] {
        QWidget* inform = QApplication::activeModalWidget();
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            question = box->windowTitle();
            box->button(QMessageBox::No)->click();
        });
        EXPECT_FALSE(confirmBox(inform, QStringLiteral("계속할까요?")));
        qobject_cast<QMessageBox*>(inform)->accept();
    });
    informBox(&window, QStringLiteral("알림 글"));
    EXPECT_EQ(question, QStringLiteral("명령 - 질문"));
    EXPECT_EQ(boxTitle(nullptr, kErrorKind), QStringLiteral("Orrowvale - 오류"));
}

}  // namespace
}  // namespace orrowvale
