#pragma once

#include <functional>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "Presenter.h"

namespace orrowvale {

// A presenter without windows: every thing the player would see becomes one line,
// "inform: TEXT", "confirm: TEXT", "announce[CAPTION]: TEXT", "talk[SPEAKER]: TEXT"
// or "ending: TEXT", with line breaks inside a text written as "\n". The turn report
// is "report: 이번 턴의 소식" followed by one "report[DATE]: TEXT" for each of its
// lines, newest turn first. Questions are answered from a queue of answers, Yes when
// it is empty.
class TranscriptPresenter : public Presenter {
  public:
    using Sink = std::function<void(const std::string& line)>;

    // Lines go to `sink`; without one they are kept in `lines()`.
    explicit TranscriptPresenter(Sink sink = {}) : sink_(std::move(sink)) {}

    void inform(const std::string& text) override;
    // The box's default answer is not printed: a script answers every question.
    bool confirm(const std::string& question, DefaultAnswer offered) override;
    void announce(const std::string& text, const std::string& caption,
                  int scrollEndPosition) override;
    void talk(const std::string& speaker, const std::string& text) override;
    void ending(const std::string& text) override;
    void refreshStatus() override { ++refreshes_; }
    void enableGuildButtons() override { ++guildButtonEnables_; }
    bool keepPlayingTurns(int turnsPlayed) override { return turnsPlayed < stopTurnsAfter_; }
    bool gathersTurnReports() const override { return gathersTurnReports_; }
    void showTurnReport(const std::vector<TurnNews>& turns) override;

    // The player keeps one box per report (false) or has them gathered (true, the
    // default).
    void gatherTurnReports(bool gather) { gathersTurnReports_ = gather; }

    // The player stops the next run of turns once `turns` of it were played.
    void stopTurnsAfter(int turns) { stopTurnsAfter_ = turns; }
    void queueAnswers(std::initializer_list<bool> answers);
    const std::vector<std::string>& lines() const { return lines_; }
    void clear() { lines_.clear(); }
    int refreshes() const { return refreshes_; }
    int guildButtonEnables() const { return guildButtonEnables_; }
    int endings() const { return endings_; }
    int lastScrollEndPosition() const { return lastEndPosition_; }

  private:
    void emit(const std::string& line);

    Sink sink_;
    std::vector<std::string> lines_;
    std::vector<bool> answers_;
    int refreshes_ = 0;
    int guildButtonEnables_ = 0;
    int endings_ = 0;
    int lastEndPosition_ = 0;
    int stopTurnsAfter_ = std::numeric_limits<int>::max();
    bool gathersTurnReports_ = true;
};

// A text with its line breaks written as "\n", for one transcript line.
std::string escapeLineBreaks(const std::string& text);

}  // namespace orrowvale
