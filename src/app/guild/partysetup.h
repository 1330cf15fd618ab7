#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "guild/partysetup.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace orrowvale {

class Windows;

// Party setup: founding parties, their members, leader, name and formation. Works
// on the parties wherever they stand; a party away can only be renamed.
class Tpsform : public QDialog {
  public:
    explicit Tpsform(Windows& windows);

    // Shows the window with fresh lists; returns when the player has closed it.
    void showModal();

    // "캐릭터 정보" shows this adventurer in the adventurer panel; tests put another
    // window in its place.
    std::function<void(int adventurer)> showAdventurerDetail;

    void partylistClick();
    void memberlistClick();
    void memberlistDblClick();
    void locClick(int position);
    void makeleaderClick();
    void Button2Click();
    void namepartyClick();
    void Button3Click();
    void addbtnClick();
    void removebtnClick();
    void desbtnClick();
    void Button5Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* addButton(const char* name, const char* caption, SetupAction action,
                           const char* hint = "");
    QGroupBox* buildFormationGrid();
    // Refills the party list and chooses `party` again when it is still listed.
    void fillPartyList(int party = 0);
    void fillMemberList(int slot = 0);
    void showFormation();
    void refreshButtons();
    int selectedParty() const;
    int selectedSlot() const;
    int selectedAdventurer() const;
    void showInformation(int adventurer);

    Windows& windows_;
    QListWidget* partylist;
    QLabel* Label1;
    QLabel* leaderlabel;
    QGroupBox* GroupBox1;
    std::array<QPushButton*, 9> loc{};
    QListWidget* memberlist;
    QPushButton* makeleader;
    QPushButton* Button2;
    QPushButton* nameparty;
    QPushButton* Button3;
    QPushButton* addbtn;
    QPushButton* removebtn;
    QPushButton* desbtn;
    QPushButton* Button4;
    QPushButton* Button5;
    std::vector<int> partyRowMap_;
    std::vector<int> memberRowMap_;
    // The buttons that need a choice, what they do and their hint when enabled.
    struct ActionButton {
        QPushButton* button;
        SetupAction action;
        QString hint;
    };
    std::vector<ActionButton> actionButtons_;
};

// Where each grid button stands, for a screen reader.
inline constexpr const char* kFormationPlaces[9] = {"정면 왼쪽", "정면 가운데", "정면 오른쪽",
                                                    "중앙 왼쪽", "중앙 가운데", "중앙 오른쪽",
                                                    "후면 왼쪽", "후면 가운데", "후면 오른쪽"};

}  // namespace orrowvale
