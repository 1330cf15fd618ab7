#pragma once

#include <QLabel>
#include <QMainWindow>
#include <functional>

class QPushButton;
class QAction;

namespace orrowvale {

class Windows;

// The map picture: reports where the mouse moves and presses, in picture pixels.
class MapPicture : public QLabel {
  public:
    explicit MapPicture(QWidget* parent);

    std::function<void(QPoint)> onMove;
    std::function<void(Qt::MouseButton, QPoint)> onPress;

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

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

    MapPicture* map() const { return Image1; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void placeCompanions();

    Windows& windows_;
    MapPicture* Image1;
    QPushButton* Button1;
    QAction* Save1;
};

}  // namespace orrowvale
