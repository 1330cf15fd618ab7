#include "app/ui/valuelabel.h"

#include <QLabel>

namespace orrowvale {

QLabel* makeValueLabel(QWidget* parent, const char* objectName, const char* meaning) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(objectName));
    label->setAccessibleDescription(QString::fromUtf8(meaning));
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return label;
}

}  // namespace orrowvale
