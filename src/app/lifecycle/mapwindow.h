#pragma once

#include <QMainWindow>

#include "app/lifecycle/mapview.h"

class QPushButton;
class QAction;

namespace orrowvale {

class Windows;

// The map window, the game's main screen while a game is in play. The status
// panel and the command window come and go with it.
class TMainForm : public QMainWindow {
  public:
    explicit TMainForm(Windows& windows);

    // Shows the map of a new or loaded game, its companions placed beside it the
    // first time. False, after telling why, when the city list is broken.
    bool openForPlay();

    // Draws again where the main character stands, the branches and the waiting
    // parties, and tells a screen reader on a city what changed there.
    void refreshMarks();

    void mapMouseMove(QPoint point);
    void mapMouseDown(Qt::MouseButton button, QPoint point);
    // A city chosen on the map, by a left click or by Enter: its party command list.
    void cityChosen(int city);
    void saveActionTriggered();
    void exitActionTriggered();
    // "기록": the log of what was said, beside the map.
    void logActionTriggered();
    // "파티 현황": where every party is and what it is doing.
    void overviewActionTriggered();
    // "지도": the keyboard onto the map, from whichever game window has it.
    void mapActionTriggered();
    // The hidden diagnostic button: copies the sample adventurer and shows him.
    void characterButtonClick();
    // Asks, when leaving now would lose progress, whether to leave anyway.
    bool mayLeaveGame();

    MapView* map() const { return mapPicture; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void arrangeWindows();
    void keepCompanionsBeside();

    Windows& windows_;
    MapView* mapPicture;
    QPushButton* characterButton;
    QAction* saveAction;
    QAction* logAction;
    QAction* overviewAction;
    QAction* mapAction;
    // "완료 전에 묻기": whether "완료" asks first, kept between runs.
    QAction* askEndTurnAction;
    QAction* exitAction;
    bool companionsPlaced_ = false;
    // Where the map stood when its companions last followed it.
    QRect followedFrame_;
};

}  // namespace orrowvale
