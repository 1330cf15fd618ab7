#include "app/city/pub.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "app/city/pubpatrons.h"
#include "app/guild/fame.h"
#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/messages.h"
#include "city/pub.h"
#include "world/datafiles.h"

namespace orrowvale {

TPubForm::TPubForm(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("TPubForm"));
    setWindowTitle(QStringLiteral("주점"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    talkButton =
        addButton("Button2", "모험가들과 대화", "주점에 있는 모험가와 이야기하고 길드에 부릅니다.");
    fameButton = addButton("Button3", "명성 조사", "길드의 명성이 어느 만큼인지 듣습니다.");
    rumourButton = addButton("Button4", "소문 듣기", "이 도시에 도는 소문을 듣습니다.");
    leaveButton = addButton("Button1", "나가기", "주점을 나갑니다.");

    connect(leaveButton, &QPushButton::clicked, this, &TPubForm::leaveButtonClick);
    connect(talkButton, &QPushButton::clicked, this, &TPubForm::talkButtonClick);
    connect(fameButton, &QPushButton::clicked, this, &TPubForm::fameButtonClick);
    connect(rumourButton, &QPushButton::clicked, this, &TPubForm::rumourButtonClick);
}

QPushButton* TPubForm::addButton(const char* objectName, const char* caption, const char* tip) {
    QPushButton* button = makeButton(this, objectName, caption, tip);
    button->setAutoDefault(true);
    button->setMinimumSize(200, 32);
    layout()->addWidget(button);
    return button;
}

// The pub's events may give or take gold while the pub stays open.
template <typename Rule>
void TPubForm::play(Rule rule) {
    try {
        rule();
    } catch (const DataError& error) {
        errorBox(activeParent(), error);
    }
    windows_.afterPlayerAction();
}

// The event runs here, once, rather than on every activation: its own boxes
// reactivate the pub when they close.
void TPubForm::showPub() {
    show();
    raise();
    activateWindow();
    talkButton->setFocus();
    play([this] { openPub(windows_.game); });
    exec();
}

void TPubForm::leaveButtonClick() {
    accept();
}

void TPubForm::talkButtonClick() {
    windows_.window<Ttalkwithform>().showList();
    play([this] { closeAdventurerList(windows_.game); });
}

void TPubForm::fameButtonClick() {
    windows_.window<Tfamform>().showFame();
    play([this] { closeFameWindow(windows_.game); });
}

void TPubForm::rumourButtonClick() {
    play([this] { hearRumour(windows_.game); });
}

}  // namespace orrowvale
