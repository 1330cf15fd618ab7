#pragma once

#include <QDialog>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace orrowvale {

class Windows;

// The equipment window: items move between guild storage and the parties standing
// in the current city, one item a party.
class Tequipform : public QDialog {
  public:
    explicit Tequipform(Windows& windows);

    void Button1Click();
    void Button2Click();
    void Button4Click();
    void pitemlaClick();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fillItems();
    // The item label and "해제", for the chosen party.
    void showPartyItem();
    int selectedParty() const;
    int selectedSlot() const;

    Windows& windows_;
    QListWidget* partylist;
    QLabel* pitemla;
    QListWidget* itemlist;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button4;
    QPushButton* Button3;
    std::vector<int> partyRows_;
    std::vector<int> itemRows_;
};

}  // namespace orrowvale
