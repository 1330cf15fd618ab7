#include "app/guild/chooser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/buttons.h"
#include "app/ui/numberedlist.h"
#include "refusal.h"

namespace orrowvale {

Tadvlists::Tadvlists() {
    setObjectName(QStringLiteral("Tadvlists"));
    setWindowTitle(QStringLiteral("선택하십시오."));
    setModal(true);

    promptLabel = new QLabel(QString::fromUtf8(kChoosePrompt), this);
    promptLabel->setObjectName(QStringLiteral("promptlabel"));
    promptLabel->setWordWrap(true);
    rowList = new NumberedList(this, "advlistbox", promptLabel);
    rowList->setMinimumSize(220, 240);
    okButton = makeButton(this, "ok_btn", "확인", "고른 것으로 정합니다.");
    cancelButton = makeButton(this, "cancel_btn", "취소", "고르지 않고 닫습니다.");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(promptLabel);
    layout->addWidget(rowList);
    layout->addLayout(buttons);

    // Enter or a double click on a row.
    connect(rowList, &QListWidget::activated, this, [this](const QModelIndex& row) {
        rowList->setCurrentRow(row.row());
        okButtonClick();
    });
    connect(rowList, &QListWidget::itemSelectionChanged, this, &Tadvlists::refreshOkButton);
    connect(okButton, &QPushButton::clicked, this, &Tadvlists::okButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<int> Tadvlists::choose(const ListRows& rows, const QString& prompt) {
    // The list and the window are named by what is chosen, so a screen reader says it.
    const QString said = prompt.isEmpty() ? QString::fromUtf8(kChoosePrompt) : prompt;
    promptLabel->setText(said);
    rowList->setAccessibleName(said);
    setAccessibleDescription(said);
    rowList->fill(rows);
    rowList->setFocus();
    // Whatever closes the chooser but "확인" with a row chosen is a cancel.
    chosenNumber_.reset();
    exec();
    return chosenNumber_;
}

void Tadvlists::okButtonClick() {
    const std::optional<int> number = rowList->chosen();
    if (!number) return;
    chosenNumber_ = number;
    accept();
}

void Tadvlists::refreshOkButton() {
    allowUnless(*okButton, rowList->chosen() ? Refusal() : kChooseRowFirst);
}

}  // namespace orrowvale
