#include "app/guild/tradingpost.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/guild/chooser.h"
#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/keepactive.h"
#include "app/ui/numberedlist.h"
#include "app/ui/text.h"
#include "guild/tradingpost.h"
#include "refusal.h"

namespace orrowvale {

Ttradecform::Ttradecform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Ttradecform"));
    setWindowTitle(QStringLiteral("교역소"));
    setModal(true);

    auto* contractBox = new QGroupBox(QStringLiteral("수송/호위 업무"), this);
    contractBox->setObjectName(QStringLiteral("GroupBox1"));
    contractList = new NumberedList(contractBox, "clist");
    contractList->setAccessibleName(QStringLiteral("수송/호위 업무"));
    contractList->setMinimumSize(240, 200);
    // Keeps the last reward shown, also when the window is opened again.
    rewardLabel = new QLabel(QString::fromUtf8(kRewardPrefix), contractBox);
    rewardLabel->setObjectName(QStringLiteral("cfeelabel"));
    contractWhereLabel = new QLabel(contractBox);
    contractWhereLabel->setObjectName(QStringLiteral("cwherelabel"));
    contractTurnsLabel = new QLabel(contractBox);
    contractTurnsLabel->setObjectName(QStringLiteral("cturnslabel"));
    contractRiskLabel = new QLabel(contractBox);
    contractRiskLabel->setObjectName(QStringLiteral("crisklabel"));
    takeButton = makeButton(contractBox, "caccept", "맡기",
                            "고른 수송 일을 이 도시에 있는 파티에 맡깁니다.");
    leaveButton = makeButton(this, "Button3", "닫기", "교역소를 나갑니다.");

    auto* offerRow = new QHBoxLayout;
    offerRow->addWidget(rewardLabel, 1);
    offerRow->addWidget(takeButton);
    auto* group = new QVBoxLayout(contractBox);
    group->addWidget(contractList);
    group->addWidget(contractWhereLabel);
    group->addWidget(contractTurnsLabel);
    group->addWidget(contractRiskLabel);
    group->addLayout(offerRow);
    auto* leaveRow = new QHBoxLayout;
    leaveRow->addStretch();
    leaveRow->addWidget(leaveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(contractBox);
    layout->addLayout(leaveRow);

    connect(contractList, &QListWidget::itemSelectionChanged, this,
            &Ttradecform::contractListClick);
    // Enter or a double click on a contract takes it.
    connect(contractList, &QListWidget::activated, this, [this](const QModelIndex& row) {
        contractList->setCurrentRow(row.row());
        takeButtonClick();
    });
    connect(takeButton, &QPushButton::clicked, this, &Ttradecform::takeButtonClick);
    connect(leaveButton, &QPushButton::clicked, this, &QDialog::reject);
}

void Ttradecform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fillContracts();
    contractList->setFocus();
}

// None is chosen afterwards, and the reward label keeps what it showed.
void Ttradecform::fillContracts() {
    contractList->fill(contractRows(*windows_.state));
    // A screen reader hears each row's place and risk after its goods, reward and turns.
    for (int row = 0; row < contractList->count(); ++row) {
        const ContractOutline outline = contractOutline(windows_.game, contractList->numberAt(row));
        contractList->item(row)->setData(
            Qt::AccessibleDescriptionRole,
            qs(outline.where) + QStringLiteral(", ") + qs(outline.risk));
    }
}

void Ttradecform::contractListClick() {
    if (const std::optional<int> slot = contractList->chosen()) {
        rewardLabel->setText(qs(rewardText(*windows_.state, *slot)));
        showContractOutline(*slot);
    }
    refreshTakeButton();
}

void Ttradecform::showContractOutline(int slot) {
    const ContractOutline outline = contractOutline(windows_.game, slot);
    contractWhereLabel->setText(qs(outline.where));
    contractTurnsLabel->setText(qs(outline.turns));
    contractRiskLabel->setText(qs(outline.risk));
}

void Ttradecform::takeButtonClick() {
    const std::optional<int> slot = contractList->chosen();
    if (!slot) return;
    KeepActive keep;
    if (!takeContract(windows_.game, *slot, windows_.window<Tadvlists>().chooser(kChooseCarrier)))
        return;
    // The contract taken is no longer offered.
    fillContracts();
}

void Ttradecform::refreshTakeButton() {
    allowUnless(*takeButton, contractList->chosen() ? Refusal() : kChooseContractFirst);
}

}  // namespace orrowvale
