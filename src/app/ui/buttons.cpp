#include "app/ui/buttons.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

#include "app/ui/applicationfilter.h"

namespace orrowvale {

namespace {

// The tip a button shows while it is allowed.
constexpr const char* kWhatItDoes = "orrowvaleWhatItDoes";

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
    installApplicationFilterOnce<EnterPressesButton>("EnterPressesButton");
}

QPushButton* makeButton(QWidget* parent, const char* objectName, const char* caption,
                        const char* tip) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(objectName));
    button->setAutoDefault(false);
    button->setProperty(kWhatItDoes, QString::fromUtf8(tip));
    button->setToolTip(QString::fromUtf8(tip));
    return button;
}

void allowUnless(QAbstractButton& button, const std::optional<std::string>& refusal) {
    button.setEnabled(!refusal);
    button.setToolTip(refusal ? QString::fromStdString(*refusal)
                              : button.property(kWhatItDoes).toString());
}

}  // namespace orrowvale
