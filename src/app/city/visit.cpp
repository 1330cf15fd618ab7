#include "app/city/visit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <optional>
#include <string>

#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/messages.h"
#include "app/ui/numberedlist.h"
#include "app/ui/text.h"
#include "city/visit.h"
#include "world/datafiles.h"

namespace orrowvale {

Tgoform::Tgoform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tgoform"));
    setWindowTitle(QStringLiteral("이동"));
    setModal(true);

    placeCombo = new QComboBox(this);
    placeCombo->setObjectName(QStringLiteral("realcombo"));
    placeCombo->setMinimumWidth(200);
    cityCombo = new QComboBox(this);
    cityCombo->setObjectName(QStringLiteral("citycombo"));
    moveButton = makeButton(this, "movebutton", "이동");
    moveButton->setAutoDefault(true);
    moveButton->setDefault(true);

    auto* layout = new QFormLayout(this);
    // Only the current city's places can be visited; the city list stays hidden.
    cityLabel = new QLabel(QStringLiteral("도시"), this);
    cityLabel->setBuddy(cityCombo);
    layout->addRow(cityLabel, cityCombo);
    auto* placeLabel = new QLabel(QStringLiteral("위치"), this);
    placeLabel->setBuddy(placeCombo);
    layout->addRow(placeLabel, placeCombo);
    layout->addRow(moveButton);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    cityLabel->hide();
    cityCombo->hide();
    connect(moveButton, &QPushButton::clicked, this, &Tgoform::moveButtonClick);
}

void Tgoform::prepareAndShow() {
    const GameState& state = *windows_.state;
    fillNumbered(*placeCombo, placeRows(state));
    cityCombo->clear();
    for (int city = 1; city <= state.cityBound(); ++city)
        if (state.visitableCities[city] == 1) cityCombo->addItem(qs(state.cityNames[city]), city);
    placeCombo->setFocus();
    exec();
}

void Tgoform::moveButtonClick() {
    std::optional<std::string> place;
    if (placeCombo->currentIndex() >= 0) place = utf8(placeCombo->currentText());
    accept();
    try {
        visitPlace(windows_.game, place);
    } catch (const DataError& error) {
        errorBox(activeParent(), error);
    }
}

}  // namespace orrowvale
