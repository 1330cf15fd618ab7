#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>

#include "app/city/adventurertalk.h"
#include "app/city/citycommands.h"
#include "app/city/pub.h"
#include "app/city/pubpatrons.h"
#include "app/city/visit.h"
#include "app/guild/adventurerpanel.h"
#include "app/guild/chooser.h"
#include "app/guild/equipment.h"
#include "app/guild/fame.h"
#include "app/guild/guildwindow.h"
#include "app/guild/partysetup.h"
#include "app/guild/tradingpost.h"
#include "app/lifecycle/charactercreation.h"
#include "app/lifecycle/loadgame.h"
#include "app/lifecycle/savegame.h"
#include "app/lifecycle/statuspanel.h"
#include "app/lifecycle/title.h"
#include "app/parties/dispatch.h"
#include "app/parties/partycommands.h"
#include "app/parties/travel.h"
#include "app/scripts/dialogue.h"
#include "app/ui/buttons.h"
#include "app/ui/notice.h"
#include "app/ui/picture.h"
#include "modaldriver.h"

namespace orrowvale::testing {
namespace {

bool isControl(QWidget* widget) {
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
           qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QPlainTextEdit*>(widget) ||
           qobject_cast<QTextEdit*>(widget) || qobject_cast<QLineEdit*>(widget) ||
           qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QAbstractSlider*>(widget) ||
           qobject_cast<QProgressBar*>(widget) || dynamic_cast<Picture*>(widget);
}

// Qt's own helpers inside a control (a spin box's line edit, a combo box's popup
// list, a scroll bar) are named by Qt, not by us.
bool isQtHelper(QWidget* widget) {
    if (widget->objectName().startsWith(QStringLiteral("qt_"))) return true;
    for (QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (isControl(up)) return true;
    return false;
}

// Every control of `windows` that a screen reader could not name, or a test could
// not find by its object name: "window.objectName", or for a control without an
// object name its class and what it shows.
QStringList unnamedControls(const QWidgetList& windows) {
    QStringList unnamed;
    for (QWidget* window : windows) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!isControl(control) || isQtHelper(control)) continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            const QString name =
                accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
            const QString objectName = control->objectName();
            if (!objectName.isEmpty() && !name.isEmpty()) continue;
            unnamed << window->objectName() + QLatin1Char('.') +
                           (objectName.isEmpty()
                                ? QStringLiteral("(%1 \"%2\" without an object name)")
                                      .arg(QString::fromUtf8(control->metaObject()->className()),
                                           name)
                                : objectName);
        }
    }
    return unnamed;
}

// A screen reader finds every control by a name: its caption, its label or a name
// of its own; tests and the scripted player find it by its object name.
TEST(Accessibility, EveryControlOfEveryWindowHasAName) {
    WindowsFixture fixture;
    const QStringList unnamed = unnamedControls(QApplication::topLevelWidgets());
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}

TEST(Accessibility, AControlWithoutAnObjectNameOrAReadableNameIsListed) {
    QWidget window;
    window.setObjectName(QStringLiteral("Twindow"));
    new QPushButton(QStringLiteral("확인"), &window);
    auto* places = new QComboBox(&window);
    places->setObjectName(QStringLiteral("placecombo"));
    auto* named = new QPushButton(QStringLiteral("닫기"), &window);
    named->setObjectName(QStringLiteral("closebtn"));
    EXPECT_EQ(unnamedControls({&window}),
              (QStringList{QStringLiteral("Twindow.(QPushButton \"확인\" without an object name)"),
                           QStringLiteral("Twindow.placecombo")}));
}

// Counts the events of one type that reach the objects it filters.
class EventCounter : public QObject {
  public:
    EventCounter(QEvent::Type type, int& count) : type_(type), count_(count) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_) ++count_;
        return false;
    }

  private:
    QEvent::Type type_;
    int& count_;
};

// What Tab reaches in `window`, from its first control round to it again.
QWidgetList tabCycle(QWidget* window) {
    QWidgetList reached;
    QWidget* start = window->nextInFocusChain();
    for (QWidget* at = start;; at = at->nextInFocusChain()) {
        if (at->window() == window && at->isVisibleTo(window) && at->isEnabled() &&
            (at->focusPolicy() & Qt::TabFocus) && !at->focusProxy())
            reached << at;
        if (at->nextInFocusChain() == start) break;
    }
    return reached;
}

// Each control Tab reaches after one that stands on a line above it or to its
// left on the same line, as a page is read, or at the top of a column to its
// right; "before -> after" for each that does not.
QStringList outOfVisualOrder(QWidget* window) {
    const QWidgetList cycle = tabCycle(window);
    QStringList wrong;
    const auto place = [window](QWidget* w) {
        return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
    };
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        const QRect before = place(cycle[i - 1]);
        const QRect after = place(cycle[i]);
        const bool sameLine = after.top() < before.bottom() && before.top() < after.bottom();
        // The next column starts again at the top, wholly to the right.
        const bool nextColumn = after.left() >= before.right();
        const bool inOrder =
            sameLine ? after.left() >= before.left() : after.top() > before.top() || nextColumn;
        if (!inOrder) wrong << cycle[i - 1]->objectName() + " -> " + cycle[i]->objectName();
    }
    return wrong;
}

