#include "app/ui/accessiblefactory.h"

#include <set>

namespace orrowvale {

void installAccessibleFactoryOnce(QAccessible::InterfaceFactory factory) {
    static std::set<QAccessible::InterfaceFactory> installed;
    if (installed.insert(factory).second) QAccessible::installFactory(factory);
}

}  // namespace orrowvale
