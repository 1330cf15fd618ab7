#include "app/parties/travel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/labelledcombo.h"
#include "app/ui/messages.h"
#include "app/ui/numberedlist.h"
#include "app/ui/text.h"
#include "world/datafiles.h"

namespace orrowvale {

namespace {

template <typename Number>
QString captioned(const char* caption, Number value) {
    return QString::fromUtf8(caption) + QString::number(value);
}

}  // namespace

Tmovecityform::Tmovecityform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tmovecityform"));
    setWindowTitle(QStringLiteral("도시간 이동"));
    setModal(true);

    destinationCombo = new QComboBox(this);
    destinationCombo->setObjectName(QStringLiteral("destcombo"));
    destinationCombo->setMinimumWidth(200);
    routeCombo = new QComboBox(this);
    routeCombo->setObjectName(QStringLiteral("waycombo"));
    costLabel = new QLabel(QString::fromUtf8(kCostCaption), this);
    costLabel->setObjectName(QStringLiteral("costlabel"));
    timeLabel = new QLabel(QString::fromUtf8(kTimeCaption), this);
    timeLabel->setObjectName(QStringLiteral("timelabel"));
    okButton = makeButton(this, "okbtn", "확인", "고른 길로 파티를 목적지에 보냅니다.");
    okButton->setAutoDefault(true);
    okButton->setDefault(true);
    cancelButton = makeButton(this, "cancelbtn", "취소", "보내지 않고 닫습니다.");

    auto* layout = new QFormLayout(this);
    auto* destinationLabel = new QLabel(QStringLiteral("목적지"), this);
    labelCombo(destinationLabel, destinationCombo);
    layout->addRow(destinationLabel, destinationCombo);
    auto* routeLabel = new QLabel(QStringLiteral("경로"), this);
    labelCombo(routeLabel, routeCombo);
    layout->addRow(routeLabel, routeCombo);
    layout->addRow(costLabel);
    layout->addRow(timeLabel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addRow(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(destinationCombo, &QComboBox::currentIndexChanged, this,
            &Tmovecityform::destinationComboChange);
    connect(routeCombo, &QComboBox::currentIndexChanged, this, &Tmovecityform::routeComboChange);
    connect(okButton, &QPushButton::clicked, this, &Tmovecityform::okButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void Tmovecityform::prepareAndShow(int party, int origin) {
    try {
        routes_ = prepareMove(windows_.game, origin);
    } catch (const DataError& error) {
        errorBox(activeParent(), error);
        return;
    }
    party_ = party;
    const GameState& state = *windows_.state;
    fillNumbered(*destinationCombo, destinationCities(state, routes_));
    destinationComboChange();
    destinationCombo->setFocus();
    exec();
}

int Tmovecityform::chosenDestination() const {
    return chosenNumber(*destinationCombo).value_or(0);
}

int Tmovecityform::chosenRoute() const {
    return chosenNumber(*routeCombo).value_or(0);
}

// A new destination offers its own routes, none chosen yet, and the labels wait
// for one rather than showing the price of a route no longer listed.
void Tmovecityform::destinationComboChange() {
    fillNumbered(*routeCombo, routesTo(*windows_.state, routes_, chosenDestination()));
    costLabel->setText(QString::fromUtf8(kCostCaption));
    timeLabel->setText(QString::fromUtf8(kTimeCaption));
    routeCombo->setAccessibleDescription(QString());
}

void Tmovecityform::routeComboChange() {
    const int route = chosenRoute();
    if (route == 0) return;
    const TWay& way = routes_.ways[route];
    costLabel->setText(captioned(kCostCaption, way.costPerMember));
    timeLabel->setText(captioned(kTimeCaption, way.travelTime));
    // Read after the route's name whenever the route changes.
    routeCombo->setAccessibleDescription(costLabel->text() + QStringLiteral(", ") +
                                         timeLabel->text());
}

void Tmovecityform::okButtonClick() {
    const Departure departure =
        departParty(windows_.game, party_, routes_, chosenDestination(), chosenRoute());
    if (departure != Departure::Refused) accept();
}

}  // namespace orrowvale
