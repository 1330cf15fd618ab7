#pragma once

#include <QDialog>
#include <vector>

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

    void destcomboChange();
    void waycomboChange();
    void okbtnClick();

  private:
    int chosenDestination() const;
    int chosenRoute() const;

    Windows& windows_;
    int party_ = 0;
    RouteFile routes_;
    std::vector<int> destinations_;
    std::vector<int> ways_;
    QComboBox* destcombo;
    QComboBox* waycombo;
    QLabel* costlabel;
    QLabel* timelabel;
    QPushButton* okbtn;
    QPushButton* cancelbtn;
};

}  // namespace orrowvale
