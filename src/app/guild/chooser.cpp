#include "app/guild/chooser.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/lifecycle/windows.h"
#include "app/ui/text.h"

namespace orrowvale {

Tadvlists::Tadvlists(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tadvlists"));
    setWindowTitle(QStringLiteral("선택하십시오."));
    setModal(true);

    advlistbox = new QListWidget(this);
    advlistbox->setObjectName(QStringLiteral("advlistbox"));
    advlistbox->setAccessibleName(QStringLiteral("선택하십시오."));
    advlistbox->setMinimumSize(220, 240);
    ok_btn = new QPushButton(QStringLiteral("확인"), this);
    ok_btn->setObjectName(QStringLiteral("ok_btn"));
    ok_btn->setAutoDefault(false);
    cancel_btn = new QPushButton(QStringLiteral("취소"), this);
    cancel_btn->setObjectName(QStringLiteral("cancel_btn"));
    cancel_btn->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_btn);
    buttons->addWidget(cancel_btn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(advlistbox);
    layout->addLayout(buttons);

    // Enter or a double click on a row.
    connect(advlistbox, &QListWidget::activated, this, [this](const QModelIndex& row) {
        advlistbox->setCurrentRow(row.row());
        ok_btnClick();
    });
    connect(advlistbox, &QListWidget::itemSelectionChanged, this, &Tadvlists::refreshOkButton);
    connect(ok_btn, &QPushButton::clicked, this, &Tadvlists::ok_btnClick);
    connect(cancel_btn, &QPushButton::clicked, this, &QDialog::reject);
}

int Tadvlists::chooseAdventurer(int city, int memberState, bool freeOnly) {
    return choose(adventurerChoices(*windows_.state, city, memberState, freeOnly));
}

int Tadvlists::chooseParty(int city, int row) {
    return choose(partyChoices(*windows_.state, city, row));
}

int Tadvlists::choose(const ListRows& rows) {
    advlistbox->clear();
    rowMap_.clear();
    for (const ListRow& row : rows) {
        advlistbox->addItem(qs(row.text));
        rowMap_.push_back(row.number);
    }
    advlistbox->setCurrentRow(-1);
    advlistbox->clearSelection();
    refreshOkButton();
    advlistbox->setFocus();
    // Whatever closes the chooser but "확인" with a row chosen is a cancel.
    result_ = -1;
    exec();
    return result_;
}

void Tadvlists::ok_btnClick() {
    const int row = advlistbox->currentRow();
    if (row < 0 || row >= static_cast<int>(rowMap_.size()) || !advlistbox->item(row)->isSelected())
        return;
    result_ = rowMap_[static_cast<std::size_t>(row)];
    accept();
}

void Tadvlists::refreshOkButton() {
    const bool chosen = !advlistbox->selectedItems().isEmpty();
    ok_btn->setEnabled(chosen);
    ok_btn->setToolTip(chosen ? QString() : QString::fromUtf8(kChooseRowFirst));
}

}  // namespace orrowvale
