#pragma once

#include <QDialog>

class QPushButton;

namespace orrowvale {

class Windows;

// The pub of the city where the main character stands: the adventurers present, the
// guild's fame, and a rumour.
class TPubForm : public QDialog {
  public:
    explicit TPubForm(Windows& windows);

    // Opens the pub, runs its event and returns when the player leaves.
    void showPub();
    void leaveButtonClick();
    void talkButtonClick();
    void fameButtonClick();
    void rumourButtonClick();

  private:
    // A button of the column, as wide as the others; Enter presses the one focused.
    QPushButton* addButton(const char* objectName, const char* caption, const char* tip);
    // Runs a rule of the pub; a broken or missing file is shown and the pub stays open.
    template <typename Rule>
    void play(Rule rule);

    Windows& windows_;
    QPushButton* talkButton;
    QPushButton* fameButton;
    QPushButton* rumourButton;
    QPushButton* leaveButton;
};

}  // namespace orrowvale
