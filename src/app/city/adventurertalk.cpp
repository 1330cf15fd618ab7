#include "app/city/adventurertalk.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/lifecycle/windows.h"
#include "app/ui/text.h"
#include "city/adventurertalk.h"

namespace orrowvale {

Tttadvenform::Tttadvenform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tttadvenform"));
    setWindowTitle(QStringLiteral("모험가와 대화"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    adsaid = new QPlainTextEdit(this);
    adsaid->setObjectName(QStringLiteral("adsaid"));
    adsaid->setAccessibleName(QStringLiteral("모험가의 말"));
    adsaid->setReadOnly(true);
    adsaid->setFixedSize(340, 90);
    layout->addWidget(adsaid);

    yourjob = addButton("yourjob", "어떤 종류의 모험가이십니까?");
    joinus = addButton("joinus", "저희 길드에 들어오시겠습니까?");
    buydrink = addButton("buydrink", "술을 산다");
    goodbyebtn = addButton("goodbyebtn", "안녕히 계십시오.");

    connect(yourjob, &QPushButton::clicked, this, &Tttadvenform::yourjobClick);
    connect(joinus, &QPushButton::clicked, this, &Tttadvenform::joinusClick);
    connect(buydrink, &QPushButton::clicked, this, &Tttadvenform::buydrinkClick);
    connect(goodbyebtn, &QPushButton::clicked, this, &QDialog::accept);
}

QPushButton* Tttadvenform::addButton(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromUtf8(name));
    button->setMinimumHeight(28);
    layout()->addWidget(button);
    return button;
}

void Tttadvenform::showConversation(int number) {
    talkTarget_ = number;
    adsaid->setPlainText(qs(greetingText(windows_.state->adventurers.at(number))));
    updateJoinButton();
    yourjob->setFocus();
    exec();
}

void Tttadvenform::updateJoinButton() {
    const std::optional<std::string> refusal = joinRefusal(*windows_.state, talkTarget_);
    joinus->setEnabled(!refusal);
    joinus->setToolTip(refusal ? qs(*refusal) : QString());
}

void Tttadvenform::yourjobClick() {
    adsaid->setPlainText(qs(classAnswer(windows_.state->adventurers.at(talkTarget_))));
}

void Tttadvenform::joinusClick() {
    if (askToJoin(*windows_.state, talkTarget_) == JoinOutcome::Declined)
        adsaid->setPlainText(QString::fromUtf8(kJoinDeclined));
    updateJoinButton();
    // The button has just gone grey under the keyboard.
    if (!joinus->isEnabled()) goodbyebtn->setFocus();
}

void Tttadvenform::buydrinkClick() {
    adsaid->setPlainText(qs(buyDrink(windows_.game, talkTarget_)));
}

}  // namespace orrowvale
