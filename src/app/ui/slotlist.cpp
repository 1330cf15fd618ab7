#include "app/ui/slotlist.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/busycursor.h"
#include "app/ui/messages.h"
#include "app/ui/text.h"
#include "lifecycle/savegame.h"
#include "world/datafiles.h"

namespace orrowvale {

TSlotWindow::TSlotWindow(const GamePaths& paths, const char* caption) : paths_(paths) {
    setModal(true);
    auto* Label1 = new QLabel(QString::fromUtf8(caption), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    filelist = new QListWidget(this);
    filelist->setObjectName(QStringLiteral("filelist"));
    filelist->setAccessibleName(QString::fromUtf8(caption).trimmed());
    filelist->setMinimumSize(320, 200);
    Label1->setBuddy(filelist);
    Button1 = new QPushButton(QStringLiteral("확인"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral("취소"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    // Where the slots are, in small print under the list, so that a player can
    // find (and copy) the folder to back up or carry a save to another machine.
    folderlabel = new QLabel(this);
    folderlabel->setObjectName(QStringLiteral("folderlabel"));
    folderlabel->setWordWrap(true);
    folderlabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folderlabel->setForegroundRole(QPalette::PlaceholderText);
    QFont small = folderlabel->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    folderlabel->setFont(small);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(filelist);
    layout->addWidget(folderlabel);
    layout->addLayout(buttons);

    connect(filelist, &QListWidget::activated, this, [this](const QModelIndex& row) {
        filelist->setCurrentRow(row.row());
        Button1Click();
    });
    connect(Button1, &QPushButton::clicked, this, &TSlotWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TSlotWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    folderlabel->setText(qs(saveFolderNote(paths_)));
    filelist->clear();
    for (const std::string& line : listSaveSlots(paths_))
        filelist->addItem(qs(line));
    filelist->setCurrentRow(-1);
    filelist->clearSelection();
    filelist->setFocus();
}

void TSlotWindow::Button1Click() {
    const auto selected = filelist->selectedItems();
    if (selected.isEmpty()) return;
    const int slot = filelist->row(selected.first()) + 1;
    try {
        BusyCursor busy(this);
        if (!useSlot(slot)) return;
    } catch (const DataError& error) {
        showFailure(slot, error);
        return;
    }
    accept();
    slotUsed();
}

}  // namespace orrowvale
