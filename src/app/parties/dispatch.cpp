#include "app/parties/dispatch.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/lifecycle/windows.h"
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

    namelabel = new QLabel(QString::fromUtf8(kPartyNameCaption), this);
    namelabel->setObjectName(QStringLiteral("namelabel"));
    typecombo = new QComboBox(this);
    typecombo->setObjectName(QStringLiteral("typecombo"));
    for (const char* kind : kErrandNames)
        typecombo->addItem(QString::fromUtf8(kind));
    datacombo = new QComboBox(this);
    datacombo->setObjectName(QStringLiteral("datacombo"));
    datacombo->setMinimumWidth(200);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(kNumberFieldMin, kNumberFieldMax);
    SpinEdit1->setValue(1);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setMinimumWidth(40);
    startbtn = new QPushButton(QStringLiteral("시작"), this);
    startbtn->setObjectName(QStringLiteral("startbtn"));
    startbtn->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("취소"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);

    auto* layout = new QFormLayout(this);
    layout->addRow(namelabel);
    auto* typeLabel = new QLabel(QStringLiteral("종류"), this);
    typeLabel->setBuddy(typecombo);
    layout->addRow(typeLabel, typecombo);
    auto* targetLabel = new QLabel(QStringLiteral("목표"), this);
    targetLabel->setBuddy(datacombo);
    layout->addRow(targetLabel, datacombo);
    auto* number = new QHBoxLayout;
    number->addWidget(SpinEdit1);
    number->addWidget(Label1);
    number->addStretch();
    layout->addRow(QString(), number);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startbtn);
    buttons->addWidget(Button2);
    layout->addRow(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(typecombo, &QComboBox::currentIndexChanged, this, &Tdoadvform::typecomboChange);
    connect(startbtn, &QPushButton::clicked, this, &Tdoadvform::startbtnClick);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void Tdoadvform::prepareAndShow(int party) {
    party_ = party;
    namelabel->setText(QString::fromUtf8(kPartyNameCaption) +
                       qs(windows_.state->parties[party].partyName));
    {
        const QSignalBlocker blocker(typecombo);
        typecombo->setCurrentIndex(-1);
    }
    typecomboChange();
    typecombo->setFocus();
    exec();
}

std::optional<Errand> Tdoadvform::chosenKind() const {
    const int row = typecombo->currentIndex();
    if (row < 0 || row >= kErrandCount) return std::nullopt;
    return static_cast<Errand>(row);
}

// A kind lists its open targets, none chosen, and says what the number field is
// for; with no kind chosen the field means nothing.
void Tdoadvform::typecomboChange() {
    const std::optional<Errand> kind = chosenKind();
    const GameState& state = *windows_.state;
    targets_ = kind ? openTargets(state, *kind, state.parties[party_].location) : ListRows{};
    {
        const QSignalBlocker blocker(datacombo);
        datacombo->clear();
        for (const ListRow& target : targets_)
            datacombo->addItem(qs(target.text));
        datacombo->setCurrentIndex(-1);
    }
    const NumberFieldUse use = kind ? numberFieldFor(*kind) : NumberFieldUse{"", false};
    Label1->setText(QString::fromUtf8(use.label));
    SpinEdit1->setEnabled(use.enabled);
    SpinEdit1->setAccessibleName(QString::fromUtf8(use.enabled ? use.label : kNumberFieldName));
}

void Tdoadvform::startbtnClick() {
    const int row = datacombo->currentIndex();
    const int target =
        row < 0 || row >= static_cast<int>(targets_.size()) ? 0 : targets_[row].number;
    dispatchParty(windows_.game, party_, chosenKind(), target, SpinEdit1->value());
    accept();
}

}  // namespace orrowvale
