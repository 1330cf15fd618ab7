#include "app/city/adventurertalk.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/text.h"
#include "city/adventurertalk.h"

namespace orrowvale {

Tttadvenform::Tttadvenform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tttadvenform"));
    setWindowTitle(QStringLiteral("모험가와 대화"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    answerText = new QPlainTextEdit(this);
    answerText->setObjectName(QStringLiteral("adsaid"));
    answerText->setAccessibleName(QStringLiteral("모험가의 말"));
    answerText->setReadOnly(true);
    // Read by the keyboard too: an answer takes the focus, so a screen reader says it.
    answerText->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    answerText->setFixedSize(340, 90);
    layout->addWidget(answerText);

    askClassButton = addButton("yourjob", "어떤 종류의 모험가이십니까?");
    askToJoinButton = addButton("joinus", "저희 길드에 들어오시겠습니까?");
    buyDrinkButton = addButton("buydrink", "술을 산다");
    goodbyeButton = addButton("goodbyebtn", "안녕히 계십시오.");

    connect(askClassButton, &QPushButton::clicked, this, &Tttadvenform::askClassButtonClick);
    connect(askToJoinButton, &QPushButton::clicked, this, &Tttadvenform::askToJoinButtonClick);
    connect(buyDrinkButton, &QPushButton::clicked, this, &Tttadvenform::buyDrinkButtonClick);
    connect(goodbyeButton, &QPushButton::clicked, this, &QDialog::accept);
}

QPushButton* Tttadvenform::addButton(const char* objectName, const char* caption) {
    QPushButton* button = makeButton(this, objectName, caption);
    button->setAutoDefault(true);
    button->setMinimumHeight(28);
    layout()->addWidget(button);
    return button;
}

void Tttadvenform::showConversation(int number) {
    talkTarget_ = number;
    const QString greeting = qs(startConversation(windows_.game, number));
    answerText->setPlainText(greeting);
    // Said with the window's caption as it opens, while the first question has the focus.
    setAccessibleDescription(greeting);
    updateJoinButton();
    askClassButton->setFocus();
    exec();
}

void Tttadvenform::updateJoinButton() {
    const std::optional<std::string> refusal = joinRefusal(*windows_.state, talkTarget_);
    askToJoinButton->setEnabled(!refusal);
    askToJoinButton->setToolTip(refusal ? qs(*refusal) : QString());
}

// The answer takes the focus, so a screen reader speaks it; Shift+Tab from it
// reaches "안녕히 계십시오.", Tab the first question.
void Tttadvenform::showAnswer(const QString& answer) {
    answerText->setPlainText(answer);
    answerText->moveCursor(QTextCursor::Start);
    answerText->setFocus();
}

void Tttadvenform::askClassButtonClick() {
    showAnswer(qs(classAnswer(windows_.state->adventurers.at(talkTarget_))));
}

void Tttadvenform::askToJoinButtonClick() {
    const bool declined = askToJoin(windows_.game, talkTarget_) == JoinOutcome::Declined;
    updateJoinButton();
    if (declined) {
        showAnswer(QString::fromUtf8(kJoinDeclined));
    } else if (!askToJoinButton->isEnabled()) {
        // The button has just gone grey under the keyboard.
        goodbyeButton->setFocus();
    }
}

void Tttadvenform::buyDrinkButtonClick() {
    showAnswer(qs(buyDrink(windows_.game, talkTarget_)));
}

}  // namespace orrowvale
