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
    void askClassButtonClick();
    void askToJoinButtonClick();
    void buyDrinkButtonClick();

    int talkTarget() const { return talkTarget_; }

  protected:
    // Enter on the answer gives the keyboard back to the question asked.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A button of the column; Enter presses the one focused.
    QPushButton* addButton(const char* objectName, const char* caption, const char* tip);
    void updateJoinButton();
    // Shows what the adventurer says to the question `askedBy` and gives it the focus.
    void showAnswer(const QString& answer, QPushButton* askedBy);

    Windows& windows_;
    int talkTarget_ = 0;
    QPlainTextEdit* answerText;
    QPushButton* askClassButton;
    QPushButton* askToJoinButton;
    QPushButton* buyDrinkButton;
    QPushButton* goodbyeButton;
    QPushButton* askedBy_ = nullptr;
};

}  // namespace orrowvale
