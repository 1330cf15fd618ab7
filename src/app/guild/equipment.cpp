#include "app/guild/equipment.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/numberedlist.h"
#include "app/ui/text.h"
#include "guild/equipment.h"
#include "world/gamestate.h"

namespace orrowvale {

Tequipform::Tequipform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tequipform"));
    setWindowTitle(QStringLiteral("장비"));
    setModal(true);

    auto* partyListLabel = new QLabel(QStringLiteral("파티 리스트"), this);
    partyListLabel->setObjectName(QStringLiteral("Label1"));
    partyList = new NumberedList(this, "partylist", partyListLabel);
    partyList->setMinimumSize(180, 200);
    auto* itemCaption = new QLabel(QStringLiteral("장비: "), this);
    itemCaption->setObjectName(QStringLiteral("Label2"));
    itemLabel = new QLabel(this);
    itemLabel->setObjectName(QStringLiteral("pitemla"));
    itemLabel->setMinimumWidth(200);
    // Read as "장비" and the item, and reached by Tab like the lists.
    itemLabel->setAccessibleName(QStringLiteral("장비"));
    itemLabel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    itemLabel->setFocusPolicy(Qt::StrongFocus);
    itemLabel->installEventFilter(this);
    itemList = new NumberedList(this, "itemlist");
    itemList->setAccessibleName(QStringLiteral("길드 보관 아이템"));
    itemList->setMinimumSize(220, 200);

    equipButton = makeButton(this, "Button1", "장착");
    // Choose a party, choose an item, Enter: it is equipped.
    equipButton->setDefault(true);
    takeOffButton = makeButton(this, "Button2", "해제");
    discardButton = makeButton(this, "Button4", "버리기");
    closeButton = makeButton(this, "Button3", "닫기");

    auto* itemRow = new QHBoxLayout;
    itemRow->addWidget(itemCaption);
    itemRow->addWidget(itemLabel, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(equipButton);
    buttons->addWidget(takeOffButton);
    buttons->addWidget(discardButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* grid = new QGridLayout(this);
    grid->addWidget(partyListLabel, 0, 0);
    grid->addWidget(partyList, 1, 0, 2, 1);
    grid->addLayout(itemRow, 0, 1);
    grid->addWidget(itemList, 1, 1);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(partyList, &QListWidget::itemSelectionChanged, this, &Tequipform::showPartyItem);
    connect(itemList, &QListWidget::itemDoubleClicked, this, &Tequipform::equipButtonClick);
    connect(equipButton, &QPushButton::clicked, this, &Tequipform::equipButtonClick);
    connect(takeOffButton, &QPushButton::clicked, this, &Tequipform::takeOffButtonClick);
    connect(discardButton, &QPushButton::clicked, this, &Tequipform::discardButtonClick);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void Tequipform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const GameState& state = *windows_.state;
    // Filling the party list shows its item: none is chosen yet.
    partyList->fill(equippableParties(state));
    describeCarriedItems();
    fillItems();
    partyList->setFocus();
}

bool Tequipform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == itemLabel && event->type() == QEvent::MouseButtonRelease) itemLabelClick();
    return QDialog::eventFilter(watched, event);
}

void Tequipform::fillItems() {
    const GameState& state = *windows_.state;
    itemList->fill(storedItemSlots(state));
}

void Tequipform::showPartyItem() {
    const GameState& state = *windows_.state;
    const int party = partyList->chosen().value_or(0);
    itemLabel->setText(qs(carriedItemName(state, party)));
    itemLabel->setAccessibleDescription(itemLabel->text());
    describeCarriedItems();
    const Refusal refusal = takeOffRefusal(state, party);
    setRefusal(takeOffButton, qs(refusal.value_or("")));
}

// Each party's row says what it carries, so a screen reader hears it with the party.
void Tequipform::describeCarriedItems() {
    const GameState& state = *windows_.state;
    for (int row = 0; row < partyList->count(); ++row)
        partyList->item(row)->setData(
            Qt::AccessibleDescriptionRole,
            QStringLiteral("장비: ") + qs(carriedItemName(state, partyList->numberAt(row))));
}

void Tequipform::equipButtonClick() {
    if (!equipItem(windows_.game, partyList->chosen().value_or(0), itemList->chosen().value_or(0)))
        return;
    fillItems();
    showPartyItem();
}

void Tequipform::takeOffButtonClick() {
    if (!takeOffItem(windows_.game, partyList->chosen().value_or(0))) return;
    fillItems();
    showPartyItem();
}

void Tequipform::discardButtonClick() {
    if (discardItem(windows_.game, itemList->chosen().value_or(0))) fillItems();
}

void Tequipform::itemLabelClick() {
    showPartyItem();
}

}  // namespace orrowvale
