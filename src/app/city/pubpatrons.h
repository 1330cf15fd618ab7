#pragma once

#include <QDialog>
#include <vector>

#include "listrow.h"

class QPushButton;

namespace orrowvale {

class NumberedList;
class Windows;

// The adventurers sitting in the pub. Who is there is rolled as the list opens and
// again after a conversation closes over it, never while it stays in front.
class Ttalkwithform : public QDialog {
  public:
    explicit Ttalkwithform(Windows& windows);

    // Returns when the player closes the list.
    void showList();
    void talkButtonClick();

    // The adventurer on each row.
    std::vector<int> rowAdventurers() const;

  private:
    void showCompany(const ListRows& company);
    void updateTalkButton();

    Windows& windows_;
    NumberedList* adventurerList;
    QPushButton* talkButton;
    QPushButton* closeButton;
};

}  // namespace orrowvale
