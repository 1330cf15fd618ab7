#include "Presenter.h"

namespace orrowvale {

void Presenter::showStoryText(const std::vector<std::string>& lines, const std::string& caption,
                              int scrollEndPosition) {
    caption_ = caption;
    scrollEndPosition_ = scrollEndPosition;
    announce(joinLines(lines), caption_, scrollEndPosition_);
}

void Presenter::showScriptAnnouncement(const std::vector<std::string>& lines) {
    // The end position is set as each line is appended, so an empty announcement
    // rolls as far as the one before it did.
    if (!lines.empty()) scrollEndPosition_ = kScriptEndPosition;
    announce(joinLines(lines), caption_, scrollEndPosition_);
}

void Presenter::showEnding(const std::vector<std::string>& lines) {
    caption_ = kEndingCaption;
    scrollEndPosition_ = kEndingEndPosition;
    ending(joinLines(lines));
}

void Presenter::startFreshAnnouncements() {
    caption_ = kScriptCaption;
    scrollEndPosition_ = 0;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

}  // namespace orrowvale
