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
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

  private:
    QPushButton* addButton(const char* name, const char* caption);
    // Runs a rule of the pub; a broken or missing file is shown and the pub stays open.
    template <typename Rule>
    void play(Rule rule);

    Windows& windows_;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button1;
};

}  // namespace orrowvale
