#include "app/guild/adventurerpanel.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/text.h"
#include "world/gamestate.h"

namespace orrowvale {

TDetailPanel::TDetailPanel(const char* name, const char* caption) {
    setObjectName(QString::fromUtf8(name));
    setWindowTitle(QString::fromUtf8(caption));
    setModal(false);
    grid_ = new QGridLayout(this);
    grid_->setSizeConstraint(QLayout::SetFixedSize);
    grid_->setColumnMinimumWidth(0, 280);
    closeButton = makeButton(this, "Button1", "닫기", "창을 닫습니다.");
    // The panel's one button: Enter closes it.
    closeButton->setAutoDefault(true);
    closeButton->setDefault(true);
    grid_->addWidget(closeButton, 100, 0, Qt::AlignRight);
    connect(closeButton, &QPushButton::clicked, this, &TDetailPanel::closeButtonClick);
}

void TDetailPanel::closeButtonClick() {
    close();
}

QLabel* TDetailPanel::addLabel(const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    label->setObjectName(QString::fromUtf8(name));
    // Tab reaches every line, so a screen reader reads the panel line by line.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    grid_->addWidget(label, nextLabelRow_++, 0);
    return label;
}

void TDetailPanel::present(const std::vector<PanelLine>& lines) {
    for (const PanelLine& line : lines)
        if (auto* label = findChild<QLabel*>(qs(line.control))) label->setText(qs(line.text));
    // Opened from a modal window, the panel would take no click until that window
    // closed: it goes above the modal window as its transient child instead.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this) {
        create();
        if (windowHandle() && modal->windowHandle())
            windowHandle()->setTransientParent(modal->windowHandle());
    }
    show();
    raise();
    activateWindow();
    // Reading starts at the first line; Enter still closes the panel.
    if (auto* first = findChild<QLabel*>(qs(lines.empty() ? std::string() : lines.front().control)))
        first->setFocus();
    else
        closeButton->setFocus();
}

Tadvdtform::Tadvdtform(Windows& windows)
    : TDetailPanel("Tadvdtform", "캐릭터 능력"), windows_(windows) {
    addLabel("namelabel", "이름: ");
    addLabel("sexlabel", "성별: ");
    addLabel("racelabel", "종족:");
    addLabel("joblabel", "직업: ");
    addLabel("algnlabel", "가치관");
    addLabel("Label1", "힘: ");
    addLabel("Label2", "지능");
    addLabel("Label3", "지혜");
    addLabel("Label4", "민첩");
    addLabel("Label5", "매력");
    addLabel("Label6", "건강");
    addLabel("wp1label", "무기1: ");
    addLabel("wp2label", "무기2: ");
    addLabel("armorlabel", "갑옷:");
    addLabel("helmetlabel", "투구");
}

void Tadvdtform::showAdventurerPanel(int adventurer) {
    present(adventurerPanelLines(windows_.state->adventurers.at(adventurer)));
}

}  // namespace orrowvale
