#pragma once

#include <QDialog>
#include <vector>

#include "guild/chooser.h"

class QListWidget;
class QPushButton;

namespace orrowvale {

class Windows;

// The chooser: a list of adventurers or parties to pick one from. Enter or a double
// click on a row is "확인"; Escape and the close box are "취소".
class Tadvlists : public QDialog {
  public:
    explicit Tadvlists(Windows& windows);

    // Guild members (memberState 1) or others standing in `city`; with freeOnly,
    // only those in no party. The chosen adventurer, or -1.
    int chooseAdventurer(int city, int memberState, bool freeOnly);
    // The parties at home in `city`. The chosen party, or -1.
    int chooseParty(int city, int row);
    // Shows the rows and returns the chosen number, or -1.
    int choose(const ListRows& rows);
    // The chooser as the game's rules ask for it: nothing when nothing was chosen.
    Chooser chooser() {
        return [this](const ListRows& rows) -> std::optional<int> {
            const int chosen = choose(rows);
            if (chosen == -1) return std::nullopt;
            return chosen;
        };
    }

    void ok_btnClick();

  private:
    void refreshOkButton();

    Windows& windows_;
    QListWidget* advlistbox;
    QPushButton* ok_btn;
    QPushButton* cancel_btn;
    std::vector<int> rowMap_;
    int result_ = -1;
};

inline constexpr const char* kChooseRowFirst = "목록에서 먼저 고르십시오.";

}  // namespace orrowvale
