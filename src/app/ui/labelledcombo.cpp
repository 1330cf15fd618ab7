#include "app/ui/labelledcombo.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

#include "app/ui/accessiblefactory.h"

namespace orrowvale {
namespace {

// Marks a combo box whose accessible name is its label.
constexpr const char* kLabelledProperty = "orrowvaleLabelledCombo";

// A labelled combo box as a screen reader sees it: named by its label, valued by
// its item, and opened by its default action.
class LabelledComboAccessible : public QAccessibleWidget {
  public:
    explicit LabelledComboAccessible(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        const QComboBox* box = combo();
        switch (kind) {
            case QAccessible::Name: {
                const QString label = QAccessibleWidget::text(QAccessible::Name);
                return label.isEmpty() ? box->currentText() : label;
            }
            case QAccessible::Value:
                return box->currentText();
            case QAccessible::Description: {
                const QString more = box->accessibleDescription();
                if (box->currentText().isEmpty()) return more;
                return more.isEmpty() ? box->currentText()
                                      : box->currentText() + QStringLiteral(", ") + more;
            }
            default:
                return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->view() && combo()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) combo()->showPopup();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QComboBox* combo() const { return static_cast<QComboBox*>(object()); }
};

QAccessibleInterface* labelledComboFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QComboBox") || !object ||
        !object->property(kLabelledProperty).toBool())
        return nullptr;
    return new LabelledComboAccessible(static_cast<QComboBox*>(object));
}

}  // namespace

void labelCombo(QLabel* label, QComboBox* combo) {
    installAccessibleFactoryOnce(labelledComboFactory);
    // Marked first: naming the combo below may already ask for its interface. One
    // made before the mark (filling the combo may make one) is dropped for ours.
    combo->setProperty(kLabelledProperty, true);
    dropInterfaceMadeBefore<LabelledComboAccessible>(combo);
    label->setBuddy(combo);
    combo->setAccessibleName(label->text().remove(QLatin1Char('&')).trimmed());
    // The list drops below its field, as in a form, rather than over the choice
    // the player is reading.
    combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                     [combo] { announceComboChange(combo); });
}

void announceComboChange(QComboBox* combo) {
    QAccessibleEvent described(combo, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

}  // namespace orrowvale
