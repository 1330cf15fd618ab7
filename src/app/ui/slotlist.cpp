#include "app/ui/slotlist.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/busycursor.h"
#include "app/ui/buttons.h"
#include "app/ui/messages.h"
#include "app/ui/numberedlist.h"
#include "app/ui/text.h"
#include "lifecycle/savegame.h"
#include "world/datafiles.h"

namespace orrowvale {

TSlotWindow::TSlotWindow(const GamePaths& paths, const char* caption, const char* okTip)
    : paths_(paths) {
    setModal(true);
    auto* prompt = new QLabel(QString::fromUtf8(caption), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    slotList = new NumberedList(this, "filelist", prompt);
    slotList->setMinimumSize(320, 200);
    okButton = makeButton(this, "Button1", "확인", okTip);
    cancelButton = makeButton(this, "Button2", "취소", "아무것도 하지 않고 닫습니다.");
    // Where the slots are, in small print under the list, so that a player can
    // find (and copy) the folder to back up or carry a save to another machine.
    folderLabel = new QLabel(this);
    folderLabel->setObjectName(QStringLiteral("folderlabel"));
    folderLabel->setWordWrap(true);
    folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folderLabel->setForegroundRole(QPalette::PlaceholderText);
    QFont small = folderLabel->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    folderLabel->setFont(small);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(slotList);
    layout->addWidget(folderLabel);
    layout->addLayout(buttons);

    connect(slotList, &QListWidget::activated, this, [this](const QModelIndex& row) {
        slotList->setCurrentRow(row.row());
        okButtonClick();
    });
    connect(okButton, &QPushButton::clicked, this, &TSlotWindow::okButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TSlotWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    folderLabel->setText(qs(saveFolderNote(paths_)));
    slotList->fill(saveSlotRows(paths_));
    slotList->setFocus();
}

void TSlotWindow::okButtonClick() {
    const std::optional<int> slot = slotList->chosen();
    if (!slot) return;
    try {
        BusyCursor busy(this);
        if (!useSlot(*slot)) return;
    } catch (const DataError& error) {
        showFailure(*slot, error);
        return;
    }
    accept();
    slotUsed();
}

}  // namespace orrowvale
