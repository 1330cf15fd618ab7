#include "parties/turnreport.h"

#include <exception>

#include "game.h"
#include "messagelog.h"

namespace orrowvale {

void TurnReport::add(const std::string& date, const std::string& text) {
    if (turns_.empty() || turns_.back().date != date) turns_.push_back({date, {}});
    turns_.back().lines.push_back(text);
}

std::vector<TurnNews> TurnReport::newestFirst() const {
    return {turns_.rbegin(), turns_.rend()};
}

void tellReport(Game& game, const std::string& text) {
    if (!game.turnReport) {
        game.presenter.inform(text);
        return;
    }
    const std::string date = dateText(game.state);
    game.turnReport->add(date, text);
    game.presenter.reportGathered(date, text);
}

GatheredTurnReport::GatheredTurnReport(Game& game) : game_(game) {
    // A run inside a run (none today) adds to the outer one's report.
    if (game.turnReport || !game.presenter.gathersTurnReports()) return;
    game.turnReport = &report_;
    gathering_ = true;
}

GatheredTurnReport::~GatheredTurnReport() {
    if (!gathering_) return;
    // The failure that ends the run is told after what the turns did before it.
    try {
        show();
    } catch (...) {
        // Nothing may leave a destructor: the failure in flight is the one to tell.
    }
}

void GatheredTurnReport::show() {
    if (!gathering_) return;
    gathering_ = false;
    game_.turnReport = nullptr;
    if (!report_.empty()) game_.presenter.showTurnReport(report_.newestFirst());
}

}  // namespace orrowvale
