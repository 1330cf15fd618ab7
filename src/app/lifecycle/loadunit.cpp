#include "app/lifecycle/loadunit.h"

#include <QListWidget>
#include <QPushButton>

#include "app/lifecycle/Main.h"
#include "app/lifecycle/title.h"
#include "app/lifecycle/windows.h"
#include "app/ui/busycursor.h"
#include "app/ui/messages.h"
#include "app/ui/slotlist.h"
#include "lifecycle/loadunit.h"
#include "world/datafiles.h"

namespace orrowvale {

Tloadform::Tloadform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tloadform"));
    setWindowTitle(QStringLiteral("파일 읽기"));
    // A double click, or Enter on a row, acts on that row like "확인".
    const SlotListParts parts = buildSlotList(*this, " 읽어들일 슬롯을 선택하세요.");
    filelist = parts.filelist;
    Button1 = parts.Button1;
    Button2 = parts.Button2;
    connect(filelist, &QListWidget::activated, this, [this](const QModelIndex& row) {
        filelist->setCurrentRow(row.row());
        Button1Click();
    });
    connect(Button1, &QPushButton::clicked, this, &Tloadform::Button1Click);
}

void Tloadform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fillSlotList(*filelist, windows_.paths);
}

// A failed load keeps whatever game there was; the window stays for another slot.
void Tloadform::Button1Click() {
    const int slot = selectedSlot(*filelist);
    if (slot == 0) return;
    try {
        BusyCursor busy(this);
        loadGame(windows_.game, slot);
    } catch (const DataError& error) {
        errorBox(this, QString::fromUtf8(error.what()));
        return;
    }
    accept();
    windows_.form1->hide();
    windows_.mainForm->openForPlay();
}

}  // namespace orrowvale
