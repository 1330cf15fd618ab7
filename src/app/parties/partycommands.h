#pragma once

#include <QDialog>
#include <vector>

class QListWidget;
class QPushButton;

namespace orrowvale {

class Windows;

// The party command list: the parties standing in one city, from which one is
// moved to another city or sent on a mission.
class Tcommandform : public QDialog {
  public:
    explicit Tcommandform(Windows& windows);

    // Lists the parties of `city` (telling the player when there are none) and shows
    // the list; returns when it has closed.
    void openFor(int city);

    void partylistClick();
    void movebtnClick();
    void advbtnClick();

  private:
    void fillList(const std::vector<int>& parties);
    // The party on the chosen row, 0 when no row is chosen.
    int chosenParty() const;
    // "이동" and "모험" for the chosen party; a disabled button says why.
    void setButtons();

    Windows& windows_;
    std::vector<int> rows_;
    QListWidget* partylist;
    QPushButton* movebtn;
    QPushButton* advbtn;
    QPushButton* closebtn;
};

}  // namespace orrowvale
