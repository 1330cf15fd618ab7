#pragma once

#include <QDialog>
#include <optional>

#include "listrow.h"

class QLabel;
class QPushButton;

namespace orrowvale {

class NumberedList;
class Windows;

// The party command list: the parties standing in one city, from which one is
// moved to another city or sent on a mission.
class Tcommandform : public QDialog {
  public:
    explicit Tcommandform(Windows& windows);

    // Lists the parties of `city` (telling the player when there are none) and shows
    // the list, `party` chosen when it is listed; returns when it has closed.
    void openFor(int city, std::optional<int> party = std::nullopt);

    void moveButtonClick();
    void adventureButtonClick();

  private:
    // Each row's standing, and the chosen party's under the list.
    void describeRows();
    void keyboardToPartyIfSent();
    // Shows the rows of the parties; a party still listed stays chosen, one that has
    // left takes the choice with it.
    void fillList(const ListRows& parties);
    // "이동" and "모험" for the chosen party; a disabled button says why.
    void updateButtons();

    Windows& windows_;
    NumberedList* partyList;
    QPushButton* moveButton;
    QPushButton* adventureButton;
    QPushButton* closeButton;
    QLabel* standingLabel;
};

}  // namespace orrowvale
