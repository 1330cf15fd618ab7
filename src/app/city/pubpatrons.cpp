#include "app/city/pubpatrons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/city/adventurertalk.h"
#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/numberedlist.h"
#include "city/pubpatrons.h"
#include "refusal.h"

namespace orrowvale {

Ttalkwithform::Ttalkwithform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Ttalkwithform"));
    setWindowTitle(QStringLiteral("주점 손님"));
    setModal(true);

    auto* caption = new QLabel(QStringLiteral("주점의 모험가들"), this);
    adventurerList = new NumberedList(this, "adlist", caption);
    adventurerList->setMinimumSize(220, 240);
    talkButton = makeButton(this, "Button2", "대화", "고른 모험가와 대화합니다.");
    talkButton->setAutoDefault(true);
    talkButton->setDefault(true);
    closeButton = makeButton(this, "Button3", "닫기", "주점으로 돌아갑니다.");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(talkButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(adventurerList);
    layout->addLayout(buttons);

    // Enter on a row reaches "대화" as the default button; a double click talks too.
    connect(adventurerList, &QListWidget::itemDoubleClicked, this, &Ttalkwithform::talkButtonClick);
    connect(adventurerList, &QListWidget::itemSelectionChanged, this,
            &Ttalkwithform::updateTalkButton);
    connect(talkButton, &QPushButton::clicked, this, &Ttalkwithform::talkButtonClick);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void Ttalkwithform::showList() {
    showCompany(rollPubCompany(windows_.game));
    adventurerList->setFocus();
    exec();
}

std::vector<int> Ttalkwithform::rowAdventurers() const {
    return adventurerList->numbers();
}

// The keyboard starts on the first adventurer, so that Enter talks at once.
void Ttalkwithform::showCompany(const ListRows& company) {
    adventurerList->fill(company,
                         company.empty() ? std::nullopt : std::optional(company.front().number));
}

void Ttalkwithform::updateTalkButton() {
    Refusal refusal;
    if (!adventurerList->chosen())
        refusal = adventurerList->count() == 0 ? kNobodyInThePub : kChooseAdventurerFirst;
    allowUnless(*talkButton, refusal);
}

void Ttalkwithform::talkButtonClick() {
    const std::optional<int> adventurer = adventurerList->chosen();
    if (!adventurer) return;
    windows_.window<Tttadvenform>().showConversation(*adventurer);
    showCompany(endConversation(windows_.game));
    adventurerList->setFocus();
}

}  // namespace orrowvale
