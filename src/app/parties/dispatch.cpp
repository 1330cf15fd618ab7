#include "app/parties/dispatch.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <tuple>

#include "app/lifecycle/windows.h"
#include "app/parties/errandsummarypanel.h"
#include "app/ui/buttons.h"
#include "app/ui/labelledcombo.h"
#include "app/ui/notice.h"
#include "app/ui/numberedlist.h"
#include "app/ui/text.h"

namespace orrowvale {

namespace {

constexpr int kErrandCount = static_cast<int>(std::size(kErrandNames));

QSpinBox* makeNumberField(QWidget* parent, const char* objectName) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::fromUtf8(objectName));
    field->setRange(1, kNumberFieldMax);
    field->setValue(1);
    field->setEnabled(false);
    return field;
}

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
    depthField = makeNumberField(this, "SpinEdit1");
    turnsField = makeNumberField(this, "SpinEdit2");
    summaryPanel = new ErrandSummaryPanel(this);
    // No default button: Enter that closes an open list, or lands on a field, never
    // sends the party before the player has read the risk. "시작" is pressed itself.
    startButton = makeButton(this, "startbtn", "시작", "고른 일에 파티를 보냅니다.");
    cancelButton = makeButton(this, "Button2", "취소", "보내지 않고 닫습니다.");
    summaryNotice = makeUnseenNotice(this, "summarynotice");

    auto* layout = new QFormLayout(this);
    layout->addRow(partyNameLabel);
    auto* kindLabel = new QLabel(QStringLiteral("종류"), this);
    labelCombo(kindLabel, kindCombo);
    layout->addRow(kindLabel, kindCombo);
    auto* targetLabel = new QLabel(QStringLiteral("목표"), this);
    labelCombo(targetLabel, targetCombo);
    layout->addRow(targetLabel, targetCombo);
    // Each field named by its label, which the field's kind alone enables.
    for (auto [field, caption, objectName] :
         {std::tuple{depthField, "깊이", "Label1"}, std::tuple{turnsField, "턴 수", "Label2"}}) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setObjectName(QString::fromUtf8(objectName));
        label->setBuddy(field);
        field->setAccessibleName(label->text());
        connect(field, &QSpinBox::valueChanged, this, &Tdoadvform::numberFieldChange);
        layout->addRow(label, field);
    }
    layout->addRow(summaryPanel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startButton);
    buttons->addWidget(cancelButton);
    layout->addRow(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(kindCombo, &QComboBox::currentIndexChanged, this, &Tdoadvform::kindComboChange);
    connect(targetCombo, &QComboBox::currentIndexChanged, this, &Tdoadvform::targetComboChange);
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
    showNotice(summaryNotice, QString());
    kindCombo->setFocus();
    exec();
}

std::optional<Errand> Tdoadvform::chosenKind() const {
    const int row = kindCombo->currentIndex();
    if (row < 0 || row >= kErrandCount) return std::nullopt;
    return static_cast<Errand>(row);
}

// A kind lists its open targets, none chosen, and enables its own field.
void Tdoadvform::kindComboChange() {
    const std::optional<Errand> kind = chosenKind();
    const GameState& state = *windows_.state;
    fillNumbered(*targetCombo,
                 kind ? openTargets(state, *kind, state.parties[party_].location) : ListRows{});
    depthField->setEnabled(kind == Errand::Dungeon);
    turnsField->setEnabled(kind == Errand::Search);
    targetComboChange();
}

// The field takes only what the chosen target allows: no deeper than the dungeon goes.
void Tdoadvform::targetComboChange() {
    const std::optional<Errand> kind = chosenKind();
    const std::optional<int> target = chosenNumber(*targetCombo);
    std::optional<NumberLimits> limits;
    if (kind && target) limits = numberLimits(windows_.game, party_, *kind, *target);
    if (QSpinBox* field = numberFieldOfKind()) {
        const QSignalBlocker quiet(field);
        const NumberLimits range = limits.value_or(NumberLimits{});
        field->setRange(range.least, range.most);
    }
    refreshSummary();
}

QSpinBox* Tdoadvform::numberFieldOfKind() const {
    const std::optional<Errand> kind = chosenKind();
    if (kind == Errand::Dungeon) return depthField;
    if (kind == Errand::Search) return turnsField;
    return nullptr;
}

// A quest or a war takes no number; 1 stands in the log for none.
int Tdoadvform::fieldValue() const {
    const QSpinBox* field = numberFieldOfKind();
    return field ? field->value() : 1;
}

void Tdoadvform::refreshSummary() {
    summaryPanel->showFor(windows_.game, party_, chosenKind(), chosenNumber(*targetCombo),
                          fieldValue());
    // Read after the kind, the target or the field, whichever the player is changing.
    const QString summary = summaryPanel->spoken();
    kindCombo->setAccessibleDescription(summary);
    targetCombo->setAccessibleDescription(summary);
    depthField->setAccessibleDescription(summary);
    turnsField->setAccessibleDescription(summary);
}

// The field's description holds the new numbers too, but a screen reader does not
// say a description that changes under the keyboard.
void Tdoadvform::numberFieldChange() {
    refreshSummary();
    showNotice(summaryNotice, summaryPanel->spokenForNumber());
}

// The game takes target 0 for none chosen, and the window closes with the party
// idle. A party kept home by the player's No to the risk leaves the window open with
// everything as chosen.
void Tdoadvform::startButtonClick() {
    const std::optional<int> target = chosenNumber(*targetCombo);
    if (dispatchParty(windows_.game, party_, chosenKind(), target.value_or(0), fieldValue()) ||
        !target)
        accept();
}

}  // namespace orrowvale
