#include "app/ui/windowplaces.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "app/ui/applicationfilter.h"
#include "app/ui/settings.h"

namespace orrowvale {
namespace {

constexpr const char* kPlacedThisRun = "orrowvalePlaced";
constexpr const char* kArrangesItself = "orrowvaleArrangesItself";

// The game's own windows: named, top-level, and neither a message box nor a popup.
bool isGameWindow(const QObject* watched) {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget == nullptr || !widget->isWindow() || widget->objectName().isEmpty()) return false;
    if (qobject_cast<const QMessageBox*>(widget) != nullptr) return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

bool resizable(const QWidget& window) {
    return window.minimumSize() != window.maximumSize();
}

// Whether a good part of `place` lies on some screen: its title bar can be grabbed.
bool onAScreen(const QRect& place) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(
                QRect(place.topLeft(), QSize(place.width(), 24))))
            return true;
    return false;
}

// In the middle of the screen of the window in front, its title bar never above or
// left of the screen.
void centre(QWidget& window) {
    const QWidget* over = QApplication::activeWindow();
    const QScreen* screen = over != nullptr && over != &window ? over->screen() : window.screen();
    if (screen == nullptr) return;
    const QRect room = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(room.center());
    window.move(std::max(frame.left(), room.left()), std::max(frame.top(), room.top()));
}

// A place remembered on a larger screen, or at a larger scale, is brought back
// whole onto the screen the window now stands on: no smaller than the window can
// be, no larger than the screen, and its frame inside it where it fits.
void keepWithinScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::screenAt(window.frameGeometry().topLeft());
    if (screen == nullptr) screen = window.screen();
    if (screen == nullptr) return;
    const QRect room = screen->availableGeometry();
    const QSize frameExtra = window.frameGeometry().size() - window.size();
    if (resizable(window))
        window.resize(
            window.size().boundedTo(room.size() - frameExtra).expandedTo(window.minimumSize()));
    QRect frame = window.frameGeometry();
    if (frame.right() > room.right()) frame.moveRight(room.right());
    if (frame.bottom() > room.bottom()) frame.moveBottom(room.bottom());
    window.move(std::max(frame.left(), room.left()), std::max(frame.top(), room.top()));
}

class WindowPlaces : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::Hide || type == QEvent::Close) &&
            isGameWindow(watched)) {
            auto& window = *static_cast<QWidget*>(watched);
            if (type == QEvent::Show)
                shown(window);
            else if (window.isVisible() || type == QEvent::Hide)
                setWindowPlace(window.objectName(), QRect(window.pos(), window.size()));
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    static void shown(QWidget& window) {
        if (window.property(kPlacedThisRun).toBool()) return;
        window.setProperty(kPlacedThisRun, true);
        const std::optional<QRect> place = windowPlace(window.objectName());
        if (place && onAScreen(*place)) {
            window.move(place->topLeft());
            if (resizable(window) && place->size().isValid()) window.resize(place->size());
            keepWithinScreen(window);
            return;
        }
        if (!window.property(kArrangesItself).toBool()) centre(window);
    }
};

}  // namespace

void rememberWindowPlaces() {
    installApplicationFilterOnce<WindowPlaces>("WindowPlaces");
}

void arrangesItself(QWidget& window) {
    window.setProperty(kArrangesItself, true);
}

bool hasRememberedPlace(const QWidget& window) {
    const std::optional<QRect> place = windowPlace(window.objectName());
    return place && onAScreen(*place);
}

}  // namespace orrowvale
