#include "app/lifecycle/charactercreation.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/city/citycommands.h"
#include "app/lifecycle/creationprogress.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/title.h"
#include "app/lifecycle/windows.h"
#include "app/ui/messages.h"
#include "app/ui/text.h"
#include "lifecycle/storycharacter.h"
#include "world/datafiles.h"

namespace orrowvale {

namespace {

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* label(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return l;
}

}  // namespace

TNewGameForm::TNewGameForm(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("TNewGameForm"));
    setWindowTitle(QStringLiteral("New Game"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* Label1 = new QLabel(QStringLiteral("캐릭터를 선택하세요."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* GroupBox1 = new QGroupBox(QStringLiteral("캐릭터"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    chrname = label(GroupBox1, "chrname");
    chrsex = label(GroupBox1, "chrsex");
    chrlocation = label(GroupBox1, "chrlocation");
    chrdescription = new QPlainTextEdit(GroupBox1);
    chrdescription->setObjectName(QStringLiteral("chrdescription"));
    chrdescription->setAccessibleName(QStringLiteral("설명"));
    chrdescription->setReadOnly(true);
    chrdescription->setFixedSize(380, 170);
    prev = button(GroupBox1, "prev", "이전");
    fwrd = button(GroupBox1, "fwrd", "다음");
    Button2 = button(this, "Button2", "확인");
    Button1 = button(this, "Button1", "취소");
    Button3 = button(this, "Button3", "랜덤 플레이");

    auto* browse = new QHBoxLayout;
    browse->addWidget(prev);
    browse->addWidget(fwrd);
    browse->addStretch();
    auto* group = new QVBoxLayout(GroupBox1);
    group->addWidget(chrname);
    group->addWidget(chrsex);
    group->addWidget(chrlocation);
    group->addWidget(chrdescription);
    group->addLayout(browse);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    buttons->addStretch();
    buttons->addWidget(Button3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Keyboard order: browse, then decide; cancel first has the focus.
    setTabOrder(prev, fwrd);
    setTabOrder(fwrd, chrdescription);
    setTabOrder(chrdescription, Button2);
    setTabOrder(Button2, Button1);
    setTabOrder(Button1, Button3);

    connect(prev, &QPushButton::clicked, this, &TNewGameForm::prevClick);
    connect(fwrd, &QPushButton::clicked, this, &TNewGameForm::fwrdClick);
    connect(Button2, &QPushButton::clicked, this, &TNewGameForm::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TNewGameForm::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TNewGameForm::Button3Click);
    move(40, 40);
}

// Every showing starts browsing again at the first character.
void TNewGameForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TNewGameForm::FormActivate() {
    lastCharacter_ = kLastStoryCharacter;
    browsedCharacter_ = 0;
    updateButtons();
    showCharacter();
    Button1->setFocus();
}

void TNewGameForm::updateButtons() {
    prev->setEnabled(browsedCharacter_ != 0);
    fwrd->setEnabled(browsedCharacter_ != lastCharacter_);
}

void TNewGameForm::showCharacter() {
    try {
        const StoryCharacterCard card = readStoryCharacterCard(windows_.paths, browsedCharacter_);
        chrname->setText(QStringLiteral("이름: ") + qs(card.name));
        chrsex->setText(QStringLiteral("성별: ") + qs(card.sex));
        chrlocation->setText(QStringLiteral("위치: ") + qs(card.home));
        QString description;
        for (const std::string& line : card.description)
            description += qs(line) + QLatin1Char('\n');
        chrdescription->setPlainText(description);
    } catch (const DataError& error) {
        errorBox(this, error);
    }
}

void TNewGameForm::prevClick() {
    if (browsedCharacter_ == 0) return;
    --browsedCharacter_;
    showCharacter();
    updateButtons();
}

void TNewGameForm::fwrdClick() {
    if (browsedCharacter_ == lastCharacter_) return;
    ++browsedCharacter_;
    showCharacter();
    updateButtons();
}

void TNewGameForm::Button2Click() {
    if (!confirmBox(this, QString::fromUtf8(kConfirmCharacter))) return;
    startGame(true);
}

void TNewGameForm::Button3Click() {
    startGame(false);
}

void TNewGameForm::startGame(bool storyPlay) {
    hide();
    windows_.form1->hide();
    if (!windows_.mainForm->openForPlay()) return;
    if (!windows_.crworldform->createWorld(storyPlay, browsedCharacter_)) {
        windows_.mainForm->close();
        return;
    }
    // The prologue had the keyboard; it goes back to "완료".
    windows_.commform->activateWindow();
}

void TNewGameForm::Button1Click() {
    close();
}

void TNewGameForm::reject() {
    close();
}

void TNewGameForm::closeEvent(QCloseEvent* event) {
    hide();
    windows_.form1->setEnabled(true);
    windows_.form1->activateWindow();
    event->accept();
}

}  // namespace orrowvale
