#include "app/city/citycommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <optional>

#include "app/city/pub.h"
#include "app/city/visit.h"
#include "app/guild/equipment.h"
#include "app/guild/guildwindow.h"
#include "app/guild/tradingpost.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/windows.h"
#include "app/parties/partycommands.h"
#include "app/ui/busycursor.h"
#include "app/ui/buttons.h"
#include "app/ui/keepactive.h"
#include "app/ui/messages.h"
#include "app/ui/settings.h"
#include "app/ui/stayonscreen.h"
#include "app/ui/text.h"
#include "city/citycommands.h"
#include "city/heardnames.h"
#include "parties/turn.h"
#include "world/datafiles.h"

namespace orrowvale {

namespace {

// How long a window manager may take to pass the keyboard on once a box closes.
constexpr int kWindowManagerSettles = 300;

}  // namespace

Tcommform::Tcommform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tcommform"));
    setWindowTitle(QStringLiteral("도시 명령"));
    // A dialog rather than a tool window: a window manager gives the keyboard back to
    // a dialog when a box over it closes, while it passes a tool window over for the
    // map, and a screen reader would say the map on every way back here.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    new StayOnScreen(this);
    new QVBoxLayout(this);

    guildButton = addButton("guildbutton", "길드 관리", "길드원과 파티를 보고 파티를 짭니다.");
    pubButton = addButton("pubbutton", "주점",
                          "이 도시의 주점에서 모험가를 만나고 명성과 소문을 듣습니다.");
    tradingPostButton = addButton("Button2", "교역소", "이 도시의 수송 일을 골라 파티에 맡깁니다.");
    visitButton = addButton("gotobotton", "방문", "이 도시의 장소 한 곳을 찾아갑니다.");
    contactButton = addButton("contactbtn", "접선", "이름을 들은 사람을 찾아 만납니다.");
    commandButton = addButton("Button1", "명령",
                              "이 도시에 있는 파티를 골라 다른 도시로 보내거나 모험을 보냅니다.");
    equipmentButton =
        addButton("image1", "장비", "길드가 가진 물건을 파티에 맡기거나 돌려받습니다.");
    endTurnButton = addButton("skipturnbtn", "완료",
                              "이번 턴을 끝냅니다. 파티들이 움직이고 날짜가 넘어갑니다.");

    guildButton->setEnabled(false);
    contactButton->setEnabled(false);

    connect(guildButton, &QPushButton::clicked, this, &Tcommform::guildButtonClick);
    connect(tradingPostButton, &QPushButton::clicked, this, &Tcommform::tradingPostButtonClick);
    connect(pubButton, &QPushButton::clicked, this, &Tcommform::pubButtonClick);
    connect(visitButton, &QPushButton::clicked, this, &Tcommform::visitButtonClick);
    connect(contactButton, &QPushButton::clicked, this, &Tcommform::contactButtonClick);
    connect(commandButton, &QPushButton::clicked, this, &Tcommform::commandButtonClick);
    connect(equipmentButton, &QPushButton::clicked, this, &Tcommform::equipmentButtonClick);
    connect(endTurnButton, &QPushButton::clicked, this, &Tcommform::endTurnButtonClick);
    // As wide as the status panel above it, so that the frame shows the caption.
    setMinimumWidth(200);
}

QPushButton* Tcommform::addButton(const char* objectName, const char* caption, const char* tip) {
    QPushButton* button = makeButton(this, objectName, caption, tip);
    button->setMinimumHeight(32);
    layout()->addWidget(button);
    return button;
}

void Tcommform::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refreshCommandButtons();
    // Ending the turn is what the player does most: Space or Enter on it.
    endTurnButton->setFocus();
}

// Without this window the turn could not end: only the map window hides it.
void Tcommform::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void Tcommform::takeKeyboard() {
    raise();
    activateWindow();
}

void Tcommform::refreshCommandButtons() {
    guildButton->setEnabled(true);
    contactButton->setEnabled(true);
}

void Tcommform::guildButtonClick() {
    KeepActive keep;
    try {
        if (offerGuildBranch(windows_.game) == BranchOffer::HasBranch)
            windows_.window<Tguildform>().exec();
    } catch (const DataError& error) {
        errorBox(this, error);
    }
    windows_.afterPlayerAction();
}

void Tcommform::pubButtonClick() {
    KeepActive keep;
    windows_.window<TPubForm>().showPub();
    windows_.afterPlayerAction();
}

void Tcommform::equipmentButtonClick() {
    KeepActive keep;
    windows_.window<Tequipform>().exec();
}

void Tcommform::tradingPostButtonClick() {
    KeepActive keep;
    windows_.window<Ttradecform>().exec();
    windows_.afterPlayerAction();
}

void Tcommform::visitButtonClick() {
    KeepActive keep;
    windows_.window<Tgoform>().prepareAndShow();
    windows_.afterPlayerAction();
}

void Tcommform::contactButtonClick() {
    KeepActive keep;
    QStringList heard;
    for (const ListRow& row : heardNameRows(windows_.game.state))
        heard << QString::fromStdString(row.text);
    const QString name =
        inputBox(this, QString::fromUtf8(kContactTitle), QString::fromUtf8(kContactPrompt), heard);
    try {
        contactPerson(windows_.game, utf8(name));
    } catch (const DataError& error) {
        errorBox(this, error);
    }
    windows_.afterPlayerAction();
}

void Tcommform::commandButtonClick() {
    KeepActive keep;
    windows_.window<Tcommandform>().openFor(windows_.state->currentCity);
    windows_.afterPlayerAction();
}

void Tcommform::endTurnButtonClick() {
    KeepActive keep;
    {
        std::optional<BusyCursor> busy;
        try {
            confirmAndEndTurn(
                windows_.game,
                [&] {
                    setEnabled(false);
                    busy.emplace(this);
                },
                askBeforeEndingTurn() ? EndTurnQuestion::Asked : EndTurnQuestion::Skipped);
        } catch (const DataError& error) {
            errorBox(activeParent(), error);
        }
        windows_.presenter.finishTurnRun();
        setEnabled(true);
        // Back on "완료" after the turn's last box, whichever window the closing box
        // handed the keyboard to.
        if (isVisible()) takeKeyboard();
        endTurnButton->setFocus();
        // A window manager may hand the keyboard to the map a moment after the box
        // is gone: it comes back here unless the player has since gone elsewhere.
        QTimer::singleShot(kWindowManagerSettles, this, [this] {
            QWidget* active = QApplication::activeWindow();
            if (isVisible() && isEnabled() && !QApplication::activeModalWidget() &&
                (!active || active == &windows_.window<TMainForm>())) {
                takeKeyboard();
                endTurnButton->setFocus();
            }
        });
    }
    windows_.afterPlayerAction();
    windows_.keepLogWithAutosave();
    // The ending has been shown; the game is over and the title window returns.
    if (windows_.game.mainCharacterDied) windows_.window<TMainForm>().close();
}

}  // namespace orrowvale
