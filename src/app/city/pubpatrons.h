#pragma once

#include <QDialog>
#include <vector>

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
    const std::vector<int>& rowAdventurers() const { return rows_; }

  private:
    void rollList();
    void updateTalkButton();

    Windows& windows_;
    QListWidget* adlist;
    QPushButton* Button2;
    QPushButton* Button3;
    std::vector<int> rows_;
};

}  // namespace orrowvale
