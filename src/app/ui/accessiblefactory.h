#pragma once

#include <QAccessible>

class QObject;

namespace orrowvale {

// Installs `factory` for the application the first time it is given; later calls
// with the same factory do nothing.
void installAccessibleFactoryOnce(QAccessible::InterfaceFactory factory);

// Qt makes an object's interface at its first change, even with no screen reader
// listening, and keeps it. One made before `object` was marked for an interface of
// type `Ours` is dropped, so that the next look at it makes ours.
template <typename Ours>
void dropInterfaceMadeBefore(QObject* object) {
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object);
    if (made != nullptr && dynamic_cast<Ours*>(made) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace orrowvale
