#pragma once

#include <QDialog>
#include <optional>

#include "guild/chooser.h"

class QPushButton;

namespace orrowvale {

class NumberedList;

// The chooser: a list of adventurers or parties to pick one from. Enter or a double
// click on a row is "확인"; Escape and the close box are "취소".
class Tadvlists : public QDialog {
  public:
    // It reads nothing of the game itself: the rule that asks brings the rows.
    Tadvlists();

    // Shows the rows and returns the chosen number: nothing when the player
    // cancelled or closed the chooser.
    std::optional<int> choose(const ListRows& rows);
    // The chooser as the game's rules ask for it.
    Chooser chooser() {
        return [this](const ListRows& rows) { return choose(rows); };
    }

    void okButtonClick();

  private:
    void refreshOkButton();

    NumberedList* rowList;
    QPushButton* okButton;
    QPushButton* cancelButton;
    std::optional<int> chosenNumber_;
};

inline constexpr const char* kChooseRowFirst = "목록에서 먼저 고르십시오.";

}  // namespace orrowvale
