#include "transcript.h"

#include <algorithm>

namespace orrowvale {

void TranscriptPresenter::inform(const std::string& text) {
    emit("inform: " + escapeLineBreaks(text));
}

bool TranscriptPresenter::confirm(const std::string& question, DefaultAnswer) {
    emit("confirm: " + escapeLineBreaks(question));
    if (answers_.empty()) return true;
    bool answer = answers_.front();
    answers_.erase(answers_.begin());
    return answer;
}

void TranscriptPresenter::announce(const std::string& text, const std::string& caption,
                                   int scrollEndPosition) {
    lastEndPosition_ = scrollEndPosition;
    emit("announce[" + caption + "]: " + escapeLineBreaks(text));
}

void TranscriptPresenter::talk(const std::string& speaker, const std::string& text) {
    emit("talk[" + speaker + "]: " + escapeLineBreaks(text));
}

void TranscriptPresenter::ending(const std::string& text) {
    ++endings_;
    emit("ending: " + escapeLineBreaks(text));
}

void TranscriptPresenter::showTurnReport(const std::vector<TurnNews>& turns) {
    emit(std::string("report: ") + kTurnReportCaption);
    for (const TurnNews& turn : turns)
        for (const std::string& line : turn.lines)
            emit("report[" + turn.date + "]: " + escapeLineBreaks(line));
}

void TranscriptPresenter::queueAnswers(std::initializer_list<bool> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

void TranscriptPresenter::emit(const std::string& line) {
    if (sink_)
        sink_(line);
    else
        lines_.push_back(line);
}

std::string escapeLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

}  // namespace orrowvale
