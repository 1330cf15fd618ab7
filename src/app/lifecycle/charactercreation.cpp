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
#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/messages.h"
#include "app/ui/text.h"
#include "lifecycle/storycharacter.h"
#include "world/datafiles.h"

namespace orrowvale {

namespace {

QLabel* label(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return l;
}

}  // namespace

TNewGameForm::TNewGameForm(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("TNewGameForm"));
    setWindowTitle(QStringLiteral("새 게임"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* prompt = new QLabel(QStringLiteral("캐릭터를 선택하세요."), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    auto* characterBox = new QGroupBox(QStringLiteral("캐릭터"), this);
    characterBox->setObjectName(QStringLiteral("GroupBox1"));
    nameLabel = label(characterBox, "chrname");
    sexLabel = label(characterBox, "chrsex");
    homeLabel = label(characterBox, "chrlocation");
    descriptionText = new QPlainTextEdit(characterBox);
    descriptionText->setObjectName(QStringLiteral("chrdescription"));
    descriptionText->setAccessibleName(QStringLiteral("설명"));
    descriptionText->setReadOnly(true);
    descriptionText->setFixedSize(380, 170);
    previousButton = makeButton(characterBox, "prev", "이전", "앞의 주인공을 봅니다.");
    nextButton = makeButton(characterBox, "fwrd", "다음", "다음 주인공을 봅니다.");
    confirmButton = makeButton(this, "Button2", "확인", "이 주인공으로 이야기를 시작합니다.");
    cancelButton =
        makeButton(this, "Button1", "취소", "새 게임을 만들지 않고 타이틀로 돌아갑니다.");
    randomPlayButton =
        makeButton(this, "Button3", "랜덤 플레이", "이야기 없이 자유롭게 하는 게임을 시작합니다.");

    auto* browse = new QHBoxLayout;
    browse->addWidget(previousButton);
    browse->addWidget(nextButton);
    browse->addStretch();
    auto* group = new QVBoxLayout(characterBox);
    group->addWidget(nameLabel);
    group->addWidget(sexLabel);
    group->addWidget(homeLabel);
    group->addWidget(descriptionText);
    group->addLayout(browse);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(confirmButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    buttons->addWidget(randomPlayButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(characterBox);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Keyboard order as the window reads, top to bottom: the character, browse,
    // then decide; cancel first has the focus, so that Enter alone starts nothing.
    setTabOrder(nameLabel, sexLabel);
    setTabOrder(sexLabel, homeLabel);
    setTabOrder(homeLabel, descriptionText);
    setTabOrder(descriptionText, previousButton);
    setTabOrder(previousButton, nextButton);
    setTabOrder(nextButton, confirmButton);
    setTabOrder(confirmButton, cancelButton);
    setTabOrder(cancelButton, randomPlayButton);

    connect(previousButton, &QPushButton::clicked, this, &TNewGameForm::previousButtonClick);
    connect(nextButton, &QPushButton::clicked, this, &TNewGameForm::nextButtonClick);
    connect(confirmButton, &QPushButton::clicked, this, &TNewGameForm::confirmButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &TNewGameForm::cancelButtonClick);
    connect(randomPlayButton, &QPushButton::clicked, this, &TNewGameForm::randomPlayButtonClick);
    move(40, 40);
}

// Every showing starts browsing again at the first character.
void TNewGameForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    startBrowsing();
}

void TNewGameForm::startBrowsing() {
    lastCharacter_ = kLastStoryCharacter;
    browsedCharacter_ = 0;
    updateButtons();
    showCharacter();
    cancelButton->setFocus();
}

void TNewGameForm::updateButtons() {
    previousButton->setEnabled(browsedCharacter_ != 0);
    nextButton->setEnabled(browsedCharacter_ != lastCharacter_);
}

void TNewGameForm::showCharacter() {
    try {
        const StoryCharacterCard card = readStoryCharacterCard(windows_.paths, browsedCharacter_);
        nameLabel->setText(QStringLiteral("이름: ") + qs(card.name));
        sexLabel->setText(QStringLiteral("성별: ") + qs(card.sex));
        homeLabel->setText(QStringLiteral("위치: ") + qs(card.home));
        QString description;
        for (const std::string& line : card.description)
            description += qs(line) + QLatin1Char('\n');
        descriptionText->setPlainText(description);
    } catch (const DataError& error) {
        errorBox(this, error);
    }
}

void TNewGameForm::previousButtonClick() {
    if (browsedCharacter_ == 0) return;
    --browsedCharacter_;
    showCharacter();
    updateButtons();
}

void TNewGameForm::nextButtonClick() {
    if (browsedCharacter_ == lastCharacter_) return;
    ++browsedCharacter_;
    showCharacter();
    updateButtons();
}

void TNewGameForm::confirmButtonClick() {
    if (!confirmBox(this, QString::fromUtf8(kConfirmCharacter))) return;
    startGame(true);
}

void TNewGameForm::randomPlayButtonClick() {
    startGame(false);
}

void TNewGameForm::startGame(bool storyPlay) {
    hide();
    // The world is made, and its prologue told, over the map: nothing of the game
    // played before shows meanwhile (its gold, date, city or parties).
    *windows_.state = GameState();
    if (!windows_.enterGame()) return;
    if (!windows_.window<Tcrworldform>().createWorld(storyPlay, browsedCharacter_)) {
        windows_.window<TMainForm>().close();
        return;
    }
    // The panel shows the new world's gold, city and date; the prologue had the
    // keyboard, and it goes back to "완료".
    windows_.afterPlayerAction();
    // The log kept beside the autosave is this game's from now on.
    windows_.keepLogWithAutosave();
    windows_.window<Tcommform>().activateWindow();
}

void TNewGameForm::cancelButtonClick() {
    close();
}

void TNewGameForm::reject() {
    close();
}

void TNewGameForm::closeEvent(QCloseEvent* event) {
    hide();
    windows_.returnToTitle();
    event->accept();
}

}  // namespace orrowvale
