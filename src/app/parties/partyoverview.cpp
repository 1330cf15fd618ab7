#include "app/parties/partyoverview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/lifecycle/windows.h"
#include "app/parties/partycommands.h"
#include "app/ui/buttons.h"
#include "app/ui/numberedlist.h"
#include "app/ui/text.h"
#include "parties/partyoverview.h"

namespace orrowvale {

Tpartyoverviewform::Tpartyoverviewform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tpartyoverviewform"));
    setWindowTitle(QStringLiteral("파티 현황"));
    setModal(true);

    auto* caption =
        new QLabel(QStringLiteral("파티(&P): 이름, 인원, 리더, 위치, 하는 일, 남은 턴"), this);
    partyList = new NumberedList(this, "overviewlist", caption);
    partyList->setAccessibleName(QStringLiteral("파티 현황"));
    partyList->setMinimumSize(560, 240);
    commandsButton =
        makeButton(this, "commandsbtn", "명령", "고른 파티가 있는 도시의 명령 창을 엽니다.");
    closeButton = makeButton(this, "closebtn", "닫기", "파티 현황을 닫습니다.");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandsButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(partyList, 1);
    layout->addLayout(buttons);

    connect(partyList, &QListWidget::itemSelectionChanged, this,
            &Tpartyoverviewform::updateButtons);
    connect(partyList, &QListWidget::activated, this, [this](const QModelIndex& row) {
        partyList->setCurrentRow(row.row());
        if (!isRefused(commandsButton)) commandsButtonClick();
    });
    connect(commandsButton, &QPushButton::clicked, this, &Tpartyoverviewform::commandsButtonClick);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    updateButtons();
}

void Tpartyoverviewform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fillList();
    partyList->setFocus();
    if (partyList->count() > 0 && !partyList->chosen()) partyList->setCurrentRow(0);
}

void Tpartyoverviewform::fillList() {
    partyList->fill(partyOverviewRows(*windows_.state), partyList->chosen());
    updateButtons();
}

void Tpartyoverviewform::updateButtons() {
    allowUnless(*commandsButton,
                whyNoCommandsFromOverview(*windows_.state, partyList->chosen().value_or(0)));
}

void Tpartyoverviewform::commandsButtonClick() {
    const std::optional<int> party = partyList->chosen();
    if (!party) return;
    const std::optional<int> city = overviewCommandCity(*windows_.state, *party);
    if (!city) return;
    windows_.window<Tcommandform>().openFor(*city, *party);
    windows_.afterPlayerAction();
    fillList();
}

}  // namespace orrowvale
