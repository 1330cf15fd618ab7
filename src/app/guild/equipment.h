#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace orrowvale {

class NumberedList;
class Windows;

// The equipment window: items move between guild storage and the parties standing
// in the current city, one item a party.
class Tequipform : public QDialog {
  public:
    explicit Tequipform(Windows& windows);

    void equipButtonClick();
    void takeOffButtonClick();
    void discardButtonClick();
    void itemLabelClick();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void describeCarriedItems();
    void fillItems();
    // The item label and "해제", for the chosen party.
    void showPartyItem();

    Windows& windows_;
    NumberedList* partyList;
    QLabel* itemLabel;
    NumberedList* itemList;
    QPushButton* equipButton;
    QPushButton* takeOffButton;
    QPushButton* discardButton;
    QPushButton* closeButton;
};

}  // namespace orrowvale
