#pragma once

#include <string>
#include <vector>

#include "Presenter.h"

namespace orrowvale {

struct Game;

// The reports of the turns one press of "완료" plays, gathered as they come, each
// under the date of its turn.
class TurnReport {
  public:
    void add(const std::string& date, const std::string& text);
    bool empty() const { return turns_.empty(); }
    // The turns as the report shows them: newest first, each turn's lines in the
    // order the turn reached them.
    std::vector<TurnNews> newestFirst() const;

  private:
    std::vector<TurnNews> turns_;  // oldest first
};

// Tells the player a report of the turn advance that need not stop them: into the
// turn report being gathered, or else at once in its own information box.
void tellReport(Game& game, const std::string& text);

// Gathers the reports of a run of turns while it lives, when the player has them
// gathered (Presenter::gathersTurnReports). A report gathered and not yet shown is
// shown by show(), or by the destructor when the run ended in a failure, so that
// what the turns did is never lost.
class GatheredTurnReport {
  public:
    explicit GatheredTurnReport(Game& game);
    ~GatheredTurnReport();
    GatheredTurnReport(const GatheredTurnReport&) = delete;
    GatheredTurnReport& operator=(const GatheredTurnReport&) = delete;

    // Stops gathering and shows the turn report, once, when it holds any line.
    void show();

  private:
    Game& game_;
    TurnReport report_;
    bool gathering_ = false;
};

}  // namespace orrowvale
