#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace orrowvale {

// Keeps a game window where the player can reach it. The status panel, the command
// window and the announcement window have no border icons of their own, yet some
// window managers still offer to minimise or maximise them; a minimised tool window
// has no taskbar entry to come back from. Such a window returns to its normal state
// at once.
class StayOnScreen : public QObject {
  public:
    explicit StayOnScreen(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::WindowStateChange &&
            (window_->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
            QTimer::singleShot(0, window_, [window = window_] {
                window->setWindowState(Qt::WindowNoState);
                if (window->isVisible()) window->showNormal();
            });
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* window_;
};

}  // namespace orrowvale
