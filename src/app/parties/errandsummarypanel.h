#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "parties/dispatch.h"

class QLabel;

namespace orrowvale {

struct Game;

// The lines under the dispatch window's targets: where, how long, what it pays and
// costs, the risk and the chance of success of the chosen target for the party, or
// why a kind lists nothing here.
class ErrandSummaryPanel : public QWidget {
  public:
    explicit ErrandSummaryPanel(QWidget* parent);

    // Empty lines while no kind or no target is chosen.
    void showFor(Game& game, int party, std::optional<Errand> kind, std::optional<int> target,
                 int numberField);
    // Every line shown, joined, for the fields a screen reader is on when they change.
    QString spoken() const;
    // The lines that follow the depth or the turns (how long, what it pays and costs,
    // the risk, the chance), joined: what a screen reader says as that field changes.
    QString spokenForNumber() const;

  private:
    QLabel* noTargetLabel;
    QLabel* whereLabel;
    QLabel* lengthLabel;
    QLabel* rewardLabel;
    QLabel* costLabel;
    QLabel* riskLabel;
    QLabel* successLabel;
    // Every line, in the order shown.
    std::vector<QLabel*> lines() const;
};

}  // namespace orrowvale
