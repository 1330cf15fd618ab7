#include "app/guild/guildwindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/guild/adventurerpanel.h"
#include "app/guild/partypanel.h"
#include "app/guild/partysetup.h"
#include "app/lifecycle/windows.h"
#include "app/parties/partyoverview.h"
#include "app/ui/buttons.h"
#include "app/ui/numberedlist.h"
#include "guild/guildwindow.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

NumberedList* makeList(QWidget* parent, const char* objectName, QLabel* label) {
    auto* list = new NumberedList(parent, objectName, label);
    list->setMinimumSize(180, 220);
    return list;
}

}  // namespace

Tguildform::Tguildform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tguildform"));
    setWindowTitle(QStringLiteral("길드"));
    setModal(true);
    openPartySetup = [this] { windows_.window<Tpsform>().exec(); };

    auto* memberListLabel = new QLabel(QStringLiteral(" 길드원 목록(현 위치)"), this);
    memberListLabel->setObjectName(QStringLiteral("Label1"));
    memberList = makeList(this, "guildadvlist", memberListLabel);
    // The member list holds those in this city; the party list every party, wherever
    // it stands, and says so.
    auto* partyListLabel = new QLabel(QStringLiteral("파티 목록(모든 파티)"), this);
    partyListLabel->setObjectName(QStringLiteral("Label2"));
    partyList = makeList(this, "taskpartylist", partyListLabel);

    // No button takes Enter: on a list it opens that row's panel.
    refreshButton = makeButton(this, "Button2", "동기화");
    partySetupButton = makeButton(this, "partycon", "파티 구성");
    overviewButton = makeButton(this, "overviewbtn", "파티 현황");
    memberInfoButton = makeButton(this, "Button4", "캐릭터 정보");
    partyInfoButton = makeButton(this, "Button5", "파티 정보");
    closeButton = makeButton(this, "Button3", "닫기");

    auto* grid = new QGridLayout(this);
    grid->addWidget(memberListLabel, 0, 0);
    grid->addWidget(memberList, 1, 0);
    grid->addWidget(memberInfoButton, 2, 0);
    grid->addWidget(partyListLabel, 0, 1);
    grid->addWidget(partyList, 1, 1);
    grid->addWidget(partyInfoButton, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(refreshButton);
    buttons->addWidget(partySetupButton);
    buttons->addWidget(overviewButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    grid->addLayout(buttons, 3, 0, 1, 2);

    // Tab goes as the eye does: each list, then the button under it, then the row
    // of buttons at the foot.
    QWidget* const tabStops[] = {memberList,    memberInfoButton, partyList,      partyInfoButton,
                                 refreshButton, partySetupButton, overviewButton, closeButton};
    for (std::size_t i = 1; i < std::size(tabStops); ++i)
        setTabOrder(tabStops[i - 1], tabStops[i]);

    connect(memberList, &QListWidget::itemSelectionChanged, this, &Tguildform::updateButtons);
    connect(partyList, &QListWidget::itemSelectionChanged, this, &Tguildform::updateButtons);
    connect(memberList, &QListWidget::activated, this, &Tguildform::memberInfoButtonClick);
    connect(partyList, &QListWidget::activated, this, &Tguildform::partyInfoButtonClick);
    connect(refreshButton, &QPushButton::clicked, this, &Tguildform::refreshButtonClick);
    connect(partySetupButton, &QPushButton::clicked, this, &Tguildform::partySetupButtonClick);
    connect(overviewButton, &QPushButton::clicked, this, &Tguildform::overviewButtonClick);
    connect(memberInfoButton, &QPushButton::clicked, this, &Tguildform::memberInfoButtonClick);
    connect(partyInfoButton, &QPushButton::clicked, this, &Tguildform::partyInfoButtonClick);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    updateButtons();
}

void Tguildform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fillLists();
    memberList->setFocus();
}

void Tguildform::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) fillLists();
}

void Tguildform::fillLists() {
    const GameState& state = *windows_.state;
    const GuildLists lists = guildWindowLists(state);
    memberList->fill(lists.members, memberList->chosen());
    partyList->fill(lists.parties, partyList->chosen());
}

void Tguildform::updateButtons() {
    const bool member = memberList->chosen().has_value();
    setRefusal(memberInfoButton, member ? QString() : QString::fromUtf8(kChooseGuildMemberFirst));
    const bool party = partyList->chosen().has_value();
    setRefusal(partyInfoButton, party ? QString() : QString::fromUtf8(kChoosePartyFirst));
}

void Tguildform::refreshButtonClick() {
    fillLists();
}

void Tguildform::partySetupButtonClick() {
    if (!openPartySetup) return;
    openPartySetup();
    fillLists();
}

void Tguildform::overviewButtonClick() {
    windows_.window<Tpartyoverviewform>().exec();
    fillLists();
}

void Tguildform::memberInfoButtonClick() {
    if (const std::optional<int> adventurer = memberList->chosen())
        windows_.window<Tadvdtform>().showAdventurerPanel(*adventurer);
}

void Tguildform::partyInfoButtonClick() {
    if (const std::optional<int> party = partyList->chosen())
        windows_.window<Tprtdtform>().showPartyReport(*party);
}

}  // namespace orrowvale
