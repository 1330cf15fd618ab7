#pragma once

#include <QDialog>
#include <vector>

#include "guild/adventurerpanel.h"

class QGridLayout;
class QLabel;
class QPushButton;

namespace orrowvale {

class Windows;

// A read-only detail panel: labels written on each showing and a "닫기" button.
// It is modeless and stays open, with what was last written, until closed.
class TDetailPanel : public QDialog {
  public:
    TDetailPanel(const char* name, const char* caption);

    void closeButtonClick();

  protected:
    // A label with its design caption, the next row of the panel.
    QLabel* addLabel(const char* name, const char* caption);
    // Writes every line into its label and shows the panel above the windows.
    void present(const std::vector<PanelLine>& lines);

  private:
    QGridLayout* grid_;
    QPushButton* closeButton;
    int nextLabelRow_ = 0;
};

// The adventurer panel, "캐릭터 능력".
class Tadvdtform : public TDetailPanel {
  public:
    explicit Tadvdtform(Windows& windows);

    // Fills the panel from the adventurer's current fields and shows it.
    void showAdventurerPanel(int adventurer);

  private:
    Windows& windows_;
};

}  // namespace orrowvale
