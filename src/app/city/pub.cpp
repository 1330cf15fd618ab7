#include "app/city/pub.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "app/city/pubpatrons.h"
#include "app/guild/fame.h"
#include "app/lifecycle/windows.h"
#include "app/ui/messages.h"
#include "city/pub.h"
#include "world/datafiles.h"

namespace orrowvale {

TPubForm::TPubForm(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("TPubForm"));
    setWindowTitle(QStringLiteral("Pub"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Button2 = addButton("Button2", "모험가들과 대화");
    Button3 = addButton("Button3", "명성 조사");
    Button4 = addButton("Button4", "소문 듣기");
    Button1 = addButton("Button1", "나가기");

    connect(Button1, &QPushButton::clicked, this, &TPubForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TPubForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TPubForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TPubForm::Button4Click);
}

QPushButton* TPubForm::addButton(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromUtf8(name));
    button->setMinimumSize(200, 32);
    layout()->addWidget(button);
    return button;
}

template <typename Rule>
void TPubForm::play(Rule rule) {
    try {
        rule();
    } catch (const DataError& error) {
        errorBox(activeParent(), error);
    }
}

// The event runs here, once, rather than on every activation: its own boxes
// reactivate the pub when they close.
void TPubForm::showPub() {
    show();
    raise();
    activateWindow();
    Button2->setFocus();
    play([this] { openPub(windows_.game); });
    exec();
}

void TPubForm::Button1Click() {
    accept();
}

void TPubForm::Button2Click() {
    windows_.talkwithform->showList();
    play([this] { returnToPub(windows_.game); });
}

void TPubForm::Button3Click() {
    windows_.famform->showFame();
    play([this] { returnToPub(windows_.game); });
}

void TPubForm::Button4Click() {
    play([this] { hearRumour(windows_.game); });
}

}  // namespace orrowvale
