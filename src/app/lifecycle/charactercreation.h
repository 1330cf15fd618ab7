#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orrowvale {

class Windows;

// Character creation: browse the story characters, confirm one, or play a random
// game. The title window stays disabled while this window is open.
class TNewGameForm : public QDialog {
  public:
    explicit TNewGameForm(Windows& windows);

    void FormActivate();
    void prevClick();
    void fwrdClick();
    void Button2Click();
    void Button3Click();
    void Button1Click();

    int browsedCharacter() const { return browsedCharacter_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void updateButtons();
    void showCharacter();
    void startGame(bool storyPlay);

    Windows& windows_;
    QLabel* chrname;
    QLabel* chrsex;
    QLabel* chrlocation;
    QPlainTextEdit* chrdescription;
    QPushButton* prev;
    QPushButton* fwrd;
    QPushButton* Button2;
    QPushButton* Button1;
    QPushButton* Button3;
    int browsedCharacter_ = 0;
    int lastCharacter_ = 0;
};

inline constexpr const char* kConfirmCharacter = "이 캐릭터로 결정하시겠습니까?";

}  // namespace orrowvale
