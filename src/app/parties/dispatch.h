#pragma once

#include <QDialog>
#include <optional>

#include "parties/dispatch.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace orrowvale {

class ErrandSummaryPanel;
class Windows;

// The dispatch window: a quest, search, war or dungeon for the chosen party, and
// for a search how many turns, for a dungeon how deep, each in a field of its own
// held to what the chosen target allows.
class Tdoadvform : public QDialog {
  public:
    explicit Tdoadvform(Windows& windows);

    // Shows the window for `party` with nothing chosen; returns when it has closed.
    // The depth and turns fields keep what they held last time.
    void prepareAndShow(int party);

    void kindComboChange();
    void targetComboChange();
    void startButtonClick();

  private:
    std::optional<Errand> chosenKind() const;
    // The field the chosen kind uses; none for a quest or a war.
    QSpinBox* numberFieldOfKind() const;
    int fieldValue() const;
    void refreshSummary();
    // The player changed the depth or the turns: the new reward and risk are said.
    void numberFieldChange();

    Windows& windows_;
    int party_ = 0;
    QLabel* partyNameLabel;
    QComboBox* kindCombo;
    QComboBox* targetCombo;
    QSpinBox* depthField;
    QSpinBox* turnsField;
    ErrandSummaryPanel* summaryPanel;
    QPushButton* startButton;
    QPushButton* cancelButton;
    QLabel* summaryNotice;
};

}  // namespace orrowvale
