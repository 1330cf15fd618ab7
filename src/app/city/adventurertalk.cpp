#include "app/city/adventurertalk.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/text.h"
#include "city/adventurertalk.h"
#include "refusal.h"

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
    answerText->installEventFilter(this);
    layout->addWidget(answerText);

    askClassButton = addButton("yourjob", "어떤 종류의 모험가이십니까?",
                               "이 모험가의 직업과 됨됨이를 묻습니다.");
    askToJoinButton = addButton("joinus", "저희 길드에 들어오시겠습니까?",
                                "이 모험가에게 길드에 들어오라고 권합니다.");
    buyDrinkButton = addButton("buydrink", "술을 산다", "이 모험가에게 술을 한 잔 삽니다.");
    goodbyeButton =
        addButton("goodbyebtn", "안녕히 계십시오.", "대화를 마치고 주점 손님 목록으로 돌아갑니다.");

    connect(askClassButton, &QPushButton::clicked, this, &Tttadvenform::askClassButtonClick);
    connect(askToJoinButton, &QPushButton::clicked, this, &Tttadvenform::askToJoinButtonClick);
    connect(buyDrinkButton, &QPushButton::clicked, this, &Tttadvenform::buyDrinkButtonClick);
    connect(goodbyeButton, &QPushButton::clicked, this, &QDialog::accept);
}

QPushButton* Tttadvenform::addButton(const char* objectName, const char* caption, const char* tip) {
    QPushButton* button = makeButton(this, objectName, caption, tip);
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
    askedBy_ = nullptr;
    askClassButton->setFocus();
    exec();
}

void Tttadvenform::updateJoinButton() {
    allowUnless(*askToJoinButton, joinRefusal(*windows_.state, talkTarget_));
}

// The answer takes the focus, so a screen reader speaks it; Shift+Tab from it
// reaches "안녕히 계십시오.", Tab the first question, Enter the question asked.
void Tttadvenform::showAnswer(const QString& answer, QPushButton* askedBy) {
    askedBy_ = askedBy;
    answerText->setPlainText(answer);
    answerText->moveCursor(QTextCursor::Start);
    answerText->setFocus();
}

// Without this, Enter on the answer would press whichever question the dialog
// took for its default: a player reading "술이다!" would ask the adventurer to join.
bool Tttadvenform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == answerText && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            QPushButton* back = askedBy_ && !isRefused(askedBy_) ? askedBy_ : goodbyeButton;
            back->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tttadvenform::askClassButtonClick() {
    showAnswer(qs(classAnswer(windows_.state->adventurers.at(talkTarget_))), askClassButton);
}

void Tttadvenform::askToJoinButtonClick() {
    const bool declined = askToJoin(windows_.game, talkTarget_) == JoinOutcome::Declined;
    updateJoinButton();
    if (declined) {
        showAnswer(QString::fromUtf8(kJoinDeclined), askToJoinButton);
    } else if (isRefused(askToJoinButton)) {
        // The button has just been refused under the keyboard: the talk is over.
        goodbyeButton->setFocus();
    }
}

void Tttadvenform::buyDrinkButtonClick() {
    showAnswer(qs(buyDrink(windows_.game, talkTarget_)), buyDrinkButton);
}

}  // namespace orrowvale
