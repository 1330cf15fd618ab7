#include "app/ui/qtpresenter.h"

#include "app/city/citycommands.h"
#include "app/lifecycle/statuspanel.h"
#include "app/lifecycle/windows.h"
#include "app/scripts/announce.h"
#include "app/scripts/dialogue.h"
#include "app/ui/messages.h"
#include "app/ui/text.h"

namespace orrowvale {

void QtPresenter::inform(const std::string& text) {
    informBox(activeParent(), qs(text));
}

bool QtPresenter::confirm(const std::string& question, DefaultAnswer offered) {
    return confirmBox(activeParent(), qs(question), offered == DefaultAnswer::Yes);
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
