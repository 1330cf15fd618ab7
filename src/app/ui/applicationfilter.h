#pragma once

#include <QApplication>
#include <QString>

namespace orrowvale {

// Installs one `Filter` (a QObject event filter) for the whole application, named
// `name`; while one is installed, later calls do nothing.
template <typename Filter>
void installApplicationFilterOnce(const char* name) {
    if (!qApp || qApp->findChild<Filter*>(QString::fromLatin1(name))) return;
    auto* filter = new Filter(qApp);
    filter->setObjectName(QString::fromLatin1(name));
    qApp->installEventFilter(filter);
}

}  // namespace orrowvale
