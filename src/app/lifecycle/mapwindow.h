#pragma once

#include <QMainWindow>

class QPushButton;
class QAction;

namespace orrowvale {

class Picture;
class Windows;

// The map window, the game's main screen while a game is in play. The status
// panel and the command window come and go with it.
class TMainForm : public QMainWindow {
  public:
    explicit TMainForm(Windows& windows);

    // Shows the map with its companions for a new or loaded game. False, after
    // telling why and going back to the title window, when the city list is broken.
    bool openForPlay();

    void Image1MouseMove(QPoint point);
    void Image1MouseDown(Qt::MouseButton button, QPoint point);
    void Save1Click();
    void Exit1Click();
    void Button1Click();
    // Asks, when leaving now would lose progress, whether to leave anyway.
    bool mayLeaveGame();

    Picture* map() const { return Image1; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void placeCompanions();

    Windows& windows_;
    Picture* Image1;
    QPushButton* Button1;
    QAction* Save1;
    QAction* Exit1;
    bool companionsPlaced_ = false;
};

}  // namespace orrowvale
