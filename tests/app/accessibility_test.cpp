#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>

#include "app/ui/picture.h"
#include "modaldriver.h"

namespace orrowvale::testing {
namespace {

// A screen reader finds every control by a name: its caption, its label or a name
// of its own. A value label is read together with the caption beside it.
TEST(Accessibility, EveryControlOfEveryWindowHasAName) {
    WindowsFixture fixture;
    QStringList unnamed;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool needsName =
                qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
                qobject_cast<QListWidget*>(control) || qobject_cast<QPlainTextEdit*>(control) ||
                qobject_cast<QProgressBar*>(control) || dynamic_cast<Picture*>(control);
            // Qt's own helpers (qt_...) are not ours to name.
            if (!needsName || control->objectName().isEmpty() ||
                control->objectName().startsWith(QStringLiteral("qt_")))
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << window->objectName() + QLatin1Char('.') + control->objectName();
        }
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}

}  // namespace
}  // namespace orrowvale::testing
