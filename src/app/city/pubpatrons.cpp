#include "app/city/pubpatrons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/city/adventurertalk.h"
#include "app/lifecycle/windows.h"
#include "app/ui/text.h"
#include "city/pubpatrons.h"

namespace orrowvale {

Ttalkwithform::Ttalkwithform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Ttalkwithform"));
    setWindowTitle(QStringLiteral("talkwithform"));
    setModal(true);

    auto* caption = new QLabel(QStringLiteral("주점의 모험가들"), this);
    adlist = new QListWidget(this);
    adlist->setObjectName(QStringLiteral("adlist"));
    adlist->setAccessibleName(caption->text());
    adlist->setMinimumSize(220, 240);
    caption->setBuddy(adlist);
    Button2 = new QPushButton(QStringLiteral("대화"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);
    Button3 = new QPushButton(QStringLiteral("닫기"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(adlist);
    layout->addLayout(buttons);

    // Enter on a row reaches "대화" as the default button; a double click talks too.
    connect(adlist, &QListWidget::itemDoubleClicked, this, &Ttalkwithform::Button2Click);
    connect(adlist, &QListWidget::itemSelectionChanged, this, &Ttalkwithform::updateTalkButton);
    connect(Button2, &QPushButton::clicked, this, &Ttalkwithform::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
}

void Ttalkwithform::showList() {
    showCompany(rollPubCompany(windows_.game));
    adlist->setFocus();
    exec();
}

std::vector<int> Ttalkwithform::rowAdventurers() const {
    std::vector<int> numbers;
    for (const ListRow& row : rows_)
        numbers.push_back(row.number);
    return numbers;
}

void Ttalkwithform::showCompany(const ListRows& company) {
    rows_ = company;
    adlist->clear();
    for (const ListRow& row : rows_)
        adlist->addItem(qs(row.text));
    // The keyboard starts on the first adventurer, so that Enter talks at once.
    if (!rows_.empty()) adlist->setCurrentRow(0);
    updateTalkButton();
}

void Ttalkwithform::updateTalkButton() {
    const bool chosen = !adlist->selectedItems().isEmpty();
    Button2->setEnabled(chosen);
    if (chosen)
        Button2->setToolTip(QString());
    else
        Button2->setToolTip(
            QString::fromUtf8(rows_.empty() ? kNobodyInThePub : kChooseAdventurerFirst));
}

void Ttalkwithform::Button2Click() {
    const QList<QListWidgetItem*> chosen = adlist->selectedItems();
    if (chosen.isEmpty()) return;
    const int row = adlist->row(chosen.front());
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    windows_.ttadvenform->showConversation(rows_[static_cast<std::size_t>(row)].number);
    showCompany(endConversation(windows_.game));
    adlist->setFocus();
}

}  // namespace orrowvale
