#pragma once

#include <QDialog>
#include <functional>

class QPushButton;

namespace orrowvale {

class NumberedList;
class Windows;

// The guild window: the guild members standing in the current city and every
// party, with the way to party setup and to the two detail panels.
class Tguildform : public QDialog {
  public:
    explicit Tguildform(Windows& windows);

    // Opens party setup and returns when it has closed; tests put another window in
    // its place.
    std::function<void()> openPartySetup;

    // Refills both lists from the game; a member or party that stays listed stays
    // selected.
    void fillLists();

    void refreshButtonClick();
    void partySetupButtonClick();
    // "파티 현황": every party, wherever it is.
    void overviewButtonClick();
    void memberInfoButtonClick();
    void partyInfoButtonClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void updateButtons();

    Windows& windows_;
    NumberedList* memberList;
    NumberedList* partyList;
    QPushButton* refreshButton;
    QPushButton* partySetupButton;
    QPushButton* overviewButton;
    QPushButton* memberInfoButton;
    QPushButton* partyInfoButton;
    QPushButton* closeButton;
};

}  // namespace orrowvale
