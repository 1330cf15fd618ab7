#pragma once

#include <string>
#include <vector>

#include "Presenter.h"

namespace orrowvale {

struct GameState;

// One thing the game said to the player: when, under what heading (kInformHeading,
// kReportHeading, kQuestionHeading, an announcement's caption, a speaker's name) and
// what.
struct LogEntry {
    std::string date;
    std::string heading;
    std::string text;

    bool operator==(const LogEntry&) const = default;
};

inline constexpr const char* kInformHeading = "알림";
inline constexpr const char* kQuestionHeading = "질문";
inline constexpr const char* kErrorHeading = "오류";
// A line of the turn report, kept under the date of its turn as it happens.
inline constexpr const char* kReportHeading = "소식";
inline constexpr const char* kAnsweredYes = "(예)";
inline constexpr const char* kAnsweredNo = "(아니요)";

// The game's date as the player reads it: "200년 4월 1주 1턴".
std::string dateText(const GameState& state);

// Everything said to the player in the game in play, oldest first, so that an
// announcement that scrolled away or a box closed too soon can be read again. It is
// not saved in a slot: a new or loaded game starts it empty, but the windows keep it
// beside the autosave after each turn, and "이어하기" takes it back.
class MessageLog {
  public:
    void add(LogEntry entry) { entries_.push_back(std::move(entry)); }
    void clear() { entries_.clear(); }
    // Adds a line to the text of entry `index` (0 is the oldest); nothing when the
    // log holds no such entry.
    void appendLine(std::size_t index, const std::string& line) {
        if (index < entries_.size()) entries_[index].text += "\n" + line;
    }
    const std::vector<LogEntry>& entries() const { return entries_; }

    // The entries whose heading or text holds `word` (all of them for an empty
    // word), oldest first, as one text: "[DATE] HEADING" above each entry's text,
    // entries apart by an empty line.
    std::string text(const std::string& word = {}) const;

    // The whole log as it is kept beside the autosave, one entry a line (date, heading
    // and text apart by tabs; a line break, tab or backslash in them escaped), and
    // back. A line that is not an entry is passed over: a damaged file loses only it.
    std::string keptText() const;
    static MessageLog fromKeptText(const std::string& kept);

  private:
    std::vector<LogEntry> entries_;
};

// A presenter that writes everything it is asked to show into a log, dated by the
// game in play, and then has `shown` show it. The game speaks through this one, so
// nothing said is missing from the log.
class RecordingPresenter : public Presenter {
  public:
    // `state` is read at each call: a new or loaded game is moved into the same one.
    RecordingPresenter(Presenter& shown, const GameState& state) : shown_(shown), state_(state) {}

    void inform(const std::string& text) override;
    bool confirm(const std::string& question, DefaultAnswer offered) override;
    void announce(const std::string& text, const std::string& caption,
                  int scrollEndPosition) override;
    void talk(const std::string& speaker, const std::string& text) override;
    void ending(const std::string& text) override;
    void refreshStatus() override { shown_.refreshStatus(); }
    void enableGuildButtons() override { shown_.enableGuildButtons(); }
    bool keepPlayingTurns(int turnsPlayed) override { return shown_.keepPlayingTurns(turnsPlayed); }
    bool gathersTurnReports() const override { return shown_.gathersTurnReports(); }
    // Each report goes into the log when it happens, so that the log keeps the order
    // of the turns; the report that shows them later adds nothing to it.
    void reportGathered(const std::string& date, const std::string& text) override;
    void showTurnReport(const std::vector<TurnNews>& turns) override {
        shown_.showTurnReport(turns);
    }

    MessageLog log;

  private:
    void record(const std::string& heading, const std::string& text);

    Presenter& shown_;
    const GameState& state_;
};

}  // namespace orrowvale
