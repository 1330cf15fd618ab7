#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace orrowvale {

class DataError;
class GamePaths;
class NumberedList;

// What the save and the load window share: a caption over the list of the ten
// slots, refilled from the disk each time the window is shown, and "확인" and
// "취소", with the folder that holds the slots in small print. A double click, or
// Enter on a row, acts on that row like "확인".
class TSlotWindow : public QDialog {
  public:
    void okButtonClick();

  protected:
    // `okTip` says what "확인" does with the chosen slot.
    TSlotWindow(const GamePaths& paths, const char* caption, const char* okTip);
    void showEvent(QShowEvent* event) override;
    // Saves into or loads slot 1..10, under the busy cursor. False (the player kept
    // what the slot held) or a DataError, which is shown, keeps the window open for
    // another choice.
    virtual bool useSlot(int slot) = 0;
    // Tells the player why useSlot failed.
    virtual void showFailure(int slot, const DataError& error) = 0;
    // After the window closed on success.
    virtual void slotUsed() {}
    const GamePaths& paths() const { return paths_; }

  private:
    const GamePaths& paths_;
    NumberedList* slotList;
    QLabel* folderLabel;
    QPushButton* okButton;
    QPushButton* cancelButton;
};

}  // namespace orrowvale
