#pragma once

#include <QDialog>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace orrowvale {

class Windows;

// The trading post of the city where the main character stands: transport and
// escort contracts for a party at home there.
class Ttradecform : public QDialog {
  public:
    explicit Ttradecform(Windows& windows);

    // Shows the contracts on offer now; returns when the player has left.
    void showModal();

    void clistClick();
    void cacceptClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void refreshAcceptButton();
    int selectedSlot() const;

    Windows& windows_;
    QListWidget* clist;
    QLabel* cfeelabel;
    QPushButton* caccept;
    QPushButton* Button3;
    std::vector<int> rowMap_;
};

}  // namespace orrowvale
