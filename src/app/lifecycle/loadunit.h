#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace orrowvale {

class Windows;

// The load window: the ten slots; the chosen one replaces the game and play goes
// on in the map window.
class Tloadform : public QDialog {
  public:
    explicit Tloadform(Windows& windows);

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
