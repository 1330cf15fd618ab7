#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace orrowvale {

class Windows;

// A conversation with one adventurer in the pub: its class, a drink, and the
// question whether it would join the guild.
class Tttadvenform : public QDialog {
  public:
    explicit Tttadvenform(Windows& windows);

    // Talks with adventurer `number`; returns when the player says goodbye.
    void showConversation(int number);
    void yourjobClick();
    void joinusClick();
    void buydrinkClick();

    int talkTarget() const { return talkTarget_; }

  private:
    QPushButton* addButton(const char* name, const char* caption);
    void updateJoinButton();

    Windows& windows_;
    int talkTarget_ = 0;
    QPlainTextEdit* adsaid;
    QPushButton* yourjob;
    QPushButton* joinus;
    QPushButton* buydrink;
    QPushButton* goodbyebtn;
};

}  // namespace orrowvale
