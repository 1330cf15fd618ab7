#include "app/city/citycommands.h"

#include <QCloseEvent>
#include <QPushButton>
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
#include "app/ui/keepactive.h"
#include "app/ui/messages.h"
#include "app/ui/stayonscreen.h"
#include "app/ui/text.h"
#include "city/citycommands.h"
#include "parties/turn.h"
#include "world/datafiles.h"

namespace orrowvale {

Tcommform::Tcommform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tcommform"));
    setWindowTitle(QStringLiteral("Command"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    new StayOnScreen(this);
    new QVBoxLayout(this);

    guildbutton = addButton("guildbutton", "길드 관리");
    pubbutton = addButton("pubbutton", "주점");
    Button2 = addButton("Button2", "교역소");
    gotobotton = addButton("gotobotton", "방문");
    contactbtn = addButton("contactbtn", "접선");
    Button1 = addButton("Button1", "명령");
    image1 = addButton("image1", "장비");
    skipturnbtn = addButton("skipturnbtn", "완료");

    guildbutton->setEnabled(false);
    contactbtn->setEnabled(false);

    connect(guildbutton, &QPushButton::clicked, this, &Tcommform::GuildButtonClick);
    connect(Button2, &QPushButton::clicked, this, &Tcommform::Button2Click);
    connect(pubbutton, &QPushButton::clicked, this, &Tcommform::PubButtonClick);
    connect(gotobotton, &QPushButton::clicked, this, &Tcommform::GotoBottonClick);
    connect(contactbtn, &QPushButton::clicked, this, &Tcommform::contactbtnClick);
    connect(Button1, &QPushButton::clicked, this, &Tcommform::Button1Click);
    connect(image1, &QPushButton::clicked, this, &Tcommform::Image1Click);
    connect(skipturnbtn, &QPushButton::clicked, this, &Tcommform::skipturnbtnClick);
    // As wide as the status panel above it, so that the frame shows the caption.
    setMinimumWidth(200);
}

QPushButton* Tcommform::addButton(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromUtf8(name));
    button->setMinimumHeight(32);
    layout()->addWidget(button);
    return button;
}

void Tcommform::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refreshCommandButtons();
    // Ending the turn is what the player does most: Space or Enter on it.
    skipturnbtn->setFocus();
}

// Without this window the turn could not end: only the map window hides it.
void Tcommform::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void Tcommform::refreshCommandButtons() {
    guildbutton->setEnabled(true);
    contactbtn->setEnabled(true);
}

void Tcommform::GuildButtonClick() {
    KeepActive keep;
    try {
        if (offerGuildBranch(windows_.game) == BranchOffer::HasBranch) windows_.guildform->exec();
    } catch (const DataError& error) {
        errorBox(this, error);
    }
    windows_.presenter.refreshStatus();
}

void Tcommform::PubButtonClick() {
    KeepActive keep;
    windows_.pubform->showPub();
    windows_.presenter.refreshStatus();
}

void Tcommform::Image1Click() {
    KeepActive keep;
    windows_.equipform->exec();
}

void Tcommform::Button2Click() {
    KeepActive keep;
    windows_.tradecform->showModal();
    windows_.presenter.refreshStatus();
}

void Tcommform::GotoBottonClick() {
    KeepActive keep;
    windows_.goform->prepareAndShow();
    windows_.presenter.refreshStatus();
}

void Tcommform::contactbtnClick() {
    KeepActive keep;
    const QString name =
        inputBox(this, QString::fromUtf8(kContactTitle), QString::fromUtf8(kContactPrompt));
    try {
        contactPerson(windows_.game, utf8(name));
    } catch (const DataError& error) {
        errorBox(this, error);
    }
    windows_.presenter.refreshStatus();
}

void Tcommform::Button1Click() {
    KeepActive keep;
    windows_.commandform->openFor(windows_.state->currentCity);
    windows_.presenter.refreshStatus();
}

void Tcommform::skipturnbtnClick() {
    KeepActive keep;
    {
        std::optional<BusyCursor> busy;
        try {
            confirmAndEndTurn(windows_.game, [&] {
                setEnabled(false);
                busy.emplace(this);
            });
        } catch (const DataError& error) {
            errorBox(activeParent(), error);
        }
        setEnabled(true);
        skipturnbtn->setFocus();
    }
    windows_.presenter.refreshStatus();
    // The ending has been shown; the game is over and the title window returns.
    if (windows_.game.mainCharacterDied) windows_.mainForm->close();
}

}  // namespace orrowvale
