#include "app/ui/windowrole.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "app/ui/accessiblefactory.h"

namespace orrowvale {
namespace {

QAccessibleInterface* plainWindowFactory(const QString& className, QObject* object) {
    // Dialogs, main windows and menus are met earlier in their class line and keep
    // Qt's own interfaces; only a plain widget that is a window comes this far.
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    const Qt::WindowType type = widget->windowType();
    if (!widget->isWindow() || (type != Qt::Window && type != Qt::Tool && type != Qt::Dialog))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void tellPlainWindowsAsWindows() {
    installAccessibleFactoryOnce(plainWindowFactory);
}

}  // namespace orrowvale
