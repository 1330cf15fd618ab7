#include "app/ui/qtpresenter.h"

#include "app/city/citycommands.h"
#include "app/lifecycle/mapwindow.h"
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
    windows_.window<Tannounceform>().showAnnouncement(qs(text), qs(caption), scrollEndPosition);
}

void QtPresenter::talk(const std::string& speaker, const std::string& text) {
    windows_.window<Ttalkform>().showTalk(qs(speaker), qs(text));
}

// The map window closes once the turn that killed the main character is over.
void QtPresenter::ending(const std::string& text) {
    windows_.window<Tannounceform>().showAnnouncement(qs(text), QString::fromUtf8(kEndingCaption),
                                                      kEndingEndPosition);
}

void QtPresenter::refreshStatus() {
    windows_.window<Tinsform>().refreshStatusPanel();
    windows_.window<TMainForm>().refreshMarks();
}

void QtPresenter::enableGuildButtons() {
    windows_.window<Tcommform>().refreshCommandButtons();
}

}  // namespace orrowvale
