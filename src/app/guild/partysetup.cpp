#include "app/guild/partysetup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/guild/adventurerpanel.h"
#include "app/guild/chooser.h"
#include "app/lifecycle/characterinfo.h"
#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/keepactive.h"
#include "app/ui/messages.h"
#include "app/ui/numberedlist.h"
#include "app/ui/text.h"
#include "app/ui/valuelabel.h"
#include "lifecycle/characterinfo.h"
#include "refusal.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

constexpr const char* kGridHint = "아래에서 선택된 캐릭터의 위치를 변동합니다.";
// Wide enough for three letters of a name and the leader's mark beneath.
constexpr int kGridButtonWidth = 64;
constexpr int kGridButtonHeight = 44;

QLabel* legend(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

Tpsform::Tpsform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tpsform"));
    setWindowTitle(QStringLiteral("파티 구성"));
    setModal(true);
    showAdventurerDetail = [this](int adventurer) {
        windows_.window<Tadvdtform>().showAdventurerPanel(adventurer);
    };

    partyList = new NumberedList(this, "partylist");
    partyList->setAccessibleName(QStringLiteral("파티"));
    partyList->setMinimumSize(160, 300);
    leaderCaption = new QLabel(QStringLiteral("리더명: "), this);
    leaderCaption->setObjectName(QStringLiteral("Label1"));
    leaderLabel = makeValueLabel(this, "leaderlabel", "리더명");
    leaderLabel->setMinimumWidth(100);
    // Tab reads the leader with the rest of the window.
    leaderLabel->setFocusPolicy(Qt::StrongFocus);
    formationBox = buildFormationGrid();
    memberList = new NumberedList(this, "memberlist");
    memberList->setAccessibleName(QStringLiteral("파티원"));
    memberList->setMinimumHeight(140);

    auto* buttons = new QVBoxLayout;
    auto layoutButton = [&](const char* objectName, const char* caption, SetupAction action,
                            const char* hint) {
        QPushButton* button = addButton(objectName, caption, action, hint);
        buttons->addWidget(button);
        return button;
    };
    leaderButton = layoutButton("makeleader", "리더", SetupAction::Leader,
                                "왼쪽에서 선택된 캐릭터를 리더로 선택합니다.");
    infoButton = layoutButton("Button2", "캐릭터 정보", SetupAction::Info,
                              "왼쪽에서 선택된 캐릭터의 정보를 봅니다.");
    renameButton = layoutButton("nameparty", "파티명명", SetupAction::Rename,
                                "파티의 이름을 새롭게 정합니다.");
    foundButton =
        layoutButton("Button3", "새로운 파티", SetupAction::Found, "새로운 파티를 구성합니다.");
    addMemberButton =
        layoutButton("addbtn", "추가", SetupAction::Add, "고른 파티에 길드원을 더합니다.");
    removeMemberButton =
        layoutButton("removebtn", "탈퇴", SetupAction::Remove, "고른 파티원을 파티에서 뺍니다.");
    disbandButton = layoutButton("desbtn", "해체", SetupAction::Disband,
                                 "고른 파티를 해체합니다. 파티원은 길드에 남습니다.");
    defenceButton = layoutButton("Button5", "방어 평가치", SetupAction::Defence,
                                 "파티가 적을 막아 내는 힘을 알려 줍니다.");
    buttons->addStretch();
    closeButton = makeButton(this, "Button4", "닫기", "파티 구성 창을 닫습니다.");
    buttons->addWidget(closeButton);

    auto* leaderRow = new QHBoxLayout;
    leaderRow->addWidget(leaderCaption);
    leaderRow->addWidget(leaderLabel, 1);
    auto* middle = new QVBoxLayout;
    middle->addLayout(leaderRow);
    middle->addWidget(formationBox);
    middle->addWidget(memberList, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(partyList);
    layout->addLayout(middle);
    layout->addLayout(buttons);

    connect(partyList, &QListWidget::itemSelectionChanged, this, &Tpsform::partyListClick);
    connect(memberList, &QListWidget::itemSelectionChanged, this, &Tpsform::memberListClick);
    // Enter or a double click on a member.
    connect(memberList, &QListWidget::activated, this, [this](const QModelIndex& row) {
        memberList->setCurrentRow(row.row());
        memberListDoubleClick();
    });
    connect(leaderButton, &QPushButton::clicked, this, &Tpsform::leaderButtonClick);
    connect(infoButton, &QPushButton::clicked, this, &Tpsform::infoButtonClick);
    connect(renameButton, &QPushButton::clicked, this, &Tpsform::renameButtonClick);
    connect(foundButton, &QPushButton::clicked, this, &Tpsform::foundButtonClick);
    connect(addMemberButton, &QPushButton::clicked, this, &Tpsform::addMemberButtonClick);
    connect(removeMemberButton, &QPushButton::clicked, this, &Tpsform::removeMemberButtonClick);
    connect(disbandButton, &QPushButton::clicked, this, &Tpsform::disbandButtonClick);
    connect(defenceButton, &QPushButton::clicked, this, &Tpsform::defenceButtonClick);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton* Tpsform::addButton(const char* objectName, const char* caption, SetupAction action,
                                const char* hint) {
    QPushButton* button = makeButton(this, objectName, caption, hint);
    actionButtons_.push_back({button, action});
    return button;
}

QGroupBox* Tpsform::buildFormationGrid() {
    auto* box = new QGroupBox(QStringLiteral("포메이션"), this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(legend("정면", box), 0, 1, 1, 3);
    grid->addWidget(legend("좌", box), 1, 0, 3, 1);
    grid->addWidget(legend("우", box), 1, 4, 3, 1);
    grid->addWidget(legend("후면", box), 4, 1, 1, 3);
    for (int position = 1; position <= 9; ++position) {
        auto* button = addButton(("loc" + std::to_string(position)).c_str(), "", SetupAction::Place,
                                 kGridHint);
        button->setParent(box);
        button->setAccessibleName(QString::fromUtf8(kFormationPlaces[position - 1]));
        button->setFixedSize(kGridButtonWidth, kGridButtonHeight);
        button->setCheckable(true);
        grid->addWidget(button, 1 + (position - 1) / 3, 1 + (position - 1) % 3);
        // A click, Space and a screen reader's "Toggle" all flip the cell: the move
        // follows the flip, and the grid then shows where everyone stands.
        connect(button, &QPushButton::toggled, this,
                [this, position] { formationButtonClick(position); });
        formationButtons[static_cast<std::size_t>(position - 1)] = button;
    }
    return box;
}

void Tpsform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fillPartyList();
    partyList->setFocus();
}

std::optional<int> Tpsform::chosenAdventurer() const {
    const std::optional<int> party = partyList->chosen();
    const std::optional<int> slot = memberList->chosen();
    if (!party || !slot) return std::nullopt;
    return windows_.state->parties[*party].members[*slot];
}

// Filling the party list reaches partyListClick, which fills the member list.
void Tpsform::fillPartyList(std::optional<int> party) {
    partyList->fill(partyRows(*windows_.state), party);
}

// Filling the member list reaches memberListClick, which shows the formation and
// the buttons.
void Tpsform::fillMemberList(std::optional<int> slot) {
    memberList->fill(memberRows(*windows_.state, partyList->chosen().value_or(0)), slot);
}

void Tpsform::showFormation() {
    const int party = partyList->chosen().value_or(0);
    const auto marks = formationMarks(*windows_.state, party, memberList->chosen().value_or(0));
    const auto names = formationNames(*windows_.state, party);
    // Everyone is named where he stands; the chosen member's cell is pressed.
    for (std::size_t i = 0; i < formationButtons.size(); ++i) {
        QPushButton* cell = formationButtons[i];
        QString name = qs(names[i]);
        name.replace(QString::fromUtf8(kLeaderMark), "\n" + QString::fromUtf8(kLeaderMark));
        cell->setText(name);
        const QSignalBlocker quiet(cell);
        cell->setChecked(marks[i]);
        cell->setAccessibleName(QString::fromUtf8(kFormationPlaces[i]) +
                                (names[i].empty() ? QString() : ": " + qs(names[i])));
    }
}

void Tpsform::refreshButtons() {
    const int party = partyList->chosen().value_or(0);
    const int slot = memberList->chosen().value_or(0);
    for (const ActionButton& b : actionButtons_) {
        allowUnless(*b.button, setupRefusal(*windows_.state, b.action, party, slot));
    }
}

void Tpsform::partyListClick() {
    showLeader();
    fillMemberList();
}

// With no leader the label shows nothing; a screen reader hears that there is none
// rather than a silent or unnamed label.
void Tpsform::showLeader() {
    const QString leader = qs(leaderName(*windows_.state, partyList->chosen().value_or(0)));
    leaderLabel->setText(leader);
    leaderLabel->setAccessibleName(leader.isEmpty() ? QStringLiteral("리더 없음") : QString());
}

void Tpsform::memberListClick() {
    showFormation();
    refreshButtons();
}

void Tpsform::memberListDoubleClick() {
    if (const std::optional<int> adventurer = chosenAdventurer()) showInformation(*adventurer);
}

void Tpsform::showInformation(int adventurer) {
    Tinfoform& information = windows_.window<Tinfoform>();
    information.fill(showAdventurerInfo(*windows_.state, adventurer));
    information.show();
    information.raise();
}

void Tpsform::formationButtonClick(int position) {
    placeMember(windows_.game, partyList->chosen().value_or(0), memberList->chosen().value_or(0),
                position);
    showFormation();
}

void Tpsform::leaderButtonClick() {
    const int party = partyList->chosen().value_or(0);
    if (makeLeader(windows_.game, party, memberList->chosen().value_or(0))) {
        showLeader();
        showFormation();
    }
}

void Tpsform::infoButtonClick() {
    const std::optional<int> adventurer = chosenAdventurer();
    if (adventurer && showAdventurerDetail) showAdventurerDetail(*adventurer);
}

void Tpsform::renameButtonClick() {
    const std::optional<int> party = partyList->chosen();
    if (!party) return;
    KeepActive keep;
    const std::optional<QString> answer =
        askText(this, QString::fromUtf8(kRenameCaption), QString::fromUtf8(kRenamePrompt),
                qs(windows_.state->parties[*party].partyName));
    std::optional<std::string> name;
    if (answer) name = utf8(*answer);
    if (renameParty(windows_.game, *party, name)) fillPartyList(party);
}

void Tpsform::foundButtonClick() {
    KeepActive keep;
    if (const std::optional<int> party =
            foundParty(windows_.game, windows_.window<Tadvlists>().chooser(kChooseNewLeader)))
        fillPartyList(*party);
}

void Tpsform::addMemberButtonClick() {
    KeepActive keep;
    if (const std::optional<int> slot =
            addToParty(windows_.game, partyList->chosen().value_or(0),
                       windows_.window<Tadvlists>().chooser(kChooseNewMember)))
        fillMemberList(*slot);
}

void Tpsform::removeMemberButtonClick() {
    const int party = partyList->chosen().value_or(0);
    KeepActive keep;
    switch (removeFromParty(windows_.game, party, memberList->chosen().value_or(0))) {
        case Leaving::Left:
            return fillMemberList();
        case Leaving::Disbanded:
            return fillPartyList();
        case Leaving::Refused:
            return;
    }
}

void Tpsform::disbandButtonClick() {
    KeepActive keep;
    if (disbandByPlayer(windows_.game, partyList->chosen().value_or(0))) fillPartyList();
}

void Tpsform::defenceButtonClick() {
    KeepActive keep;
    showDefence(windows_.game, partyList->chosen().value_or(0));
}

}  // namespace orrowvale
