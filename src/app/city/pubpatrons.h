#pragma once

#include <QDialog>
#include <vector>

#include "listrow.h"

class QListWidget;
class QPushButton;

namespace orrowvale {

class Windows;

// The adventurers sitting in the pub. Who is there is rolled as the list opens and
// again after a conversation closes over it, never while it stays in front.
class Ttalkwithform : public QDialog {
  public:
    explicit Ttalkwithform(Windows& windows);

    // Returns when the player closes the list.
    void showList();
    void Button2Click();

    // The adventurer on each row.
    std::vector<int> rowAdventurers() const;

  private:
    void showCompany(const ListRows& company);
    void updateTalkButton();

    Windows& windows_;
    QListWidget* adlist;
    QPushButton* Button2;
    QPushButton* Button3;
    ListRows rows_;
};

}  // namespace orrowvale
