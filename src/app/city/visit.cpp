#include "app/city/visit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <optional>
#include <string>

#include "app/lifecycle/windows.h"
#include "app/ui/messages.h"
#include "app/ui/text.h"
#include "city/visit.h"
#include "world/datafiles.h"

namespace orrowvale {

Tgoform::Tgoform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tgoform"));
    setWindowTitle(QStringLiteral("이동"));
    setModal(true);

    realcombo = new QComboBox(this);
    realcombo->setObjectName(QStringLiteral("realcombo"));
    realcombo->setMinimumWidth(200);
    citycombo = new QComboBox(this);
    citycombo->setObjectName(QStringLiteral("citycombo"));
    movebutton = new QPushButton(QStringLiteral("이동"), this);
    movebutton->setObjectName(QStringLiteral("movebutton"));
    movebutton->setDefault(true);

    auto* layout = new QFormLayout(this);
    // Only the current city's places can be visited; the city list stays hidden.
    citylabel = new QLabel(QStringLiteral("도시"), this);
    citylabel->setBuddy(citycombo);
    layout->addRow(citylabel, citycombo);
    auto* placeLabel = new QLabel(QStringLiteral("위치"), this);
    placeLabel->setBuddy(realcombo);
    layout->addRow(placeLabel, realcombo);
    layout->addRow(movebutton);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    citylabel->hide();
    citycombo->hide();
    connect(movebutton, &QPushButton::clicked, this, &Tgoform::movebuttonClick);
}

void Tgoform::prepareAndShow() {
    const GameState& state = *windows_.state;
    realcombo->clear();
    for (const ListRow& place : placeRows(state))
        realcombo->addItem(qs(place.text));
    realcombo->setCurrentIndex(-1);
    citycombo->clear();
    for (int city = 1; city <= state.cityBound(); ++city)
        if (state.visitableCities[city] == 1) citycombo->addItem(qs(state.cityNames[city]));
    realcombo->setFocus();
    exec();
}

void Tgoform::movebuttonClick() {
    std::optional<std::string> place;
    if (realcombo->currentIndex() >= 0) place = utf8(realcombo->currentText());
    accept();
    try {
        visitPlace(windows_.game, place);
    } catch (const DataError& error) {
        errorBox(activeParent(), error);
    }
}

}  // namespace orrowvale
