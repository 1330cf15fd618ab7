#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>

#include "app/ui/picture.h"
#include "modaldriver.h"

namespace orrowvale::testing {
namespace {

bool isControl(QWidget* widget) {
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
           qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QPlainTextEdit*>(widget) ||
           qobject_cast<QTextEdit*>(widget) || qobject_cast<QLineEdit*>(widget) ||
           qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QAbstractSlider*>(widget) ||
           qobject_cast<QProgressBar*>(widget) || dynamic_cast<Picture*>(widget);
}

// Qt's own helpers inside a control (a spin box's line edit, a combo box's popup
// list, a scroll bar) are named by Qt, not by us.
bool isQtHelper(QWidget* widget) {
    if (widget->objectName().startsWith(QStringLiteral("qt_"))) return true;
    for (QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (isControl(up)) return true;
    return false;
}

// Every control of `windows` that a screen reader could not name, or a test could
// not find by its object name: "window.objectName", or for a control without an
// object name its class and what it shows.
QStringList unnamedControls(const QWidgetList& windows) {
    QStringList unnamed;
    for (QWidget* window : windows) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!isControl(control) || isQtHelper(control)) continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            const QString name =
                accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
            const QString objectName = control->objectName();
            if (!objectName.isEmpty() && !name.isEmpty()) continue;
            unnamed << window->objectName() + QLatin1Char('.') +
                           (objectName.isEmpty()
                                ? QStringLiteral("(%1 \"%2\" without an object name)")
                                      .arg(QString::fromUtf8(control->metaObject()->className()),
                                           name)
                                : objectName);
        }
    }
    return unnamed;
}

// A screen reader finds every control by a name: its caption, its label or a name
// of its own; tests and the scripted player find it by its object name.
TEST(Accessibility, EveryControlOfEveryWindowHasAName) {
    WindowsFixture fixture;
    const QStringList unnamed = unnamedControls(QApplication::topLevelWidgets());
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}

TEST(Accessibility, AControlWithoutAnObjectNameOrAReadableNameIsListed) {
    QWidget window;
    window.setObjectName(QStringLiteral("Twindow"));
    new QPushButton(QStringLiteral("확인"), &window);
    auto* places = new QComboBox(&window);
    places->setObjectName(QStringLiteral("placecombo"));
    auto* named = new QPushButton(QStringLiteral("닫기"), &window);
    named->setObjectName(QStringLiteral("closebtn"));
    EXPECT_EQ(unnamedControls({&window}),
              (QStringList{QStringLiteral("Twindow.(QPushButton \"확인\" without an object name)"),
                           QStringLiteral("Twindow.placecombo")}));
}

}  // namespace
}  // namespace orrowvale::testing
