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
// for a search or a dungeon how many turns or how deep.
class Tdoadvform : public QDialog {
  public:
    explicit Tdoadvform(Windows& windows);

    // Shows the window for `party` with nothing chosen; returns when it has closed.
    // The number field keeps what it held last time.
    void prepareAndShow(int party);

    void kindComboChange();
    void startButtonClick();

  private:
    std::optional<Errand> chosenKind() const;
    void refreshSummary();

    Windows& windows_;
    int party_ = 0;
    QLabel* partyNameLabel;
    QComboBox* kindCombo;
    QComboBox* targetCombo;
    QSpinBox* numberField;
    QLabel* numberFieldLabel;
    ErrandSummaryPanel* summaryPanel;
    QPushButton* startButton;
    QPushButton* cancelButton;
};

}  // namespace orrowvale
