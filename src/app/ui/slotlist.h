#pragma once

class QDialog;
class QListWidget;
class QPushButton;

namespace orrowvale {

class GamePaths;

// What the save and the load window share: a caption over the list of the ten
// slots and the two buttons, and refilling the list from the slots on disk.
struct SlotListParts {
    QListWidget* filelist;
    QPushButton* Button1;
    QPushButton* Button2;
};

SlotListParts buildSlotList(QDialog& dialog, const char* caption);
void fillSlotList(QListWidget& list, const GamePaths& paths);
// The slot (1..10) of the selected row, or 0 when no row is selected.
int selectedSlot(const QListWidget& list);

}  // namespace orrowvale
