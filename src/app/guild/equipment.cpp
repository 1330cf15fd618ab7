#include "app/guild/equipment.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "app/lifecycle/windows.h"
#include "app/ui/text.h"
#include "guild/equipment.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

int selected(const QListWidget* list, const std::vector<int>& rows) {
    const int row = list->currentRow();
    if (row < 0 || row >= static_cast<int>(rows.size()) || !list->currentItem()->isSelected())
        return 0;
    return rows[static_cast<std::size_t>(row)];
}

}  // namespace

Tequipform::Tequipform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tequipform"));
    setWindowTitle(QStringLiteral("장비"));
    setModal(true);

    auto* Label1 = new QLabel(QStringLiteral("파티 리스트"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    partylist = new QListWidget(this);
    partylist->setObjectName(QStringLiteral("partylist"));
    partylist->setAccessibleName(Label1->text());
    partylist->setMinimumSize(180, 200);
    Label1->setBuddy(partylist);
    auto* Label2 = new QLabel(QStringLiteral("장비: "), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    pitemla = new QLabel(this);
    pitemla->setObjectName(QStringLiteral("pitemla"));
    pitemla->setMinimumWidth(200);
    pitemla->installEventFilter(this);
    itemlist = new QListWidget(this);
    itemlist->setObjectName(QStringLiteral("itemlist"));
    itemlist->setAccessibleName(QStringLiteral("길드 보관 아이템"));
    itemlist->setMinimumSize(220, 200);

    Button1 = makeButton(this, "Button1", "장착");
    // Choose a party, choose an item, Enter: it is equipped.
    Button1->setDefault(true);
    Button2 = makeButton(this, "Button2", "해제");
    Button4 = makeButton(this, "Button4", "버리다");
    Button3 = makeButton(this, "Button3", "닫다");

    auto* item = new QHBoxLayout;
    item->addWidget(Label2);
    item->addWidget(pitemla, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button4);
    buttons->addStretch();
    buttons->addWidget(Button3);
    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(partylist, 1, 0, 2, 1);
    grid->addLayout(item, 0, 1);
    grid->addWidget(itemlist, 1, 1);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(partylist, &QListWidget::itemSelectionChanged, this, &Tequipform::showPartyItem);
    connect(itemlist, &QListWidget::itemDoubleClicked, this, &Tequipform::Button1Click);
    connect(Button1, &QPushButton::clicked, this, &Tequipform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tequipform::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &Tequipform::Button4Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
}

void Tequipform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const GameState& state = *windows_.state;
    partylist->clear();
    partyRows_ = equippableParties(state);
    for (int party : partyRows_)
        partylist->addItem(qs(state.parties[party].partyName));
    fillItems();
    showPartyItem();
    partylist->setFocus();
}

bool Tequipform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pitemla && event->type() == QEvent::MouseButtonRelease) pitemlaClick();
    return QDialog::eventFilter(watched, event);
}

void Tequipform::fillItems() {
    const GameState& state = *windows_.state;
    itemlist->clear();
    itemRows_ = storedItemSlots(state);
    for (int slot : itemRows_)
        itemlist->addItem(qs(itemName(state.guildItems[slot])));
}

void Tequipform::showPartyItem() {
    const GameState& state = *windows_.state;
    const int party = selectedParty();
    pitemla->setText(qs(carriedItemName(state, party)));
    const Refusal refusal = takeOffRefusal(state, party);
    Button2->setEnabled(!refusal);
    Button2->setToolTip(qs(refusal.value_or("")));
}

int Tequipform::selectedParty() const {
    return selected(partylist, partyRows_);
}

int Tequipform::selectedSlot() const {
    return selected(itemlist, itemRows_);
}

void Tequipform::Button1Click() {
    if (!equipItem(windows_.game, selectedParty(), selectedSlot())) return;
    fillItems();
    showPartyItem();
}

void Tequipform::Button2Click() {
    if (!takeOffItem(windows_.game, selectedParty())) return;
    fillItems();
    showPartyItem();
}

void Tequipform::Button4Click() {
    if (discardItem(windows_.game, selectedSlot())) fillItems();
}

void Tequipform::pitemlaClick() {
    showPartyItem();
}

}  // namespace orrowvale
