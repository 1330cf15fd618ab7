#include "app/ui/buttons.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>

#include "app/ui/accessiblefactory.h"
#include "app/ui/applicationfilter.h"

namespace orrowvale {

namespace {

// Why the button is refused; empty or missing while it may be pressed.
const char* const kRefusalProperty = "orrowvaleRefusal";
// Set on a button once it has been refused.
const char* const kRefusableProperty = "orrowvaleRefusable";
// The tip a button shows while it may be pressed: what it does.
const char* const kWhatItDoesProperty = "orrowvaleWhatItDoes";

QString refusalOf(const QPushButton* button) {
    return button->property(kRefusalProperty).toString();
}

// The reason beside the button, where the player's eye and a screen reader are.
void showRefusal(QPushButton* button) {
    QToolTip::showText(button->mapToGlobal(button->rect().bottomLeft()), refusalOf(button), button);
}

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
        if (!refusalOf(button).isEmpty())
            showRefusal(button);
        else
            button->click();
        return true;
    }
};

// The clicks and keys that would press a refused button show its reason instead.
class RefusedButtonGuard : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* button = static_cast<QPushButton*>(watched);
        if (refusalOf(button).isEmpty()) return false;
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            case QEvent::MouseButtonRelease:
                if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
                showRefusal(button);
                return true;
            case QEvent::KeyPress:
            case QEvent::KeyRelease: {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key != Qt::Key_Space && key != Qt::Key_Select) return false;
                if (event->type() == QEvent::KeyPress) showRefusal(button);
                return true;
            }
            default:
                return false;
        }
    }
};

// A refused button as a screen reader meets it: a push button, unavailable, with the
// reason as its description, and no "press" to offer.
class RefusableButtonAccessible : public QAccessibleWidget {
  public:
    explicit RefusableButtonAccessible(QPushButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && button()->accessibleName().isEmpty())
            return QString(button()->text()).remove(QLatin1Char('&'));
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (refused()) state.disabled = true;
        if (button()->isDefault()) state.defaultButton = true;
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (!refused()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            if (!refused()) button()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QPushButton* button() const { return static_cast<QPushButton*>(widget()); }
    bool refused() const { return !refusalOf(button()).isEmpty(); }
};

QAccessibleInterface* refusableButtonFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QPushButton") || !object ||
        !object->property(kRefusableProperty).toBool())
        return nullptr;
    return new RefusableButtonAccessible(static_cast<QPushButton*>(object));
}

// The first refusal of a button makes it refusable: its guard, and an interface for a
// screen reader in place of any made before.
void makeRefusable(QPushButton* button) {
    installAccessibleFactoryOnce(refusableButtonFactory);
    button->setProperty(kRefusableProperty, true);
    button->installEventFilter(new RefusedButtonGuard(button));
    dropInterfaceMadeBefore<RefusableButtonAccessible>(button);
}

// Greyed as a disabled button is, while it keeps the keyboard.
QPalette greyed(const QPalette& palette) {
    QPalette grey = palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        const QBrush disabled = palette.brush(QPalette::Disabled, colorRole);
        grey.setBrush(QPalette::Active, colorRole, disabled);
        grey.setBrush(QPalette::Inactive, colorRole, disabled);
    }
    return grey;
}

}  // namespace

void pressFocusedButtonsOnEnter() {
    installApplicationFilterOnce<EnterPressesButton>("EnterPressesButton");
}

QPushButton* makeButton(QWidget* parent, const char* objectName, const char* caption,
                        const char* tip) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(objectName));
    button->setAutoDefault(false);
    button->setProperty(kWhatItDoesProperty, QString::fromUtf8(tip));
    button->setToolTip(QString::fromUtf8(tip));
    return button;
}

void allowUnless(QPushButton& pushButton, const std::optional<std::string>& refusal) {
    QPushButton* button = &pushButton;
    const QString reason = refusal ? QString::fromStdString(*refusal) : QString();
    button->setToolTip(reason.isEmpty() ? button->property(kWhatItDoesProperty).toString()
                                        : reason);
    if (button->isCheckable()) {
        button->setEnabled(reason.isEmpty());
        return;
    }
    if (!button->property(kRefusableProperty).toBool()) makeRefusable(button);
    const bool wasRefused = !refusalOf(button).isEmpty();
    button->setProperty(kRefusalProperty, reason);
    if (wasRefused == !reason.isEmpty()) return;
    const QWidget* parent = button->parentWidget();
    // An empty palette gives the button back the one it inherits.
    button->setPalette(reason.isEmpty() ? QPalette()
                                        : greyed(parent ? parent->palette() : QPalette()));
    // A screen reader on the button hears it become available or not.
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(button, changed);
    QAccessible::updateAccessibility(&event);
}

bool isRefused(const QPushButton* button) {
    return !button->isEnabled() || !refusalOf(button).isEmpty();
}

}  // namespace orrowvale
