#include "app/parties/partycommands.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/lifecycle/windows.h"
#include "app/parties/dispatch.h"
#include "app/parties/travel.h"
#include "app/ui/text.h"
#include "parties/partycommands.h"

namespace orrowvale {

Tcommandform::Tcommandform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tcommandform"));
    setWindowTitle(QStringLiteral(" 명령 창"));
    setModal(true);

    auto* caption = new QLabel(QStringLiteral("파티"), this);
    partylist = new QListWidget(this);
    partylist->setObjectName(QStringLiteral("partylist"));
    partylist->setAccessibleName(QStringLiteral("파티"));
    partylist->setMinimumSize(220, 180);
    caption->setBuddy(partylist);
    movebtn = new QPushButton(QStringLiteral("이동"), this);
    movebtn->setObjectName(QStringLiteral("movebtn"));
    advbtn = new QPushButton(QStringLiteral("모험"), this);
    advbtn->setObjectName(QStringLiteral("advbtn"));
    closebtn = new QPushButton(QStringLiteral("닫기"), this);
    closebtn->setObjectName(QStringLiteral("closebtn"));
    // Enter on a row moves the party, as a double click does; no button takes it.
    for (QPushButton* button : {movebtn, advbtn, closebtn})
        button->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(movebtn);
    buttons->addWidget(advbtn);
    buttons->addStretch();
    buttons->addWidget(closebtn);
    auto* row = new QHBoxLayout;
    row->addWidget(partylist);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(row);

    connect(partylist, &QListWidget::itemSelectionChanged, this, &Tcommandform::partylistClick);
    connect(partylist, &QListWidget::activated, this, [this](const QModelIndex& row) {
        partylist->setCurrentRow(row.row());
        if (movebtn->isEnabled()) movebtnClick();
    });
    connect(movebtn, &QPushButton::clicked, this, &Tcommandform::movebtnClick);
    connect(advbtn, &QPushButton::clicked, this, &Tcommandform::advbtnClick);
    connect(closebtn, &QPushButton::clicked, this, &QDialog::reject);
}

void Tcommandform::openFor(int city) {
    fillList(openCommandList(windows_.game, city));
    partylist->setFocus();
    exec();
}

void Tcommandform::fillList(const std::vector<int>& parties) {
    const int chosen = chosenParty();
    rows_ = parties;
    partylist->blockSignals(true);
    partylist->clear();
    for (int party : rows_)
        partylist->addItem(qs(windows_.state->parties[party].partyName));
    // A party still listed stays chosen; one that has left takes the choice with it.
    const auto kept = std::find(rows_.begin(), rows_.end(), chosen);
    partylist->setCurrentRow(
        kept == rows_.end() || chosen == 0 ? -1 : static_cast<int>(kept - rows_.begin()));
    partylist->blockSignals(false);
    setButtons();
}

// The row under the keyboard's focus frame is not chosen until it is selected.
int Tcommandform::chosenParty() const {
    const QList<QListWidgetItem*> selected = partylist->selectedItems();
    const int row = selected.isEmpty() ? -1 : partylist->row(selected.first());
    if (row < 0 || row >= static_cast<int>(rows_.size())) return 0;
    return rows_[row];
}

void Tcommandform::setButtons() {
    const QString why = qs(whyPartyCannotLeave(*windows_.state, chosenParty()).value_or(""));
    for (QPushButton* button : {movebtn, advbtn}) {
        button->setEnabled(why.isEmpty());
        button->setToolTip(why);
    }
}

void Tcommandform::partylistClick() {
    setButtons();
}

void Tcommandform::movebtnClick() {
    const int party = chosenParty();
    if (!canMoveOrDispatch(*windows_.state, party)) return;
    windows_.movecityform->prepareAndShow(party, windows_.state->commandCity);
    fillList(partiesInCity(*windows_.state, windows_.state->commandCity));
    windows_.presenter.refreshStatus();
}

void Tcommandform::advbtnClick() {
    const int party = chosenParty();
    if (!canMoveOrDispatch(*windows_.state, party)) return;
    windows_.doadvform->prepareAndShow(party);
    setButtons();
}

}  // namespace orrowvale
