#include "app/guild/partysetup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/guild/adventurerpanel.h"
#include "app/guild/chooser.h"
#include "app/lifecycle/characterinfo.h"
#include "app/lifecycle/windows.h"
#include "app/ui/keepactive.h"
#include "app/ui/messages.h"
#include "app/ui/text.h"
#include "lifecycle/characterinfo.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

constexpr const char* kGridHint = "아래에서 선택된 캐릭터의 위치를 변동합니다.";
constexpr int kGridButtonSize = 40;

// The row the player has chosen: the selected one, not merely the one holding the
// keyboard's focus frame.
int chosenRow(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

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
        windows_.advdtform->showAdventurerPanel(adventurer);
    };

    partylist = new QListWidget(this);
    partylist->setObjectName(QStringLiteral("partylist"));
    partylist->setAccessibleName(QStringLiteral("파티"));
    partylist->setMinimumSize(160, 300);
    Label1 = new QLabel(QStringLiteral("리더명: "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    leaderlabel = new QLabel(QStringLiteral("leaderlabel"), this);
    leaderlabel->setObjectName(QStringLiteral("leaderlabel"));
    leaderlabel->setMinimumWidth(100);
    GroupBox1 = buildFormationGrid();
    memberlist = new QListWidget(this);
    memberlist->setObjectName(QStringLiteral("memberlist"));
    memberlist->setAccessibleName(QStringLiteral("파티원"));
    memberlist->setMinimumHeight(140);

    auto* buttons = new QVBoxLayout;
    auto layoutButton = [&](const char* name, const char* caption, SetupAction action,
                            const char* hint = "") {
        QPushButton* button = addButton(name, caption, action, hint);
        buttons->addWidget(button);
        return button;
    };
    makeleader = layoutButton("makeleader", "리더", SetupAction::Leader,
                              "왼쪽에서 선택된 캐릭터를 리더로 선택합니다.");
    Button2 = layoutButton("Button2", "캐릭터 정보", SetupAction::Info,
                           "왼쪽에서 선택된 캐릭터의 정보를 봅니다.");
    nameparty = layoutButton("nameparty", "파티명명", SetupAction::Rename,
                             "파티의 이름을 새롭게 정합니다.");
    Button3 =
        layoutButton("Button3", "새로운 파티", SetupAction::Found, "새로운 파티를 구성합니다.");
    addbtn = layoutButton("addbtn", "추가", SetupAction::Add);
    removebtn = layoutButton("removebtn", "탈퇴", SetupAction::Remove);
    desbtn = layoutButton("desbtn", "해체", SetupAction::Disband);
    buttons->addStretch();
    // The narrow button beside "닫기" tells the defence rating.
    Button5 = addButton("Button5", "Button5", SetupAction::Defence);
    Button5->setFixedWidth(9);
    Button5->setAccessibleName(QStringLiteral("방어 평가치"));
    Button4 = new QPushButton(QStringLiteral("닫기"), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setAutoDefault(false);
    auto* closeRow = new QHBoxLayout;
    closeRow->addWidget(Button5);
    closeRow->addWidget(Button4);
    buttons->addLayout(closeRow);

    auto* leaderRow = new QHBoxLayout;
    leaderRow->addWidget(Label1);
    leaderRow->addWidget(leaderlabel, 1);
    auto* middle = new QVBoxLayout;
    middle->addLayout(leaderRow);
    middle->addWidget(GroupBox1);
    middle->addWidget(memberlist, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(partylist);
    layout->addLayout(middle);
    layout->addLayout(buttons);

    connect(partylist, &QListWidget::itemSelectionChanged, this, &Tpsform::partylistClick);
    connect(memberlist, &QListWidget::itemSelectionChanged, this, &Tpsform::memberlistClick);
    // Enter or a double click on a member.
    connect(memberlist, &QListWidget::activated, this, [this](const QModelIndex& row) {
        memberlist->setCurrentRow(row.row());
        memberlistDblClick();
    });
    connect(makeleader, &QPushButton::clicked, this, &Tpsform::makeleaderClick);
    connect(Button2, &QPushButton::clicked, this, &Tpsform::Button2Click);
    connect(nameparty, &QPushButton::clicked, this, &Tpsform::namepartyClick);
    connect(Button3, &QPushButton::clicked, this, &Tpsform::Button3Click);
    connect(addbtn, &QPushButton::clicked, this, &Tpsform::addbtnClick);
    connect(removebtn, &QPushButton::clicked, this, &Tpsform::removebtnClick);
    connect(desbtn, &QPushButton::clicked, this, &Tpsform::desbtnClick);
    connect(Button5, &QPushButton::clicked, this, &Tpsform::Button5Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton* Tpsform::addButton(const char* name, const char* caption, SetupAction action,
                                const char* hint) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromUtf8(name));
    // Enter belongs to the lists; a button is pressed with Space.
    button->setAutoDefault(false);
    actionButtons_.push_back({button, action, QString::fromUtf8(hint)});
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
        button->setFixedSize(kGridButtonSize, kGridButtonSize);
        grid->addWidget(button, 1 + (position - 1) / 3, 1 + (position - 1) % 3);
        connect(button, &QPushButton::clicked, this, [this, position] { locClick(position); });
        loc[static_cast<std::size_t>(position - 1)] = button;
    }
    return box;
}

void Tpsform::showModal() {
    exec();
}

void Tpsform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fillPartyList();
    partylist->setFocus();
}

int Tpsform::selectedParty() const {
    const int row = chosenRow(partylist);
    if (row < 0 || row >= static_cast<int>(partyRowMap_.size())) return 0;
    return partyRowMap_[static_cast<std::size_t>(row)];
}

int Tpsform::selectedSlot() const {
    const int row = chosenRow(memberlist);
    if (row < 0 || row >= static_cast<int>(memberRowMap_.size())) return 0;
    return memberRowMap_[static_cast<std::size_t>(row)];
}

int Tpsform::selectedAdventurer() const {
    const int party = selectedParty();
    const int slot = selectedSlot();
    if (party == 0 || slot == 0) return 0;
    return windows_.state->parties[party].members[slot];
}

void Tpsform::fillPartyList(int party) {
    const QSignalBlocker quiet(partylist);
    partylist->clear();
    partyRowMap_.clear();
    int chosenRow = -1;
    for (const ListRow& row : partyRows(*windows_.state)) {
        if (row.number == party) chosenRow = partylist->count();
        partylist->addItem(qs(row.text));
        partyRowMap_.push_back(row.number);
    }
    partylist->setCurrentRow(chosenRow);
    if (chosenRow == -1) {
        partylist->clearSelection();
        const QSignalBlocker quietMembers(memberlist);
        memberlist->clear();
        memberRowMap_.clear();
        showFormation();
        refreshButtons();
    } else {
        partylistClick();
    }
}

void Tpsform::fillMemberList(int slot) {
    const QSignalBlocker quiet(memberlist);
    memberlist->clear();
    memberRowMap_.clear();
    int chosenRow = -1;
    for (const ListRow& row : memberRows(*windows_.state, selectedParty())) {
        if (row.number == slot) chosenRow = memberlist->count();
        memberlist->addItem(qs(row.text));
        memberRowMap_.push_back(row.number);
    }
    memberlist->setCurrentRow(chosenRow);
    if (chosenRow == -1) memberlist->clearSelection();
    showFormation();
    refreshButtons();
}

void Tpsform::showFormation() {
    const auto marks = formationMarks(*windows_.state, selectedParty(), selectedSlot());
    for (std::size_t i = 0; i < loc.size(); ++i)
        loc[i]->setText(marks[i] ? QStringLiteral("O") : QString());
}

void Tpsform::refreshButtons() {
    const int party = selectedParty();
    const int slot = selectedSlot();
    for (const ActionButton& b : actionButtons_) {
        const Refusal refusal = setupRefusal(*windows_.state, b.action, party, slot);
        b.button->setEnabled(!refusal);
        b.button->setToolTip(refusal ? qs(*refusal) : b.hint);
    }
}

void Tpsform::partylistClick() {
    leaderlabel->setText(qs(leaderName(*windows_.state, selectedParty())));
    fillMemberList();
}

void Tpsform::memberlistClick() {
    showFormation();
    refreshButtons();
}

void Tpsform::memberlistDblClick() {
    if (const int adventurer = selectedAdventurer()) showInformation(adventurer);
}

void Tpsform::showInformation(int adventurer) {
    windows_.infoform->fill(showAdventurerInfo(*windows_.state, adventurer));
    windows_.infoform->show();
    windows_.infoform->raise();
}

void Tpsform::locClick(int position) {
    loc[static_cast<std::size_t>(position - 1)]->setText(QString::number(position));
    placeMember(*windows_.state, selectedParty(), selectedSlot(), position);
    showFormation();
}

void Tpsform::makeleaderClick() {
    if (makeLeader(*windows_.state, selectedParty(), selectedSlot()))
        leaderlabel->setText(qs(leaderName(*windows_.state, selectedParty())));
}

void Tpsform::Button2Click() {
    const int adventurer = selectedAdventurer();
    if (adventurer != 0 && showAdventurerDetail) showAdventurerDetail(adventurer);
}

void Tpsform::namepartyClick() {
    const int party = selectedParty();
    if (party == 0) return;
    KeepActive keep;
    const std::optional<QString> answer =
        askText(this, QString::fromUtf8(kRenameCaption), QString::fromUtf8(kRenamePrompt),
                qs(windows_.state->parties[party].partyName));
    std::optional<std::string> name;
    if (answer) name = utf8(*answer);
    if (renameParty(windows_.game, party, name)) fillPartyList(party);
}

void Tpsform::Button3Click() {
    KeepActive keep;
    if (const std::optional<int> party = foundParty(windows_.game, windows_.advlists->chooser()))
        fillPartyList(*party);
}

void Tpsform::addbtnClick() {
    KeepActive keep;
    if (const std::optional<int> slot =
            addToParty(windows_.game, selectedParty(), windows_.advlists->chooser()))
        fillMemberList(*slot);
}

void Tpsform::removebtnClick() {
    const int party = selectedParty();
    KeepActive keep;
    switch (removeFromParty(windows_.game, party, selectedSlot())) {
        case Leaving::Left:
            return fillMemberList();
        case Leaving::Disbanded:
            return fillPartyList();
        case Leaving::Refused:
            return;
    }
}

void Tpsform::desbtnClick() {
    KeepActive keep;
    if (disbandByPlayer(windows_.game, selectedParty())) fillPartyList();
}

void Tpsform::Button5Click() {
    KeepActive keep;
    showDefence(windows_.game, selectedParty());
}

}  // namespace orrowvale
