#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class QListWidget;
class QPushButton;

namespace orrowvale {

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

    void Button2Click();
    void partyconClick();
    void Button4Click();
    void Button5Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void updateButtons();

    Windows& windows_;
    QListWidget* guildadvlist;
    QListWidget* taskpartylist;
    QPushButton* Button2;
    QPushButton* partycon;
    QPushButton* Button4;
    QPushButton* Button5;
    QPushButton* Button3;
    std::vector<int> memberRows_;
    std::vector<int> partyRows_;
};

}  // namespace orrowvale
