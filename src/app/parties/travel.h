#pragma once

#include <QDialog>

#include "parties/travel.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace orrowvale {

class Windows;

// The move window: where a party can go from its city, by which route, at what
// price and in how many turns.
class Tmovecityform : public QDialog {
  public:
    explicit Tmovecityform(Windows& windows);

    // Reads the route file of `origin` and shows the window for `party`; returns
    // when it has closed. A broken route file is shown instead of the window.
    void prepareAndShow(int party, int origin);

    void destinationComboChange();
    void routeComboChange();
    void okButtonClick();

  private:
    // The chosen city and route; the game takes 0 for none chosen.
    int chosenDestination() const;
    int chosenRoute() const;

    Windows& windows_;
    int party_ = 0;
    RouteFile routes_;
    QComboBox* destinationCombo;
    QComboBox* routeCombo;
    QLabel* costLabel;
    QLabel* timeLabel;
    QPushButton* okButton;
    QPushButton* cancelButton;
};

}  // namespace orrowvale
