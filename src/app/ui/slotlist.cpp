#include "app/ui/slotlist.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/text.h"
#include "lifecycle/saveunit.h"

namespace orrowvale {

SlotListParts buildSlotList(QDialog& dialog, const char* caption) {
    dialog.setModal(true);
    auto* Label1 = new QLabel(QString::fromUtf8(caption), &dialog);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* filelist = new QListWidget(&dialog);
    filelist->setObjectName(QStringLiteral("filelist"));
    filelist->setAccessibleName(QString::fromUtf8(caption).trimmed());
    filelist->setMinimumSize(320, 200);
    Label1->setBuddy(filelist);
    auto* Button1 = new QPushButton(QStringLiteral("확인"), &dialog);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    auto* Button2 = new QPushButton(QStringLiteral("취소"), &dialog);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    QObject::connect(Button2, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(Label1);
    layout->addWidget(filelist);
    layout->addLayout(buttons);
    return {filelist, Button1, Button2};
}

void fillSlotList(QListWidget& list, const GamePaths& paths) {
    list.clear();
    for (const std::string& line : listSaveSlots(paths))
        list.addItem(qs(line));
    list.setCurrentRow(-1);
    list.clearSelection();
    list.setFocus();
}

int selectedSlot(const QListWidget& list) {
    const auto selected = list.selectedItems();
    if (selected.isEmpty()) return 0;
    return list.row(selected.first()) + 1;
}

}  // namespace orrowvale
