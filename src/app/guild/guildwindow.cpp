#include "app/guild/guildwindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/guild/adventurerpanel.h"
#include "app/guild/partypanel.h"
#include "app/guild/partysetup.h"
#include "app/lifecycle/windows.h"
#include "app/ui/text.h"
#include "guild/guildwindow.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

QListWidget* makeList(QWidget* parent, const char* name, QLabel* label) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromUtf8(name));
    list->setAccessibleName(label->text().trimmed());
    list->setMinimumSize(180, 220);
    label->setBuddy(list);
    return list;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    // Enter on a list opens that row's panel; no button may take it as well.
    button->setAutoDefault(false);
    return button;
}

int selectedNumber(const QListWidget* list, const std::vector<int>& rows) {
    const int row = list->currentRow();
    if (row < 0 || row >= static_cast<int>(rows.size()) || !list->currentItem()->isSelected())
        return 0;
    return rows[static_cast<std::size_t>(row)];
}

// Fills `list` with one row per number and selects `keep` again if it is listed.
void refill(QListWidget* list, std::vector<int>& rows, std::vector<int> numbers,
            const std::function<std::string(int)>& text, int keep) {
    list->clear();
    rows = std::move(numbers);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        list->addItem(qs(text(rows[row])));
        if (rows[row] == keep) list->setCurrentRow(static_cast<int>(row));
    }
}

}  // namespace

Tguildform::Tguildform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tguildform"));
    setWindowTitle(QStringLiteral("길드"));
    setModal(true);
    openPartySetup = [this] { windows_.psform->showModal(); };

    auto* Label1 = new QLabel(QStringLiteral(" 길드원 목록(현 위치)"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    guildadvlist = makeList(this, "guildadvlist", Label1);
    auto* Label2 = new QLabel(QStringLiteral("파티 목록( 현 위치)"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    taskpartylist = makeList(this, "taskpartylist", Label2);

    Button2 = makeButton(this, "Button2", "동기화");
    partycon = makeButton(this, "partycon", "파티 구성");
    Button4 = makeButton(this, "Button4", "캐릭터 정보");
    Button5 = makeButton(this, "Button5", "파티 정보");
    Button3 = makeButton(this, "Button3", "닫기");

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(guildadvlist, 1, 0);
    grid->addWidget(Button4, 2, 0);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(taskpartylist, 1, 1);
    grid->addWidget(Button5, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button2);
    buttons->addWidget(partycon);
    buttons->addStretch();
    buttons->addWidget(Button3);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(guildadvlist, &QListWidget::itemSelectionChanged, this, &Tguildform::updateButtons);
    connect(taskpartylist, &QListWidget::itemSelectionChanged, this, &Tguildform::updateButtons);
    connect(guildadvlist, &QListWidget::activated, this, &Tguildform::Button4Click);
    connect(taskpartylist, &QListWidget::activated, this, &Tguildform::Button5Click);
    connect(Button2, &QPushButton::clicked, this, &Tguildform::Button2Click);
    connect(partycon, &QPushButton::clicked, this, &Tguildform::partyconClick);
    connect(Button4, &QPushButton::clicked, this, &Tguildform::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &Tguildform::Button5Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    updateButtons();
}

void Tguildform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fillLists();
    guildadvlist->setFocus();
}

void Tguildform::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) fillLists();
}

void Tguildform::fillLists() {
    const GameState& state = *windows_.state;
    const GuildLists lists = guildWindowLists(state);
    refill(
        guildadvlist, memberRows_, lists.members,
        [&](int adventurer) { return state.adventurers[adventurer].name; },
        selectedNumber(guildadvlist, memberRows_));
    refill(
        taskpartylist, partyRows_, lists.parties,
        [&](int party) { return state.parties[party].partyName; },
        selectedNumber(taskpartylist, partyRows_));
    updateButtons();
}

void Tguildform::updateButtons() {
    const bool member = selectedNumber(guildadvlist, memberRows_) != 0;
    Button4->setEnabled(member);
    Button4->setToolTip(member ? QString() : QString::fromUtf8(kChooseGuildMemberFirst));
    const bool party = selectedNumber(taskpartylist, partyRows_) != 0;
    Button5->setEnabled(party);
    Button5->setToolTip(party ? QString() : QString::fromUtf8(kChoosePartyFirst));
}

void Tguildform::Button2Click() {
    fillLists();
}

void Tguildform::partyconClick() {
    if (!openPartySetup) return;
    openPartySetup();
    fillLists();
}

void Tguildform::Button4Click() {
    if (const int adventurer = selectedNumber(guildadvlist, memberRows_))
        windows_.advdtform->showAdventurerPanel(adventurer);
}

void Tguildform::Button5Click() {
    if (const int party = selectedNumber(taskpartylist, partyRows_))
        windows_.prtdtform->showPartyReport(party);
}

}  // namespace orrowvale
