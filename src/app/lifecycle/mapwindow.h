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

    // Shows the map of a new or loaded game, its companions placed beside it the
    // first time. False, after telling why, when the city list is broken.
    bool openForPlay();

    void mapMouseMove(QPoint point);
    void mapMouseDown(Qt::MouseButton button, QPoint point);
    void saveActionTriggered();
    void exitActionTriggered();
    // "기록": the log of what was said, beside the map.
    void logActionTriggered();
    // "파티 현황": where every party is and what it is doing.
    void overviewActionTriggered();
    // The hidden diagnostic button: copies the sample adventurer and shows him.
    void characterButtonClick();
    // Asks, when leaving now would lose progress, whether to leave anyway.
    bool mayLeaveGame();

    Picture* map() const { return mapPicture; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void placeCompanions();

    Windows& windows_;
    Picture* mapPicture;
    QPushButton* characterButton;
    QAction* saveAction;
    QAction* logAction;
    QAction* overviewAction;
    // "완료 전에 묻기": whether "완료" asks first, kept between runs.
    QAction* askEndTurnAction;
    QAction* exitAction;
    bool companionsPlaced_ = false;
};

}  // namespace orrowvale
