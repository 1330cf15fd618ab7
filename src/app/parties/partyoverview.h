#pragma once

#include <QDialog>

class QPushButton;

namespace orrowvale {

class NumberedList;
class Windows;

// "파티 현황": every party of the guild, where it is and what it is doing. Opened
// from the guild window and with Ctrl+P on the map; Enter or a double click on a
// party standing in a city opens that city's command list with the party chosen.
class Tpartyoverviewform : public QDialog {
  public:
    explicit Tpartyoverviewform(Windows& windows);

    void commandsButtonClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillList();
    // "명령" for the chosen party; disabled, it says why.
    void updateButtons();

    Windows& windows_;
    NumberedList* partyList;
    QPushButton* commandsButton;
    QPushButton* closeButton;
};

}  // namespace orrowvale
