#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "guild/partysetup.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace orrowvale {

class NumberedList;
class Windows;

// Party setup: founding parties, their members, leader, name and formation. Works
// on the parties wherever they stand; a party away can only be renamed. Opened with
// exec(), it shows fresh lists and returns when the player has closed it.
class Tpsform : public QDialog {
  public:
    explicit Tpsform(Windows& windows);

    // "캐릭터 정보" shows this adventurer in the adventurer panel; tests put another
    // window in its place.
    std::function<void(int adventurer)> showAdventurerDetail;

    void partyListClick();
    void memberListClick();
    void memberListDoubleClick();
    void formationButtonClick(int position);
    void leaderButtonClick();
    void infoButtonClick();
    void renameButtonClick();
    void foundButtonClick();
    void addMemberButtonClick();
    void removeMemberButtonClick();
    void disbandButtonClick();
    void defenceButtonClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* addButton(const char* objectName, const char* caption, SetupAction action,
                           const char* hint);
    QGroupBox* buildFormationGrid();
    // Refills the party list and chooses `party` again when it is still listed.
    void fillPartyList(std::optional<int> party = std::nullopt);
    void fillMemberList(std::optional<int> slot = std::nullopt);
    void showFormation();
    // The chosen party's leader, by name.
    void showLeader();
    void refreshButtons();
    // The adventurer of the chosen member slot, or nothing.
    std::optional<int> chosenAdventurer() const;
    void showInformation(int adventurer);

    Windows& windows_;
    NumberedList* partyList;
    QLabel* leaderCaption;
    QLabel* leaderLabel;
    QGroupBox* formationBox;
    std::array<QPushButton*, 9> formationButtons{};
    NumberedList* memberList;
    QPushButton* leaderButton;
    QPushButton* infoButton;
    QPushButton* renameButton;
    QPushButton* foundButton;
    QPushButton* addMemberButton;
    QPushButton* removeMemberButton;
    QPushButton* disbandButton;
    QPushButton* closeButton;
    QPushButton* defenceButton;
    // The buttons that need a choice, and what they do.
    struct ActionButton {
        QPushButton* button;
        SetupAction action;
    };
    std::vector<ActionButton> actionButtons_;
};

// Where each grid button stands, for a screen reader.
inline constexpr const char* kFormationPlaces[9] = {"정면 왼쪽", "정면 가운데", "정면 오른쪽",
                                                    "중앙 왼쪽", "중앙 가운데", "중앙 오른쪽",
                                                    "후면 왼쪽", "후면 가운데", "후면 오른쪽"};

}  // namespace orrowvale