// For every window of a game in play that a player reaches by keyboard: each
// control has a name (above), Tab reads it as a page is read, every value label
// says what it shows, and Enter and Escape do what the window says.
class KeyboardWalk : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        startRandomGame(driver);
        driver.seen.clear();
    }
    ModalDriver driver;
};

TEST_F(KeyboardWalk, TabFollowsTheVisualOrderInEveryWindow) {
    Windows& w = *windows;
    const QList<QWidget*> shown = {&w.window<Tcommform>(), &w.window<Tinsform>()};
    const QList<QWidget*> opened = {
        &w.window<TNewGameForm>(), &w.window<Tsaveform>(),     &w.window<Tloadform>(),
        &w.window<Ttalkform>(),    &w.window<Tguildform>(),    &w.window<Tpsform>(),
        &w.window<TPubForm>(),     &w.window<Ttalkwithform>(), &w.window<Tttadvenform>(),
        &w.window<Tgoform>(),      &w.window<Ttradecform>(),   &w.window<Tequipform>(),
        &w.window<Tadvlists>(),    &w.window<Tcommandform>(),  &w.window<Tmovecityform>(),
        &w.window<Tdoadvform>(),   &w.window<Tfamform>()};
    for (QWidget* window : opened)
        window->show();
    for (QWidget* window : shown + opened) {
        EXPECT_FALSE(tabCycle(window).isEmpty()) << window->objectName().toStdString();
        const QStringList wrong = outOfVisualOrder(window);
        EXPECT_TRUE(wrong.isEmpty())
            << window->objectName().toStdString() << ": " << wrong.join(", ").toStdString();
    }
    // Values read by Tab: selectable text alone takes only clicks.
    const auto reaches = [](QWidget* window, const char* objectName) {
        for (QWidget* stop : tabCycle(window))
            if (stop->objectName() == QLatin1String(objectName)) return true;
        return false;
    };
    EXPECT_TRUE(reaches(&w.window<Tfamform>(), "advfamelabel"));
    EXPECT_TRUE(reaches(&w.window<Tfamform>(), "needslabel"));
    EXPECT_TRUE(reaches(&w.window<Tequipform>(), "pitemla"));
    EXPECT_TRUE(reaches(&w.window<Tpsform>(), "leaderlabel"));
    auto& panel = w.window<Tadvdtform>();
    panel.show();
    const QWidgetList lines = tabCycle(&panel);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](QWidget* stop) { return qobject_cast<QLabel*>(stop); }));
    panel.hide();
    for (QWidget* window : opened)
        window->hide();
}

// A button refused for now stays in the Tab order and says why, as unavailable; no
// key, click or screen reader's action presses it until it is offered again.
TEST(RefusedButton, IsReachedAndHeardButNotPressedUntilOffered) {
    QWidget window;
    auto* before = new QPushButton(QStringLiteral("앞"), &window);
    QPushButton* button = makeButton(&window, "addbtn", "추가", "힌트");
    new QHBoxLayout(&window);
    window.layout()->addWidget(before);
    window.layout()->addWidget(button);
    int pressed = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++pressed; });
    allowUnless(*button, "파티를 먼저 고르십시오.");
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    EXPECT_TRUE(isRefused(button));
    EXPECT_TRUE(tabCycle(&window).contains(button));
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(button);
    EXPECT_EQ(heard->role(), QAccessible::Button);
    EXPECT_EQ(heard->text(QAccessible::Name), QStringLiteral("추가"));
    EXPECT_EQ(heard->text(QAccessible::Description), QStringLiteral("파티를 먼저 고르십시오."));
    EXPECT_TRUE(heard->state().disabled);
    EXPECT_FALSE(heard->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    EXPECT_NE(button->palette().color(QPalette::Active, QPalette::ButtonText),
              window.palette().color(QPalette::Active, QPalette::ButtonText));
    pressFocusedButtonsOnEnter();
    button->setFocus();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return})
        QTest::keyClick(button, key);
    QTest::mouseClick(button, Qt::LeftButton);
    heard->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(pressed, 0);

    allowUnless(*button, std::nullopt);
    EXPECT_FALSE(isRefused(button));
    EXPECT_FALSE(heard->state().disabled);
    EXPECT_EQ(button->toolTip(), QStringLiteral("힌트"));
    EXPECT_EQ(button->palette().color(QPalette::Active, QPalette::ButtonText),
              window.palette().color(QPalette::Active, QPalette::ButtonText));
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    heard->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(pressed, 3);
}

