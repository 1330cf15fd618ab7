#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace orrowvale {

class NumberedList;
class Windows;

// The trading post of the city where the main character stands: transport and
// escort contracts for a party at home there. Opened with exec(), it returns when
// the player has left.
class Ttradecform : public QDialog {
  public:
    explicit Ttradecform(Windows& windows);

    void contractListClick();
    void takeButtonClick();

  protected:
    // Shows the contracts on offer now.
    void showEvent(QShowEvent* event) override;

  private:
    void fillContracts();
    void refreshTakeButton();
    void showContractOutline(int slot);

    Windows& windows_;
    NumberedList* contractList;
    QLabel* rewardLabel;
    QLabel* contractWhereLabel;
    QLabel* contractTurnsLabel;
    QLabel* contractRiskLabel;
    QPushButton* takeButton;
    QPushButton* leaveButton;
};

}  // namespace orrowvale
