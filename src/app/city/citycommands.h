#pragma once

#include <QWidget>

class QPushButton;

namespace orrowvale {

class Windows;

// The command window: what the main character can do in the city where it stands,
// and "완료", which ends the turn.
class Tcommform : public QWidget {
  public:
    explicit Tcommform(Windows& windows);

    void refreshCommandButtons();
    // The keyboard back on the command window, on the button it last had: Escape on
    // the map and on the status panel come here.
    void takeKeyboard();
    void guildButtonClick();
    void tradingPostButtonClick();
    void pubButtonClick();
    void visitButtonClick();
    void contactButtonClick();
    void commandButtonClick();
    void equipmentButtonClick();
    void endTurnButtonClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // A button of the column, as tall as the others.
    QPushButton* addButton(const char* objectName, const char* caption, const char* tip);

    Windows& windows_;
    QPushButton* guildButton;
    QPushButton* pubButton;
    QPushButton* tradingPostButton;
    QPushButton* visitButton;
    QPushButton* contactButton;
    QPushButton* commandButton;
    QPushButton* equipmentButton;
    QPushButton* endTurnButton;
};

inline constexpr const char* kContactTitle = "접선할 상대의 이름을 적어 주세요.";
inline constexpr const char* kContactPrompt = "접선";

}  // namespace orrowvale
