#include "app/city/visit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <optional>
#include <string>

#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/labelledcombo.h"
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
    moveButton = makeButton(this, "movebutton", "이동", "고른 장소로 갑니다.");
    moveButton->setAutoDefault(true);
    moveButton->setDefault(true);

    auto* layout = new QFormLayout(this);
    // Only the current city's places can be visited: there is no list of cities.
    auto* placeLabel = new QLabel(QStringLiteral("위치"), this);
    labelCombo(placeLabel, placeCombo);
    layout->addRow(placeLabel, placeCombo);
    layout->addRow(moveButton);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(moveButton, &QPushButton::clicked, this, &Tgoform::moveButtonClick);
}

void Tgoform::prepareAndShow() {
    const GameState& state = *windows_.state;
    fillNumbered(*placeCombo, placeRows(state));
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
