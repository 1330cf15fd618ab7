#include "messagelog.h"

#include "world/gamestate.h"

namespace orrowvale {

std::string dateText(const GameState& state) {
    return std::to_string(state.gameYear) + "년 " + std::to_string(state.gameMonth) + "월 " +
           std::to_string(state.gameWeek) + "주 " + std::to_string(state.gameTurn) + "턴";
}

std::string MessageLog::text(const std::string& word) const {
    std::string shown;
    for (const LogEntry& entry : entries_) {
        const bool holds = word.empty() || entry.heading.find(word) != std::string::npos ||
                           entry.text.find(word) != std::string::npos;
        if (!holds) continue;
        if (!shown.empty()) shown += "\n\n";
        shown += "[" + entry.date + "] " + entry.heading + "\n" + entry.text;
    }
    return shown;
}

void RecordingPresenter::record(const std::string& heading, const std::string& text) {
    log.add({dateText(state_), heading, text});
}

void RecordingPresenter::reportGathered(const std::string& date, const std::string& text) {
    log.add({date, kReportHeading, text});
    shown_.reportGathered(date, text);
}

void RecordingPresenter::inform(const std::string& text) {
    record(kInformHeading, text);
    shown_.inform(text);
}

// The question goes in before it is shown, so that what it leads to follows it; its
// answer is added once given.
bool RecordingPresenter::confirm(const std::string& question, DefaultAnswer offered) {
    record(kQuestionHeading, question);
    const std::size_t asked = log.entries().size() - 1;
    const bool yes = shown_.confirm(question, offered);
    log.appendLine(asked, yes ? kAnsweredYes : kAnsweredNo);
    return yes;
}

void RecordingPresenter::announce(const std::string& text, const std::string& caption,
                                  int scrollEndPosition) {
    record(caption, text);
    shown_.announce(text, caption, scrollEndPosition);
}

void RecordingPresenter::talk(const std::string& speaker, const std::string& text) {
    record(speaker, text);
    shown_.talk(speaker, text);
}

void RecordingPresenter::ending(const std::string& text) {
    record(kEndingCaption, text);
    shown_.ending(text);
}

}  // namespace orrowvale
