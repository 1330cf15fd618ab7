#include "app/guild/tradingpost.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/guild/chooser.h"
#include "app/lifecycle/windows.h"
#include "app/ui/keepactive.h"
#include "app/ui/text.h"
#include "guild/tradingpost.h"

namespace orrowvale {
namespace {

// The row the player has chosen: the selected one, not merely the one holding the
// keyboard's focus frame.
int chosenRow(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

}  // namespace

Ttradecform::Ttradecform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Ttradecform"));
    setWindowTitle(QStringLiteral("교역소"));
    setModal(true);

    auto* GroupBox1 = new QGroupBox(QStringLiteral("수송/호위 업무"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    clist = new QListWidget(GroupBox1);
    clist->setObjectName(QStringLiteral("clist"));
    clist->setAccessibleName(QStringLiteral("수송/호위 업무"));
    clist->setMinimumSize(240, 200);
    // Keeps the last reward shown, also when the window is opened again.
    cfeelabel = new QLabel(QString::fromUtf8(kRewardPrefix), GroupBox1);
    cfeelabel->setObjectName(QStringLiteral("cfeelabel"));
    caccept = new QPushButton(QStringLiteral("맡다"), GroupBox1);
    caccept->setObjectName(QStringLiteral("caccept"));
    caccept->setAutoDefault(false);
    Button3 = new QPushButton(QStringLiteral("나간다"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setAutoDefault(false);

    auto* offerRow = new QHBoxLayout;
    offerRow->addWidget(cfeelabel, 1);
    offerRow->addWidget(caccept);
    auto* group = new QVBoxLayout(GroupBox1);
    group->addWidget(clist);
    group->addLayout(offerRow);
    auto* leaveRow = new QHBoxLayout;
    leaveRow->addStretch();
    leaveRow->addWidget(Button3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(leaveRow);

    connect(clist, &QListWidget::itemSelectionChanged, this, &Ttradecform::clistClick);
    // Enter or a double click on a contract takes it.
    connect(clist, &QListWidget::activated, this, [this](const QModelIndex& row) {
        clist->setCurrentRow(row.row());
        cacceptClick();
    });
    connect(caccept, &QPushButton::clicked, this, &Ttradecform::cacceptClick);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
}

void Ttradecform::showModal() {
    exec();
}

void Ttradecform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    {
        const QSignalBlocker quiet(clist);
        clist->clear();
        rowMap_.clear();
        for (const ListRow& row : contractRows(*windows_.state)) {
            clist->addItem(qs(row.text));
            rowMap_.push_back(row.number);
        }
        clist->setCurrentRow(-1);
        clist->clearSelection();
    }
    refreshAcceptButton();
    clist->setFocus();
}

int Ttradecform::selectedSlot() const {
    const int row = chosenRow(clist);
    if (row < 0 || row >= static_cast<int>(rowMap_.size())) return 0;
    return rowMap_[static_cast<std::size_t>(row)];
}

void Ttradecform::clistClick() {
    if (const int slot = selectedSlot()) cfeelabel->setText(qs(rewardText(*windows_.state, slot)));
    refreshAcceptButton();
}

void Ttradecform::cacceptClick() {
    const int row = chosenRow(clist);
    const int slot = selectedSlot();
    if (slot == 0) return;
    KeepActive keep;
    if (!takeContract(windows_.game, slot, windows_.advlists->chooser())) return;
    rowMap_.erase(rowMap_.begin() + row);
    {
        const QSignalBlocker quiet(clist);
        delete clist->takeItem(row);
        clist->setCurrentRow(-1);
        clist->clearSelection();
    }
    refreshAcceptButton();
}

void Ttradecform::refreshAcceptButton() {
    const bool chosen = selectedSlot() != 0;
    caccept->setEnabled(chosen);
    caccept->setToolTip(chosen ? QString() : QString::fromUtf8(kChooseContractFirst));
}

}  // namespace orrowvale
