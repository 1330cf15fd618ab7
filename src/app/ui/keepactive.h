#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace orrowvale {

// Gives the keyboard back to the window that had it once the modal windows that a
// handler opens are gone: a window manager hands it to the main window otherwise,
// and Space would no longer reach "완료".
class KeepActive {
  public:
    KeepActive() : window_(QApplication::activeWindow()) {}
    ~KeepActive() {
        if (window_ && window_->isVisible() && window_->isEnabled()) window_->activateWindow();
    }
    KeepActive(const KeepActive&) = delete;
    KeepActive& operator=(const KeepActive&) = delete;

  private:
    QPointer<QWidget> window_;
};

}  // namespace orrowvale
