#include "app/lifecycle/saveunit.h"

#include <QListWidget>
#include <QPushButton>

#include "app/lifecycle/windows.h"
#include "app/ui/busycursor.h"
#include "app/ui/messages.h"
#include "app/ui/slotlist.h"
#include "lifecycle/saveunit.h"
#include "world/datafiles.h"

namespace orrowvale {

Tsaveform::Tsaveform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tsaveform"));
    setWindowTitle(QStringLiteral("저장"));
    // A double click, or Enter on a row, acts on that row like "확인".
    const SlotListParts parts = buildSlotList(*this, "저장할 슬롯을 선택하세요.");
    filelist = parts.filelist;
    Button1 = parts.Button1;
    Button2 = parts.Button2;
    connect(filelist, &QListWidget::activated, this, [this](const QModelIndex& row) {
        filelist->setCurrentRow(row.row());
        Button1Click();
    });
    connect(Button1, &QPushButton::clicked, this, &Tsaveform::Button1Click);
}

void Tsaveform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fillSlotList(*filelist, windows_.paths);
}

void Tsaveform::Button1Click() {
    const int slot = selectedSlot(*filelist);
    if (slot == 0) return;
    try {
        BusyCursor busy(this);
        saveGame(*windows_.state, windows_.paths, slot);
    } catch (const DataError& error) {
        errorBox(this, QString::fromUtf8(error.what()));
        return;
    }
    accept();
}

}  // namespace orrowvale
