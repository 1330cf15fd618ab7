#include "app/parties/dispatch.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/lifecycle/windows.h"
#include "app/parties/errandsummarypanel.h"
#include "app/ui/buttons.h"
#include "app/ui/labelledcombo.h"
#include "app/ui/numberedlist.h"
#include "app/ui/text.h"

namespace orrowvale {

namespace {

constexpr int kErrandCount = static_cast<int>(std::size(kErrandNames));
// What a screen reader calls the number field while no kind gives it a meaning.
constexpr const char* kNumberFieldName = "턴 또는 깊이";

}  // namespace

Tdoadvform::Tdoadvform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tdoadvform"));
    setWindowTitle(QStringLiteral("모험 명령"));
    setModal(true);

    partyNameLabel = new QLabel(QString::fromUtf8(kPartyNameCaption), this);
    partyNameLabel->setObjectName(QStringLiteral("namelabel"));
    kindCombo = new QComboBox(this);
    kindCombo->setObjectName(QStringLiteral("typecombo"));
    for (const char* kind : kErrandNames)
        kindCombo->addItem(QString::fromUtf8(kind));
    targetCombo = new QComboBox(this);
    targetCombo->setObjectName(QStringLiteral("datacombo"));
    targetCombo->setMinimumWidth(200);
    numberField = new QSpinBox(this);
    numberField->setObjectName(QStringLiteral("SpinEdit1"));
    numberField->setAccessibleName(QString::fromUtf8(kNumberFieldName));
    numberField->setRange(kNumberFieldMin, kNumberFieldMax);
    numberField->setValue(1);
    numberFieldLabel = new QLabel(this);
    numberFieldLabel->setObjectName(QStringLiteral("Label1"));
    numberFieldLabel->setMinimumWidth(40);
    summaryPanel = new ErrandSummaryPanel(this);
    // No default button: Enter that closes an open list, or lands on a field, never
    // sends the party before the player has read the risk. "시작" is pressed itself.
    startButton = makeButton(this, "startbtn", "시작");
    cancelButton = makeButton(this, "Button2", "취소");

    auto* layout = new QFormLayout(this);
    layout->addRow(partyNameLabel);
    auto* kindLabel = new QLabel(QStringLiteral("종류"), this);
    labelCombo(kindLabel, kindCombo);
    layout->addRow(kindLabel, kindCombo);
    auto* targetLabel = new QLabel(QStringLiteral("목표"), this);
    labelCombo(targetLabel, targetCombo);
    layout->addRow(targetLabel, targetCombo);
    auto* number = new QHBoxLayout;
    number->addWidget(numberField);
    number->addWidget(numberFieldLabel);
    number->addStretch();
    layout->addRow(QString(), number);
    layout->addRow(summaryPanel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startButton);
    buttons->addWidget(cancelButton);
    layout->addRow(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(kindCombo, &QComboBox::currentIndexChanged, this, &Tdoadvform::kindComboChange);
    connect(targetCombo, &QComboBox::currentIndexChanged, this, &Tdoadvform::refreshSummary);
    connect(numberField, &QSpinBox::valueChanged, this, &Tdoadvform::refreshSummary);
    connect(startButton, &QPushButton::clicked, this, &Tdoadvform::startButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void Tdoadvform::prepareAndShow(int party) {
    party_ = party;
    partyNameLabel->setText(QString::fromUtf8(kPartyNameCaption) +
                            qs(windows_.state->parties[party].partyName));
    {
        const QSignalBlocker blocker(kindCombo);
        kindCombo->setCurrentIndex(-1);
    }
    kindComboChange();
    kindCombo->setFocus();
    exec();
}

std::optional<Errand> Tdoadvform::chosenKind() const {
    const int row = kindCombo->currentIndex();
    if (row < 0 || row >= kErrandCount) return std::nullopt;
    return static_cast<Errand>(row);
}

// A kind lists its open targets, none chosen, and says what the number field is
// for; with no kind chosen the field means nothing.
void Tdoadvform::kindComboChange() {
    const std::optional<Errand> kind = chosenKind();
    const GameState& state = *windows_.state;
    fillNumbered(*targetCombo,
                 kind ? openTargets(state, *kind, state.parties[party_].location) : ListRows{});
    const NumberFieldUse use = kind ? numberFieldFor(*kind) : NumberFieldUse{"", false};
    numberFieldLabel->setText(QString::fromUtf8(use.label));
    numberField->setEnabled(use.enabled);
    numberField->setAccessibleName(QString::fromUtf8(use.enabled ? use.label : kNumberFieldName));
    refreshSummary();
}

void Tdoadvform::refreshSummary() {
    summaryPanel->showFor(windows_.game, party_, chosenKind(), chosenNumber(*targetCombo),
                          numberField->value());
    // Read after the kind or the target, whichever the player is changing.
    const QString summary = summaryPanel->spoken();
    kindCombo->setAccessibleDescription(summary);
    targetCombo->setAccessibleDescription(summary);
}

// The game takes target 0 for none chosen, and the window closes with the party
// idle. A party kept home by the player's No to the risk leaves the window open with
// everything as chosen.
void Tdoadvform::startButtonClick() {
    const std::optional<int> target = chosenNumber(*targetCombo);
    if (dispatchParty(windows_.game, party_, chosenKind(), target.value_or(0),
                      numberField->value()) ||
        !target)
        accept();
}

}  // namespace orrowvale
