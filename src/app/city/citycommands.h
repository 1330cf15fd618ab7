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
    void GuildButtonClick();
    void Button2Click();
    void PubButtonClick();
    void GotoBottonClick();
    void contactbtnClick();
    void Button1Click();
    void Image1Click();
    void skipturnbtnClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QPushButton* addButton(const char* name, const char* caption);

    Windows& windows_;
    QPushButton* guildbutton;
    QPushButton* pubbutton;
    QPushButton* Button2;
    QPushButton* gotobotton;
    QPushButton* contactbtn;
    QPushButton* Button1;
    QPushButton* image1;
    QPushButton* skipturnbtn;
};

inline constexpr const char* kContactTitle = "접선할 상대의 이름을 적어 주세요.";
inline constexpr const char* kContactPrompt = "접선";

}  // namespace orrowvale
