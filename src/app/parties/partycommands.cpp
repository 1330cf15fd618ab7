#include "app/parties/partycommands.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/lifecycle/windows.h"
#include "app/parties/dispatch.h"
#include "app/parties/travel.h"
#include "app/ui/buttons.h"
#include "app/ui/numberedlist.h"
#include "app/ui/text.h"
#include "app/ui/valuelabel.h"
#include "parties/partycommands.h"
#include "refusal.h"

namespace orrowvale {

Tcommandform::Tcommandform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tcommandform"));
    setWindowTitle(QStringLiteral(" 명령 창"));
    setModal(true);

    auto* caption = new QLabel(QStringLiteral("파티"), this);
    partyList = new NumberedList(this, "partylist", caption);
    partyList->setMinimumSize(220, 180);
    // Enter on a row moves the party, as a double click does; no button takes it.
    moveButton = makeButton(this, "movebtn", "이동", "고른 파티를 다른 도시로 보냅니다.");
    adventureButton =
        makeButton(this, "advbtn", "모험", "고른 파티를 던전, 퀘스트, 탐색, 전쟁에 보냅니다.");
    closeButton = makeButton(this, "closebtn", "닫기", "명령 창을 닫습니다.");

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(moveButton);
    buttons->addWidget(adventureButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* row = new QHBoxLayout;
    row->addWidget(partyList);
    row->addLayout(buttons);
    standingLabel = makeValueLabel(this, "standinglabel", "상태");
    standingLabel->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(row);
    layout->addWidget(standingLabel);

    connect(partyList, &QListWidget::itemSelectionChanged, this, &Tcommandform::updateButtons);
    connect(partyList, &QListWidget::itemSelectionChanged, this, &Tcommandform::describeRows);
    connect(partyList, &QListWidget::activated, this, [this](const QModelIndex& row) {
        partyList->setCurrentRow(row.row());
        if (!isRefused(moveButton)) moveButtonClick();
    });
    connect(moveButton, &QPushButton::clicked, this, &Tcommandform::moveButtonClick);
    connect(adventureButton, &QPushButton::clicked, this, &Tcommandform::adventureButtonClick);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void Tcommandform::openFor(int city, std::optional<int> party) {
    // The caption keeps its old blank; a screen reader hears the city instead.
    const GameState& state = *windows_.state;
    setAccessibleName(QStringLiteral("명령 창") + (state.cityNames.contains(city)
                                                       ? ": " + qs(state.cityNames[city])
                                                       : QString()));
    fillList(openCommandList(windows_.game, city));
    if (party) partyList->choose(*party);
    partyList->setFocus();
    exec();
}

void Tcommandform::fillList(const ListRows& parties) {
    partyList->fill(parties, partyList->chosen());
    describeRows();
}

// Each row says whether its party can take an order, or where it went and when it
// comes back, so a screen reader hears it with the party's name and a pointer shows
// it; the line under the list says it of the chosen party.
void Tcommandform::describeRows() {
    for (int row = 0; row < partyList->count(); ++row) {
        const QString standing = qs(partyStanding(*windows_.state, partyList->numberAt(row)));
        partyList->item(row)->setData(Qt::AccessibleDescriptionRole, standing);
        partyList->item(row)->setToolTip(standing);
    }
    const std::optional<int> chosen = partyList->chosen();
    standingLabel->setText(chosen ? qs(partyStanding(*windows_.state, *chosen)) : QString());
}

// The game takes 0 for no party chosen.
void Tcommandform::updateButtons() {
    const Refusal why = whyPartyCannotLeave(*windows_.state, partyList->chosen().value_or(0));
    for (QPushButton* button : {moveButton, adventureButton})
        allowUnless(*button, why);
}

void Tcommandform::moveButtonClick() {
    const std::optional<int> party = partyList->chosen();
    if (!party || !canMoveOrDispatch(*windows_.state, *party)) return;
    windows_.window<Tmovecityform>().prepareAndShow(*party, windows_.state->commandCity);
    fillList(partiesInCity(*windows_.state, windows_.state->commandCity));
    windows_.afterPlayerAction();
    keyboardToPartyIfSent();
}

// Sent out, the party's row has the keyboard again and says what it is doing,
// rather than the keyboard falling on "닫기".
void Tcommandform::keyboardToPartyIfSent() {
    updateButtons();
    if (isRefused(adventureButton)) partyList->setFocus();
}

void Tcommandform::adventureButtonClick() {
    const std::optional<int> party = partyList->chosen();
    if (!party || !canMoveOrDispatch(*windows_.state, *party)) return;
    windows_.window<Tdoadvform>().prepareAndShow(*party);
    describeRows();
    keyboardToPartyIfSent();
}

}  // namespace orrowvale
