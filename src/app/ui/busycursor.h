#pragma once

#include <QCursor>
#include <QPointer>
#include <QWidget>

namespace orrowvale {

// Shows the busy cursor over one window while a long operation runs in its handler.
class BusyCursor {
  public:
    explicit BusyCursor(QWidget* window) : window_(window) { window_->setCursor(Qt::WaitCursor); }
    ~BusyCursor() {
        if (window_) window_->unsetCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    QPointer<QWidget> window_;
};

}  // namespace orrowvale
