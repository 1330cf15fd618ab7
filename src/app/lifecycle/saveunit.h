#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace orrowvale {

class Windows;

// The save window: the ten slots with the date saved in each; the chosen one is
// written with the game in play.
class Tsaveform : public QDialog {
  public:
    explicit Tsaveform(Windows& windows);

    void Button1Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Windows& windows_;
    QListWidget* filelist;
    QPushButton* Button1;
    QPushButton* Button2;
};

}  // namespace orrowvale
