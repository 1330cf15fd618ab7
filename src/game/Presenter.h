#pragma once

#include <string>
#include <vector>

namespace orrowvale {

// The caption of a script announcement until a story text or the ending sets another.
inline constexpr const char* kScriptCaption = "시나리오";

// The caption of the box that shows the turn report.
inline constexpr const char* kTurnReportCaption = "이번 턴의 소식";

// What one turn brought that need not stop the player: the game's date of the turn
// and its reports (a party arrived, monsters were beaten, a mission ended, gold came
// home), in the order the turn reached them.
struct TurnNews {
    std::string date;
    std::vector<std::string> lines;

    bool operator==(const TurnNews&) const = default;
};

// The answer a question's box offers first, which Enter gives.
enum class DefaultAnswer { Yes, No };

// Everything a rule shows the player and waits for. The desktop program answers
// with modal windows, tests and the simulator with a transcript. Every call returns
// only when the player is done with what it shows.
class Presenter {
  public:
    virtual ~Presenter() = default;

    // An information box with one OK button.
    virtual void inform(const std::string& text) = 0;
    // A question with Yes and No; true for Yes. A question whose Yes loses something
    // (a save written over) offers No first.
    virtual bool confirm(const std::string& question,
                         DefaultAnswer offered = DefaultAnswer::Yes) = 0;
    // The scrolling announcement window: `text` (lines joined by "\n") rolls up
    // under `caption` until its top reaches `scrollEndPosition`.
    virtual void announce(const std::string& text, const std::string& caption,
                          int scrollEndPosition) = 0;
    // The dialogue window: one speaker's lines, closed with "다음".
    virtual void talk(const std::string& speaker, const std::string& text) = 0;
    // The ending after the main character's death, captioned "엔딩" and rolling to
    // -500, then the map window closes and the title window returns.
    virtual void ending(const std::string& text) = 0;
    // Money, place and date in the status panel.
    virtual void refreshStatus() = 0;
    // Enables the command window's guild and contact buttons.
    virtual void enableGuildButtons() = 0;
    // Between two turns of a run that one press of "완료" plays, after
    // `turnsPlayed` of them: false once the player asked to stop the run, which
    // then ends after the turn just played.
    virtual bool keepPlayingTurns(int turnsPlayed) = 0;

    // Whether the reports of the turns one press of "완료" plays are gathered into
    // one turn report (showTurnReport); otherwise each is its own information box,
    // shown as the turn reaches it. Asked once at each press. A death, a wiped-out
    // party, a story box and a question stop the player on their own either way.
    virtual bool gathersTurnReports() const = 0;
    // A report has just been gathered for the turn report, dated by its turn; it is
    // shown later, with showTurnReport. Nothing is shown here.
    virtual void reportGathered(const std::string& /*date*/, const std::string& /*text*/) {}
    // The turn report: what the turns of one press of "완료" brought, newest turn
    // first, read and closed once. Never called without a line to show.
    virtual void showTurnReport(const std::vector<TurnNews>& turns) = 0;

    // The announcement window keeps its caption and end position between uses: a
    // script announcement keeps both from whatever was shown last.
    void showStoryText(const std::vector<std::string>& lines, const std::string& caption,
                       int scrollEndPosition);
    void showScriptAnnouncement(const std::vector<std::string>& lines);
    void showEnding(const std::vector<std::string>& lines);
    // A new or loaded game announces as a fresh one does, whatever the last game
    // (its ending included) left in the announcement window.
    void startFreshAnnouncements();

  private:
    std::string caption_ = kScriptCaption;
    int scrollEndPosition_ = 0;
};

// The lines of a story text as one text, joined by "\n".
std::string joinLines(const std::vector<std::string>& lines);

inline constexpr const char* kPrologueCaption = "프롤로그";
inline constexpr const char* kEndingCaption = "엔딩";
inline constexpr int kPrologueEndPosition = -350;
inline constexpr int kEndingEndPosition = -500;
inline constexpr int kScriptEndPosition = 50;

}  // namespace orrowvale
