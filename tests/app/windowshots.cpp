// Every window of the game, opened on the screen the run is given (a 1366x768 one at
// 100 %, a 3840x2160 one at 200 %): each must stand whole on the screen, be as large
// as its layout needs, and show every control whole, no button or label narrower
// than its text, and every button with a tip that says what it does. A picture of each window is
// left in the folder ORROWVALE_SHOTS names, to be looked at.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <QTest>

#include "app/city/citycommands.h"
#include "app/guild/chooser.h"
#include "app/lifecycle/characterinfo.h"
#include "app/lifecycle/creationprogress.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/statuspanel.h"
#include "app/lifecycle/title.h"
#include "app/parties/dispatch.h"
#include "app/parties/partycommands.h"
#include "app/parties/travel.h"
#include "app/scripts/announce.h"
#include "app/scripts/dialogue.h"
#include "app/ui/messages.h"
#include "modaldriver.h"
#include "parties/party.h"
#include "world/adventurer.h"
#include "world/gamestate.h"

namespace orrowvale::testing {
namespace {

QString nameOf(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

QString describe(const QRect& r) {
    return QStringLiteral("%1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

// What scrolls inside a list or a scroll area may stand beyond its view, and an
// announcement's text rolls up through its window.
bool insideScrolledContent(const QWidget* widget, const QWidget* window) {
    if (window->objectName() == QLatin1String("Tannounceform")) return true;
    for (const QWidget* up = widget->parentWidget(); up != nullptr && up != window;
         up = up->parentWidget()) {
        const auto* area = qobject_cast<const QAbstractScrollArea*>(up->parentWidget());
        if (area != nullptr && area->viewport() == up) return true;
    }
    return false;
}

// Room a button's text needs: the text, the style's margin and frame on both sides.
int buttonTextRoom(const QAbstractButton& button) {
    QString text = button.text();
    text.remove(QLatin1Char('&'));
    const QStyle* style = button.style();
    return button.fontMetrics().horizontalAdvance(text) +
           style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button) +
           (button.icon().isNull() ? 0 : button.iconSize().width() + 4);
}

QStringList controlFaults(const QWidget& control) {
    QStringList faults;
    const QWidget* parent = control.parentWidget();
    if (!parent->rect().contains(control.geometry()))
        faults << QStringLiteral("%1 (%2) stands outside %3 (%4)")
                      .arg(nameOf(&control), describe(control.geometry()), nameOf(parent),
                           describe(parent->rect()));
    // A message box's buttons say all they do; every other button has a tip.
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    if (button != nullptr && button->toolTip().isEmpty() &&
        qobject_cast<const QMessageBox*>(control.window()) == nullptr)
        faults << QStringLiteral("button %1 \"%2\" has no tip").arg(nameOf(button), button->text());
    if (button != nullptr && !button->text().isEmpty()) {
        const int needed = buttonTextRoom(*button);
        if (button->width() < needed || button->height() < button->fontMetrics().height() + 2)
            faults << QStringLiteral("button %1 \"%2\" is %3x%4, its text needs %5 across")
                          .arg(nameOf(button), button->text())
                          .arg(button->width())
                          .arg(button->height())
                          .arg(needed);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control);
        label != nullptr && !label->text().isEmpty() && label->pixmap().isNull()) {
        const bool cut = label->wordWrap()
                             ? label->heightForWidth(label->width()) > label->height()
                             : label->width() < label->minimumSizeHint().width() ||
                                   label->height() < label->minimumSizeHint().height();
        if (cut)
            faults << QStringLiteral("label %1 \"%2\" is cut at %3x%4")
                          .arg(nameOf(label), label->text().left(40))
                          .arg(label->width())
                          .arg(label->height());
    }
    return faults;
}

QStringList faultsOf(const QWidget& window) {
    QStringList faults;
    const QRect room = window.screen()->availableGeometry();
    if (!room.contains(window.frameGeometry()))
        faults << QStringLiteral("stands %1, off the screen's %2")
                      .arg(describe(window.frameGeometry()), describe(room));
    if (const QLayout* layout = window.layout(); layout != nullptr) {
        const QSize needed = layout->totalMinimumSize();
        if (window.width() < needed.width() || window.height() < needed.height())
            faults << QStringLiteral("is %1x%2, its layout needs %3x%4")
                          .arg(window.width())
                          .arg(window.height())
                          .arg(needed.width())
                          .arg(needed.height());
    }
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (control->isWindow() || !control->isVisibleTo(&window) ||
            insideScrolledContent(control, &window))
            continue;
        faults << controlFaults(*control);
    }
    return faults;
}

class WindowShots : public ::testing::Test, public WindowsFixture {
  protected:
    void SetUp() override {
        shots_ = qEnvironmentVariable("ORROWVALE_SHOTS");
        if (!shots_.isEmpty()) QDir().mkpath(shots_);
    }