// A notice is said as it appears (Qt tells a screen reader of each widget shown):
// each new text shows it anew, and no text hides it.
TEST(Notice, AppearsAsANotificationWithEachTextAndHidesWithNone) {
    QWidget window;
    QLabel* notice = makeUnseenNotice(&window, "summarynotice");
    window.show();
    int appeared = 0;
    EventCounter counter(QEvent::Show, appeared);
    notice->installEventFilter(&counter);
    showNotice(notice, QStringLiteral("보수: 100gp"));
    showNotice(notice, QStringLiteral("보수: 200gp"));
    EXPECT_EQ(appeared, 2);
    EXPECT_TRUE(notice->isVisible());
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(notice);
    EXPECT_EQ(heard->role(), QAccessible::Notification);
    EXPECT_EQ(heard->text(QAccessible::Name), QStringLiteral("보수: 200gp"));
    EXPECT_TRUE(notice->size().isEmpty()) << "a screen reader's alone";
    showNotice(notice, QString());
    EXPECT_FALSE(notice->isVisible());
}

// The panel's values are read label first (PlayerWindows); here, that the
// keyboard reaches them from the command window.
TEST_F(KeyboardWalk, CtrlIGivesTheStatusPanelTheKeyboardOnTheGold) {
    auto& panel = windows->window<Tinsform>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows->window<Tcommform>()));
    QTest::keyClick(&windows->window<Tcommform>(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(panel.focusWidget(), panel.findChild<QLabel*>(QStringLiteral("goldstat")));
}

// A desktop without a window manager gives no window the keyboard by itself.
TEST_F(KeyboardWalk, TheKeyboardGoesBackToTheWindowThatHadItWhenOneCloses) {
    auto& commands = windows->window<Tcommform>();
    commands.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&commands));
    auto& guild = windows->window<Tguildform>();
    guild.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&guild));
    guild.hide();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&commands));
}

TEST_F(KeyboardWalk, EnterPressesTheFocusedButtonAndEscapeClosesWhatItSays) {
    // The command window: Enter on "완료" ends the turn, after its question.
    auto& commands = windows->window<Tcommform>();
    auto* endTurn = commands.findChild<QPushButton*>(QStringLiteral("skipturnbtn"));
    endTurn->setFocus();
    QTest::keyClick(endTurn, Qt::Key_Return);
    EXPECT_EQ(state().gameTurn, 2);

    // Any dialog: Enter on its focused button presses it ("닫기" of the guild window).
    auto& guild = windows->window<Tguildform>();
    QTimer::singleShot(0, &guild, [&] {
        auto* close = guild.findChild<QPushButton*>(QStringLiteral("Button3"));
        close->setFocus();
        QTest::keyClick(close, Qt::Key_Return);
    });
    EXPECT_EQ(guild.exec(), QDialog::Rejected);

    // The conversation: Enter on an answer goes back to the question asked and asks
    // nothing more (it once asked the adventurer to join).
    auto& conversation = windows->window<Tttadvenform>();
    QTimer::singleShot(0, &conversation, [&] {
        auto* ask = conversation.findChild<QPushButton*>(QStringLiteral("yourjob"));
        QTest::keyClick(ask, Qt::Key_Return);
        auto* answer = conversation.findChild<QPlainTextEdit*>(QStringLiteral("adsaid"));
        EXPECT_EQ(conversation.focusWidget(), answer);
        const QString said = answer->toPlainText();
        QTest::keyClick(answer, Qt::Key_Return);
        EXPECT_EQ(conversation.focusWidget(), ask);
        EXPECT_EQ(answer->toPlainText(), said);
        conversation.reject();
    });
    conversation.showConversation(1);

    // The dialogue: Enter in its lines goes on, Escape does not skip them.
    auto& talk = windows->window<Ttalkform>();
    QTimer::singleShot(0, &talk, [&] {
        auto* lines = talk.findChild<QPlainTextEdit*>(QStringLiteral("dlgmemo"));
        EXPECT_EQ(talk.focusWidget(), lines);
        QTest::keyClick(lines, Qt::Key_Escape);
        EXPECT_TRUE(talk.isVisible());
        QTest::keyClick(lines, Qt::Key_Return);
    });
    talk.showTalk(QStringLiteral("촌장"), QStringLiteral("어서 오게.\n둘째 줄"));
    EXPECT_FALSE(talk.isVisible());

    // The save window: Escape closes it and writes nothing.
    auto& save = windows->window<Tsaveform>();
    QTimer::singleShot(0, &save, [&] { QTest::keyClick(&save, Qt::Key_Escape); });
    EXPECT_EQ(save.exec(), QDialog::Rejected);

    // Character creation: Enter on the focused "취소" cancels, back to the title.
    auto& creation = windows->window<TNewGameForm>();
    QTimer::singleShot(0, &creation, [&] {
        QWidget* focused = creation.focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), QStringLiteral("Button1"));
        QTest::keyClick(focused, Qt::Key_Return);
    });
    creation.exec();
    EXPECT_FALSE(creation.isVisible());

    // The title: Enter opens its menu.
    auto& title = windows->window<TForm1>();
    title.show();
    title.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&title));
    QTest::keyClick(&title, Qt::Key_Return);
    EXPECT_NE(title.menuBar()->activeAction(), nullptr);
}

}  // namespace
}  // namespace orrowvale::testing
