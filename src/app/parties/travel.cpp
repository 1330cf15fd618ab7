#include "app/parties/travel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <string>

#include "app/lifecycle/windows.h"
#include "app/ui/messages.h"
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

    destcombo = new QComboBox(this);
    destcombo->setObjectName(QStringLiteral("destcombo"));
    destcombo->setMinimumWidth(200);
    waycombo = new QComboBox(this);
    waycombo->setObjectName(QStringLiteral("waycombo"));
    costlabel = new QLabel(QString::fromUtf8(kCostCaption), this);
    costlabel->setObjectName(QStringLiteral("costlabel"));
    timelabel = new QLabel(QString::fromUtf8(kTimeCaption), this);
    timelabel->setObjectName(QStringLiteral("timelabel"));
    okbtn = new QPushButton(QStringLiteral("확인"), this);
    okbtn->setObjectName(QStringLiteral("okbtn"));
    okbtn->setDefault(true);
    cancelbtn = new QPushButton(QStringLiteral("취소"), this);
    cancelbtn->setObjectName(QStringLiteral("cancelbtn"));
    cancelbtn->setAutoDefault(false);

    auto* layout = new QFormLayout(this);
    auto* destLabel = new QLabel(QStringLiteral("목적지"), this);
    destLabel->setBuddy(destcombo);
    layout->addRow(destLabel, destcombo);
    auto* wayLabel = new QLabel(QStringLiteral("경로"), this);
    wayLabel->setBuddy(waycombo);
    layout->addRow(wayLabel, waycombo);
    layout->addRow(costlabel);
    layout->addRow(timelabel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okbtn);
    buttons->addWidget(cancelbtn);
    layout->addRow(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(destcombo, &QComboBox::currentIndexChanged, this, &Tmovecityform::destcomboChange);
    connect(waycombo, &QComboBox::currentIndexChanged, this, &Tmovecityform::waycomboChange);
    connect(okbtn, &QPushButton::clicked, this, &Tmovecityform::okbtnClick);
    connect(cancelbtn, &QPushButton::clicked, this, &QDialog::reject);
}

void Tmovecityform::prepareAndShow(int party, int origin) {
    try {
        routes_ = prepareMove(windows_.game, origin);
    } catch (const DataError& error) {
        errorBox(activeParent(), error);
        return;
    }
    party_ = party;
    destinations_ = destinationCities(*windows_.state, routes_);
    {
        const QSignalBlocker blocker(destcombo);
        destcombo->clear();
        for (int city : destinations_)
            destcombo->addItem(qs(windows_.state->cityNames[city]));
        destcombo->setCurrentIndex(-1);
    }
    destcomboChange();
    destcombo->setFocus();
    exec();
}

int Tmovecityform::chosenDestination() const {
    const int row = destcombo->currentIndex();
    return row < 0 || row >= static_cast<int>(destinations_.size()) ? 0 : destinations_[row];
}

int Tmovecityform::chosenRoute() const {
    const int row = waycombo->currentIndex();
    return row < 0 || row >= static_cast<int>(ways_.size()) ? 0 : ways_[row];
}

// A new destination offers its own routes, none chosen yet, and the labels wait
// for one rather than showing the price of a route no longer listed.
void Tmovecityform::destcomboChange() {
    ways_ = routesTo(*windows_.state, routes_, chosenDestination());
    {
        const QSignalBlocker blocker(waycombo);
        waycombo->clear();
        for (int way : ways_)
            waycombo->addItem(qs(routes_.ways[way].wayName));
        waycombo->setCurrentIndex(-1);
    }
    costlabel->setText(QString::fromUtf8(kCostCaption));
    timelabel->setText(QString::fromUtf8(kTimeCaption));
}

void Tmovecityform::waycomboChange() {
    const int route = chosenRoute();
    if (route == 0) return;
    const TWay& way = routes_.ways[route];
    costlabel->setText(captioned(kCostCaption, way.costPerMember));
    timelabel->setText(captioned(kTimeCaption, way.travelTime));
}

void Tmovecityform::okbtnClick() {
    const Departure departure =
        departParty(windows_.game, party_, routes_, chosenDestination(), chosenRoute());
    if (departure != Departure::Refused) accept();
}

}  // namespace orrowvale
