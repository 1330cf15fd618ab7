#include "ui/qtpresenter.h"

#include "lifecycle/inspector.h"
#include "lifecycle/windows.h"
#include "scripts/announce.h"
#include "scripts/comm.h"
#include "scripts/talk.h"
#include "ui/messages.h"
#include "ui/text.h"

namespace orrowvale {

void QtPresenter::inform(const std::string& text) {
    informBox(activeParent(), qs(text));
}

bool QtPresenter::confirm(const std::string& question) {
    return confirmBox(activeParent(), qs(question));
}

void QtPresenter::announce(const std::string& text, const std::string& caption,
                           int scrollEndPosition) {
    windows_.announceform->showAnnouncement(qs(text), qs(caption), scrollEndPosition);
}

void QtPresenter::talk(const std::string& speaker, const std::string& text) {
    windows_.talkform->showTalk(qs(speaker), qs(text));
}

// The map window closes once the turn that killed the main character is over.
void QtPresenter::ending(const std::string& text) {
    windows_.announceform->showAnnouncement(qs(text), QString::fromUtf8(kEndingCaption),
                                            kEndingEndPosition);
}

void QtPresenter::refreshStatus() {
    windows_.insform->refreshStatusPanel();
}

void QtPresenter::enableGuildButtons() {
    windows_.commform->refreshCommandButtons();
}

}  // namespace orrowvale