    // Checks `window` as it stands and keeps its picture.
    void look(QWidget& window, const QString& name) {
        // As the window will stand once its layout has taken in what it was just given.
        if (QLayout* layout = window.layout(); layout != nullptr) layout->activate();
        for (const QString& fault : faultsOf(window))
            ADD_FAILURE() << name.toStdString() << " \"" << window.windowTitle().toStdString()
                          << "\": " << fault.toStdString();
        if (!shots_.isEmpty()) window.grab().save(shots_ + QLatin1Char('/') + name + ".png");
        looked_.insert(window.objectName());
    }

    // A window that waits on the player is looked at as it opens, then closed.
    void lookWhenOpen(ModalDriver& driver, const QString& name) {
        driver.when(name, [this, name](QWidget* window) {
            look(*window, name);
            window->close();
        });
    }

    void showAndLook(QWidget& window) {
        window.show();
        look(window, window.objectName());
        window.hide();
    }

    QString shots_;
    QSet<QString> looked_;
};

bool overlap(const QWidget& one, const QWidget& other) {
    return one.frameGeometry().intersects(other.frameGeometry());
}

// Long enough to fill a box or a dialogue's lines.
const QString kLongLine = QStringLiteral(
    "서하린이 고개를 들었다. \"은빛나루의 길드가 다시 문을 열었다는 소문은 들었소. 그대가 그 "
    "길드의 주인이라면, 부탁할 일이 하나 있소.\"");

TEST_F(WindowShots, EveryWindowStandsWholeOnTheScreen) {
    ModalDriver driver;
    windows->showTitle();
    look(windows->window<TForm1>(), QStringLiteral("TForm1"));
    startRandomGame(driver);

    // The map, the status panel and the command window open as one group.
    QWidget& map = windows->window<TMainForm>();
    QWidget& status = windows->window<Tinsform>();
    QWidget& commands = windows->window<Tcommform>();
    for (QWidget* window : {&map, &status, &commands})
        look(*window, window->objectName());
    EXPECT_FALSE(overlap(map, status));
    EXPECT_FALSE(overlap(map, commands));
    EXPECT_FALSE(overlap(status, commands));

    // The windows that wait on the player, with something in them.
    TParty& party = state().parties[1];
    party.inUse = true;
    party.partyName = "은빛 원정대";
    party.location = 1;
    addMember(state(), 1, 1);
    for (const char* name :
         {"Tcommandform", "Tdoadvform", "Tmovecityform", "Ttalkform", "Tannounceform", "Tadvlists"})
        lookWhenOpen(driver, QString::fromLatin1(name));
    windows->window<Tcommandform>().openFor(1);
    windows->window<Tdoadvform>().prepareAndShow(1);
    windows->window<Tmovecityform>().prepareAndShow(1, 1);
    windows->window<Ttalkform>().showTalk(QStringLiteral("서하린"), kLongLine);
    windows->window<Tannounceform>().showAnnouncement(kLongLine, QStringLiteral("시나리오"),
                                                      static_cast<int>(kLongLine.size()));
    windows->window<Tadvlists>().choose({ListRow{1, fullName(state().mainCharacter())}},
                                        QStringLiteral("파티장을 고르십시오."));
    bool boxSeen = false;
    driver.onBox = [&](const QString&) {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) return;
        look(*box, QStringLiteral("box"));
        boxSeen = true;
    };
    informBox(&map, kLongLine);
    driver.onBox = nullptr;
    EXPECT_TRUE(boxSeen);

    // Every other window of the game, as it first opens.
    windows->window<Tinfoform>().fill(state().mainCharacter());
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->objectName().startsWith(QLatin1Char('T')) ||
            looked_.contains(window->objectName()))
            continue;
        showAndLook(*window);
    }
    EXPECT_GE(looked_.size(), 31);
}

}  // namespace
}  // namespace orrowvale::testing
