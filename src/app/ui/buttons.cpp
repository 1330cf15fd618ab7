#include "app/ui/buttons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace orrowvale {

namespace {

class EnterPressesButton : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->isEnabled() || !button->isVisible()) return false;
        button->click();
        return true;
    }
};

}  // namespace

void pressFocusedButtonsOnEnter() {
    static const char* const kName = "EnterPressesButton";
    if (!qApp || qApp->findChild<EnterPressesButton*>(QString::fromLatin1(kName))) return;
    auto* filter = new EnterPressesButton(qApp);
    filter->setObjectName(QString::fromLatin1(kName));
    qApp->installEventFilter(filter);
}

QPushButton* makeButton(QWidget* parent, const char* objectName, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(objectName));
    button->setAutoDefault(false);
    return button;
}

}  // namespace orrowvale
