#include "app/ui/windowfocus.h"

#include <QApplication>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "app/ui/applicationfilter.h"

namespace orrowvale {
namespace {

// A window the player works in: not a menu, a tooltip or a combo box's popup.
bool isPlayerWindow(QObject* object) {
    if (!object->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(object);
    const Qt::WindowType type = widget->windowType();
    return widget->isWindow() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool);
}

// A window shown beside the one the player works in (the map and the status panel
// beside the command window) is not given the keyboard as it shows; it still gets it
// back as any other once it has had it.
bool takesKeyboardOnShow(QObject* object) {
    return isPlayerWindow(object) &&
           !static_cast<QWidget*>(object)->testAttribute(Qt::WA_ShowWithoutActivating);
}

class KeyboardFollowsWindows : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Show:
                if (takesKeyboardOnShow(watched)) activateLater(static_cast<QWidget*>(watched));
                break;
            case QEvent::Hide:
                if (isPlayerWindow(watched)) activateLater(nullptr);
                break;
            case QEvent::WindowActivate:
                if (isPlayerWindow(watched)) {
                    history_.removeAll(static_cast<QWidget*>(watched));
                    history_.append(static_cast<QWidget*>(watched));
                }
                break;
            default:
                break;
        }
        return false;
    }

  private:
    // Once the events of the moment are done: a window shown and hidden at once, or
    // one that took the keyboard itself, is left alone.
    void activateLater(QWidget* shown) {
        QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(shown), hiding = !shown] {
            if (!hiding) {
                if (window && window->isVisible() && window->isEnabled() &&
                    !window->isActiveWindow() && !otherModalAbove(window))
                    window->activateWindow();
                return;
            }
            if (QApplication::activeWindow()) return;
            if (QWidget* next = nextWindow()) next->activateWindow();
        });
    }

    static bool otherModalAbove(QWidget* window) {
        QWidget* modal = QApplication::activeModalWidget();
        return modal && modal != window;
    }

    QWidget* nextWindow() {
        if (QWidget* modal = QApplication::activeModalWidget()) return modal;
        for (auto at = history_.rbegin(); at != history_.rend(); ++at)
            if (*at && (*at)->isVisible() && (*at)->isEnabled()) return *at;
        return nullptr;
    }

    QList<QPointer<QWidget>> history_;
};

}  // namespace

void keyboardFollowsWindows() {
    installApplicationFilterOnce<KeyboardFollowsWindows>("KeyboardFollowsWindows");
}

}  // namespace orrowvale
