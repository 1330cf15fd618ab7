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

    // Starts browsing again at the first character, on "취소".
    void startBrowsing();
    void previousButtonClick();
    void nextButtonClick();
    void confirmButtonClick();
    void randomPlayButtonClick();
    void cancelButtonClick();

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
    QLabel* nameLabel;
    QLabel* sexLabel;
    QLabel* homeLabel;
    QPlainTextEdit* descriptionText;
    QPushButton* previousButton;
    QPushButton* nextButton;
    QPushButton* confirmButton;
    QPushButton* cancelButton;
    QPushButton* randomPlayButton;
    int browsedCharacter_ = 0;
    int lastCharacter_ = 0;
};

inline constexpr const char* kConfirmCharacter = "이 캐릭터로 결정하시겠습니까?";

}  // namespace orrowvale
