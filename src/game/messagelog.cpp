#include "messagelog.h"

#include "world/gamestate.h"

namespace orrowvale {

std::string dateText(const GameState& state) {
    return std::to_string(state.gameYear) + "년 " + std::to_string(state.gameMonth) + "월 " +
           std::to_string(state.gameWeek) + "주 " + std::to_string(state.gameTurn) + "턴";
}

namespace {

void escapeInto(std::string& out, const std::string& field) {
    for (const char c : field) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
}

std::vector<std::string> unescapedFields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\t') {
            fields.emplace_back();
        } else if (c == '\\' && i + 1 < line.size()) {
            const char next = line[++i];
            fields.back() += next == 'n' ? '\n' : next == 't' ? '\t' : next;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

}  // namespace

std::string MessageLog::keptText() const {
    std::string kept;
    for (const LogEntry& entry : entries_) {
        escapeInto(kept, entry.date);
        kept += '\t';
        escapeInto(kept, entry.heading);
        kept += '\t';
        escapeInto(kept, entry.text);
        kept += '\n';
    }
    return kept;
}

MessageLog MessageLog::fromKeptText(const std::string& kept) {
    MessageLog log;
    std::size_t start = 0;
    while (start < kept.size()) {
        std::size_t end = kept.find('\n', start);
        if (end == std::string::npos) end = kept.size();
        std::vector<std::string> fields = unescapedFields(kept.substr(start, end - start));
        if (fields.size() == 3)
            log.add({std::move(fields[0]), std::move(fields[1]), std::move(fields[2])});
        start = end + 1;
    }
    return log;
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
