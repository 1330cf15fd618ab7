#pragma once

#include <QDialog>
#include <optional>

#include "guild/chooser.h"

class QLabel;
class QPushButton;

namespace orrowvale {

class NumberedList;

// The chooser: a list of adventurers or parties to pick one from. Enter or a double
// click on a row is "확인"; Escape and the close box are "취소".
class Tadvlists : public QDialog {
  public:
    // It reads nothing of the game itself: the rule that asks brings the rows.
    Tadvlists();

    // Shows the rows under `prompt`, which says what is being chosen, and returns
    // the chosen number: nothing when the player cancelled or closed the chooser.
    std::optional<int> choose(const ListRows& rows, const QString& prompt = QString());
    // The chooser as the game's rules ask for it, saying what it is for.
    Chooser chooser(const char* prompt) {
        return [this, prompt](const ListRows& rows) {
            return choose(rows, QString::fromUtf8(prompt));
        };
    }

    void okButtonClick();

  private:
    void refreshOkButton();

    QLabel* promptLabel;
    NumberedList* rowList;
    QPushButton* okButton;
    QPushButton* cancelButton;
    std::optional<int> chosenNumber_;
};

inline constexpr const char* kChooseRowFirst = "목록에서 먼저 고르십시오.";
// What the chooser says above its rows when its caller names nothing.
inline constexpr const char* kChoosePrompt = "선택하십시오.";
// What the callers ask the player to choose (a new leader is asked in the game's
// own words).
inline constexpr const char* kChooseNewMember = "파티에 넣을 모험가를 선택하십시오.";
inline constexpr const char* kChooseCarrier = "업무를 맡을 파티를 선택하십시오.";

}  // namespace orrowvale
