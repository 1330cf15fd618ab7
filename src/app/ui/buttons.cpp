#include "app/ui/buttons.h"

#include <QPushButton>

namespace orrowvale {

QPushButton* makeButton(QWidget* parent, const char* objectName, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(objectName));
    button->setAutoDefault(false);
    return button;
}

}  // namespace orrowvale
